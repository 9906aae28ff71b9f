# The Debian package harvex-ferrolux (CPack's DEB generator, target `package`):
# everything `cmake --install` installs, under /usr, with the manual pages,
# the bash completion, and the files Debian asks of every package (copyright,
# changelog, lintian overrides). dpkg-shlibdeps finds the library dependencies.
include(GNUInstallDirs)

set(FERROLUX_DEB_NAME harvex-ferrolux)
set(FERROLUX_DEB_DOC ${CMAKE_INSTALL_DATAROOTDIR}/doc/${FERROLUX_DEB_NAME})
set(FERROLUX_PACKAGING_BUILD ${PROJECT_BINARY_DIR}/packaging)

# Debian wants its changelog compressed without a name or time stamp, so that
# the same sources give the same package.
add_custom_command(
  OUTPUT ${FERROLUX_PACKAGING_BUILD}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/debian/changelog ${FERROLUX_PACKAGING_BUILD}/changelog
  COMMAND gzip -9nf ${FERROLUX_PACKAGING_BUILD}/changelog
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/debian/changelog
  VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${FERROLUX_PACKAGING_BUILD}/changelog.gz)

# Debian's own files go into the package only (component "debian", left out
# of a plain `cmake --install`): a lintian overrides file has no place in
# ~/.local.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright ${FERROLUX_PACKAGING_BUILD}/changelog.gz
  DESTINATION ${FERROLUX_DEB_DOC} COMPONENT debian EXCLUDE_FROM_ALL)
# The browser app's overrides join them only when the app is in the package:
# lintian fails on an override that matches nothing.
install(CODE "
  file(READ [[${CMAKE_CURRENT_LIST_DIR}/debian/lintian-overrides]] overrides)
  if(EXISTS [[${FERROLUX_WEB_APP}/index.html]])
    file(READ [[${CMAKE_CURRENT_LIST_DIR}/debian/lintian-overrides-web]] web)
    string(APPEND overrides \"\${web}\")
  endif()
  file(WRITE [[${FERROLUX_PACKAGING_BUILD}/lintian/${FERROLUX_DEB_NAME}]] \"\${overrides}\")
  file(INSTALL [[${FERROLUX_PACKAGING_BUILD}/lintian/${FERROLUX_DEB_NAME}]]
    DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides\")"
  COMPONENT debian EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${FERROLUX_DEB_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Harvex)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The default install (every component but "debian") and then "debian".
set(CPACK_INSTALL_CMAKE_PROJECTS
  "${PROJECT_BINARY_DIR};${PROJECT_NAME};ALL;/"
  "${PROJECT_BINARY_DIR};${PROJECT_NAME};debian;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Harvex Packaging <packaging@harvex.example>")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The printed report's fonts: the same widths as the report's own font.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design calculator for addressable fire-detection loops")
set(CPACK_PACKAGE_DESCRIPTION [[
Harvex Ferrolux works out, for each loop of a fire-alarm control panel, the
quiescent and alarm currents in the worst alarm condition the panel allows,
the permissible and actual volt drop, and the longest cable run that still
works or the smallest catalogue cable that works, and says plainly whether
the loop design is satisfactory and why not. It also gives the voltage at
every device along the cable, the isolator sections and the standby battery
the site needs.

The package holds the desktop program (ferrolux), the headless calculator
for scripts and batch checks (ferrolux-calc), catalogues of device types,
control panels and cables, help pages and sample sites, and the same program
for a web browser, a folder to put on any static web server or to open from
disk (/usr/share/harvex-ferrolux/web).]])

include(CPack)
