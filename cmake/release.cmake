# What a release takes from the repository: its date and notes, and the time stamped into
# its packages. The changelog (CHANGELOG.md) is where each release's date and notes are
# written, once: each version opens with a heading "## VERSION — YYYY-MM-DD" followed by its
# items ("- " lines, continued by lines indented two spaces), newest first.

set(MORVANE_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/../CHANGELOG.md)

# The time that packages stamp where they must stamp one, in seconds since 1970:
# SOURCE_DATE_EPOCH when it is set, else the last commit's time, else (in a source archive,
# whose files all bear the commit's time) the changelog's.
function(morvane_source_date_epoch out)
  if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(${out} $ENV{SOURCE_DATE_EPOCH} PARENT_SCOPE)
    return()
  endif()
  find_package(Git QUIET)
  if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                    WORKING_DIRECTORY ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/..
                    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
  if(NOT epoch MATCHES "^[0-9]+$")
    file(TIMESTAMP ${MORVANE_CHANGELOG} epoch "%s" UTC)
  endif()
  set(${out} ${epoch} PARENT_SCOPE)
endfunction()

# Sets <prefix>_VERSIONS, and <prefix>_DATE_<version> and <prefix>_ITEMS_<version> for each.
function(_morvane_parse_changelog prefix)
  file(READ ${MORVANE_CHANGELOG} text)
  set(heading "\n## ([^ \n]+) — ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])\n")
  set(versions "")
  while(text MATCHES "${heading}")
    set(version ${CMAKE_MATCH_1})
    list(APPEND versions ${version})
    set(${prefix}_DATE_${version} ${CMAKE_MATCH_2} PARENT_SCOPE)
    string(FIND "${text}" "${CMAKE_MATCH_0}" start)
    string(LENGTH "${CMAKE_MATCH_0}" length)
    math(EXPR start "${start} + ${length} - 1")
    string(SUBSTRING "${text}" ${start} -1 text)
    string(FIND "${text}" "\n## " end)
    string(SUBSTRING "${text}" 0 ${end} items)
    string(STRIP "${items}" items)
    set(${prefix}_ITEMS_${version} "${items}" PARENT_SCOPE)
  endwhile()
  if(NOT versions)
    message(FATAL_ERROR "${MORVANE_CHANGELOG} has no entry \"## VERSION — YYYY-MM-DD\".")
  endif()
  set(${prefix}_VERSIONS ${versions} PARENT_SCOPE)
endfunction()

# Sets MORVANE_RELEASE_DATE (YYYY-MM-DD) and MORVANE_RELEASE_ITEMS for VERSION, which must be
# the newest entry: a version is not released before it is described.
function(morvane_read_release version)
  _morvane_parse_changelog(log)
  list(GET log_VERSIONS 0 newest)
  if(NOT newest STREQUAL version)
    message(FATAL_ERROR "${MORVANE_CHANGELOG} begins with ${newest}, not ${version}: "
                        "describe ${version} there first.")
  endif()
  set(MORVANE_RELEASE_DATE ${log_DATE_${version}} PARENT_SCOPE)
  set(MORVANE_RELEASE_ITEMS "${log_ITEMS_${version}}" PARENT_SCOPE)
endfunction()

# "Wed, 09 Dec 2026 00:00:00 +0000" for 2026-12-09, as Debian's changelogs date entries.
function(_morvane_debian_date date out)
  string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" parts ${date})
  set(year ${CMAKE_MATCH_1})
  math(EXPR month "${CMAKE_MATCH_2}")
  math(EXPR day "${CMAKE_MATCH_3}")
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  math(EXPR month_index "${month} - 1")
  list(GET months ${month_index} month_name)
  set(stamp "${CMAKE_MATCH_3} ${month_name} ${year} 00:00:00 +0000")
  # Zeller's congruence, with January and February counted at the end of the year before.
  if(month LESS 3)
    math(EXPR month "${month} + 12")
    math(EXPR year "${year} - 1")
  endif()
  math(EXPR weekday
       "(${day} + 13 * (${month} + 1) / 5 + ${year} + ${year} / 4 - ${year} / 100 + ${year} / 400) % 7")
  set(weekdays Sat Sun Mon Tue Wed Thu Fri)
  list(GET weekdays ${weekday} weekday)
  set(${out} "${weekday}, ${stamp}" PARENT_SCOPE)
endfunction()

# Writes every entry as a native Debian package's changelog into FILE (to be compressed).
function(morvane_write_debian_changelog file package maintainer)
  _morvane_parse_changelog(log)
  set(text "")
  foreach(version ${log_VERSIONS})
    # Items become "  * " lines, their continuations indented to match.
    string(REPLACE "\n  " "\n    " entry "${log_ITEMS_${version}}")
    string(REGEX REPLACE "^- " "  * " entry "${entry}")
    string(REPLACE "\n- " "\n  * " entry "${entry}")
    _morvane_debian_date(${log_DATE_${version}} date)
    if(text)
      string(APPEND text "\n")
    endif()
    string(APPEND text "${package} (${version}) unstable; urgency=medium\n\n${entry}\n\n"
           " -- ${maintainer}  ${date}\n")
  endforeach()
  file(WRITE ${file} "${text}")
endfunction()
