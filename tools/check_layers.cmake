# Fails when a folder includes a header of a folder above it. Run by the build (the target
# "layers"): cmake -DSOURCE_DIR=<source folder> -P tools/check_layers.cmake
#
cmake_minimum_required(VERSION 3.25)

# The folders a folder's files may include, itself included. app/ is the top and may use them all.
set(uses_platform platform)
set(uses_errors errors platform)
set(uses_state state platform)
set(uses_report report errors platform)
set(uses_widgets widgets state platform)
set(uses_tracking tracking report errors state platform)
set(uses_projects projects widgets errors state platform)
set(uses_viewer viewer tracking report widgets errors state platform)

set(wrong "")
foreach(folder platform errors state report widgets tracking projects viewer)
  file(GLOB files "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  foreach(file IN LISTS files)
    file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"/]+)/.*" "\\1" used "${line}")
      if(NOT used IN_LIST uses_${folder})
        file(RELATIVE_PATH name "${SOURCE_DIR}" "${file}")
        string(APPEND wrong "\n  ${name}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()
if(wrong)
  message(FATAL_ERROR "These includes point up, against the folders' order (see CMakeLists.txt):${wrong}")
endif()
