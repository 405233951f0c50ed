# Where the program, its menu entry, its icons and its software-centre description go
# on a desktop that follows the freedesktop.org conventions, and the Debian package
# that carries them.
include(GNUInstallDirs)

set(VELQUORA_APP_ID br.com.tavensa.Velquora)

install(TARGETS velquora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The SVG module, where the program looks for it (see plot/SvgExport.cpp).
install(TARGETS velquora_svg LIBRARY DESTINATION ${VELQUORA_MODULE_DIR})
install(FILES packaging/${VELQUORA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${VELQUORA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES layout/icons/velquora_${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME velquora.png)
endforeach()

set(CPACK_PACKAGE_NAME velquora)
set(CPACK_PACKAGE_VENDOR "Tavensa")
set(CPACK_PACKAGE_CONTACT "Tavensa <contato@tavensa.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Calculadora de fórmulas de Física para o Ensino Médio")
set(CPACK_PACKAGE_DESCRIPTION "Pick an area and a topic, fill every field of its equation but one and press Calcular: the blank one is computed in 80-bit arithmetic.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY velquora)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# The fonts the layouts' Windows fonts are drawn with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-liberation, fonts-comic-neue, fonts-dejavu-core")
# Qt's own texts (context menus, standard buttons) in Portuguese; without them they stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
