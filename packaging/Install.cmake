# cmake --install: the programs, the bundled catalogues where the programs look
# for them (<prefix>/share/Harvex beside <prefix>/bin), the help pages, the
# sample sites, the desktop entry, icon and MIME type that let a double-click
# on a ".QLX" file open it in ferrolux, the manual pages, ferrolux-calc's
# bash completion and the browser app.
include(GNUInstallDirs)

if(TARGET ferrolux)
  install(TARGETS ferrolux RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(TARGETS ferrolux-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(FERROLUX_SHARE ${CMAKE_INSTALL_DATAROOTDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/Harvex DESTINATION ${FERROLUX_SHARE})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/help/ DESTINATION ${FERROLUX_SHARE}/Harvex/help)
# The sample sites, not the program that writes them.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${FERROLUX_SHARE}/Harvex/examples
  PATTERN writer EXCLUDE PATTERN CMakeLists.txt EXCLUDE)

# The browser app as web/scripts/build.mjs last built it: a folder to put on
# any static web server or to open from disk. Left out, with a warning, when
# it has not been built.
set(FERROLUX_WEB_APP ${PROJECT_SOURCE_DIR}/build/web CACHE PATH "The built browser app (node web/scripts/build.mjs)")
install(DIRECTORY ${FERROLUX_WEB_APP}/ DESTINATION ${FERROLUX_SHARE}/harvex-ferrolux/web OPTIONAL)
install(CODE "
  if(NOT EXISTS \"${FERROLUX_WEB_APP}/index.html\")
    message(WARNING \"${FERROLUX_WEB_APP} holds no browser app (node web/scripts/build.mjs builds it): not installed\")
  endif()")

install(FILES ${CMAKE_CURRENT_LIST_DIR}/harvex-ferrolux.desktop DESTINATION ${FERROLUX_SHARE}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/harvex-ferrolux.xml DESTINATION ${FERROLUX_SHARE}/mime/packages)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/harvex-ferrolux.svg
  DESTINATION ${FERROLUX_SHARE}/icons/hicolor/scalable/apps)

# The manual pages carry the project's version and are installed compressed
# (without a name or time stamp in the gzip header), as Debian has them.
set(FERROLUX_MANUALS ferrolux-calc)
if(TARGET ferrolux)
  list(APPEND FERROLUX_MANUALS ferrolux)
endif()
foreach(manual IN LISTS FERROLUX_MANUALS)
  set(page ${PROJECT_BINARY_DIR}/packaging/man/${manual}.1)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/man/${manual}.1.in ${page} @ONLY)
  add_custom_command(OUTPUT ${page}.gz
    COMMAND gzip -9nkf ${page}
    DEPENDS ${page}
    VERBATIM)
  list(APPEND FERROLUX_MANUAL_FILES ${page}.gz)
endforeach()
add_custom_target(manual_pages ALL DEPENDS ${FERROLUX_MANUAL_FILES})
install(FILES ${FERROLUX_MANUAL_FILES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Where bash-completion looks for a command's completion on demand (under
# ~/.local, $XDG_DATA_HOME/bash-completion/completions).
install(FILES ${CMAKE_CURRENT_LIST_DIR}/bash-completion/ferrolux-calc
  DESTINATION ${FERROLUX_SHARE}/bash-completion/completions)

# Refresh the desktop's MIME and application caches under the prefix, when
# the tools are there and this is no staged (DESTDIR) install.
install(CODE [[
  if(NOT DEFINED ENV{DESTDIR})
    set(share "${CMAKE_INSTALL_PREFIX}/share")
    find_program(UPDATE_MIME update-mime-database)
    if(UPDATE_MIME)
      execute_process(COMMAND ${UPDATE_MIME} "${share}/mime")
    endif()
    find_program(UPDATE_DESKTOP update-desktop-database)
    if(UPDATE_DESKTOP)
      execute_process(COMMAND ${UPDATE_DESKTOP} "${share}/applications")
    endif()
  endif()
]])
