# `cpack` in the Windows build makes the two downloads of a Windows player from what `cmake --install` lays: a zip
# of one folder to unpack anywhere, and an installer for the current user that needs no administrator.
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Velmora)
set(CPACK_PACKAGE_VENDOR "Velmora developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME ${VELMORA_WINDOWS_PACKAGE})
# The installer's name differs from the zip's, which only cpack's per-generator file can say.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/WindowsPackageNames.cmake)
set(CPACK_STRIP_FILES ON)

# The licences of the game, its font and the libraries linked into velmora.exe, as Debian's packages of those
# libraries state them, and a short guide; both with Windows' line ends.
file(READ ${VELMORA_PACKAGING_DIR}/copyright license_text)
string(PREPEND license_text "==== Velmora ====\n\n")
foreach(package libglfw3 libglew2.2 libassimp5 zlib1g libminizip1)
    file(READ /usr/share/doc/${package}/copyright text)
    string(APPEND license_text "\n==== ${package} ====\n\n${text}")
endforeach()
file(CONFIGURE OUTPUT ${VELMORA_PACKAGING_DIR}/LICENSE.txt CONTENT "${license_text}" @ONLY
    NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/README.txt.in ${VELMORA_PACKAGING_DIR}/README.txt @ONLY
    NEWLINE_STYLE CRLF)
install(FILES ${VELMORA_PACKAGING_DIR}/LICENSE.txt ${VELMORA_PACKAGING_DIR}/README.txt DESTINATION .)

# The installer: into %LOCALAPPDATA%\Programs\Velmora for the current user, one uninstall entry that a newer
# version's installer finds and runs first, a Start menu shortcut as the Linux desktop entry starts the game, and
# a desktop one only when ticked on the options page (whose PATH choice stays at "do not add").
set(CPACK_PACKAGE_INSTALL_DIRECTORY Velmora)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Velmora)
# Values go to cpack as written here, so the installer's script reads them as NSIS does.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_NSIS_INSTALL_ROOT [=[$LOCALAPPDATA\Programs]=])
set(CPACK_NSIS_PACKAGE_NAME Velmora)
set(CPACK_NSIS_DISPLAY_NAME Velmora)
set(CPACK_NSIS_MUI_ICON ${VELMORA_WINDOWS_ICON})
set(CPACK_NSIS_MUI_UNIICON ${VELMORA_WINDOWS_ICON})
set(CPACK_NSIS_INSTALLED_ICON_NAME velmora.exe)
set(CPACK_NSIS_URL_INFO_ABOUT ${VELMORA_HOMEPAGE})
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MODIFY_PATH ON)
set(CPACK_NSIS_DEFINES "!include FileFunc.nsh")
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS [=[
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD SHCTX "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora" "EstimatedSize" $0]=])
set(CPACK_NSIS_CREATE_ICONS_EXTRA [=[
  SetOutPath "$INSTDIR"
  CreateShortCut "$SMPROGRAMS\$STARTMENU_FOLDER\Velmora.lnk" "$INSTDIR\velmora.exe" "--on-screen-messages"
  StrCmp "$INSTALL_DESKTOP" "1" 0 +2
    CreateShortCut "$DESKTOP\Velmora.lnk" "$INSTDIR\velmora.exe" "--on-screen-messages"]=])
set(CPACK_NSIS_DELETE_ICONS_EXTRA [=[
  Delete "$SMPROGRAMS\$MUI_TEMP\Velmora.lnk"
  Delete "$DESKTOP\Velmora.lnk"]=])

# CMake's own installer script, made per-user: it asks for no administrator, and keeps the shortcuts, the uninstall
# entry and the folder's default with the current user even when that user is one. The installer is a 64-bit
# program like the game, so it runs wherever the game does.
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in template)
string(REPLACE "RequestExecutionLevel admin" "RequestExecutionLevel user\n  Target amd64-unicode" template
    "${template}")
string(REPLACE "SetShellVarContext all" "SetShellVarContext current" template "${template}")
string(REPLACE "$DOCUMENTS\\" "@CPACK_NSIS_INSTALL_ROOT@\\" template "${template}")
set(uninstall_key "\"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall")
string(REPLACE "HKLM ${uninstall_key}" "SHCTX ${uninstall_key}" template "${template}")
file(WRITE ${VELMORA_PACKAGING_DIR}/nsis/NSIS.template.in "${template}")
list(APPEND CMAKE_MODULE_PATH ${VELMORA_PACKAGING_DIR}/nsis)

include(CPack)
