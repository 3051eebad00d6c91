# Installs the built program into a fresh staging directory and checks that
# a desktop would find everything: the program, its launcher entry, its icons
# and its software-centre description, each valid by freedesktop.org's own
# validators and consistent with the others.
#
#   cmake -DBUILD_DIR=<build dir> -DSTAGING=<empty dir to fill>
#         -DDESKTOP_FILE_VALIDATE=<path> -DAPPSTREAMCLI=<path>
#         -P CheckInstall.cmake

foreach(var BUILD_DIR STAGING)
  if(NOT ${var})
    message(FATAL_ERROR "CheckInstall: ${var} is not set")
  endif()
endforeach()
foreach(tool DESKTOP_FILE_VALIDATE APPSTREAMCLI)
  if(NOT ${tool} OR NOT EXISTS "${${tool}}")
    message(FATAL_ERROR "CheckInstall: ${tool} not found (run scripts/setup.sh)")
  endif()
endforeach()

set(app_id io.github.tessra.Tessra)
set(failure_count 0)
function(fail text)
  message(SEND_ERROR "${text}")
  math(EXPR count "${failure_count} + 1")
  set(failure_count ${count} PARENT_SCOPE)
endfunction()

# A stale staging tree could hide a file the install rules no longer install.
file(REMOVE_RECURSE "${STAGING}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGING}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}")
endif()

set(binary "${STAGING}/bin/tessra")
set(desktop "${STAGING}/share/applications/${app_id}.desktop")
set(metainfo "${STAGING}/share/metainfo/${app_id}.metainfo.xml")
set(png "${STAGING}/share/icons/hicolor/32x32/apps/${app_id}.png")
set(svg "${STAGING}/share/icons/hicolor/scalable/apps/${app_id}.svg")
set(license "${STAGING}/share/doc/tessra/LICENSE")
foreach(path binary desktop metainfo png svg license)
  if(NOT EXISTS "${${path}}")
    fail("not installed: ${${path}}")
  endif()
endforeach()
if(failure_count GREATER 0)
  message(FATAL_ERROR "CheckInstall: files are missing")
endif()

# The installed program must start: a missing execute bit or a library that
# does not resolve shows here. It runs until stopped, so running until the
# time-out is the success.
execute_process(
  COMMAND "${binary}"
  WORKING_DIRECTORY "${STAGING}"
  TIMEOUT 3
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc MATCHES "timeout")
  fail("the installed tessra did not keep running (${rc}):\n${out}")
endif()

# The PNG header: signature, then the IHDR chunk with width and height as
# 32-bit big-endian numbers.
file(READ "${png}" header HEX LIMIT 24)
string(SUBSTRING "${header}" 0 16 signature)
string(SUBSTRING "${header}" 24 8 chunk)
if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT chunk STREQUAL "49484452")
  fail("${png} is not a PNG file (starts with ${header})")
else()
  string(SUBSTRING "${header}" 32 8 width_hex)
  string(SUBSTRING "${header}" 40 8 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  if(NOT width EQUAL 32 OR NOT height EQUAL 32)
    fail("${png} is ${width}x${height}, the 32x32 icon directory needs 32x32")
  endif()
endif()

file(READ "${svg}" svg_text)
if(NOT svg_text MATCHES "<svg[^>]*viewBox=")
  fail("${svg} is not a scalable SVG picture (no <svg> element with a viewBox)")
endif()

# The desktop entry must name what was installed: the program to run and the
# icon to show.
file(STRINGS "${desktop}" exec_line REGEX "^Exec=")
file(STRINGS "${desktop}" icon_line REGEX "^Icon=")
if(NOT exec_line STREQUAL "Exec=tessra")
  fail("${desktop}: \"${exec_line}\" does not start the installed tessra")
endif()
if(NOT icon_line STREQUAL "Icon=${app_id}")
  fail("${desktop}: \"${icon_line}\" does not name the installed icon ${app_id}")
endif()

# Any remark from the validators counts: a launcher entry that is merely
# tolerated today is the one some desktop refuses tomorrow.
execute_process(
  COMMAND "${DESKTOP_FILE_VALIDATE}" "${desktop}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
  fail("desktop-file-validate ${desktop} (${rc}):\n${out}")
endif()

# appstreamcli fails on errors and warnings; its infos (such as a tag newer
# than this appstreamcli) do not fail the check.
execute_process(
  COMMAND "${APPSTREAMCLI}" validate --no-net "${metainfo}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  fail("appstreamcli validate ${metainfo} (${rc}):\n${out}")
endif()
# The whole tree: the launchable the metainfo names must be installed.
execute_process(
  COMMAND "${APPSTREAMCLI}" validate-tree --no-net "${STAGING}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  fail("appstreamcli validate-tree ${STAGING} (${rc}):\n${out}")
endif()

if(failure_count GREATER 0)
  message(FATAL_ERROR "CheckInstall: ${failure_count} problem(s) with the installed files")
endif()
message(STATUS "CheckInstall: ${STAGING} holds a complete, valid installation")
