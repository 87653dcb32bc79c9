# `cpack -G DEB` in the build folder packs what `cmake --install` installs
# into a Debian package installed under /usr: the program, the command-line
# tool, the help pages, the default pictures, the menu entry and the icon.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rallynote)
set(CPACK_PACKAGE_VENDOR rallynote)
set(CPACK_PACKAGE_CONTACT "rallynote developers <rallynote@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "match organiser and score book for a tennis club's practice meetings")
set(CPACK_PACKAGE_DESCRIPTION
    "rallynote marks on a pairing table which pairs of a tennis club's practice meeting \
should play next, runs the matches on the courts and keeps the standings of every \
meeting in one data file. Japanese user interface. rallynote-cli reads the same data \
files for scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The Qt, SQLite and C++ libraries come from the programs' own links (dpkg-shlibdeps,
# in dpkg-dev); Qt's Japanese texts and a Japanese font are needed besides,
# and the players' page server (Qt HTTP Server) and its QR code (libqrencode)
# are named too, so a package built without dpkg-shlibdeps still pulls them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-translations-l10n, fonts-ipafont-gothic | fonts-noto-cjk, libqt6httpserver6, libqrencode4")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
