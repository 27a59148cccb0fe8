# The Debian package of the installed layout. `cmake --build --preset release --target korvane_deb`
# (package.sh) builds the programs and manual pages and then runs "cpack -G DEB", which writes
# korvane_VERSION_ARCH.deb into the build folder.
set(CPACK_PACKAGE_NAME korvane)
set(CPACK_PACKAGE_VENDOR "Korvane")
set(CPACK_PACKAGE_CONTACT "Korvane-Entwickler <korvane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Debian wants the lines of the long description shorter than 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Korvane plant Turniere aus Runden von Gruppen: jeder gegen jeden, auf Wunsch\n\
mit Rückrunde; die Platzierten ziehen in Gruppen späterer Runden ein. Das\n\
Programm verteilt die Spiele auf Spielfelder und Zeiten, nimmt Ergebnisse auf,\n\
berechnet die Tabellen und druckt und exportiert Spielpläne, Zeitpläne,\n\
Spiellisten und Urkunden. Turnierdateien (.auf) bleiben mit dem bisherigen\n\
Programm austauschbar.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; Qt's platform plugins are loaded at run time, so no
# library dependency names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own dialogs and menus in German.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The install step installs what the target korvane_deb built, not every test and benchmark.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)

add_custom_target(korvane_deb
    COMMAND ${CMAKE_CPACK_COMMAND} -G DEB --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    COMMENT "Building the Debian package"
    VERBATIM)
add_dependencies(korvane_deb korvane-cli korvane_man_pages)
if(KORVANE_WITH_GUI)
    add_dependencies(korvane_deb korvane)
endif()
