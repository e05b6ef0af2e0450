# What `cmake --install` puts where, and the Debian package CPack builds from it.
#
#   bin/trelfin, bin/trelfin-cli                 the program and its command-line companion
#   share/trelfin/help.htm                       the help document (the program looks there)
#   share/trelfin/translations/qtbase_pl.qm      the toolkit's Polish texts (file choosers, printing)
#   share/trelfin/przyklad/przyklad.*            the example database
#   share/applications/trelfin.desktop           the menu entry, and the opener of the file types
#   share/icons/hicolor/*/apps/trelfin.*         the icon, as SVG and PNG 16-256
#   share/mime/packages/trelfin.xml              the file types .tf4, .tf3 and .tfc

set(TRELFIN_DATA_DIR ${CMAKE_INSTALL_DATADIR}/trelfin)
set(TRELFIN_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/resources/desktop)

install(FILES ${PROJECT_SOURCE_DIR}/resources/help.htm DESTINATION ${TRELFIN_DATA_DIR})

# The toolkit's Polish translation, taken from the Qt the program is built with.
set(TRELFIN_QT_TRANSLATIONS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}")
if(EXISTS "${TRELFIN_QT_TRANSLATIONS}/qtbase_pl.qm")
  install(FILES ${TRELFIN_QT_TRANSLATIONS}/qtbase_pl.qm DESTINATION ${TRELFIN_DATA_DIR}/translations)
else()
  message(STATUS "qtbase_pl.qm not found: the installation will use the system's Qt translations")
endif()

install(FILES ${TRELFIN_DESKTOP_DIR}/trelfin.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TRELFIN_DESKTOP_DIR}/trelfin.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${TRELFIN_DESKTOP_DIR}/icons/hicolor/${size}x${size}/apps/trelfin.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${TRELFIN_DESKTOP_DIR}/trelfin-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME trelfin.xml)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The Debian package: its library dependencies are read off the executables by dpkg-shlibdeps,
# which gives Debian's own Qt 6 packages; the platform plugins are loaded at run time, so they
# are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trelfin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Trelfin")
set(CPACK_PACKAGE_CONTACT "Trelfin <trelfin@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Household money tracker (Polish)")
set(CPACK_PACKAGE_DESCRIPTION "Trelfin 4 LX keeps a household's expenses, incomes, debts and loans,
planned expenses and a bank account in accounting periods, with reports, charts, printing, export,
recurring items, reminders, a shopping list and notes. Its user interface is in Polish.
trelfin-cli reads the same databases from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, xdg-utils")
include(CPack)
