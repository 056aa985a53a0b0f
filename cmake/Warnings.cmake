# dodoru_warnings(target): the project's warning set; warnings are errors when CI=true.
function(dodoru_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion)
  if(DEFINED ENV{CI} AND "$ENV{CI}" STREQUAL "true")
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
