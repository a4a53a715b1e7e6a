# `cpack -G DEB` in the build folder: one package with the three programs
# and the launcher files. Its library dependencies are read off the linked
# executables by dpkg-shlibdeps; the Japanese font the windows ask for comes
# on top.
set(CPACK_PACKAGE_NAME veldrio)
set(CPACK_PACKAGE_VENDOR "Veldrio")
set(CPACK_PACKAGE_CONTACT "Veldrio maintainers <veldrio@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Measures the section properties of a plane figure in a picture")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
