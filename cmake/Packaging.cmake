# The Debian package (`cpack -G DEB` in a build folder): everything `cmake
# --install` puts in place, under /usr, depending on the system's Qt 6 runtime
# packages, which dpkg-shlibdeps reads from the programs' libraries.
set(CPACK_PACKAGE_NAME tessel-studio)
set(CPACK_PACKAGE_VENDOR "Tessel Studio")
set(CPACK_PACKAGE_CONTACT "Tessel Studio <support@tessel-studio.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tessel-studio.example/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Designer for the applications of Korvan handheld barcode terminals")
set(CPACK_PACKAGE_DESCRIPTION
    "Tessel Studio designs the data-collection applications of Korvan handheld barcode terminals:\n"
    "forms, menus, lookups, reader and terminal settings, and the terminal's screen texts. It tries\n"
    "a design on a simulated terminal and transfers it to the terminal over a serial port. The\n"
    "package holds the desktop program tessel-studio and the command-line tool tessel.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme")

include(CPack)
