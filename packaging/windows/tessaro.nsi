; The installer of Tessaro for Windows, made with NSIS by the build:
;   makensis -DVERSION=1.1.0 -DSTAGE=folder -DICON=tessaro.ico -DOUTFILE=setup.exe tessaro.nsi
; It installs the portable folder, a Start menu entry in the player's language, the .tso saved
; games opening in the game, and an uninstaller that takes all of it away again.
; A 64-bit installer for a 64-bit game.
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"

!define NAME "Tessaro 1.1"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessaro 1.1"
!define FILE_TYPE "Tessaro.SavedGame"

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${NAME}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\tessaro.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "English"

LangString ShortcutComment ${LANG_RUSSIAN} "Пройдите путь от «Ламера» до «Хакера»"
LangString ShortcutComment ${LANG_ENGLISH} "Go from lamer to hacker"
LangString SavedGame ${LANG_RUSSIAN} "Сохранённая игра Tessaro"
LangString SavedGame ${LANG_ENGLISH} "Tessaro saved game"
LangString Uninstall ${LANG_RUSSIAN} "Удалить ${NAME}"
LangString Uninstall ${LANG_ENGLISH} "Uninstall ${NAME}"

; For every user of the machine, as Program Files is.
Function .onInit
  SetRegView 64
  SetShellVarContext all
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "$SMPROGRAMS\${NAME}"
  CreateShortcut "$SMPROGRAMS\${NAME}\${NAME}.lnk" "$INSTDIR\tessaro.exe" "" \
    "$INSTDIR\tessaro.exe" 0 SW_SHOWNORMAL "" "$(ShortcutComment)"
  CreateShortcut "$SMPROGRAMS\${NAME}\$(Uninstall).lnk" "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "Software\Classes\.tso" "" "${FILE_TYPE}"
  WriteRegStr HKLM "Software\Classes\${FILE_TYPE}" "" "$(SavedGame)"
  WriteRegStr HKLM "Software\Classes\${FILE_TYPE}\DefaultIcon" "" "$INSTDIR\tessaro.exe,0"
  WriteRegStr HKLM "Software\Classes\${FILE_TYPE}\shell\open\command" "" \
    '"$INSTDIR\tessaro.exe" "%1"'

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Tessaro team"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tessaro.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
  ; The player's saved games and the autosaved game stay in his folders.
  RMDir /r "$SMPROGRAMS\${NAME}"
  DeleteRegKey HKLM "Software\Classes\${FILE_TYPE}"
  ReadRegStr $0 HKLM "Software\Classes\.tso" ""
  StrCmp $0 "${FILE_TYPE}" 0 +2
    DeleteRegKey HKLM "Software\Classes\.tso"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; Only what the installer put there: the folder may have been chosen with other files in it.
  RMDir /r "$INSTDIR\platforms"
  RMDir /r "$INSTDIR\styles"
  RMDir /r "$INSTDIR\imageformats"
  RMDir /r "$INSTDIR\translations"
  Delete "$INSTDIR\*.dll"
  Delete "$INSTDIR\tessaro.exe"
  Delete "$INSTDIR\qt.conf"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
