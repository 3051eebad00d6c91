# Builds the Windows installer and tries it under Wine as a user would, in
# a Wine prefix of its own: a silent install (/S); the program, its
# libraries, the Start-menu entry and the registry keys where Windows looks
# for them; a puzzle opened through its file type, as a double click in
# Explorer opens it, which starts the installed program in a window with
# nothing but its own folder to find its libraries in; and a silent
# uninstall after which nothing of Tessra is left, neither files nor
# registry keys. Runs on an X display (xvfb-run).
#
#   cmake -DBUILD_DIR=<build dir> -DSCRATCH=<empty dir to fill>
#         -DWINE=<wine> -DVERSION=<x.y> -DSAVED_PUZZLE=<a .sav file>
#         -P CheckWindowsInstaller.cmake

cmake_minimum_required(VERSION 3.25)
foreach(var BUILD_DIR SCRATCH WINE VERSION SAVED_PUZZLE)
  if(NOT ${var})
    message(FATAL_ERROR "CheckWindowsInstaller: ${var} is not set")
  endif()
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/Failures.cmake)

execute_process(COMMAND "${CMAKE_COMMAND}" --build "${BUILD_DIR}" --target windows_packages
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
set(installer "${BUILD_DIR}/package/tessra-${VERSION}-setup.exe")
if(NOT rc EQUAL 0 OR NOT EXISTS "${installer}")
  message(FATAL_ERROR "the installer was not built (${rc}):\n${out}")
endif()

file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
set(prefix "${SCRATCH}/wine")
set(ENV{WINEPREFIX} "${prefix}")
set(ENV{WINEDEBUG} -all)
set(ENV{WINEDLLOVERRIDES} "mscoree,mshtml=;winemenubuilder.exe=d")
unset(ENV{WINEPATH})

function(wine)
  execute_process(COMMAND "${WINE}" ${ARGN} TIMEOUT 300
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(REPLACE "\r\n" "\n" out "${out}")
  set(rc "${rc}" PARENT_SCOPE)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()
# Waits until every program in the prefix has ended.
function(wine_idle)
  execute_process(COMMAND wineserver -w TIMEOUT 300)
endfunction()
# The registry value, or "(absent)".
function(registry key value result)
  if(value STREQUAL "")
    wine(reg query "${key}" /ve)
  else()
    wine(reg query "${key}" /v "${value}")
  endif()
  if(rc EQUAL 0 AND out MATCHES "REG_[A-Z]+ +([^\n]*)")
    set(${result} "${CMAKE_MATCH_1}" PARENT_SCOPE)
  else()
    set(${result} "(absent)" PARENT_SCOPE)
  endif()
endfunction()
# Every file and folder of drive C:, but the temporary folders, whose
# contents Windows clears on its own.
function(snapshot result)
  file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE "${prefix}/drive_c"
    "${prefix}/drive_c/*")
  list(FILTER entries EXCLUDE REGEX "(^|/)[Tt]emp(/|$)")
  list(SORT entries)
  set(${result} "${entries}" PARENT_SCOPE)
endfunction()

wine(wineboot --init)
wine_idle()
set(classes "HKLM\\Software\\Classes")
set(uninstall_key "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessra")
registry("${classes}\\.sav" "" sav_before)
snapshot(files_before)

# Install.
wine("${installer}" /S)
wine_idle()
if(NOT rc EQUAL 0)
  fail("${installer} /S ended with ${rc}: ${err}")
endif()
set(program_files "${prefix}/drive_c/Program Files/Tessra")
foreach(file tessra.exe uninstall.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll
             libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll platforms/qwindows.dll
             LICENSE.txt)
  if(NOT EXISTS "${program_files}/${file}")
    fail("not installed: Program Files/Tessra/${file}")
  endif()
endforeach()
set(shortcut "${prefix}/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tessra.lnk")
if(NOT EXISTS "${shortcut}")
  fail("no Start-menu entry: ${shortcut}")
endif()

set(exe "C:\\Program Files\\Tessra\\tessra.exe")
foreach(expected
    "${classes}\\.sav||Tessra.Puzzle"
    "${classes}\\Tessra.Puzzle||Tessra puzzle"
    "${classes}\\Tessra.Puzzle\\shell\\open\\command||\"${exe}\" \"%1\""
    "${classes}\\Tessra.Puzzle\\DefaultIcon||\"${exe}\",0"
    "${uninstall_key}|DisplayName|Tessra"
    "${uninstall_key}|DisplayVersion|${VERSION}"
    "${uninstall_key}|Publisher|the Tessra developers"
    "${uninstall_key}|DisplayIcon|\"${exe}\",0"
    "${uninstall_key}|UninstallString|\"C:\\Program Files\\Tessra\\uninstall.exe\"")
  string(REPLACE "|" ";" fields "${expected}")
  list(GET fields 0 key)
  list(GET fields 1 value)
  list(GET fields 2 want)
  registry("${key}" "${value}" seen)
  if(NOT seen STREQUAL want)
    fail("${key} ${value}: \"${seen}\", not \"${want}\"")
  endif()
endforeach()

# A puzzle opened as Explorer opens it: `start` asks the shell, which runs
# the command of the file type. The program runs until it is closed; while
# it runs, Wine shows its Windows command line as its process's, and its
# main window is on the display.
set(puzzle "${SCRATCH}/Monday puzzle.sav")
file(COPY_FILE "${SAVED_PUZZLE}" "${puzzle}")
execute_process(COMMAND "${WINE}" start /unix "${puzzle}" TIMEOUT 60)
set(opened FALSE)
foreach(attempt RANGE 120)
  execute_process(COMMAND ps -eo args OUTPUT_VARIABLE processes)
  execute_process(COMMAND xwininfo -root -tree OUTPUT_VARIABLE windows)
  if(processes MATCHES "Tessra.tessra\\.exe\"? +\"?[A-Z]:[^\n]*Monday puzzle\\.sav" AND
     windows MATCHES "\"Tessra v1\\.0\"")
    set(opened TRUE)
    break()
  endif()
  execute_process(COMMAND "${CMAKE_COMMAND}" -E sleep 0.5)
endforeach()
if(NOT opened)
  fail("opening ${puzzle} did not start the installed tessra.exe with it in a window:\n"
       "${processes}\n${windows}")
endif()
execute_process(COMMAND wineserver -k)
wine_idle()

# Uninstall. The uninstaller runs from a copy of itself in the temporary
# folder, so that it can remove its own file; the prefix going idle is its end.
wine("${program_files}/uninstall.exe" /S)
wine_idle()
if(EXISTS "${program_files}" OR EXISTS "${shortcut}")
  fail("left behind: the program's folder or the Start-menu entry")
endif()
foreach(key "${classes}\\Tessra.Puzzle" "${uninstall_key}")
  wine(reg query "${key}")
  if(rc EQUAL 0)
    fail("left behind: ${key}")
  endif()
endforeach()
registry("${classes}\\.sav" "" sav_after)
if(NOT sav_after STREQUAL sav_before)
  fail(".sav was \"${sav_before}\" before, and is \"${sav_after}\" after")
endif()
snapshot(files_after)
if(NOT files_after STREQUAL files_before)
  set(added ${files_after})
  list(REMOVE_ITEM added ${files_before})
  fail("left behind on drive C: ${added}")
endif()
execute_process(COMMAND wineserver -k)

if(failure_count GREATER 0)
  message(FATAL_ERROR "CheckWindowsInstaller: ${failure_count} failure(s)")
endif()
message(STATUS "CheckWindowsInstaller: installed, opened a puzzle and uninstalled cleanly")
