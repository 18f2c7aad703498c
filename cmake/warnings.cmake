# Pastura's warning settings. Every target of the project's own folders calls
#   pastura_warnings(TARGET)
# after it is made; GoogleTest's own build, added from outside the project,
# keeps its settings. PASTURA_WARNINGS_AS_ERRORS makes the warnings errors.
function(pastura_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${PASTURA_WARNINGS_AS_ERRORS}>:/WX>)
  else()
    target_compile_options(${target} PRIVATE
      $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor>
      $<$<AND:$<COMPILE_LANGUAGE:CXX>,$<BOOL:${PASTURA_WARNINGS_AS_ERRORS}>>:-Werror>)
  endif()
endfunction()
