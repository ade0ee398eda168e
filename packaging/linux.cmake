# The program, its desktop entry, its icons, its AppStream metainfo, a man
# page and the Debian documentation files, then CPack's .deb from them.
install(TARGETS quelvo-tolvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES linux/${QUELVO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

configure_file(linux/${QUELVO_APP_ID}.metainfo.xml ${CMAKE_CURRENT_BINARY_DIR}/${QUELVO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${QUELVO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon: the drawing itself, and PNGs rendered from it for desktops that
# want fixed sizes.
install(FILES ${QUELVO_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${QUELVO_APP_ID}.svg)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_pngs)
foreach(size 16 24 32 48 64 128 256)
  set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}/${QUELVO_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}
                     COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${QUELVO_ICON_SVG}
                     DEPENDS ${QUELVO_ICON_SVG} VERBATIM)
  list(APPEND icon_pngs ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Debian wants its documentation files compressed with gzip -9n.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/quelvo-tolvane)
configure_file(linux/changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
configure_file(linux/quelvo-tolvane.1 ${CMAKE_CURRENT_BINARY_DIR}/quelvo-tolvane.1 @ONLY)
foreach(file changelog quelvo-tolvane.1)
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${file}.gz
                     COMMAND gzip -9nkf ${CMAKE_CURRENT_BINARY_DIR}/${file}
                     DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${file} VERBATIM)
endforeach()
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${doc_dir})
install(FILES linux/copyright DESTINATION ${doc_dir})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/quelvo-tolvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

add_custom_target(quelvo_install_files ALL DEPENDS ${icon_pngs} ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
                                                   ${CMAKE_CURRENT_BINARY_DIR}/quelvo-tolvane.1.gz)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quelvo-tolvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Quelvo-Tolvane developers <developers@quelvo-tolvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "open cloud-drive share links and copy their extraction codes")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Share messages from Baidu Netdisk, Lanzou Cloud and Tianyi Cloud carry a link\nand a short extraction code. Copy such a message, press one button, and\nQuelvo-Tolvane opens the link in the default browser and leaves the code on\nthe clipboard, ready to paste. A second button opens a plain link from the\nclipboard. The small window stays on top of the desktop.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quelvo-tolvane.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Chinese captions need a CJK font, any of these; the window icon is an SVG,
# which Qt draws through a plugin that nothing links to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei | fonts-noto-cjk | fonts-wqy-zenhei, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
include(CPack)
