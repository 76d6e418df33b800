; VEXSETUP.EXE: installs the Vexomar administration suite (the Alert Manager, the panel host
; with the Local Scanner and the Service Manager, their services and the filter driver).
;   VEXSETUP.EXE [/S] [/D=folder] [/TYPE=alert|panels|full] [/SITE=site description file] [/NOSERVICES]
; /NOSERVICES registers everything but leaves the services and the driver to the caller (a
; scripted set-up that starts them itself).
; Built by the normal build through installer/make-setup, which stages the files and their lists.
; When the setup program runs from the folder it installs to (a build folder or an unpacked
; distribution), the files are already in place and only the registration is done.

Unicode false
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "Sections.nsh"
!include "StrFunc.nsh"
${StrRep}
${UnStrRep}

!ifndef BIN
  !error "BIN must name the folder of the built programs"
!endif
!ifndef LISTS
  !error "LISTS must name the folder of the generated file lists"
!endif
!ifndef OUTFILE
  !define OUTFILE "VEXSETUP.EXE"
!endif
!define PRODUCT "Vexomar Administration Suite"
!define PUBLISHER "Morwick Software"
!define VERSION "1.01"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vexomar"
!define PRODUCT_KEY "SOFTWARE\Morwick\Vexomar\CurrentVersion"
!define ALERT_PATH_KEY "SOFTWARE\Morwick\ALERT\CurrentVersion\Path"
!define POST_OFFICE_KEY "SOFTWARE\Morwick\PostOffice"
!define SITE_KEY "SOFTWARE\Morwick\Site"
!define MAIL_CLIENTS_KEY "Software\Clients\Mail"
!define MAIL_CLIENT "Vexomar Mail"
!define PROVIDER "VexomarNet"
!define PROVIDER_ORDER_KEY "System\CurrentControlSet\Control\NetworkProvider\Order"
!define PROVIDER_SERVICE_KEY "System\CurrentControlSet\Services\VexomarNet"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Morwick\Vexomar"
InstallDirRegKey HKLM "${PRODUCT_KEY}" "InstallPath"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails show
ShowUninstDetails show
BrandingText "${PUBLISHER}"
VIProductVersion "1.1.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

Var inPlace       ; 1 when the files already sit in the install folder
Var upgrade       ; 1 when a copy of the suite is installed already
Var siteFile      ; /SITE= given on the command line
Var noServices    ; 1 with /NOSERVICES
Var alertHome
Var dataFolder

!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TITLE "Welcome to the ${PRODUCT} Setup"
!define MUI_WELCOMEPAGE_TEXT "This program installs the Vexomar Alert Manager, the administration host with the Local Scanner and the Service Manager, the Alert Service, the antivirus service and its filter driver.$\r$\n$\r$\nSettings, alert records, scan records and mail of an installed copy are kept.$\r$\n$\r$\nClick Next to continue."
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
; The progress page stays, with its details, until the administrator goes on.
!define MUI_FINISHPAGE_NOAUTOCLOSE
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "The ${PRODUCT} is installed. The Start menu holds the Alert Manager and the Vexomar Administration host."
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

InstType "Alert Manager only"
InstType "Administration panels"
InstType "Everything"

; Files are packed at build time and written only when the setup does not run from the
; install folder itself.
!macro PutFile name
  ${If} $inPlace != 1
    File "${BIN}\${name}"
  ${EndIf}
!macroend

!macro RunTool program arguments what
  DetailPrint "${what}"
  nsExec::ExecToLog '"$INSTDIR\${program}" ${arguments}'
  Pop $0
  ${If} $0 != 0
    DetailPrint "${what}: the program answered $0"
  ${EndIf}
!macroend

Section "-Common files" SecCommon
  SectionIn 1 2 3
  ; Run from the install folder itself, the setup only registers what is there.
  StrCpy $inPlace 0
  GetFullPathName $0 "$EXEDIR"
  GetFullPathName $1 "$INSTDIR"
  ${If} $0 == $1
    StrCpy $inPlace 1
    DetailPrint "The programs are in place in $INSTDIR; registering them"
  ${EndIf}
  ; An installed copy's services are stopped, so that their programs can be replaced.
  ${If} $upgrade == 1
    DetailPrint "Upgrading the copy installed in $INSTDIR; its settings and data are kept"
    Call StopRunningCopy
  ${EndIf}
  SetOutPath "$INSTDIR"
  ; The site's network provider and mail client, which every program of the suite uses.
  !include "${LISTS}\files_common.nsh"
