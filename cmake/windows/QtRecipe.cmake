# The Qt that Tessra's Windows build links: Debian's qtbase source, cross-
# built for 64-bit Windows with MinGW-w64 by scripts/windows, which reads
# this file as CMake's initial cache (-C). Its text is part of the name of
# the cached build, so any change here builds Qt anew.
#
# Only what the program and its tests use: Core, Gui, Widgets and Test, the
# windows platform for the desktop and the offscreen one for the tests,
# with the third-party libraries Qt carries in its source.
set(CMAKE_BUILD_TYPE Release CACHE STRING "")
set(BUILD_SHARED_LIBS ON CACHE BOOL "")
set(QT_QMAKE_TARGET_MKSPEC win32-g++ CACHE STRING "")
set(QT_BUILD_EXAMPLES OFF CACHE BOOL "")
set(QT_BUILD_TESTS OFF CACHE BOOL "")
set(QT_BUILD_BENCHMARKS OFF CACHE BOOL "")
set(QT_BUILD_MANUAL_TESTS OFF CACHE BOOL "")

# No OpenGL at all: with only the feature off, the windows platform plugin
# still loads OpenGL at run time (dynamicgl) and fails to compile in 6.4.
set(INPUT_opengl no CACHE STRING "")
foreach(feature sql network dbus opengl opengl_dynamic dynamicgl vulkan
                printsupport concurrent xml jpeg icu zstd
                # Debian's source lacks the Wintab header the tablet
                # support needs; the program has no use for a pen.
                tabletevent)
  set(FEATURE_${feature} OFF CACHE BOOL "")
endforeach()
# DirectWrite stays on: without direct2d, Qt 6.4's windows platform plugin
# fails to link.

foreach(library zlib png pcre2 harfbuzz freetype doubleconversion)
  set(FEATURE_system_${library} OFF CACHE BOOL "")
endforeach()
# The offscreen platform draws its text with FreeType.
set(FEATURE_freetype ON CACHE BOOL "")

foreach(feature testlib widgets accessibility png)
  set(FEATURE_${feature} ON CACHE BOOL "")
endforeach()
