; Quillbracket's installer of one architecture: quillhost, the module and the
; skins into the user's own programs folder, with no administrator. The module
; writes its album-art scratch file beside itself, so its folder must be the
; user's to write. tools/installer.sh builds it and defines VERSION, VERSION_QUAD,
; ARCH (x86 or x64), DIST (that architecture's dist folder), OWN_FILES (the
; uninstaller's list of the files we put there) and OUTFILE.
;
; Silent: setup.exe /S [/STARTATLOGIN=1|0] [/D=FOLDER]; without /STARTATLOGIN
; an install keeps the Run entry as it is. uninstall.exe /S keeps the settings.
Unicode true
!if "${ARCH}" == "x64"
  Target amd64-unicode
!else
  Target x86-unicode
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillbracket"
; The Run entry is the one quillhost's "Start at login" writes (host/login_start.cpp).
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define APPROVED_KEY "Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run"
!define RUN_VALUE "Quillhost"
!define HOST_COMMAND '"$INSTDIR\quillhost.exe"'
; quillhost's message-only window, found under HWND_MESSAGE (host/single_instance.h).
!define HOST_CONTROL_CLASS "QuillhostControl"
!define HWND_MESSAGE -3
!define SYNCHRONIZE 0x00100000
!define WAIT_OBJECT_0 0
!define HOST_EXIT_WAIT_MS 10000

Name "Quillbracket"
BrandingText "Quillbracket ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Quillbracket"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey "ProductName" "Quillbracket"
VIAddVersionKey "CompanyName" "Marrowby"
VIAddVersionKey "LegalCopyright" "Marrowby"
VIAddVersionKey "FileDescription" "Quillbracket setup (${ARCH})"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"

!include "MUI2.nsh"
!include "nsDialogs.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "${OWN_FILES}"

; "1" or "0" as chosen; empty: the Run entry stays as it is.
Var StartAtLogin
Var StartAtLoginBox

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
Page custom StartAtLoginPage StartAtLoginPageLeave
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\quillhost.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Run Quillbracket now"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Ends the session's quillhost, as its tray's Exit does, and waits for its
; process to end, so that the files it holds can be replaced or removed. Only
; an installed copy can be holding them; none there, nothing to end. Aborts
; when quillhost is still running after the wait and the user does not retry.
!macro END_RUNNING_HOST prefix
Function ${prefix}EndRunningHost
  ${IfNot} ${FileExists} "$INSTDIR\quillhost.exe"
    Return
  ${EndIf}
  ${Do}
    System::Call 'user32::FindWindowExW(p ${HWND_MESSAGE}, p 0, w "${HOST_CONTROL_CLASS}", p 0) p .r0'
    ${If} $0 P= 0
      Return
    ${EndIf}
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
    System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r1) p .r2'
    DetailPrint "Ending the running Quillbracket"
    ExecWait '${HOST_COMMAND} --exit'
    System::Call 'kernel32::WaitForSingleObject(p r2, i ${HOST_EXIT_WAIT_MS}) i .r3'
    System::Call 'kernel32::CloseHandle(p r2)'
    ${If} $3 = ${WAIT_OBJECT_0}
      Return
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "Quillbracket is still running. End it from its icon in the notification area (Exit), then choose Retry." \
      /SD IDCANCEL IDRETRY retry
    Abort "Quillbracket is still running."
  retry:
  ${Loop}
FunctionEnd
!macroend
!insertmacro END_RUNNING_HOST ""
!insertmacro END_RUNNING_HOST "un."

Function .onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/STARTATLOGIN=" $StartAtLogin
  ${If} ${Errors}
    StrCpy $StartAtLogin ""
  ${ElseIf} $StartAtLogin != "1"
  ${AndIf} $StartAtLogin != "0"
    MessageBox MB_ICONSTOP "/STARTATLOGIN= takes 1 or 0." /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
FunctionEnd

Function StartAtLoginPage
  !insertmacro MUI_HEADER_TEXT "Start at login" "Quillbracket can start whenever you log in to Windows."
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateCheckbox} 0 0 100% 12u "Start Quillbracket when I log in"
  Pop $StartAtLoginBox
  ; Unless told, the box shows what this install does now.
  ${If} $StartAtLogin == ""
    ReadRegStr $0 HKCU "${RUN_KEY}" "${RUN_VALUE}"
    ${If} $0 == '${HOST_COMMAND}'
      ${NSD_Check} $StartAtLoginBox
    ${EndIf}
  ${ElseIf} $StartAtLogin == "1"
    ${NSD_Check} $StartAtLoginBox
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function StartAtLoginPageLeave
  ${NSD_GetState} $StartAtLoginBox $0
  ${If} $0 = ${BST_CHECKED}
    StrCpy $StartAtLogin "1"
  ${Else}
    StrCpy $StartAtLogin "0"
  ${EndIf}
FunctionEnd

Function ApplyStartAtLogin
  ${If} $StartAtLogin == "1"
    ReadRegStr $0 HKCU "${RUN_KEY}" "${RUN_VALUE}"
    ; An entry already there keeps what the system's startup settings say of it.
    ${If} $0 != '${HOST_COMMAND}'
      WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '${HOST_COMMAND}'
      DeleteRegValue HKCU "${APPROVED_KEY}" "${RUN_VALUE}"
    ${EndIf}
  ${ElseIf} $StartAtLogin == "0"
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
    DeleteRegValue HKCU "${APPROVED_KEY}" "${RUN_VALUE}"
  ${EndIf}
FunctionEnd

Section
  Call EndRunningHost
  ; Over an older install: our files are replaced, whatever the user added
  ; (settings live elsewhere; skins of their own) stays.
  SetOutPath "$INSTDIR"
  SetOverwrite on
  File /r "${DIST}/*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Quillbracket.lnk" "$INSTDIR\quillhost.exe" "" "" 0 SW_SHOWNORMAL "" \
    "A skinnable remote control for your music player"
  Call ApplyStartAtLogin

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Quillbracket"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Marrowby"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quillhost.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  Call un.EndRunningHost
  ${If} ${FileExists} "$APPDATA\Quillbracket\*.*"
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
      "Also remove your Quillbracket settings (your widgets, where they stand and their options)?$\n$\n$APPDATA\Quillbracket" \
      /SD IDNO IDNO keep_settings
    RMDir /r "$APPDATA\Quillbracket"
  keep_settings:
  ${EndIf}

  ; Our files by name and our folders only when empty: skins the user added stay.
  !insertmacro REMOVE_OWN_FILES
  ; The module's album-art scratch file.
  Delete "$INSTDIR\temp"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ${If} ${FileExists} "$INSTDIR\*.*"
    MessageBox MB_ICONINFORMATION "Files you added, such as skins of your own, were kept in$\n$INSTDIR" /SD IDOK
  ${EndIf}

  Delete "$SMPROGRAMS\Quillbracket.lnk"
  ; The Run entry goes with the program it names, by whatever path the
  ; uninstaller was started; one naming another install stays.
  ReadRegStr $0 HKCU "${RUN_KEY}" "${RUN_VALUE}"
  StrCpy $1 $0 -1 1
  ${If} $0 != ""
  ${AndIfNot} ${FileExists} $1
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
    DeleteRegValue HKCU "${APPROVED_KEY}" "${RUN_VALUE}"
  ${EndIf}
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
