# The built program, run as a user runs it from a terminal: help, version and
# every mistake answered with no window system at all (no display, and no
# platform chosen for Qt), mistakes refused with status 2; Qt's own options
# are Qt's, neither mistakes nor files. Each pattern matches the whole
# standard output, a "|", and the whole standard error.
#   cmake -DPROGRAM=<tessra> [-DEMULATOR=<wine-run>] -DSCRATCH=<folder> -P CommandLine.cmake
# A Windows build runs under the emulator and ends its lines in CR LF.

# As in a desktop session: without a runtime folder Qt complains on standard error.
file(MAKE_DIRECTORY "${SCRATCH}")
file(CHMOD "${SCRATCH}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(ENV{XDG_RUNTIME_DIR} "${SCRATCH}")
# A program that opened the window system now would stop with Qt's
# "could not connect to display".
foreach(var DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM)
  unset(ENV{${var}})
endforeach()

# The time limit ends the program if it opened a window instead of ending;
# under Wine it also covers the start of Wine's own services, which can take
# its first program half a minute on a busy machine.
set(limit 20)
if(EMULATOR)
  set(limit 60)
endif()

function(expect status pattern)
  execute_process(COMMAND ${EMULATOR} "${PROGRAM}" ${ARGN} TIMEOUT ${limit}
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(REPLACE "\r\n" "\n" out "${out}")
  string(REPLACE "\r\n" "\n" err "${err}")
  if(NOT result STREQUAL status OR NOT "${out}|${err}" MATCHES "${pattern}")
    message(SEND_ERROR "tessra ${ARGN}: status ${result}, shown:\n${out}|${err}")
  endif()
endfunction()

set(version "^Tessra [0-9]+\\.[0-9]+\n\\|$")
expect(0 "${version}" --version)
expect(0 "${version}" -v)
expect(0 "${version}" -platform offscreen --version)
expect(0 "^Usage: tessra \\[options\\] \\[FILE\\]\n.*--version.*File > Load.*\\|$" --help)
expect(0 "^Usage: tessra .*\\|$" -h puzzle.sav)
expect(2 "^\\|tessra: Unknown option 'frobnicate'\\.\nUsage: tessra \\[options\\] \\[FILE\\]\nTry 'tessra --help' for more information\\.\n$"
  --frobnicate)
set(one_file "^\\|tessra: Only one puzzle file can be opened\\.\n")
expect(2 "${one_file}" one.sav two.sav)
# Qt takes the word after an option of its own as that option's value.
expect(2 "${one_file}" -reverse -qwindowtitle --help --style=Fusion -display :5 one.sav two.sav)
expect(2 "^\\|tessra: Missing value after '-style'\\.\n" one.sav -style)
