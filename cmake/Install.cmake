# Desktop integration: menu entry, icons, AppStream metadata and a Debian package.
set(data ${PROJECT_SOURCE_DIR}/data)
install(FILES ${data}/kinscribe.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${data}/io.example.Kinscribe.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${data}/icons/kinscribe.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
  install(FILES ${data}/icons/${size}x${size}/kinscribe.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kinscribe)
set(CPACK_PACKAGE_VENDOR "Hearthwood Software")
set(CPACK_PACKAGE_CONTACT "Hearthwood Software <support@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Tell the story of your life for your family")
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), qt6-qpa-plugins, fonts-liberation2, libc6, libstdc++6")
include(CPack)
