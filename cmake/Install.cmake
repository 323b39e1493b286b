# Desktop integration: menu entry, icons, AppStream metadata, manual page and a Debian package.
set(data ${PROJECT_SOURCE_DIR}/data)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
install(FILES ${data}/io.example.kinscribe.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${data}/io.example.kinscribe.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${data}/icons/kinscribe.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
  install(FILES ${data}/icons/${size}x${size}/kinscribe.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Debian wants the changelog and manual page compressed at the highest level, without a time stamp.
set(gzipped ${PROJECT_BINARY_DIR}/packaging)
foreach(f changelog kinscribe.1)
  add_custom_command(OUTPUT ${gzipped}/${f}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${gzipped}
    COMMAND gzip -9nc ${packaging}/${f} > ${gzipped}/${f}.gz
    DEPENDS ${packaging}/${f})
endforeach()
add_custom_target(kinscribe_packaging_docs ALL DEPENDS ${gzipped}/changelog.gz ${gzipped}/kinscribe.1.gz)
add_dependencies(kinscribe kinscribe_packaging_docs)
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/kinscribe)
install(FILES ${packaging}/copyright ${gzipped}/changelog.gz DESTINATION ${docdir})
install(FILES ${gzipped}/kinscribe.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kinscribe)
set(CPACK_PACKAGE_VENDOR "Hearthwood Software")
set(CPACK_PACKAGE_CONTACT "Hearthwood Software <support@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Tell the story of your life for your family")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${packaging}/description.txt)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.example.org/kinscribe)
# Libraries come from the binary (Hunspell's among them); Qt loads its platform plugins and
# fontconfig the Arial-metric font and the program's own sans-serif face at run time, which no
# linker sees. A dictionary is welcome but not needed: without one nothing is marked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hunspell-en-us")
include(CPack)
