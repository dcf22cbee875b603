; The Ravelin installer and its uninstaller. The build runs
;   makensis -DVERSION=3.31 -DSTAGE=<folder holding RVLN.EXE and its files> -DICON=<main.ico>
;            -DOUTFILE=<setup.exe> ravelin.nsi
;
; Per user by default: %LOCALAPPDATA%\Programs\Ravelin, no elevation, the uninstall entry in HKCU.
; /ALLUSERS, in an elevated setup, installs into Program Files with the entry in HKLM.
; /S runs the setup and the uninstaller silently; a silent uninstall keeps the settings.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
; No copyright text: the version resource of the program carries none either.
!pragma warning disable 9100

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define PRODUCT "Ravelin"
!define PUBLISHER "QAV"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Ravelin"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SETTINGS_KEY "Software\QAV\Ravelin"
!define UNINSTALLER "Uninstall.exe"
!define ERROR_ELEVATION_REQUIRED 740

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\RVLN.EXE"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var AllUsers

; Ends a copy of the program that runs from $INSTDIR the way a user would: WM_CLOSE to its main
; window, so it saves its settings and releases its hotkeys. Only windows of that executable are
; touched (other programs may use the same window class). Sets $0 to 1 when a copy still runs.
!macro CLOSE_RUNNING_COPY prefix
Function ${prefix}CloseRunningCopy
    Push $1
    Push $2
    Push $3
    Push $4
    Push $5
    Push $6
    StrCpy $6 0
    StrCpy $1 0
    ${Do}
        System::Call 'user32::FindWindowExW(p 0, p r1, w "TForm1", p 0) p .r1'
        ${If} $1 P= 0
            ${Break}
        ${EndIf}
        System::Call 'user32::GetWindowThreadProcessId(p r1, *i .r2) i'
        ; PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE
        System::Call 'kernel32::OpenProcess(i 0x101000, i 0, i r2) p .r3'
        ${If} $3 P<> 0
            StrCpy $4 ""
            System::Call 'kernel32::QueryFullProcessImageNameW(p r3, i 0, w .r4, *i ${NSIS_MAX_STRLEN}) i .r5'
            ${If} $5 <> 0
            ${AndIf} $4 == "$INSTDIR\RVLN.EXE"
                System::Call 'user32::PostMessageW(p r1, i 0x0010, p 0, p 0)'
                ; WAIT_OBJECT_0 is 0; a copy that has not ended after 15 s is reported.
                System::Call 'kernel32::WaitForSingleObject(p r3, i 15000) i .r5'
                ${If} $5 <> 0
                    StrCpy $6 1
                ${EndIf}
                System::Call 'kernel32::CloseHandle(p r3)'
                ; The window list has changed: start again from its top, once per copy.
                ${If} $6 = 1
                    ${Break}
                ${EndIf}
                StrCpy $1 0
                ${Continue}
            ${EndIf}
            System::Call 'kernel32::CloseHandle(p r3)'
        ${EndIf}
    ${Loop}
    StrCpy $0 $6
    Pop $6
    Pop $5
    Pop $4
    Pop $3
    Pop $2
    Pop $1
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_COPY ""
!insertmacro CLOSE_RUNNING_COPY "un."

!macro END_RUNNING_COPY prefix
    ${Do}
        Call ${prefix}CloseRunningCopy
        ${If} $0 = 0
            ${Break}
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "${PRODUCT} is still running and could not be ended.$\r$\n$\r$\nClose it, then press Retry." \
            /SD IDCANCEL IDRETRY +2
        Abort
    ${Loop}
!macroend

Function .onInit
    SetRegView 64
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/ALLUSERS" $1
    ${If} ${Errors}
        StrCpy $AllUsers 0
        SetShellVarContext current
        ${If} $INSTDIR == ""
            StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUCT}"
        ${EndIf}
    ${Else}
        UserInfo::GetAccountType
        Pop $1
        ${If} $1 != "Admin"
            MessageBox MB_OK|MB_ICONSTOP \
                "Installing for all users needs administrator rights.$\r$\n$\r$\nStart the setup as an administrator, or without /ALLUSERS to install for yourself." \
                /SD IDOK
            SetErrorLevel ${ERROR_ELEVATION_REQUIRED}
            Quit
        ${EndIf}
        StrCpy $AllUsers 1
        SetShellVarContext all
        ${If} $INSTDIR == ""
            StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
        ${EndIf}
    ${EndIf}