SectionEnd

Section "Alert Manager" SecAlert
  SectionIn 1 3
  SetOutPath "$INSTDIR"
  !include "${LISTS}\files_alert.nsh"
SectionEnd

Section "Admin panels" SecPanels
  SectionIn 2 3
  SetOutPath "$INSTDIR"
  !include "${LISTS}\files_panels.nsh"
SectionEnd

Section "-Registration" SecRegister
  SectionIn 1 2 3
  SetShellVarContext all
  ; Where the data lives: kept from an installed copy, else the suite's defaults.
  ReadRegStr $alertHome HKLM "${ALERT_PATH_KEY}" "Home"
  ${If} $alertHome == ""
    StrCpy $alertHome "$WINDIR" 2
    StrCpy $alertHome "$alertHome\MORWICK\ALERT"
    WriteRegStr HKLM "${ALERT_PATH_KEY}" "Home" "$alertHome"
  ${EndIf}
  ReadRegStr $dataFolder HKLM "${PRODUCT_KEY}" "DataFolder"
  ${If} $dataFolder == ""
    StrCpy $dataFolder "$WINDIR" 2
    StrCpy $dataFolder "$dataFolder\MORWICK\DATA"
    WriteRegStr HKLM "${PRODUCT_KEY}" "DataFolder" "$dataFolder"
  ${EndIf}
  CreateDirectory "$dataFolder"
  WriteRegStr HKLM "${PRODUCT_KEY}" "InstallPath" "$INSTDIR"
  WriteRegStr HKLM "${PRODUCT_KEY}" "Version" "${VERSION}"
  ReadRegStr $0 HKLM "${PRODUCT_KEY}\Path" "TMP"
  ${If} $0 == ""
    StrCpy $0 "$WINDIR" 2
    CreateDirectory "$0\MORWICK\TEMP"
    WriteRegStr HKLM "${PRODUCT_KEY}\Path" "TMP" "$0\MORWICK\TEMP"
  ${EndIf}

  ; The post office, kept where an installed copy had it.
  ReadRegStr $0 HKLM "${POST_OFFICE_KEY}" "Folder"
  ${If} $0 == ""
    StrCpy $0 "$WINDIR" 2
    StrCpy $0 "$0\Morwick\PostOffice"
    WriteRegStr HKLM "${POST_OFFICE_KEY}" "Folder" "$0"
  ${EndIf}
  CreateDirectory "$0"
  ; The platform's Simple MAPI hands its calls to the default mail client.
  WriteRegStr HKLM "${MAIL_CLIENTS_KEY}" "" "${MAIL_CLIENT}"
  WriteRegStr HKLM "${MAIL_CLIENTS_KEY}\${MAIL_CLIENT}" "DLLPath" "$INSTDIR\VXMAIL32.DLL"

  ; The network provider, last in the provider order.
  WriteRegStr HKLM "${PROVIDER_SERVICE_KEY}\NetworkProvider" "ProviderPath" "$INSTDIR\VXMNET.DLL"
  WriteRegStr HKLM "${PROVIDER_SERVICE_KEY}\NetworkProvider" "Name" "Microsoft Windows Network"
  ; Disabled, so that the service manager never tries to start the provider's key as a service.
  WriteRegDWORD HKLM "${PROVIDER_SERVICE_KEY}" "Start" 4
  ReadRegStr $0 HKLM "${PROVIDER_ORDER_KEY}" "ProviderOrder"
  Push $0
  Call ProviderOrderWithUs
  Pop $0
  WriteRegStr HKLM "${PROVIDER_ORDER_KEY}" "ProviderOrder" "$0"

  ${If} $siteFile != ""
    WriteRegStr HKLM "${SITE_KEY}" "File" "$siteFile"
  ${EndIf}

  ; Shortcuts of what was chosen.
  CreateDirectory "$SMPROGRAMS\Vexomar"
  ${If} ${SectionIsSelected} ${SecAlert}
    CreateShortCut "$SMPROGRAMS\Vexomar\Alert Manager.lnk" "$INSTDIR\ORVANE.EXE" "" "$INSTDIR\ORVANE.EXE" 0
  ${EndIf}
  ${If} ${SectionIsSelected} ${SecPanels}
    CreateShortCut "$SMPROGRAMS\Vexomar\Vexomar Administration.lnk" "$INSTDIR\VXMGR.EXE" "" "$INSTDIR\VXMGR.EXE" 0
  ${EndIf}
  CreateShortCut "$SMPROGRAMS\Vexomar\Uninstall Vexomar.lnk" "$INSTDIR\UNINSTAL.EXE"
  ; The messenger shows broadcast alerts where the system has no message service of its own.
  CreateDirectory "$SMSTARTUP"
  CreateShortCut "$SMSTARTUP\Vexomar Messenger.lnk" "$INSTDIR\VXMSGR.EXE"

  WriteUninstaller "$INSTDIR\UNINSTAL.EXE"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\UNINSTAL.EXE"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\UNINSTAL.EXE" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "-Services" SecServices
  SectionIn 1 2 3
  ${If} $noServices == 1
    DetailPrint "The services and the driver are left to the caller (/NOSERVICES)"
    Return
  ${EndIf}
  ; The services install themselves (each prepares its own data on first start).
  ${If} ${SectionIsSelected} ${SecAlert}
    !insertmacro RunTool "ALERTSVC.EXE" "/start" "Starting the Alert Service"
  ${EndIf}
  ${If} ${SectionIsSelected} ${SecPanels}
    !insertmacro RunTool "VXMSVC.EXE" "/start" "Starting the antivirus service"
    !insertmacro RunTool "VXMFLTCT.EXE" "/install" "Loading the filter driver"
  ${EndIf}
