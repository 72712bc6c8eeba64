# The Debian package (`make package`, included by the top CMakeLists.txt):
# the files of `make install` under /usr, with the dependencies
# dpkg-shlibdeps finds for the programs.
set(LUMO_PACKAGE_DIR ${CMAKE_BINARY_DIR}/packaging)
add_custom_command(
  OUTPUT ${LUMO_PACKAGE_DIR}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${LUMO_PACKAGE_DIR}
  COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/packaging/changelog > ${LUMO_PACKAGE_DIR}/changelog.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog
  COMMENT "Compressing the changelog")
add_custom_target(package_docs ALL DEPENDS ${LUMO_PACKAGE_DIR}/changelog.gz)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${LUMO_PACKAGE_DIR}/changelog.gz
        DESTINATION share/doc/lumo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tarvel Software")
set(CPACK_PACKAGE_CONTACT "Tarvel Software <lumo@tarvel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "star map: the sky over any place at any instant")
# The long description; CPack puts the summary above it as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Lumo draws the sky over a chosen place at a chosen instant: the stars\n\
brighter than magnitude 6.5, the constellations, the Sun, the Moon and the\n\
planets, with time that runs forward or back, a list of cities, search,\n\
aiming at a body and a view from another body of the solar system.\n\
\n\
lumo render and lumo ephemeris draw the sky into a picture and list the\n\
bodies' places from the command line; lumo-data inspects the data files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The sky's text is drawn in the metric-compatible Arial that fontconfig finds.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_IGNORE_FILES "/build.*/;/\\\\.git/")
