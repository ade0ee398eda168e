# The text library and the click actions must stay free of any toolkit or
# platform header, so that both front ends and the tests share them as they
# are. Configuration stops when one of their sources includes one.
function(quelvo_forbid_platform_headers dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/${dir}/*.h" "${CMAKE_SOURCE_DIR}/${dir}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]([Ww]indows\\.h|Q[A-Za-z]+|qt[a-z]*/)")
    if(hits)
      message(FATAL_ERROR "${source} includes a toolkit or platform header: ${hits}")
    endif()
  endforeach()
endfunction()
