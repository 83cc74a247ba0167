; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer, made by scripts/package-windows.sh: a per-user installation that
; needs no administrator, with a Start Menu entry, an uninstaller in the Apps list and the
; settings files (.KVS) and patches (.kvpatch) opening in the editor.
; Defined by the caller: VERSION, VERSION4 (four numbers), STAGE (the files to install),
; ICON, LICENCE (the licence text, CRLF), OUTFILE, SIZE_KB and REMOVE_NSH (what the
; uninstaller deletes).
; The programs are 64-bit, and so is the installer: it runs where they run.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\kvrdesk"
!define CLASSES "Software\Classes"
!define EDITOR "$INSTDIR\bin\kvrdesk.exe"
; Kept beside the uninstaller: the folders above $INSTDIR that this installation made.
!define FOLDERS_INI "$INSTDIR\uninstall.ini"

Name "kvrdesk ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\kvrdesk"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "kvrdesk ${VERSION}"

VIProductVersion "${VERSION4}"
VIAddVersionKey /LANG=1033 "ProductName" "kvrdesk"
VIAddVersionKey /LANG=1033 "CompanyName" "kvrdesk"
VIAddVersionKey /LANG=1033 "FileDescription" "kvrdesk ${VERSION} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "the kvrdesk developers, GPL-3.0-or-later"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "${EDITOR}"
!define MUI_FINISHPAGE_RUN_TEXT "$(START_EDITOR)"
!insertmacro MUI_PAGE_WELCOME
; The GPL asks for no consent to use the program: the page reads on with "Next".
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "$(LICENCE_NOTE)"
!insertmacro MUI_PAGE_LICENSE "${LICENCE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The editor's six languages, from NSIS's own language files; English first, for a
; Windows in another language.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Dutch"
!include "${__FILEDIR__}/languages.nsh"

Var oldFolder
Var oldVersion

; The language the editor speaks: the one chosen in it (kvrdesk.ini), else the game's
; (the version byte kvrdesk.set keeps), else Windows' own when it is one of the six.
!macro CHOOSE_LANGUAGE un
Function ${un}chooseLanguage
  Push $0
  Push $1
  ReadINIStr $0 "$APPDATA\kvrdesk\kvrdesk.ini" "General" "language"
  ${If} $0 == ""
    ClearErrors
    FileOpen $1 "$APPDATA\kvrdesk\kvrdesk.set" r
    ${IfNot} ${Errors}
      FileSeek $1 512
      FileReadByte $1 $0
      ${If} ${Errors}
        StrCpy $0 ""
      ${EndIf}
      FileClose $1
      ; The game's versions in the order of its version byte; two of them are English.
      ${Select} $0
        ${Case2} "0" "5"
          StrCpy $0 "en"
        ${Case} "1"
          StrCpy $0 "de"
        ${Case} "2"
          StrCpy $0 "it"
        ${Case} "3"
          StrCpy $0 "es"
        ${Case} "4"
          StrCpy $0 "fr"
        ${Case} "6"
          StrCpy $0 "nl"
        ${CaseElse}
          StrCpy $0 ""
      ${EndSelect}
    ${EndIf}
  ${EndIf}
  ${Select} $0
    ${Case} "en"
      StrCpy $LANGUAGE ${LANG_ENGLISH}
    ${Case} "de"
      StrCpy $LANGUAGE ${LANG_GERMAN}
    ${Case} "it"
      StrCpy $LANGUAGE ${LANG_ITALIAN}
    ${Case} "es"
      StrCpy $LANGUAGE ${LANG_SPANISH}
    ${Case} "fr"
      StrCpy $LANGUAGE ${LANG_FRENCH}
    ${Case} "nl"
      StrCpy $LANGUAGE ${LANG_DUTCH}
  ${EndSelect}
  Pop $1
  Pop $0
FunctionEnd
!macroend
!insertmacro CHOOSE_LANGUAGE ""
!insertmacro CHOOSE_LANGUAGE "un."

; A running editor keeps its files: it is closed first. Silent, the answer is Cancel and
; the run ends with exit code 2, having changed nothing.
!macro CLOSE_EDITOR un
Function ${un}closeEditor
  Push $0
  retry:
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "kvrdesk-editor-running") p .r0'
    ${If} $0 != 0
      System::Call 'kernel32::CloseHandle(p r0)'
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(EDITOR_RUNNING)" /SD IDCANCEL IDRETRY retry
      SetErrorLevel 2
      Quit
    ${EndIf}
  Pop $0
