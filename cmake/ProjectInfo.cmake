# projectinfo.h: the version, home page, e-mail and application id of the top CMakeLists.txt as C++
# constants, for the desktop program and dodoru-cli alike (target dodoru_projectinfo).

# An installed program finds its AppStream file at this path from its own directory; a build tree or a
# folder of its own has none.
file(RELATIVE_PATH DODORU_INSTALLED_MARKER /prefix/${DODORU_INSTALL_BINDIR}
     /prefix/${CMAKE_INSTALL_DATADIR}/metainfo/${DODORU_APP_ID}.metainfo.xml)
# ... and its compiled translations at this path.
file(RELATIVE_PATH DODORU_INSTALLED_TRANSLATIONS /prefix/${DODORU_INSTALL_BINDIR}
     /prefix/${DODORU_INSTALL_TRANSLATIONSDIR})
# ... and the programs behind dodoru-cli's heavy commands at this path.
file(RELATIVE_PATH DODORU_INSTALLED_HELPERS /prefix/${DODORU_INSTALL_BINDIR} /prefix/${DODORU_INSTALL_HELPERDIR})

configure_file(${CMAKE_CURRENT_LIST_DIR}/projectinfo.h.in ${CMAKE_BINARY_DIR}/generated/projectinfo.h @ONLY)
add_library(dodoru_projectinfo INTERFACE)
target_include_directories(dodoru_projectinfo INTERFACE ${CMAKE_BINARY_DIR}/generated)
