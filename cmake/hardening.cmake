# The desktop program is hardened as Debian hardens its own packages: the flags of
# dpkg-buildflags with every hardening feature on, whatever Debian release builds it, and
# stack clash and control-flow protection, which Debian 12 leaves out of "all". Only what
# hardens is taken; the build type keeps choosing optimisation and debugging information,
# and no warning is made an error. Fortified functions need optimisation: none in Debug.
find_program(MORVANE_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
set(hardening_compile_flags -fstack-clash-protection -fcf-protection)
set(hardening_link_flags)
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${MORVANE_DPKG_BUILDFLAGS} --get ${kind}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  foreach(flag IN LISTS flags)
    if(flag MATCHES "^-D_FORTIFY_SOURCE=")
      list(APPEND hardening_compile_flags $<$<NOT:$<CONFIG:Debug>>:${flag}>)
    elseif(flag MATCHES "^-f(stack-protector|stack-clash-protection|cf-protection)")
      list(APPEND hardening_compile_flags ${flag})
    elseif(flag MATCHES "^-Wl,-z,")
      list(APPEND hardening_link_flags ${flag})
    endif()
  endforeach()
endforeach()
list(REMOVE_DUPLICATES hardening_compile_flags)
add_compile_options(${hardening_compile_flags})
add_link_options(${hardening_link_flags})
