# The Debian package, made by `cpack -G DEB` in the build folder. The
# libraries come from the program's own links (dpkg-shlibdeps); the fonts
# the layout was drawn for and Qt's German translations (for its print and
# file dialogs) are named here, as nothing links them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kalustra)
set(CPACK_PACKAGE_VENDOR "Die Kalustra-Entwickler")
set(CPACK_PACKAGE_CONTACT "Die Kalustra-Entwickler <kalustra@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Wochenstundenplan aus Lehrveranstaltungen zusammenstellen")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.example.org/kalustra)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-dejavu-extra, qt6-translations-l10n")
include(CPack)