FunctionEnd

Section "${PRODUCT}"
    SetOutPath "$INSTDIR"
    !insertmacro END_RUNNING_COPY ""
    File "${STAGE}\RVLN.EXE"
    File "${STAGE}\RVLNDOS.PIF"
    File "${STAGE}\RVLNEXIT.PIF"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\RVLN.EXE" "" "$INSTDIR\RVLN.EXE" 0

    WriteRegStr SHCTX "${UNINST_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINST_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\RVLN.EXE,0"
    WriteRegStr SHCTX "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINST_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr SHCTX "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD SHCTX "${UNINST_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINST_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD SHCTX "${UNINST_KEY}" "EstimatedSize" "$0"
SectionEnd

Function un.onInit
    SetRegView 64
    ; The uninstaller belongs to the all-users installation when the machine's entry names its
    ; folder.
    ReadRegStr $0 HKLM "${UNINST_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} $0 == $INSTDIR
        UserInfo::GetAccountType
        Pop $1
        ${If} $1 != "Admin"
            MessageBox MB_OK|MB_ICONSTOP \
                "${PRODUCT} was installed for all users; removing it needs administrator rights." \
                /SD IDOK
            SetErrorLevel ${ERROR_ELEVATION_REQUIRED}
            Quit
        ${EndIf}
        StrCpy $AllUsers 1
        SetShellVarContext all
    ${Else}
        StrCpy $AllUsers 0
        SetShellVarContext current
    ${EndIf}
FunctionEnd

; Deletes the user's autostart value when it starts this copy (the program writes its path
; there, quoted when it has blanks); an autostart of another copy stays.
Function un.RemoveAutostart
    ReadRegStr $0 HKCU "${RUN_KEY}" "${PRODUCT}"
    StrCpy $1 $0 1
    ${If} $1 == '"'
        StrCpy $0 $0 "" 1
        StrCpy $1 $0 1 -1
        ${If} $1 == '"'
            StrCpy $0 $0 -1
        ${EndIf}
    ${EndIf}
    ${If} $0 == "$INSTDIR\RVLN.EXE"
        DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
    ${EndIf}
FunctionEnd

Section "Uninstall"
    !insertmacro END_RUNNING_COPY "un."
    Call un.RemoveAutostart

    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$INSTDIR\RVLN.EXE"
    Delete "$INSTDIR\RVLNDOS.PIF"
    Delete "$INSTDIR\RVLNEXIT.PIF"
    ; What the program writes beside itself: its log and the help text of its command line.
    Delete "$INSTDIR\RVLN.LOG"
    Delete "$INSTDIR\RVLNPARA.TXT"
    Delete "$INSTDIR\${UNINSTALLER}"
    ; Files the user added (tray animation icons) keep the folder.
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${UNINST_KEY}"

    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
        "Remove your ${PRODUCT} settings as well?$\r$\n$\r$\nThey stay for a later installation if you answer No." \
        /SD IDNO IDNO done
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "Software\QAV"
    SetShellVarContext current
    ; When the program folder could not be written the log went to the user's own folder.
    Delete "$LOCALAPPDATA\${PRODUCT}\RVLN.LOG"
    Delete "$LOCALAPPDATA\${PRODUCT}\RVLNPARA.TXT"
    RMDir "$LOCALAPPDATA\${PRODUCT}"
    ${If} $AllUsers = 1
        ; The machine-wide part: start-up options and the device table.
        DeleteRegKey HKLM "${SETTINGS_KEY}"
        DeleteRegKey /ifempty HKLM "Software\QAV"
    ${EndIf}
done:
SectionEnd
