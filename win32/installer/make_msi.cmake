# Makes the installer with wixl, the same bytes from the same program whenever and wherever
# it is made:
#   cmake -DPROGRAM=morvane101.exe -DICON=morvane101.ico -DVERSION=1.0.0 "-DTITLE=Morvane 101"
#         -DOUTPUT=morvane101-1.0.0.msi [-DDOWNLOAD_URL=https://.../{version}/]
#         -P make_msi.cmake
# With DOWNLOAD_URL, where the release's files will be published ({version} stands for the
# version), it also writes the installer's winget manifest beside it, under winget/.
# wixl draws the product and package codes at random and stamps the current time into the
# package and its cabinet. Here the product code is derived from the version, the package
# code from what the package holds (the upgrade code is their namespace), and every time is
# the source's (SOURCE_DATE_EPOCH, or the last commit's). wixl also leaves the file's version
# out, and gives the summary the language 1033 whatever the product's: both are set after.
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/release.cmake)
morvane_source_date_epoch(EPOCH)
set(WXS ${CMAKE_CURRENT_LIST_DIR}/morvane101.wxs)
find_program(WIXL wixl REQUIRED)
find_program(MSIBUILD msibuild REQUIRED)
find_program(MSIINFO msiinfo REQUIRED)
find_program(FAKETIME faketime REQUIRED)

file(READ ${WXS} source)
string(REGEX MATCH "UpgradeCode=\"([^\"]+)\"" found "${source}")
set(upgrade_code ${CMAKE_MATCH_1})
string(UUID product_code NAMESPACE ${upgrade_code} NAME "product ${VERSION}" TYPE SHA1 UPPER)
string(REGEX MATCH "<Product [^>]*Language=\"([0-9]+)\"" found "${source}")
set(language ${CMAKE_MATCH_1})
# Two packages with other bytes are two packages to Windows Installer, even of one version:
# one installed over the other is then really installed.
set(content "${VERSION}")
foreach(file ${PROGRAM} ${ICON} ${WXS})
  file(SHA256 ${file} digest)
  string(APPEND content " ${digest}")
endforeach()
string(UUID package_code NAMESPACE ${upgrade_code} NAME "package ${content}" TYPE SHA1 UPPER)

# wixl packs files by paths relative to where it runs, with their times: they are gathered
# beside the output, at EPOCH.
get_filename_component(work ${OUTPUT} DIRECTORY)
set(work ${work}/msi-files)
file(MAKE_DIRECTORY ${work})
file(COPY_FILE ${PROGRAM} ${work}/morvane101.exe)
file(COPY_FILE ${ICON} ${work}/morvane101.ico)
execute_process(COMMAND touch -d @${EPOCH} morvane101.exe morvane101.ico
                WORKING_DIRECTORY ${work} COMMAND_ERROR_IS_FATAL ANY)

set(ENV{SOURCE_DATE_EPOCH} ${EPOCH})
string(TIMESTAMP time "%Y-%m-%d %H:%M:%S" UTC)
# The clock stands still at EPOCH (however long wixl takes); files keep their own times.
set(at_epoch ${CMAKE_COMMAND} -E env TZ=UTC NO_FAKE_STAT=1 ${FAKETIME} -f "${time}")
execute_process(
  COMMAND ${at_epoch} ${WIXL} --arch x64 --define Version=${VERSION} "--define=Title=${TITLE}"
          --define ProductCode=${product_code} --define Program=morvane101.exe
          --define Icon=morvane101.ico --output ${OUTPUT} ${WXS}
  WORKING_DIRECTORY ${work} COMMAND_ERROR_IS_FATAL ANY)

# wixl 0.101 ignores the package's Id: the code is written into the summary afterwards,
# keeping what wixl wrote there beside it.
execute_process(COMMAND ${MSIINFO} suminfo ${OUTPUT} OUTPUT_VARIABLE summary
                COMMAND_ERROR_IS_FATAL ANY)
foreach(field Subject Author Template)
  string(REGEX MATCH "${field}: ([^\n]*)" found "${summary}")
  set(${field} "${CMAKE_MATCH_1}")
endforeach()
string(REGEX REPLACE ";[0-9]+$" ";${language}" Template "${Template}")
execute_process(
  COMMAND ${at_epoch} ${MSIBUILD} ${OUTPUT} -s "${Subject}" "${Author}" "${Template}"
          "{${package_code}}"
  COMMAND_ERROR_IS_FATAL ANY)
# The program's version and language, as its version information gives them.
execute_process(
  COMMAND ${at_epoch} ${MSIBUILD} ${OUTPUT} -q
          "UPDATE `File` SET `Version` = '${VERSION}.0', `Language` = '${language}' WHERE `File` = 'morvane101.exe'"
  COMMAND_ERROR_IS_FATAL ANY)

if(NOT DEFINED DOWNLOAD_URL)
  return()
endif()
# The manifest's three files, laid out as in the winget package repository.
morvane_read_release(${VERSION})
file(SHA256 ${OUTPUT} SHA256)
string(TOUPPER ${SHA256} SHA256)
set(PRODUCT_CODE {${product_code}})
set(DATE ${MORVANE_RELEASE_DATE})
string(REPLACE "{version}" ${VERSION} URL ${DOWNLOAD_URL})
get_filename_component(manifests ${OUTPUT} DIRECTORY)
set(manifests ${manifests}/winget/manifests/m/Morvane/Morvane101/${VERSION})
file(GLOB templates ${CMAKE_CURRENT_LIST_DIR}/winget/*.yaml.in)
foreach(template ${templates})
  get_filename_component(name ${template} NAME_WLE)
  configure_file(${template} ${manifests}/${name} @ONLY)
endforeach()