FunctionEnd
!macroend
!insertmacro CLOSE_EDITOR ""
!insertmacro CLOSE_EDITOR "un."

Function .onInit
  SetShellVarContext current
  Call chooseLanguage
  Call closeEditor
  ; There is only ever one installation: one found is replaced, wherever it is.
  ReadRegStr $oldFolder HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ReadRegStr $oldVersion HKCU "${UNINSTALL_KEY}" "DisplayVersion"
  ${If} $oldFolder != ""
  ${AndIf} ${FileExists} "$oldFolder\uninstall.exe"
    StrCpy $R0 $oldFolder
    StrCpy $R1 $oldVersion
    MessageBox MB_OKCANCEL|MB_ICONQUESTION "$(REPLACE_INSTALLATION)" /SD IDOK IDOK +3
    SetErrorLevel 2
    Quit
  ${Else}
    StrCpy $oldFolder ""
  ${EndIf}
FunctionEnd

; Removes the folders noted in `ini` (deepest first), each only when it is empty.
!macro REMOVE_FOLDERS_MADE ini
  ReadINIStr $R3 "${ini}" "Folders" "Count"
  StrCpy $R1 1
  ${While} $R1 <= $R3
    ReadINIStr $R2 "${ini}" "Folders" "$R1"
    ${If} $R2 != ""
      RMDir "$R2"
    ${EndIf}
    IntOp $R1 $R1 + 1
  ${EndWhile}
!macroend

; Uninstalls the installation found, from where it is, waiting for it; then removes what an
; uninstaller cannot remove while it runs (itself, its folder, the folders made for it).
Function replaceOldInstallation
  ${If} $oldFolder == ""
    Return
  ${EndIf}
  InitPluginsDir
  Delete "$PLUGINSDIR\old.ini"
  ; An installation of before noted no folders.
  CopyFiles /SILENT "$oldFolder\uninstall.ini" "$PLUGINSDIR\old.ini"
  DetailPrint "$oldFolder\uninstall.exe /S"
  ClearErrors
  ExecWait '"$oldFolder\uninstall.exe" /S _?=$oldFolder' $0
  ${If} ${Errors}
  ${OrIf} $0 != 0
    StrCpy $R0 $oldFolder
    MessageBox MB_OK|MB_ICONSTOP "$(REPLACE_FAILED)" /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
  Delete "$oldFolder\uninstall.exe"
  Delete "$oldFolder\uninstall.ini"
  RMDir "$oldFolder"
  !insertmacro REMOVE_FOLDERS_MADE "$PLUGINSDIR\old.ini"
FunctionEnd

; Notes the folders above $INSTDIR that do not exist yet, deepest first, for the uninstaller.
Function noteFoldersMade
  InitPluginsDir
  Delete "$PLUGINSDIR\folders.ini"
  StrCpy $R0 $INSTDIR
  StrCpy $R1 0
  ${Do}
    ${GetParent} $R0 $R0
    ${If} $R0 == ""
    ${OrIf} ${FileExists} "$R0\*.*"
      ${ExitDo}
    ${EndIf}
    IntOp $R1 $R1 + 1
    WriteINIStr "$PLUGINSDIR\folders.ini" "Folders" "$R1" "$R0"
  ${Loop}
  WriteINIStr "$PLUGINSDIR\folders.ini" "Folders" "Count" "$R1"
FunctionEnd

; What a kind of file opens with: its ProgID with the icon and "Open with kvrdesk", and the
; extension's default. A default that was another program's is kept in the extension's
; key, and comes back when kvrdesk is uninstalled.
!macro ASSOCIATE extension progid description
  WriteRegStr HKCU "${CLASSES}\${progid}" "" "${description}"
  WriteRegStr HKCU "${CLASSES}\${progid}\DefaultIcon" "" '"${EDITOR}",0'
  WriteRegStr HKCU "${CLASSES}\${progid}\shell\open" "" "$(OPEN_WITH_EDITOR)"
  WriteRegStr HKCU "${CLASSES}\${progid}\shell\open\command" "" '"${EDITOR}" "%1"'
  ReadRegStr $0 HKCU "${CLASSES}\${extension}" ""
  ${If} $0 != ""
  ${AndIf} $0 != "${progid}"
    WriteRegStr HKCU "${CLASSES}\${extension}" "kvrdesk.before" $0
  ${EndIf}
  WriteRegStr HKCU "${CLASSES}\${extension}" "" "${progid}"
  WriteRegStr HKCU "${CLASSES}\${extension}\OpenWithProgids" "${progid}" ""
