# The install layout of a Linux desktop program: the executable in bin, its
# data in share/penwick, the desktop entry, icons, AppStream metadata and
# manual page where the desktop and the package tools look for them; and
# `cpack -G DEB` for a Debian package.

include(GNUInstallDirs)

set(PENWICK_APP_ID app.penwick.Penwick)
set(_linux "${CMAKE_SOURCE_DIR}/resources/linux")

install(TARGETS penwick RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PREVIEW_STYLE_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/penwick/themes)
install(FILES "${_linux}/${PENWICK_APP_ID}.desktop" DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${_linux}/${PENWICK_APP_ID}.metainfo.xml" DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES "${_linux}/${PENWICK_APP_ID}.svg" DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The usual fixed sizes, drawn from the SVG at build time.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(_icons)
foreach(size 16 24 32 48 64 128 256)
  set(_png "${CMAKE_BINARY_DIR}/icons/${size}/${PENWICK_APP_ID}.png")
  add_custom_command(OUTPUT "${_png}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_BINARY_DIR}/icons/${size}"
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o "${_png}" "${_linux}/${PENWICK_APP_ID}.svg"
    DEPENDS "${_linux}/${PENWICK_APP_ID}.svg" VERBATIM)
  list(APPEND _icons "${_png}")
  install(FILES "${_png}" DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(penwick_icons ALL DEPENDS ${_icons})

set(_man "${CMAKE_BINARY_DIR}/penwick.1.gz")
add_custom_command(OUTPUT "${_man}"
  COMMAND gzip -9 -n -c "${_linux}/penwick.1" > "${_man}"
  DEPENDS "${_linux}/penwick.1" VERBATIM)
add_custom_target(penwick_manual ALL DEPENDS "${_man}")
install(FILES "${_man}" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME penwick)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}")
set(CPACK_PACKAGE_CONTACT "The Penwick developers <penwick@penwick.app>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Markdown editor with a visual editor and a source editor")
set(CPACK_PACKAGE_DESCRIPTION "Penwick edits one Markdown document in two editors that show the same text:\n a visual editor that shows it as it will be read and a source code editor.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://penwick.app/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
# The libraries it links, found by dpkg-shlibdeps; and what it runs or reads
# without linking it: the desktop opener and the table of file types.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The web engine's dictionary converter is run, not linked: the Visual
# Editor checks spelling with dictionaries converted for the engine.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils, shared-mime-info, qtwebengine5-dev-tools")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, hunspell-en-us | hunspell-dictionary")
include(CPack)
