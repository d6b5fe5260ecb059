# The build-time tools of a cross build (the page writer, the icon maker, the picture
# painter) must run on the build machine. They come from a native build named with
# -DMORVANE_NATIVE_BUILD=<dir> (quicker when there is one), or else are built for the
# build machine here, as a project of their own. Either way this defines:
#   host_make_web_design, host_make_icons   imported executables
#   MORVANE_HOST_ICON_ROOT                  where the icons are painted (icons/hicolor/...,
#                                           and all sizes in one Windows icon)
#   host_tools                              the target that makes all of them
set(MORVANE_NATIVE_BUILD "" CACHE PATH "A native build of this repository whose tools to use")

set(icon_sizes 64 192)
if(MORVANE_NATIVE_BUILD)
  set(tool_dir ${MORVANE_NATIVE_BUILD}/tools)
  set(MORVANE_HOST_ICON_ROOT ${MORVANE_NATIVE_BUILD}/icons)
  if(NOT EXISTS ${tool_dir}/make_web_design)
    message(FATAL_ERROR "${MORVANE_NATIVE_BUILD} has no built tools: build it first.")
  endif()
  add_custom_target(host_tools)
else()
  include(ExternalProject)
  set(tool_dir ${PROJECT_BINARY_DIR}/host-tools)
  set(MORVANE_HOST_ICON_ROOT ${tool_dir}/icons)
  set(byproducts ${tool_dir}/make_web_design ${tool_dir}/make_icons)
  foreach(size ${icon_sizes})
    list(APPEND byproducts
         ${MORVANE_HOST_ICON_ROOT}/hicolor/${size}x${size}/apps/${MORVANE_APP_ID}.png)
  endforeach()
  list(APPEND byproducts ${MORVANE_HOST_ICON_ROOT}/${MORVANE_APP_ID}.ico)
  # No toolchain file and no cross compiler: the build machine's own.
  ExternalProject_Add(host_tools
    SOURCE_DIR ${PROJECT_SOURCE_DIR}/tools
    BINARY_DIR ${tool_dir}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DMORVANE_WERROR=${MORVANE_WERROR}
    CMAKE_CACHE_ARGS -DCMAKE_TOOLCHAIN_FILE:FILEPATH= -DCMAKE_CROSSCOMPILING_EMULATOR:STRING=
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${byproducts})
endif()

foreach(tool make_web_design make_icons)
  add_executable(host_${tool} IMPORTED GLOBAL)
  set_target_properties(host_${tool} PROPERTIES IMPORTED_LOCATION ${tool_dir}/${tool})
  add_dependencies(host_${tool} host_tools)
endforeach()