SectionEnd

LangString DESC_Alert ${LANG_ENGLISH} "The Alert Manager (ORVANE.EXE) and the Alert Service that records and delivers alerts."
LangString DESC_Panels ${LANG_ENGLISH} "The administration host with the Local Scanner and the Service Manager, the antivirus service, its engine, signatures and filter driver."
!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecAlert} $(DESC_Alert)
  !insertmacro MUI_DESCRIPTION_TEXT ${SecPanels} $(DESC_Panels)
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; ProviderOrder with VexomarNet at its end, once (stack: order in, order out).
Function ProviderOrderWithUs
  Exch $0
  Push $1
  StrCpy $1 ",$0,"
  ${StrRep} $1 $1 ",${PROVIDER}," ","
  ; $1 now lacks us; strip the commas added above.
  StrCpy $1 $1 "" 1
  StrCpy $1 $1 -1
  ${If} $1 == ""
    StrCpy $0 "${PROVIDER}"
  ${Else}
    StrCpy $0 "$1,${PROVIDER}"
  ${EndIf}
  Pop $1
  Exch $0
FunctionEnd

Function .onInit
  StrCpy $inPlace 0
  StrCpy $upgrade 0
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/SITE=" $siteFile
  StrCpy $noServices 0
  ClearErrors
  ${GetOptions} $R0 "/NOSERVICES" $R2
  ${IfNot} ${Errors}
    StrCpy $noServices 1
  ${EndIf}
  ClearErrors
  ${GetOptions} $R0 "/TYPE=" $R1
  ${If} ${Errors}
    StrCpy $R1 "full"
  ${EndIf}
  ${If} $R1 == "alert"
    SetCurInstType 0
  ${ElseIf} $R1 == "panels"
    SetCurInstType 1
  ${Else}
    SetCurInstType 2
  ${EndIf}
  ReadRegStr $0 HKLM "${PRODUCT_KEY}" "InstallPath"
  ${If} $0 != ""
    StrCpy $upgrade 1
  ${EndIf}
FunctionEnd

Function StopRunningCopy
  ${If} ${FileExists} "$INSTDIR\VXMSGR.EXE"
    nsExec::ExecToLog '"$INSTDIR\VXMSGR.EXE" /stop'
    Pop $0
  ${EndIf}
  ${If} ${FileExists} "$INSTDIR\ALERTSVC.EXE"
    nsExec::ExecToLog '"$INSTDIR\ALERTSVC.EXE" /stop'
    Pop $0
  ${EndIf}
  ${If} ${FileExists} "$INSTDIR\VXMSVC.EXE"
    nsExec::ExecToLog '"$INSTDIR\VXMSVC.EXE" /stop'
    Pop $0
  ${EndIf}
