; The Windows installer of Orvane, made by scripts/windows/package.sh:
;   makensis -DVERSION=5.1 -DSOURCE_DIR=<the portable folder> -DOUTFILE=<setup.exe> orvane.nsi
; Installs the portable folder into Program Files, adds the Start-menu entry, the uninstaller and
; the .smkprj/.isrprj file types opening Orvane. Silent with /S, as the uninstaller.
; a 64-bit installer for a 64-bit program: Program Files and the registry without redirection
Target amd64-unicode
!include "MUI2.nsh"

!ifndef VERSION
  !error "VERSION is not given"
!endif
!ifndef SOURCE_DIR
  !error "SOURCE_DIR is not given"
!endif
!ifndef OUTFILE
  !define OUTFILE "orvane-${VERSION}-win64-setup.exe"
!endif

!define PRODUCT "Орвейн"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvane"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Orvane"
InstallDirRegKey HKLM "Software\Orvane" "InstallDir"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

; the program's icon on the installer and the uninstaller (beside this script)
!define MUI_ICON "orvane.ico"
!define MUI_UNICON "orvane.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\orvane.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

; a project type: extension, type name, description
!macro FileType EXT TYPE DESCRIPTION
  WriteRegStr HKCR "${EXT}" "" "${TYPE}"
  WriteRegStr HKCR "${TYPE}" "" "${DESCRIPTION}"
  WriteRegStr HKCR "${TYPE}\DefaultIcon" "" "$INSTDIR\orvane.exe,0"
  WriteRegStr HKCR "${TYPE}\shell\open\command" "" '"$INSTDIR\orvane.exe" "%1"'
!macroend
; removes the type only while it is still Orvane's
!macro RemoveFileType EXT TYPE
  ReadRegStr $0 HKCR "${EXT}" ""
  StrCmp $0 "${TYPE}" 0 +2
    DeleteRegKey HKCR "${EXT}"
  DeleteRegKey HKCR "${TYPE}"
!macroend

Section "Orvane"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${SOURCE_DIR}/*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "Software\Orvane" "InstallDir" "$INSTDIR"

  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\orvane.exe"

  !insertmacro FileType ".smkprj" "Orvane.SmokeExhaustProject" "Проект дымоудаления (Орвейн)"
  !insertmacro FileType ".isrprj" "Orvane.AirSupplyProject" "Проект подпора воздуха (Орвейн)"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Orvane"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\orvane.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  !insertmacro RemoveFileType ".smkprj" "Orvane.SmokeExhaustProject"
  !insertmacro RemoveFileType ".isrprj" "Orvane.AirSupplyProject"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\Orvane"
  ; the installed folder only: the user's settings and catalogues live in their own folders
  RMDir /r "$INSTDIR"
SectionEnd
