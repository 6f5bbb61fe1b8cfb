# The Debian package, made by `cpack -G DEB` in the build folder. The
# libraries come from the program's own links (dpkg-shlibdeps); the fonts
# the layout was drawn for and Qt's German translations (for its print and
# file dialogs) are named here, as nothing links them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kalustra)
set(CPACK_PACKAGE_VENDOR "Die Kalustra-Entwickler")
set(CPACK_PACKAGE_CONTACT "Die Kalustra-Entwickler <kalustra@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Wochenstundenplan aus Lehrveranstaltungen zusammenstellen")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Kalustra führt eine Liste von Lehrveranstaltungen mit Priorität,"
    "angebotenen Zeiten, Farbe und Notizen und sucht den Wochenstundenplan,"
    "in dem die Summe der Prioritäten der eingeplanten Veranstaltungen am"
    "größten ist.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.example.org/kalustra)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# qt6-qpa-plugins holds the platform plugins: without them no window opens,
# and nothing links them either. Qt's German texts for its own dialogs
# come with qt6-translations-l10n.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-dejavu-extra, qt6-qpa-plugins, qt6-translations-l10n")
include(CPack)

# The licence, the changelog and the manual page where Debian looks for them;
# compressed as Debian's tools do (gzip -9n: no name or time stamp inside).
foreach(page changelog kalustra.1)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${page})
    execute_process(COMMAND gzip -9nc ${CMAKE_CURRENT_LIST_DIR}/${page}
        OUTPUT_FILE ${PROJECT_BINARY_DIR}/${page}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${PROJECT_BINARY_DIR}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kalustra)
install(FILES ${PROJECT_BINARY_DIR}/kalustra.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
