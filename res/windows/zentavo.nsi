; The Windows installer, built by scripts/build-windows beside the zip:
;   makensis -DVERSION=1.0.0.1 -DSTAGE=<folder of what ships>
;            -DFILES=<list made by build-windows> -DOUTFILE=<setup.exe> zentavo.nsi
; FILES defines the macro ForEachShipped, which names every file of STAGE
; once, so that the uninstaller removes exactly what was installed.
; The user's journal (%LOCALAPPDATA%\Zentavo\journal) is never touched: it
; is what undoes the renames made so far.
Unicode true
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include ${FILES}

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zentavo"

Name "Zentavo"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Zentavo"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "Zentavo"
VIAddVersionKey /LANG=1033 "FileDescription" "Zentavo setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) 2026 The Zentavo developers"

!define MUI_ICON "..\zentavo.ico"
!define MUI_UNICON "..\zentavo.ico"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

!macro InstallFile name
  File "${STAGE}\${name}"
!macroend

!macro RemoveFile name
  Delete "$INSTDIR\${name}"
!macroend

Section "Zentavo"
  SetOutPath "$INSTDIR"
  !insertmacro ForEachShipped InstallFile
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The Start menu for everyone; Send to is a folder of each user's own.
  SetShellVarContext all
  CreateShortcut "$SMPROGRAMS\Zentavo.lnk" "$INSTDIR\zentavo.exe"
  SetShellVarContext current
  ; Explorer starts a Send to shortcut with the chosen files and folders
  ; after its own arguments: "--" keeps a name that begins with "-" a name.
  CreateShortcut "$SENDTO\Zentavo.lnk" "$INSTDIR\zentavo.exe" "--" "$INSTDIR\zentavo.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Zentavo"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Zentavo developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zentavo.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  !insertmacro ForEachShipped RemoveFile
  Delete "$INSTDIR\uninstall.exe"
  ; Not /r: a file the user put here is not ours to delete.
  RMDir "$INSTDIR"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Zentavo.lnk"
  SetShellVarContext current
  Delete "$SENDTO\Zentavo.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
