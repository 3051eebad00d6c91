# Installs the built program into a fresh staging directory and checks that
# a desktop would find everything: the program, its launcher entry, its icons,
# its software-centre description and its puzzle file type, each valid by
# freedesktop.org's own validators and consistent with the others. When
# xdg-mime is installed, a desktop using the staged files must know a saved
# puzzle as a Tessra puzzle and open it in Tessra.
#
#   cmake -DBUILD_DIR=<build dir> -DSTAGING=<empty dir to fill>
#         -DDESKTOP_FILE_VALIDATE=<path> -DAPPSTREAMCLI=<path>
#         -DSAVED_PUZZLE=<a .sav file the program wrote>
#         [-DXDG_MIME=<path> -DUPDATE_MIME_DATABASE=<path>
#          -DUPDATE_DESKTOP_DATABASE=<path>] -P CheckInstall.cmake

foreach(var BUILD_DIR STAGING SAVED_PUZZLE)
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
include(${CMAKE_CURRENT_LIST_DIR}/Failures.cmake)

# A stale staging tree could hide a file the install rules no longer install.
file(REMOVE_RECURSE "${STAGING}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGING}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}")
endif()

set(mime_type application/x-tessra-puzzle)
set(binary "${STAGING}/games/tessra")
set(desktop "${STAGING}/share/applications/${app_id}.desktop")
set(metainfo "${STAGING}/share/metainfo/${app_id}.metainfo.xml")
set(mime_xml "${STAGING}/share/mime/packages/${app_id}.xml")
set(copyright "${STAGING}/share/doc/tessra/copyright")
file(GLOB manpage "${STAGING}/share/man/man6/tessra.6*")
file(GLOB changelog "${STAGING}/share/doc/tessra/changelog*")
foreach(path binary desktop metainfo mime_xml copyright manpage changelog)
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

