# Where an installation puts its files (FHS on Linux; the defaults give bin/ and share/korvane/),
# and the generated header that tells the program its version and where to find its data.
include(GNUInstallDirs)
set(KORVANE_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/korvane)
# The id of the desktop entry, the AppStream component and the icon.
set(KORVANE_APP_ID org.korvane.Korvane)

# The program looks for its data beside the executable first, then in this folder relative to it,
# so an installation works under any prefix (/usr, /opt/korvane, a DESTDIR).
file(RELATIVE_PATH KORVANE_DATA_FROM_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/korvane)
configure_file(${CMAKE_CURRENT_LIST_DIR}/BuildInfo.h.in ${CMAKE_BINARY_DIR}/generated/BuildInfo.h @ONLY)
target_include_directories(korvane_compile_settings INTERFACE ${CMAKE_BINARY_DIR}/generated)
