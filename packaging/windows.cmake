# The Windows packages: an installer made with NSIS and a portable zip that
# holds the .exe alone.
install(TARGETS quelvo-tolvane RUNTIME DESTINATION .)

# CPack's own NSIS script makes a 32-bit installer that asks for
# administrator rights in every case. Ours is that script with three
# changes: the installer is a 64-bit program like the one it installs; it
# asks for the highest rights the user has, so an administrator installs
# into Program Files for everyone and any other user installs for himself
# without being asked for a password; and a user's own installation goes
# where Windows keeps per-user programs.
set(nsis_template_dir ${CMAKE_CURRENT_BINARY_DIR}/nsis)
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in nsis_template)
function(quelvo_change_nsis from to)
  string(FIND "${nsis_template}" "${from}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "CPack's NSIS script has changed: no '${from}' in it")
  endif()
  string(REPLACE "${from}" "${to}" changed "${nsis_template}")
  set(nsis_template "${changed}" PARENT_SCOPE)
endfunction()
quelvo_change_nsis("  !define VERSION " "  Target amd64-unicode\n  !define VERSION ")
quelvo_change_nsis("RequestExecutionLevel admin" "RequestExecutionLevel highest")
quelvo_change_nsis([[StrCpy $INSTDIR "$DOCUMENTS\]] [[StrCpy $INSTDIR "$LOCALAPPDATA\Programs\]])
file(WRITE ${nsis_template_dir}/NSIS.template.in "${nsis_template}")
list(PREPEND CMAKE_MODULE_PATH ${nsis_template_dir})

set(QUELVO_WINDOWS_ICON ${CMAKE_SOURCE_DIR}/app/win32/quelvo-tolvane.ico)

set(CPACK_GENERATOR "NSIS;ZIP")
set(CPACK_PACKAGE_NAME Quelvo-Tolvane)
set(CPACK_PACKAGE_VENDOR "The Quelvo-Tolvane developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Opens cloud-drive share links and copies their extraction codes")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Quelvo-Tolvane)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Quelvo-Tolvane)
set(CPACK_PACKAGE_FILE_NAME "Quelvo-Tolvane-${PROJECT_VERSION}-win64")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
# The Start-menu entry, with the program's icon.
set(CPACK_PACKAGE_EXECUTABLES "quelvo-tolvane;Quelvo-Tolvane")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME quelvo-tolvane.exe)
set(CPACK_NSIS_MUI_ICON ${QUELVO_WINDOWS_ICON})
set(CPACK_NSIS_MUI_UNIICON ${QUELVO_WINDOWS_ICON})
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME Quelvo-Tolvane)
set(CPACK_NSIS_DISPLAY_NAME "Quelvo-Tolvane ${PROJECT_VERSION}")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_CONTACT "developers@quelvo-tolvane.example")
set(CPACK_NSIS_URL_INFO_ABOUT "https://quelvo-tolvane.example/")
set(CPACK_NSIS_MUI_FINISHPAGE_RUN quelvo-tolvane.exe)
# The zip is the portable program: the .exe alone, no folder around it.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
include(CPack)