# An icon for every size a desktop asks for, each a PNG of exactly its
# directory's size. The header: signature, then the IHDR chunk with width
# and height as 32-bit big-endian numbers.
foreach(size 16 32 48 64 128 256)
  set(png "${STAGING}/share/icons/hicolor/${size}x${size}/apps/${app_id}.png")
  if(NOT EXISTS "${png}")
    fail("not installed: ${png}")
    continue()
  endif()
  file(READ "${png}" header HEX LIMIT 24)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 24 8 chunk)
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT chunk STREQUAL "49484452")
    fail("${png} is not a PNG file (starts with ${header})")
    continue()
  endif()
  string(SUBSTRING "${header}" 32 8 width_hex)
  string(SUBSTRING "${header}" 40 8 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  if(NOT width EQUAL size OR NOT height EQUAL size)
    fail("${png} is ${width}x${height}, its directory needs ${size}x${size}")
  endif()
endforeach()

# The desktop entry must name what was installed: the program to run, by
# its full path and with the file to open, the icon to show, the class its
# windows announce (the instance name of WM_CLASS on X11; Wayland's app_id is
# the entry's own name) and the file type it opens.
file(STRINGS "${desktop}" exec_line REGEX "^Exec=")
file(STRINGS "${desktop}" icon_line REGEX "^Icon=")
file(STRINGS "${desktop}" class_line REGEX "^StartupWMClass=")
file(STRINGS "${desktop}" mime_line REGEX "^MimeType=")
if(NOT exec_line STREQUAL "Exec=${binary} %f")
  fail("${desktop}: \"${exec_line}\" does not start ${binary} with a file")
endif()
if(NOT icon_line STREQUAL "Icon=${app_id}")
  fail("${desktop}: \"${icon_line}\" does not name the installed icon ${app_id}")
endif()
if(NOT class_line STREQUAL "StartupWMClass=${app_id}")
  fail("${desktop}: \"${class_line}\" does not name the windows' class ${app_id}")
endif()
# (file(STRINGS) escapes the semicolon: a line is an element of a list.)
if(NOT mime_line STREQUAL "MimeType=${mime_type}\\;")
  fail("${desktop}: \"${mime_line}\" does not declare ${mime_type}")
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

# A desktop with the staged files: a puzzle the program saved is a Tessra
# puzzle by its name and by its content alone, another program's .sav is
# not, and Tessra is the program that opens Tessra puzzles. xdg-mime asks
# GIO (the library of GNOME's and most other file managers) on GNOME, and
# File::MimeInfo's mimetype elsewhere; each is tried when it is installed.
if(XDG_MIME AND UPDATE_MIME_DATABASE AND UPDATE_DESKTOP_DATABASE)
  foreach(step "${UPDATE_MIME_DATABASE};${STAGING}/share/mime"
               "${UPDATE_DESKTOP_DATABASE};${STAGING}/share/applications")
    execute_process(COMMAND ${step} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0)
      fail("${step} (${rc}):\n${out}")
    endif()
  endforeach()
  set(files "${STAGING}/files")
  file(MAKE_DIRECTORY "${files}/config" "${files}/data")
  configure_file("${SAVED_PUZZLE}" "${files}/puzzle.sav" COPYONLY)
  configure_file("${SAVED_PUZZLE}" "${files}/puzzle" COPYONLY)
  # The start of a statistics program's data file.
  file(WRITE "${files}/statistics.sav" "$FL2@(#) SPSS DATA FILE\n")
  # Only the staged and the system's files count, not this user's settings
  # nor the desktop the test happens to run in.
  set(xdg_env XDG_DATA_DIRS=${STAGING}/share:/usr/share XDG_DATA_HOME=${files}/data
      XDG_CONFIG_HOME=${files}/config XDG_CONFIG_DIRS=${files}/config GIO_USE_VFS=local
      --unset=DESKTOP_SESSION --unset=KDE_FULL_SESSION --unset=GNOME_DESKTOP_SESSION_ID
      --unset=MATE_DESKTOP_SESSION_ID --unset=DBUS_SESSION_BUS_ADDRESS)
  set(desktops)
  find_program(gio gio)
  find_program(mimetype mimetype)
  if(gio)
    list(APPEND desktops XDG_CURRENT_DESKTOP=GNOME)
  endif()
  if(mimetype)
    list(APPEND desktops --unset=XDG_CURRENT_DESKTOP)
  endif()
  foreach(desktop_env IN LISTS desktops)
    foreach(row "puzzle.sav=${mime_type}" "puzzle=${mime_type}"
                "statistics.sav=application/x-spss-sav")
      string(REPLACE "=" ";" row "${row}")
      list(GET row 0 name)
      list(GET row 1 expected)
      execute_process(
        COMMAND "${CMAKE_COMMAND}" -E env ${xdg_env} ${desktop_env}
                "${XDG_MIME}" query filetype "${files}/${name}"
        RESULT_VARIABLE rc OUTPUT_VARIABLE type ERROR_VARIABLE out
        OUTPUT_STRIP_TRAILING_WHITESPACE)
      if(NOT type STREQUAL expected)
        fail("xdg-mime query filetype ${name} (${desktop_env}): \"${type}\", not ${expected} (${rc}) ${out}")
      endif()
    endforeach()
  endforeach()
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env ${xdg_env} --unset=XDG_CURRENT_DESKTOP
            "${XDG_MIME}" query default ${mime_type}
    RESULT_VARIABLE rc OUTPUT_VARIABLE app ERROR_VARIABLE out OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT app STREQUAL "${app_id}.desktop")
    fail("xdg-mime query default ${mime_type}: \"${app}\", not ${app_id}.desktop (${rc}) ${out}")
  endif()
  if(NOT desktops)
    message(STATUS "CheckInstall: neither gio nor mimetype is installed; file types not checked")
  endif()
else()
  message(STATUS "CheckInstall: xdg-mime or a database tool is missing; file types not checked")
endif()

if(failure_count GREATER 0)
  message(FATAL_ERROR "CheckInstall: ${failure_count} problem(s) with the installed files")
endif()
message(STATUS "CheckInstall: ${STAGING} holds a complete, valid installation")
