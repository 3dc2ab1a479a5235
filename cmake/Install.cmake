# Installation (GNUInstallDirs) and the Debian package (cpack -G DEB).
# Everything goes below CMAKE_INSTALL_PREFIX: programs, help topics, desktop
# entry, shared-mime-info type, icons, AppStream metainfo, manual pages,
# bash completion and the documents.
set(DORVEL_APP_ID org.dorvel.Dorvel)
set(data ${PROJECT_SOURCE_DIR}/data)

if(TARGET dorvel-cli)
  install(TARGETS dorvel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${data}/completion/dorvel-cli
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
  install(FILES ${data}/man/dorvel-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

if(TARGET dorvel)
  install(TARGETS dorvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/src/ui/help/
          DESTINATION ${CMAKE_INSTALL_DATADIR}/dorvel/help)
  install(FILES ${data}/${DORVEL_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${data}/${DORVEL_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${data}/${DORVEL_APP_ID}.mime.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${DORVEL_APP_ID}.xml)
  install(FILES ${data}/icons/${DORVEL_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  # The PNG sizes are made from the SVG by scripts/make-icons.sh.
  foreach(size 16 24 32 48 64 128 256)
    install(FILES ${data}/icons/${DORVEL_APP_ID}-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${DORVEL_APP_ID}.png)
  endforeach()
  install(FILES ${data}/man/dorvel.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/README.md
              ${PROJECT_SOURCE_DIR}/docs/calc-output.schema.json
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/
        DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples FILES_MATCHING PATTERN "*.dvl")

# cpack -G DEB: a package for /usr with its library dependencies found by
# dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME dorvel)
set(CPACK_PACKAGE_VENDOR "The Dorvel developers")
set(CPACK_PACKAGE_CONTACT "The Dorvel developers <dorvel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Design and check differential-pressure flow measurements")
set(CPACK_PACKAGE_DESCRIPTION
    "Dorvel sizes orifice plates, nozzles and Venturi tubes (ISO 5167, ISO/TR 15377,\nASME MFC-14M), computes the differential pressure or the flowrate, the fluid\nproperties, limits of use, straight lengths, pressure loss and uncertainty, and\nprints the calculation report. dorvel-cli computes case files for scripts.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
include(CPack)
