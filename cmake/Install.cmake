# Installation (GNUInstallDirs) and the Debian package (cpack -G DEB).
# Everything goes below CMAKE_INSTALL_PREFIX: programs, desktop
# entry, shared-mime-info type, icons, AppStream metainfo, manual pages,
# bash completion and the documents (the manual: docs/manual/CMakeLists.txt).
set(DORVEL_APP_ID org.dorvel.Dorvel)
set(data ${PROJECT_SOURCE_DIR}/data)

# Manual pages and the change log are installed compressed, as Debian
# installs them (gzip -9n: no name or time stamp, the same bytes every build).
find_program(DORVEL_GZIP gzip REQUIRED)
add_custom_target(dorvel_gzipped ALL)
function(dorvel_install_gzipped source destination)
  get_filename_component(name ${source} NAME)
  set(packed ${PROJECT_BINARY_DIR}/gzipped/${name}.gz)
  add_custom_command(OUTPUT ${packed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/gzipped
    COMMAND ${DORVEL_GZIP} -9nc ${source} > ${packed}
    DEPENDS ${source} VERBATIM)
  add_custom_target(dorvel_gz_${name} DEPENDS ${packed})
  add_dependencies(dorvel_gzipped dorvel_gz_${name})
  install(FILES ${packed} DESTINATION ${destination})
endfunction()

if(TARGET dorvel-cli)
  install(TARGETS dorvel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${data}/completion/dorvel-cli
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
  dorvel_install_gzipped(${data}/man/dorvel-cli.1 ${CMAKE_INSTALL_MANDIR}/man1)
endif()

if(TARGET dorvel)
  install(TARGETS dorvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
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
  dorvel_install_gzipped(${data}/man/dorvel.1 ${CMAKE_INSTALL_MANDIR}/man1)
endif()

install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/README.md
              ${PROJECT_SOURCE_DIR}/docs/calc-output.schema.json
              ${data}/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
dorvel_install_gzipped(${data}/debian/changelog ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/
        DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples FILES_MATCHING PATTERN "*.dvl")

# cpack -G DEB: a package for /usr with its library dependencies found by
# dpkg-shlibdeps.  The programs are stripped (the debug information of a
# RelWithDebInfo build is not shipped); lintian reports no error on it
# (scripts/check-package.sh).
set(CPACK_PACKAGE_NAME dorvel)
set(CPACK_PACKAGE_VENDOR "The Dorvel developers")
set(CPACK_PACKAGE_CONTACT "The Dorvel developers <dorvel@example.org>")
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
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The help engine reads its collections through Qt's SQLite driver, a plugin
# that dpkg-shlibdeps cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libqt6sql6-sqlite, qt6-translations-l10n")
include(CPack)
