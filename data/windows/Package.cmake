# Builds the Windows installer and the portable zip from a cross-built tree:
#   cmake -DBUILD_DIR=<build> -DOUT=<folder> -DVERSION=<x.y> -DMAKENSIS=<makensis>
#         -DSTRIP=<strip> -DNSI=<tessra.nsi> -DICON=<tessra.ico> -P Package.cmake
# The build is installed into OUT/stage; the installer takes its
# files from there, and the zip holds the same files under Tessra-<version>/.

set(stage ${OUT}/stage)
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${stage}
  COMMAND_ERROR_IS_FATAL ANY)
# The program and the libraries beside it without their symbols: a third of
# the size.
file(GLOB_RECURSE binaries ${stage}/*.exe ${stage}/*.dll)
execute_process(COMMAND ${STRIP} --strip-all ${binaries} COMMAND_ERROR_IS_FATAL ANY)

# The installer's file list and the uninstaller's, from what was staged:
# each folder's files go in with File and out with Delete, and the folders,
# deepest first, are removed only when nothing else is left in them.
file(GLOB_RECURSE files RELATIVE ${stage} ${stage}/*)
list(SORT files)
set(install_lines "")
set(uninstall_lines "")
set(folders "")
set(size 0)
foreach(file ${files})
  cmake_path(GET file PARENT_PATH folder)
  string(REPLACE "/" "\\" windows_folder "\\${folder}")
  string(REPLACE "/" "\\" windows_file "${file}")
  if(folder STREQUAL "")
    set(windows_folder "")
  endif()
  string(APPEND install_lines "  SetOutPath \"$INSTDIR${windows_folder}\"\n")
  string(APPEND install_lines "  File \"${stage}/${file}\"\n")
  string(APPEND uninstall_lines "  Delete \"$INSTDIR\\${windows_file}\"\n")
  # The folder and every folder above it.
  while(NOT folder STREQUAL "")
    list(APPEND folders "${folder}")
    cmake_path(GET folder PARENT_PATH folder)
  endwhile()
  file(SIZE ${stage}/${file} bytes)
  math(EXPR size "${size} + ${bytes}")
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
foreach(folder ${folders})
  string(REPLACE "/" "\\" windows_folder "${folder}")
  string(APPEND uninstall_lines "  RMDir \"$INSTDIR\\${windows_folder}\"\n")
endforeach()
string(APPEND install_lines "  SetOutPath \"$INSTDIR\"\n")
file(WRITE ${OUT}/files.nsh
  "!macro InstallFiles\n${install_lines}!macroend\n"
  "!macro UninstallFiles\n${uninstall_lines}!macroend\n")
math(EXPR size_kb "(${size} + 1023) / 1024")

set(installer ${OUT}/tessra-${VERSION}-setup.exe)
execute_process(COMMAND ${MAKENSIS} -V2 -DVERSION=${VERSION} -DSTAGE=${stage}
    -DFILES=${OUT}/files.nsh -DICON=${ICON} -DSIZE_KB=${size_kb} -DOUTFILE=${installer} ${NSI}
  COMMAND_ERROR_IS_FATAL ANY)

# The zip unpacks into a folder of its own, ready to run from anywhere.
set(portable ${OUT}/Tessra-${VERSION})
file(COPY ${stage}/ DESTINATION ${portable})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${OUT}/tessra-${VERSION}-windows.zip
    --format=zip Tessra-${VERSION}
  WORKING_DIRECTORY ${OUT} COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE ${portable})
message(STATUS "Installer: ${installer}")
message(STATUS "Zip: ${OUT}/tessra-${VERSION}-windows.zip")
