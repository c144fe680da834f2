; The per-user installer of the configurator: no administrator rights, into
; %LOCALAPPDATA%\Programs, with a Start menu entry, .rccfg opening in the
; configurator, and an uninstaller listed in Windows' installed programs that
; takes away what it added and nothing else. /S installs silently.
; makensis -DVERSION= -DPRODUCT= -DPUBLISHER= -DSTAGE= -DFILES= -DICON= -DOUTFILE=
; 64-bit, as the programs it installs.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define FOLDER "ZAREN800 Configurator"
!define PROGRAM "zaren800-configurator.exe"
!define PROGID "ZAREN800.Project"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${FOLDER}"
!define CLASSES "Software\Classes"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${FOLDER}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright ${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Explorer shows new file types and icons only once told.
!macro NotifyShell
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

Section "Install"
    SetShellVarContext current
    !include "${FILES}-install.nsh"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "${SHORTCUT}" "$INSTDIR\${PROGRAM}" "" "$INSTDIR\${PROGRAM}" 0

    WriteRegStr HKCU "${CLASSES}\.rccfg" "" "${PROGID}"
    WriteRegStr HKCU "${CLASSES}\${PROGID}" "" "ZAREN800 project"
    WriteRegStr HKCU "${CLASSES}\${PROGID}\DefaultIcon" "" "$INSTDIR\${PROGRAM},0"
    WriteRegStr HKCU "${CLASSES}\${PROGID}\shell\open\command" "" '"$INSTDIR\${PROGRAM}" "%1"'

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM},0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    !insertmacro NotifyShell
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    !include "${FILES}-uninstall.nsh"
    Delete "$INSTDIR\uninstall.exe"
    ; Only when empty: a project saved into the program's folder stays, and
    ; so do other programs installed for the user.
    RMDir "$INSTDIR"
    RMDir "$LOCALAPPDATA\Programs"
    Delete "${SHORTCUT}"

    ; .rccfg is given back only while it is still ours.
    ReadRegStr $0 HKCU "${CLASSES}\.rccfg" ""
    ${If} $0 == "${PROGID}"
        DeleteRegKey HKCU "${CLASSES}\.rccfg"
    ${EndIf}
    DeleteRegKey HKCU "${CLASSES}\${PROGID}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    !insertmacro NotifyShell
SectionEnd