FunctionEnd

; ---------------------------------------------------------------------------------------
; The uninstaller: services and driver stopped and removed, programs and registrations
; removed, the administrator's data kept (and named).

!macro RemoveFile name
  Delete "$INSTDIR\${name}"
!macroend

Section "Uninstall"
  SetShellVarContext all
  ${If} ${FileExists} "$INSTDIR\VXMSGR.EXE"
    nsExec::ExecToLog '"$INSTDIR\VXMSGR.EXE" /stop'
    Pop $0
  ${EndIf}
  ${If} ${FileExists} "$INSTDIR\VXMFLTCT.EXE"
    DetailPrint "Unloading the filter driver"
    nsExec::ExecToLog '"$INSTDIR\VXMFLTCT.EXE" /uninstall'
    Pop $0
  ${EndIf}
  ${If} ${FileExists} "$INSTDIR\VXMSVC.EXE"
    DetailPrint "Removing the antivirus service"
    ; Every instance of the site, then this computer's own.
    nsExec::ExecToLog '"$INSTDIR\VXMSVC.EXE" /uninstall *'
    Pop $0
    nsExec::ExecToLog '"$INSTDIR\VXMSVC.EXE" /uninstall'
    Pop $0
  ${EndIf}
  ${If} ${FileExists} "$INSTDIR\ALERTSVC.EXE"
    DetailPrint "Removing the Alert Service"
    nsExec::ExecToLog '"$INSTDIR\ALERTSVC.EXE" /uninstall'
    Pop $0
  ${EndIf}

  !include "${LISTS}\files_remove.nsh"
  !insertmacro RemoveFile "UNINSTAL.EXE"
  Delete "$SMPROGRAMS\Vexomar\Alert Manager.lnk"
  Delete "$SMPROGRAMS\Vexomar\Vexomar Administration.lnk"
  Delete "$SMPROGRAMS\Vexomar\Uninstall Vexomar.lnk"
  Delete "$SMSTARTUP\Vexomar Messenger.lnk"
  RMDir "$SMPROGRAMS\Vexomar"

  ; Registrations. The data locations stay, so that a later install finds the data again.
  ReadRegStr $0 HKLM "${MAIL_CLIENTS_KEY}\${MAIL_CLIENT}" "DLLPath"
  DeleteRegKey HKLM "${MAIL_CLIENTS_KEY}\${MAIL_CLIENT}"
  ReadRegStr $0 HKLM "${MAIL_CLIENTS_KEY}" ""
  ${If} $0 == "${MAIL_CLIENT}"
    DeleteRegValue HKLM "${MAIL_CLIENTS_KEY}" ""
  ${EndIf}
  DeleteRegKey HKLM "${PROVIDER_SERVICE_KEY}"
  ReadRegStr $0 HKLM "${PROVIDER_ORDER_KEY}" "ProviderOrder"
  StrCpy $0 ",$0,"
  ${UnStrRep} $0 $0 ",${PROVIDER}," ","
  StrCpy $0 $0 "" 1
  StrCpy $0 $0 -1
  WriteRegStr HKLM "${PROVIDER_ORDER_KEY}" "ProviderOrder" "$0"
  DeleteRegValue HKLM "${PRODUCT_KEY}" "InstallPath"
  DeleteRegValue HKLM "${PRODUCT_KEY}" "Version"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  ReadRegStr $1 HKLM "${ALERT_PATH_KEY}" "Home"
  ReadRegStr $2 HKLM "${POST_OFFICE_KEY}" "Folder"
  ReadRegStr $3 HKLM "${PRODUCT_KEY}" "DataFolder"
  ; The install folder goes only when nothing of the administrator's is left in it.
  RMDir "$INSTDIR"
  StrCpy $4 "The administrator's data is kept:$\r$\n  alert records and logs in $1$\r$\n  scan records in $INSTDIR\DB and $INSTDIR\MASTER.DB$\r$\n  the post office in $2$\r$\n  the antivirus service's data in $3"
  DetailPrint "$4"
  ${IfNot} ${Silent}
    MessageBox MB_OK|MB_ICONINFORMATION "$4"
  ${EndIf}
SectionEnd
