# What `cmake --install` puts on a machine, and the Debian package CPack
# builds from it (`make package`).
include(GNUInstallDirs)

install(TARGETS varnholt-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Run by varnholt-cli for the commands that draw; found from its own place
# as ../lib/varnholt, so the folder is lib whatever the multiarch libdir is.
install(TARGETS varnholt-cli-draw RUNTIME DESTINATION lib/varnholt)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/varnholt-cli.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/varnholt/examples
        FILES_MATCHING PATTERN "*.vrh" PATTERN "*.vrhbook")

# The operation manual and the calculation theory, which the help window
# reads, with the decisions the theory refers to.
set(vh_doc ${CMAKE_INSTALL_DATADIR}/varnholt/doc)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/manual ${CMAKE_SOURCE_DIR}/docs/theory
        DESTINATION ${vh_doc}
        FILES_MATCHING PATTERN "*.md" PATTERN "*.py" PATTERN "honesty_test.py" EXCLUDE)
install(FILES ${CMAKE_SOURCE_DIR}/docs/decisions.md DESTINATION ${vh_doc})

if(VARNHOLT_WITH_QT)
  # The manual's pictures, as the screenshot test took them (make package
  # runs it first).
  install(DIRECTORY ${CMAKE_BINARY_DIR}/screenshots/100/ DESTINATION ${vh_doc}/screenshots
          OPTIONAL FILES_MATCHING PATTERN "*.png")
  install(TARGETS varnholt RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/varnholt.1
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/varnholt.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/varnholt-mime.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME varnholt.xml)
  # The icon files are drawn at build time (src/app, varnholt-icons).
  install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnholt)
set(CPACK_PACKAGE_VENDOR "Varnholt")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "design calculation of gravity-type concrete retaining walls")
set(CPACK_PACKAGE_DESCRIPTION
    "Stability checks (overturning, bearing, sliding) and the calculation report of\n\
gravity-type concrete retaining walls under the residential-land and the\n\
road-earthworks standards, with a section view and DXF, SVG and PNG export.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Varnholt developers <varnholt@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries come from the binaries; the report's Mincho face is read at
# run time and must be named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-mincho")
include(CPack)
