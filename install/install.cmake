# Installing Kirabo as a desktop program, and its .deb package.
include(GNUInstallDirs)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/org.kirabo.Kirabo.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/org.kirabo.Kirabo.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kirabo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Kirabo developers <kirabo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Hanafuda card games: Koi-Koi and Hana-awase")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Debian packages the game needs at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6core6, libqt6gui6, libqt6widgets6, libqt6svg6, qt6-qpa-plugins, libsdl2-mixer-2.0-0, libfluidsynth3, timgm6mb-soundfont, fonts-ipafont-gothic, fonts-ipafont-mincho, fonts-aoyagi-kouzan-t, libc6, libstdc++6")
include(CPack)
