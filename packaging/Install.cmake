# cmake --install: the programs, the bundled catalogues where the programs look
# for them (<prefix>/share/Harvex beside <prefix>/bin), the help pages, the
# sample sites, and the desktop entry, icon and MIME type that let a
# double-click on a ".QLX" file open it in ferrolux.
include(GNUInstallDirs)

if(TARGET ferrolux)
  install(TARGETS ferrolux RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(TARGETS ferrolux-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(FERROLUX_SHARE ${CMAKE_INSTALL_DATAROOTDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/Harvex DESTINATION ${FERROLUX_SHARE})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/help/ DESTINATION ${FERROLUX_SHARE}/Harvex/help)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${FERROLUX_SHARE}/Harvex/examples)

install(FILES ${CMAKE_CURRENT_LIST_DIR}/harvex-ferrolux.desktop DESTINATION ${FERROLUX_SHARE}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/harvex-ferrolux.xml DESTINATION ${FERROLUX_SHARE}/mime/packages)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/harvex-ferrolux.svg
  DESTINATION ${FERROLUX_SHARE}/icons/hicolor/scalable/apps)

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
