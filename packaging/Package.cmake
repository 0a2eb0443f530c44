# "make package" (cmake --build build --target package): a Debian package of the program, built by
# CPack from the install rules. Installed with the system's package manager:
#   apt-get install ./build/cvi-zelto_1.0.0_amd64.deb
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cvi-zelto)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION}.0)
set(CPACK_PACKAGE_VENDOR "CVI Zelto")
set(CPACK_PACKAGE_CONTACT "CVI Zelto <soporte@cvizelto.bo>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Control de ventas e inventarios para tiendas")
set(CPACK_PACKAGE_DESCRIPTION "Ventas al contado, a credito y con tarjeta, facturas con codigo de control y QR,\n\
compras, stock, cobro de deudas, apertura y cierre de caja y libros de compras y ventas\n\
para pequenas tiendas de Bolivia.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The debugging symbols of the build stay in the build folder.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links come from dpkg-shlibdeps; the plugins Qt loads at run time (the
# SQLite driver, the window system, the SVG icons) and the ticket fonts are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins, libqt6svg6, fonts-liberation, xdg-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_CURRENT_LIST_DIR}/postinst ${CMAKE_CURRENT_LIST_DIR}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
