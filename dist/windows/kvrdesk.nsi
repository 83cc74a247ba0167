; The Windows installer, made by scripts/package-windows.sh: a per-user installation that
; needs no administrator, with a Start Menu entry and an uninstaller in the Apps list.
; Defined by the caller: VERSION, VERSION4 (four numbers), STAGE (the files to install),
; ICON, OUTFILE, SIZE_KB and REMOVE_NSH (what the uninstaller deletes).
; The programs are 64-bit, and so is the installer: it runs where they run.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\kvrdesk"

Name "kvrdesk ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\kvrdesk"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "kvrdesk ${VERSION}"

VIProductVersion "${VERSION4}"
VIAddVersionKey "ProductName" "kvrdesk"
VIAddVersionKey "CompanyName" "kvrdesk"
VIAddVersionKey "FileDescription" "kvrdesk ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "the kvrdesk developers"

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\bin\kvrdesk.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start kvrdesk"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "kvrdesk"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File /r "${STAGE}/*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\kvrdesk.lnk" "$INSTDIR\bin\kvrdesk.exe" "" "$INSTDIR\bin\kvrdesk.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "kvrdesk"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "kvrdesk"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\kvrdesk.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  ; Only what the installer put there, so a folder the user chose keeps everything else.
  !include "${REMOVE_NSH}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\kvrdesk.lnk"
  ; The editor's scratch files; kvrdesk.set and kvrdesk.ini stay for a later installation.
  RMDir /r "$APPDATA\kvrdesk\TEMP"
  RMDir /r "$APPDATA\kvrdesk\cache"
  RMDir "$APPDATA\kvrdesk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
