# cpack -G DEB: a Debian package of the installed layout. Its library
# dependencies come from dpkg-shlibdeps; the Qt plugins the programs load at
# run time (the SQLite driver, the display platforms) are named here, as
# dpkg-shlibdeps cannot see them. Serial ports are opened through the dialout
# group, so the package adds no udev rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME linnet-tool)
set(CPACK_PACKAGE_VENDOR "Linnet programming tool developers")
set(CPACK_PACKAGE_CONTACT "Linnet programming tool developers <developers@linnet.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming tool for Linnet paging and intercom controllers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins")
set(CPACK_PACKAGE_DESCRIPTION "The Linnet programming tool prepares the programming of a Linnet paging and
intercom controller (stations, page groups, bell schedules, clocks and system
options), keeps it in a configuration file and sends it to the controller, or
receives it from the controller, over a serial line.

The package also holds linnet-cli, the same transfers from the command line,
and linnet-sim, a controller simulator on a pseudo-terminal.")
include(CPack)
