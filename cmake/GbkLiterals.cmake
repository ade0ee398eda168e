# The system's fixed texts are written readably (UTF-8) in a few source files
# and must be GBK bytes at run time: those files are compiled with GBK as the
# execution character set. Only files that hold such texts and nothing else
# are marked, so no other literal is affected.
function(quelvo_gbk_literals)
  set_source_files_properties(${ARGN} PROPERTIES COMPILE_OPTIONS "-finput-charset=UTF-8;-fexec-charset=GBK")
endfunction()
