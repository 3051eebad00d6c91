# When Tessra is cross-built for Windows on Linux, its programs run under
# Wine: the build draws the icon with one, and CTest runs the tests. The
# wrapper build/.../wine-run sets Wine up for them (its own prefix in the
# build tree, the library path, Qt's fonts) and becomes the emulator CMake
# puts before every program of the build it runs.
if(NOT CMAKE_CROSSCOMPILING OR CMAKE_CROSSCOMPILING_EMULATOR)
  return()
endif()
find_program(TESSRA_WINE NAMES wine64 wine)
if(NOT TESSRA_WINE)
  message(STATUS "Wine not found: the Windows programs are built but not run")
  return()
endif()

# Wine's drive Z: is the Linux root.
set(windows_dirs "")
foreach(dir ${TESSRA_RUNTIME_DIRS})
  string(REPLACE "/" "\\" windows_dir "Z:${dir}")
  list(APPEND windows_dirs "${windows_dir}")
endforeach()
list(JOIN windows_dirs ";" TESSRA_WINEPATH)
set(TESSRA_WINEPREFIX ${PROJECT_BINARY_DIR}/wine)
set(TESSRA_FONT_DIR /usr/share/fonts/truetype/liberation)

configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${PROJECT_BINARY_DIR}/wine-run @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine-run)
