# Installing Kirabo as a desktop program, and its .deb package.
include(GNUInstallDirs)
set(install_dir ${CMAKE_CURRENT_LIST_DIR})
install(FILES ${install_dir}/org.kirabo.Kirabo.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${install_dir}/org.kirabo.Kirabo.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page and the changelog go compressed, without time stamps, so
# the package is the same from one build to the next. Made when configuring,
# so installing needs nothing beyond the game itself.
set(KIRABO_MAINTAINER "The Kirabo developers <developers@kirabo.org>"
  CACHE STRING "who answers for this build's package")
foreach(source kirabo.6 changelog)
  configure_file(${install_dir}/${source} ${CMAKE_BINARY_DIR}/packaging/${source} COPYONLY)
  execute_process(COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/packaging/${source} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip could not pack ${source}")
  endif()
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/packaging/kirabo.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${install_dir}/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kirabo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kirabo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${KIRABO_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KIRABO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Hanafuda card games: Koi-Koi and Hana-awase")
# The summary above is the first line; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Kirabo is a single-player hanafuda (Japanese flower cards) game.
Play Koi-Koi against one computer player or Hana-awase against two, with
animated cards, glowing hints, yaku and score dialogs, sound effects and
background music. Settings and the record of wins are kept between games.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
if(KIRABO_HOME_PAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KIRABO_HOME_PAGE}")
endif()
# The libraries the program links come from dpkg-shlibdeps; besides them it
# loads the fonts it draws with and the soundfont that voices the music.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "timgm6mb-soundfont, fonts-ipafont-gothic, fonts-ipafont-mincho, fonts-aoyagi-kouzan-t, fonts-dejavu-core")
include(CPack)
