# Builds the Debian package from the build directory into a scratch
# directory and checks it as Debian would: lintian, when it is installed,
# must have nothing to say (no error, no warning at its default level), and
# the desktop entry in the package must start a program the package holds.
#
#   cmake -DBUILD_DIR=<build dir> -DSCRATCH=<empty dir to fill>
#         -DDPKG_DEB=<path> [-DLINTIAN=<path>] -P CheckPackage.cmake

foreach(var BUILD_DIR SCRATCH DPKG_DEB)
  if(NOT ${var})
    message(FATAL_ERROR "CheckPackage: ${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${SCRATCH}")
execute_process(
  COMMAND "${CMAKE_CPACK_COMMAND}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${SCRATCH}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB deb "${SCRATCH}/*.deb")
list(LENGTH deb count)
if(NOT rc EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack -G DEB failed (${rc}), made ${count} package(s):\n${out}")
endif()

set(tree "${SCRATCH}/unpacked")
execute_process(COMMAND "${DPKG_DEB}" -x "${deb}" "${tree}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -x ${deb} failed (${rc})")
endif()
# The launcher names the program by its full path (see data/CMakeLists.txt):
# that path must lead to the program inside the package.
file(GLOB desktop "${tree}/usr/share/applications/*.desktop")
file(STRINGS "${desktop}" exec_line REGEX "^Exec=")
if(NOT exec_line MATCHES "^Exec=(/[^ ]+) %f$")
  message(FATAL_ERROR "${desktop}: \"${exec_line}\" is not the program's full path and %f")
endif()
if(NOT EXISTS "${tree}${CMAKE_MATCH_1}" OR IS_DIRECTORY "${tree}${CMAKE_MATCH_1}")
  message(FATAL_ERROR "${exec_line}: the package holds no ${CMAKE_MATCH_1}")
endif()

if(NOT LINTIAN)
  message(STATUS "CheckPackage: lintian is not installed; ${deb} not checked by it")
  return()
endif()
# Each finding is one line on standard output; standard error only says that
# it runs as root, when it does.
execute_process(
  COMMAND "${LINTIAN}" "${deb}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE findings ERROR_VARIABLE errors)
if(NOT rc EQUAL 0 OR NOT findings STREQUAL "")
  message(FATAL_ERROR "lintian ${deb} (${rc}):\n${findings}${errors}")
endif()
message(STATUS "CheckPackage: lintian has nothing to say about ${deb}")
