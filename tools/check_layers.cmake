# Fails when a file of a folder includes a header of a folder above it, whether the include is
# written with quotes or with angle brackets, in any file of the folder or of its subfolders. Run
# by the build (the target "layers"): cmake -DSOURCE_DIR=<source folder> -P tools/check_layers.cmake
cmake_minimum_required(VERSION 3.25)

# The folders a folder's files may include, itself included. app/, tests/ and bench/ are the top
# and may use them all.
set(folders dates platform errors state report tracking desktop widgets projects viewer summaries app)
set(uses_dates dates)
set(uses_platform platform dates)
set(uses_errors errors platform dates)
set(uses_state state platform dates)
set(uses_report report errors platform dates)
set(uses_tracking tracking report errors state platform dates)
set(uses_desktop desktop platform dates)
set(uses_widgets widgets state platform dates)
set(uses_projects projects widgets desktop errors state platform dates)
set(uses_viewer viewer tracking report widgets desktop errors state platform dates)
set(uses_summaries summaries ${uses_viewer})
set(uses_app ${folders})
set(uses_tests ${folders} tests)
set(uses_bench ${folders} bench)

set(wrong "")
foreach(folder ${folders} tests bench)
  file(GLOB_RECURSE files "${SOURCE_DIR}/${folder}/*")
  list(FILTER files INCLUDE REGEX "\\.(h|hh|hpp|hxx|c|cc|cpp|cxx|ipp|inc|inl|in)$")
  foreach(file IN LISTS files)
    file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"][^>\"/]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"/]+)/.*" "\\1" used "${line}")
      # Folders of other libraries (<QtCore/...>, <xcb/...>, <gtest/...>) are not ours to order.
      if(used IN_LIST folders AND NOT used IN_LIST uses_${folder})
        file(RELATIVE_PATH name "${SOURCE_DIR}" "${file}")
        string(APPEND wrong "\n  ${name}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()
if(wrong)
  message(FATAL_ERROR "These includes point up, against the folders' order (see CMakeLists.txt):${wrong}")
endif()