!macroend

; Undoes ASSOCIATE, when the ProgID opens this installation's editor.
!macro DISSOCIATE extension progid
  ReadRegStr $0 HKCU "${CLASSES}\${progid}\shell\open\command" ""
  ${If} $0 == '"${EDITOR}" "%1"'
    DeleteRegKey HKCU "${CLASSES}\${progid}"
    DeleteRegValue HKCU "${CLASSES}\${extension}\OpenWithProgids" "${progid}"
    DeleteRegKey /ifempty HKCU "${CLASSES}\${extension}\OpenWithProgids"
    ReadRegStr $0 HKCU "${CLASSES}\${extension}" ""
    ${If} $0 == "${progid}"
      ReadRegStr $1 HKCU "${CLASSES}\${extension}" "kvrdesk.before"
      ${If} $1 != ""
        WriteRegStr HKCU "${CLASSES}\${extension}" "" $1
      ${Else}
        DeleteRegValue HKCU "${CLASSES}\${extension}" ""
      ${EndIf}
    ${EndIf}
    DeleteRegValue HKCU "${CLASSES}\${extension}" "kvrdesk.before"
    DeleteRegKey /ifempty HKCU "${CLASSES}\${extension}"
  ${EndIf}
!macroend

!define SHCNE_ASSOCCHANGED 0x08000000
!define SHCNF_IDLIST 0

Section "kvrdesk"
  SetShellVarContext current
  ; It may have been started while the pages were shown.
  Call closeEditor
  Call replaceOldInstallation
  Call noteFoldersMade
  SetOutPath "$INSTDIR"
  File /r "${STAGE}/*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  Delete "${FOLDERS_INI}"
  CopyFiles /SILENT "$PLUGINSDIR\folders.ini" "${FOLDERS_INI}"
  CreateShortcut "$SMPROGRAMS\kvrdesk.lnk" "${EDITOR}" "" "${EDITOR}" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "kvrdesk"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "kvrdesk"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "${EDITOR},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}

  !insertmacro ASSOCIATE ".kvs" "kvrdesk.Settings" "$(SETTINGS_FILE)"
  !insertmacro ASSOCIATE ".kvpatch" "kvrdesk.Patch" "$(PATCH_FILE)"
  System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i ${SHCNF_IDLIST}, p 0, p 0)'
SectionEnd

Function un.onInit
  SetShellVarContext current
  ; An uninstaller started from the Apps list runs from a copy that may name its folder by
  ; its short name; the registry and the associations hold the long one.
  System::Call 'kernel32::GetLongPathNameW(w "$INSTDIR", w .r0, i ${NSIS_MAX_STRLEN}) i .r1'
  ${If} $1 > 0
    StrCpy $INSTDIR $0
  ${EndIf}
  Call un.chooseLanguage
  Call un.closeEditor
FunctionEnd

Section "Uninstall"
  SetShellVarContext current
  ; Only what the installer put there, so a folder the user chose keeps everything else.
  !include "${REMOVE_NSH}"
  Delete "$INSTDIR\uninstall.exe"
  InitPluginsDir
  Delete "$PLUGINSDIR\folders.ini"
  CopyFiles /SILENT "${FOLDERS_INI}" "$PLUGINSDIR\folders.ini"
  Delete "${FOLDERS_INI}"
  RMDir "$INSTDIR"
  !insertmacro REMOVE_FOLDERS_MADE "$PLUGINSDIR\folders.ini"

  ; The Start Menu entry, the Apps entry and the associations are this installation's
  ; only while they name its folder: another installation's stay.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    Delete "$SMPROGRAMS\kvrdesk.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ${EndIf}
  !insertmacro DISSOCIATE ".kvs" "kvrdesk.Settings"
  !insertmacro DISSOCIATE ".kvpatch" "kvrdesk.Patch"
  System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i ${SHCNF_IDLIST}, p 0, p 0)'
  ; The editor's scratch files; kvrdesk.set and kvrdesk.ini stay for a later installation.
  RMDir /r "$APPDATA\kvrdesk\TEMP"
  RMDir /r "$APPDATA\kvrdesk\cache"
  RMDir "$APPDATA\kvrdesk"
SectionEnd
