; The Windows installer of Charac, made by scripts/windows-pack with NSIS:
;   makensis -DVERSION=1.014 -DFILES=folder -DLISTS=folder -DICON=charac.ico -DOUTFILE=setup.exe \
;            windows-installer.nsi
; FILES is the unpacked zip; LISTS holds files.nsh and remove.nsh, the lines that install every file
; of it and remove them again, so that the uninstaller takes away what was installed and nothing else.
;
; It installs for the current user (into the user's programs folder, no administrator needed) or for
; all users (into Program Files), as the user chooses or /CurrentUser and /AllUsers say; /S installs
; without a question. It adds a Start-menu entry, opens character files (.QOZ) with a double-click,
; and registers the uninstaller in "Apps and features". The characters in c:\QOD stay when Charac goes.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!define NAME "Charac"
!define CLASS "Charac.Character"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Charac"

Name "${NAME}"
OutFile "${OUTFILE}"
BrandingText "${NAME} ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${NAME}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${NAME} ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "GPL-3.0-or-later"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${NAME}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\charac.exe"

!insertmacro MUI_PAGE_LICENSE "${FILES}/LICENSE.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE checkFolder
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
    SetRegView 64
    !insertmacro MULTIUSER_INIT
FunctionEnd

; A folder that holds "pa 0.txt" is Charac's own folder of files or a portable copy, whose starter
; catalogue and characters an install would overwrite and an uninstall take away.
Function checkFolder
    IfFileExists "$INSTDIR\pa 0.txt" 0 +3
        MessageBox MB_OK|MB_ICONEXCLAMATION "$INSTDIR holds Charac's own files. Choose another folder."
        Abort
FunctionEnd

Function un.onInit
    SetRegView 64
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Charac"
    SetOutPath "$INSTDIR"
    !include "${LISTS}/files.nsh"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\charac.exe"

    ; A double-click on a character file opens it in Charac (SHCTX: the user's or the machine's classes).
    ; The program that had them before is kept, and has them back when Charac goes.
    ReadRegStr $0 SHCTX "Software\Classes\.QOZ" ""
    StrCmp $0 "${CLASS}" +3
    StrCmp $0 "" +2
    WriteRegStr SHCTX "Software\Classes\.QOZ" "Charac.Before" "$0"
    WriteRegStr SHCTX "Software\Classes\.QOZ" "" "${CLASS}"
    WriteRegStr SHCTX "Software\Classes\${CLASS}" "" "QOD character"
    WriteRegStr SHCTX "Software\Classes\${CLASS}\DefaultIcon" "" "$INSTDIR\charac.exe,0"
    WriteRegStr SHCTX "Software\Classes\${CLASS}\shell\open\command" "" '"$INSTDIR\charac.exe" "%1"'

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "The Charac developers"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\charac.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallMode" "$MultiUser.InstallMode"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ; Tells Explorer that a file type changed, so that character files show their icon at once.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
    !include "${LISTS}/remove.nsh"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${NAME}.lnk"
    ; Character files go back to the program that had them before, if any; only Charac's own values
    ; go, so that what other programs keep there (Open with) stays.
    ReadRegStr $0 SHCTX "Software\Classes\.QOZ" ""
    StrCmp $0 "${CLASS}" 0 kept
    ReadRegStr $1 SHCTX "Software\Classes\.QOZ" "Charac.Before"
    StrCmp $1 "" 0 +3
        DeleteRegValue SHCTX "Software\Classes\.QOZ" ""
        Goto kept
    WriteRegStr SHCTX "Software\Classes\.QOZ" "" "$1"
    kept:
    DeleteRegValue SHCTX "Software\Classes\.QOZ" "Charac.Before"
    DeleteRegKey /ifempty SHCTX "Software\Classes\.QOZ"
    DeleteRegKey SHCTX "Software\Classes\${CLASS}"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
