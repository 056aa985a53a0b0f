# The hardening Debian builds its packages with: dpkg-buildflags' preprocessor, compiler and linker flags
# (fortified functions, stack protector, read-only relocations bound at start), for every target, so that
# the tests run what the package ships. Left out under the sanitizers, which do not mix with fortify.
find_program(DODORU_DPKG_BUILDFLAGS dpkg-buildflags)
if(DODORU_DPKG_BUILDFLAGS AND NOT DODORU_SANITIZE)
  set(ENV{DEB_BUILD_MAINT_OPTIONS} hardening=+all)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${DODORU_DPKG_BUILDFLAGS} --get ${kind} WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    if(kind STREQUAL LDFLAGS)
      add_link_options(${flags})
    else()
      add_compile_options(${flags})
    endif()
  endforeach()
endif()
