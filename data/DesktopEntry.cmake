# Run at install time (install(SCRIPT)): writes the desktop entry with the
# full path of the installed program, which only the install step knows
# (`cmake --install --prefix` and CPack choose the prefix then).
#
# Expects TESSRA_DESKTOP_IN, TESSRA_DESKTOP (the file to write) and
# TESSRA_INSTALL_BINDIR.

cmake_path(ABSOLUTE_PATH TESSRA_INSTALL_BINDIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
  OUTPUT_VARIABLE bindir)
set(program "${bindir}/tessra")
# Exec= is a command line: a path with anything beyond these characters goes
# in double quotes with \ " ` $ escaped, and the value, being an escaped
# string itself, doubles each backslash once more; % stands for %%.
if(NOT program MATCHES "^[A-Za-z0-9/._+-]+$")
  string(REGEX REPLACE "([\\\\\"`$])" "\\\\\\1" program "${program}")
  string(REPLACE "\\" "\\\\" program "${program}")
  set(program "\"${program}\"")
endif()
string(REPLACE "%" "%%" TESSRA_EXEC "${program}")
configure_file("${TESSRA_DESKTOP_IN}" "${TESSRA_DESKTOP}" @ONLY)
