# The Debian package, made with cpack from the tree of the `package` preset (see scripts/package):
# the program in /usr/games, its manual page in section 6, and the package's own documents, the
# copyright and the changelog, in /usr/share/doc/charac. The maintainer and the version's notes come
# from data/changelog, whose first entry must be this version.

file(STRINGS ${CMAKE_SOURCE_DIR}/data/changelog changelog_head LIMIT_COUNT 1)
file(STRINGS ${CMAKE_SOURCE_DIR}/data/changelog changelog_signature REGEX "^ -- " LIMIT_COUNT 1)
string(REGEX REPLACE "^charac \\(([^)]*)\\).*" "\\1" changelog_version "${changelog_head}")
string(REGEX REPLACE "^ -- (.*>)  .*" "\\1" changelog_maintainer "${changelog_signature}")
if(NOT changelog_version STREQUAL PROJECT_VERSION)
    message(WARNING "data/changelog begins with version '${changelog_version}', the program is "
                    "${PROJECT_VERSION}: add an entry for ${PROJECT_VERSION} before making the package.")
endif()

# Installed by the package only: a plain install into ~/.local or /usr/local takes no Debian documents.
charac_gzip(${CMAKE_SOURCE_DIR}/data/changelog ${CMAKE_BINARY_DIR}/debian/changelog.gz)
add_custom_target(charac_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog.gz)
install(FILES data/copyright ${CMAKE_BINARY_DIR}/debian/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/charac COMPONENT debian EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME charac)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Charac developers")
set(CPACK_PACKAGE_CONTACT "${changelog_maintainer}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "character sheets for the QOD role-playing game")
set(CPACK_PACKAGE_DESCRIPTION [[
Charac rolls, shows and keeps characters for the tabletop role-playing game
QOD. One window holds the whole sheet: race, the seven attributes, name,
condition, abilities, items and notes.

Roll a random character from 120 races with a generated name, edit the sheet,
apply damage and healing, save each character in a folder of its own, acquire
abilities, items and notes from catalogues of weapons, armour, spells and
skills, and roll on the table of one hundred teleport errors.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Staged through DESTDIR, so that the install's cache refresh keeps out of the package.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
# Every component, the package's own documents too, in the one package.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window on a Wayland desktop without X11 beside it: the toolkit's plug-in is a package of its own.
# The sheet's captions are laid out for Liberation Serif where Georgia is missing: with a wider serif
# some would wrap ("save item" onto two lines).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, fonts-liberation")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
