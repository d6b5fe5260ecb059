# What every build of this repository shares: the desktop and cross builds, and the
# build-time tools configured alone for the build machine.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

option(MORVANE_WERROR "Treat compiler warnings as errors" OFF)
add_compile_options(-Wall -Wextra -Wpedantic)
if(MORVANE_WERROR)
  add_compile_options(-Werror)
endif()
# Where the source and the build lie stays out of what is built (file names in debugging
# information and assertions), so that a build elsewhere makes the same bytes.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                    -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)

# The program's title, as its windows, menu entry, installer and page show it; the name of
# its program file and package; the name of the menu entry and of the icons; where the
# build paints the icons.
set(MORVANE_TITLE "Morvane 101")
set(MORVANE_PROGRAM morvane101)
set(MORVANE_APP_ID fr.morvane.morvane101)
set(MORVANE_ICON_ROOT ${PROJECT_BINARY_DIR}/icons)
# The sizes of the icons installed in the hicolor theme.
set(MORVANE_ICON_SIZES 16 22 24 32 48 64 128 192 256)
