# Builds mapsetdesk-setup.exe and mapsetdesk-<version>-win32.zip from the
# i686 build, both with the same files.
#
# cmake -DVERSION=x.y.z -DBUILD=<i686 build folder> -DMAKENSIS=<makensis>
#       -P package-windows.cmake
#
# mkgmap.jar is Debian's, with the libraries it needs beside it: Debian's
# manifest names them by absolute Linux paths, so the jar is packed anew with
# a manifest naming them beside itself, which is how Java finds them on Windows.
cmake_minimum_required(VERSION 3.25)

set(SOURCE ${CMAKE_CURRENT_LIST_DIR})
set(PACKAGE mapsetdesk-${VERSION})
set(OUT ${BUILD}/package)
set(STAGE ${OUT}/${PACKAGE})
set(JAVA_LIBRARIES fastutil protobuf osmpbf)
set(LICENCES GPL-2 GPL-3 LGPL-3 Apache-2.0)

function(require file)
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "package-windows: ${file} is missing")
  endif()
endfunction()

function(stage_program_files)
  foreach(name mapsetdesk.exe FAQ.html Intro.wav Success.wav)
    require(${BUILD}/${name})
    file(COPY ${BUILD}/${name} DESTINATION ${STAGE})
  endforeach()
  foreach(folder BIN Version97c)
    configure_file(${SOURCE}/${folder}-readme.txt ${STAGE}/${folder}/readme.txt COPYONLY)
  endforeach()
endfunction()

function(stage_licences)
  set(copyrights mkgmap=mkgmap fastutil=libfastutil-java protobuf=libprotobuf-java
      osmpbf=libosmpbf-java)
  foreach(pair IN LISTS copyrights)
    string(REPLACE "=" ";" pair ${pair})
    list(GET pair 0 name)
    list(GET pair 1 package)
    require(/usr/share/doc/${package}/copyright)
    configure_file(/usr/share/doc/${package}/copyright
      ${STAGE}/licences/${name}-copyright.txt COPYONLY)
  endforeach()
  foreach(licence IN LISTS LICENCES)
    require(/usr/share/common-licenses/${licence})
    configure_file(/usr/share/common-licenses/${licence} ${STAGE}/licences/${licence}.txt COPYONLY)
  endforeach()
endfunction()

function(stage_mkgmap)
  set(unpacked ${OUT}/mkgmap-jar)
  file(REMOVE_RECURSE ${unpacked})
  file(MAKE_DIRECTORY ${unpacked})
  require(/usr/share/mkgmap/mkgmap.jar)
  execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf /usr/share/mkgmap/mkgmap.jar
    WORKING_DIRECTORY ${unpacked} COMMAND_ERROR_IS_FATAL ANY)
  set(jars)
  foreach(library IN LISTS JAVA_LIBRARIES)
    require(/usr/share/java/${library}.jar)
    file(COPY_FILE /usr/share/java/${library}.jar ${STAGE}/${library}.jar)
    list(APPEND jars ${library}.jar)
  endforeach()
  list(JOIN jars " " classPath)
  file(WRITE ${unpacked}/META-INF/MANIFEST.MF
    "Manifest-Version: 1.0\r\nMain-Class: uk.me.parabola.mkgmap.main.Main\r\n"
    "Class-Path: ${classPath}\r\n\r\n")
  file(GLOB entries RELATIVE ${unpacked} ${unpacked}/*)
  list(REMOVE_ITEM entries META-INF)
  execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${STAGE}/mkgmap.jar --format=zip
      META-INF/MANIFEST.MF ${entries}
    WORKING_DIRECTORY ${unpacked} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

function(windows_path relative result)
  string(REPLACE "/" "\\" path "${relative}")
  set(${result} "${path}" PARENT_SCOPE)
endfunction()

# The two lists the setup script includes: File lines per folder, and Delete
# lines with RMDir for the subfolders, deepest first.
function(write_file_lists)
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${STAGE} ${STAGE}/*)
  list(SORT files)
  set(install "")
  set(uninstall "")
  set(folders "")
  set(current "-")
  foreach(relative IN LISTS files)
    get_filename_component(folder "${relative}" DIRECTORY)
    windows_path("${relative}" windows)
    if(NOT folder STREQUAL current)
      windows_path("${folder}" windowsFolder)
      if(folder STREQUAL "")
        string(APPEND install "SetOutPath \"$INSTDIR\"\n")
      else()
        string(APPEND install "SetOutPath \"$INSTDIR\\${windowsFolder}\"\n")
        list(APPEND folders "${windowsFolder}")
      endif()
      set(current "${folder}")
    endif()
    string(APPEND install "File \"${STAGE}/${relative}\"\n")
    string(APPEND uninstall "Delete \"$INSTDIR\\${windows}\"\n")
  endforeach()
  list(SORT folders ORDER DESCENDING)
  foreach(folder IN LISTS folders)
    string(APPEND uninstall "RMDir \"$INSTDIR\\${folder}\"\n")
  endforeach()
  file(WRITE ${OUT}/install-files.nsh "${install}")
  file(WRITE ${OUT}/uninstall-files.nsh "${uninstall}")
endfunction()

function(installed_size_kb result)
  file(GLOB_RECURSE files LIST_DIRECTORIES false ${STAGE}/*)
  set(bytes 0)
  foreach(file IN LISTS files)
    file(SIZE ${file} size)
    math(EXPR bytes "${bytes} + ${size}")
  endforeach()
  math(EXPR kb "(${bytes} + 1023) / 1024")
  set(${result} ${kb} PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${STAGE})
stage_program_files()
stage_licences()
stage_mkgmap()
write_file_lists()
installed_size_kb(sizeKb)

set(zip ${BUILD}/${PACKAGE}-win32.zip)
file(REMOVE ${zip})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip ${PACKAGE}
  WORKING_DIRECTORY ${OUT} COMMAND_ERROR_IS_FATAL ANY)

execute_process(COMMAND ${MAKENSIS} -V2 -DVERSION=${VERSION} -DSTAGE=${STAGE} -DLISTS=${OUT}
    -DSIZE_KB=${sizeKb} -DOUTFILE=${BUILD}/mapsetdesk-setup.exe ${SOURCE}/mapsetdesk.nsi
  COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "package-windows: ${BUILD}/mapsetdesk-setup.exe and ${zip}")
