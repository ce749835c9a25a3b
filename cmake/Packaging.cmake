# The Debian package, made by `cpack -G DEB` from what `cmake --install` puts under /usr. Its
# dependencies are the libraries dpkg-shlibdeps finds the binaries linked against, plus what the
# program loads at run time that no linker sees: Qt's X11 platform plugin, Qt's image readers
# for TIFF, and the fonts the windows are designed in (Carlito stands in for Calibri, Wine's
# Tahoma for Tahoma).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillox)
set(CPACK_PACKAGE_VENDOR "The Quillox developers")
set(CPACK_PACKAGE_CONTACT
    "The Quillox developers <maintainers@users.noreply.c-seed-861344f2.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "document filing for the desktop")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillox files your documents: drop a file on its main window, or scan a page,
give it a name, a description, a date, tag words and a folder, and Quillox
copies it into its document store and records it in a single-file database.
Folders form a hierarchy you build; a browse window shows them as tiles, and
a search window finds documents by tag words and dates. Scanners are driven
through SANE. The quillox-db command looks into a store.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-image-formats-plugins, fonts-crosextra-carlito, fonts-wine")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
