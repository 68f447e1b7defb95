# `cpack -G DEB` in the build folder: a Debian package that installs the suite
# into /usr, with dependencies worked out from the libraries the programs
# really link (dpkg-shlibdeps) plus what Qt loads at run time.
set(CPACK_PACKAGE_NAME zorbik)
set(CPACK_PACKAGE_VENDOR "The Zorbik developers")
# The repository's maintainers, as in packaging/changelog's entries.
set(CPACK_PACKAGE_CONTACT "Seed 9ee4b580 maintainers <maintainers@users.noreply.c-seed-9ee4b580.example>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Zorbik walks from the entrance to the exit of a generated maze, collects\n\
treasures, torches and first-aid kits, and meets enemies and locked doors\n\
that are settled by arithmetic questions: least common multiple, greatest\n\
common factor or sums of fractions. Nine levels of growing mazes, a hidden\n\
maze for the brave, and a high-score table that a class can share.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Education rather than games: Debian keeps the programs of the games section
# in /usr/games, which is not on every user's search path (root's, or one
# started without a login shell), and the launcher must be found by name.
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded by Qt at run time, so not seen by dpkg-shlibdeps: the window-system
# and sound back ends, and the faces the game's texts are set in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Gives the class writer its group and lays out anew the classroom folder
# named in /etc/xdg/zorbik/zorbik.conf; on purge the writer's override goes.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/postinst ${CMAKE_CURRENT_LIST_DIR}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
