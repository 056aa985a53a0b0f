# The engine, the logical solver, the generator, the rated generation, the puzzle text library, the puzzle state and the file
# access the command line shares must stay free of Qt: no Qt library linked, no Qt header included.
foreach(core_target dodoru_engine dodoru_logic dodoru_generator dodoru_levels dodoru_puzzletext dodoru_game dodoru_fileaccess)
  get_target_property(core_libs ${core_target} LINK_LIBRARIES)
  if(core_libs)
    foreach(lib IN LISTS core_libs)
      if(lib MATCHES "Qt")
        message(FATAL_ERROR "${core_target} links ${lib}; the core must not depend on Qt")
      endif()
    endforeach()
  endif()
endforeach()
file(GLOB_RECURSE core_sources CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/engine/*.h ${CMAKE_SOURCE_DIR}/engine/*.cpp
     ${CMAKE_SOURCE_DIR}/logic/*.h ${CMAKE_SOURCE_DIR}/logic/*.cpp
     ${CMAKE_SOURCE_DIR}/generator/*.h ${CMAKE_SOURCE_DIR}/generator/*.cpp
     ${CMAKE_SOURCE_DIR}/levels/*.h ${CMAKE_SOURCE_DIR}/levels/*.cpp
     ${CMAKE_SOURCE_DIR}/puzzletext/*.h ${CMAKE_SOURCE_DIR}/puzzletext/*.cpp
     ${CMAKE_SOURCE_DIR}/game/*.h ${CMAKE_SOURCE_DIR}/game/*.cpp
     ${CMAKE_SOURCE_DIR}/fileaccess/*.h ${CMAKE_SOURCE_DIR}/fileaccess/*.cpp)
foreach(src IN LISTS core_sources)
  file(STRINGS ${src} qt_includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt)")
  if(qt_includes)
    message(FATAL_ERROR "${src} includes a Qt header (${qt_includes}); the core must not depend on Qt")
  endif()
endforeach()
