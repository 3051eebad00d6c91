# Where the libraries that Tessra's Windows programs import are: Qt's, and
# the C++ runtime of the MinGW-w64 compiler. The installer ships them beside
# tessra.exe; Wine finds them there when it runs the tests.
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(TESSRA_QT_BIN_DIR "${qt_core_dll}" DIRECTORY)
set(TESSRA_RUNTIME_DIRS ${TESSRA_QT_BIN_DIR})
foreach(dll libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(dir "${found}" DIRECTORY)
  list(APPEND TESSRA_RUNTIME_DIRS ${dir})
endforeach()
list(REMOVE_DUPLICATES TESSRA_RUNTIME_DIRS)
