# The built program on a real X server says which desktop entry it belongs
# to: the class hint (WM_CLASS) of its window names io.github.tessra.Tessra,
# as the entry's StartupWMClass does, which is how desktops match a running
# window to its launcher. The program is given its display by Qt's -display
# option, not by DISPLAY, so Qt's own options must reach Qt.
#   cmake -DPROGRAM=<tessra> -DXVFB_RUN=<xvfb-run> -DXWININFO=<xwininfo>
#         -DXPROP=<xprop> -DXKILL=<xkill> -P WindowClass.cmake
# Inside, the same script runs twice more: on the new X server (PHASE
# display), and beside the program, waiting for its window (PHASE watch).

set(title "Tessra v1.0")
if(NOT PHASE)
  foreach(tool XVFB_RUN XWININFO XPROP XKILL)
    if(NOT EXISTS "${${tool}}")
      message(FATAL_ERROR "WindowClass: ${tool} not found (run scripts/setup.sh)")
    endif()
  endforeach()
  set(tools -DXWININFO=${XWININFO} -DXPROP=${XPROP} -DXKILL=${XKILL})
  execute_process(
    COMMAND "${XVFB_RUN}" -a -s "-screen 0 1024x768x24" "${CMAKE_COMMAND}" -DPHASE=display
            -DPROGRAM=${PROGRAM} ${tools} -P "${CMAKE_CURRENT_LIST_FILE}"
    TIMEOUT 120 RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "WindowClass (${rc}):\n${out}")
  endif()
  message(STATUS "${out}")

elseif(PHASE STREQUAL "display")
  set(display "$ENV{DISPLAY}")
  foreach(var DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM RESOURCE_NAME)
    unset(ENV{${var}})
  endforeach()
  set(tools -DXWININFO=${XWININFO} -DXPROP=${XPROP} -DXKILL=${XKILL})
  # The watcher ends the program once it has read the window's class.
  execute_process(
    COMMAND "${PROGRAM}" -display "${display}"
    COMMAND "${CMAKE_COMMAND}" -DPHASE=watch -DDISPLAY_NAME=${display} ${tools}
            -P "${CMAKE_CURRENT_LIST_FILE}"
    TIMEOUT 90 RESULTS_VARIABLE rcs OUTPUT_VARIABLE seen ERROR_VARIABLE err
    OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(expected "WM_CLASS(STRING) = \"io.github.tessra.Tessra\", \"Tessra\"")
  if(NOT seen STREQUAL expected)
    message(FATAL_ERROR "tessra's window \"${title}\" announces \"${seen}\", not "
                        "\"${expected}\" (statuses ${rcs}): ${err}")
  endif()
  message("tessra's window \"${title}\": ${seen}")

elseif(PHASE STREQUAL "watch")
  set(ENV{DISPLAY} "${DISPLAY_NAME}")
  foreach(try RANGE 600)
    execute_process(COMMAND "${XWININFO}" -name "${title}" OUTPUT_VARIABLE info ERROR_QUIET)
    if(info MATCHES "Window id: (0x[0-9a-f]+)")
      set(window ${CMAKE_MATCH_1})
      break()
    endif()
    execute_process(COMMAND "${CMAKE_COMMAND}" -E sleep 0.1)
  endforeach()
  if(NOT window)
    message(FATAL_ERROR "no window \"${title}\" appeared within a minute")
  endif()
  # Printed to the standard output, which the display phase reads.
  execute_process(COMMAND "${XPROP}" -id ${window} WM_CLASS)
  execute_process(COMMAND "${XKILL}" -id ${window} OUTPUT_QUIET ERROR_QUIET)
endif()
