# The system's fixed texts are written readably (UTF-8) in a few source files
# and must be GBK bytes at run time. GCC converts them itself with GBK as the
# execution character set. Clang knows no execution character set but UTF-8,
# so for Clang the file is converted to GBK before compiling and its bytes
# pass through as they stand (the files hold no GBK character whose second
# byte is a backslash, which the fixed-text tests would show).
function(quelvo_gbk_literals target)
  foreach(source IN LISTS ARGN)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
      set(converted "${CMAKE_CURRENT_BINARY_DIR}/gbk/${source}")
      add_custom_command(OUTPUT "${converted}"
                         COMMAND iconv -f UTF-8 -t GBK "${CMAKE_CURRENT_SOURCE_DIR}/${source}" -o "${converted}"
                         DEPENDS "${source}" VERBATIM)
      set_source_files_properties(${source} PROPERTIES HEADER_FILE_ONLY ON)
      set_source_files_properties("${converted}" PROPERTIES COMPILE_OPTIONS "-Wno-invalid-source-encoding")
      target_sources(${target} PRIVATE "${converted}")
    else()
      set_source_files_properties(${source} PROPERTIES COMPILE_OPTIONS "-finput-charset=UTF-8;-fexec-charset=GBK")
    endif()
  endforeach()
endfunction()
