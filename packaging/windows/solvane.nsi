; The Windows installer of Solvane, built by scripts/cross-windows.sh:
;
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.0.2 -DTARGET=x86-unicode
;     -DFOLDER=<program folder> -DDEMO=<simulated TesselUSB.dll>
;     -DLISTS=<folder of install.nsh and uninstall.nsh> -DOUTFILE=<setup.exe>
;     packaging/windows/solvane.nsi
;
; install.nsh and uninstall.nsh list the folder's files one by one, so the
; uninstaller removes what was installed and nothing else. Silent installs
; choose the optional parts on the command line:
;
;   solvane-setup-1.0.2.exe /S [/DEMO] [/DRIVER] [/D=<folder>]

Unicode true
Target ${TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh

!define PRODUCT Solvane
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define DEMO_VALUE DemoLibrarySize

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
!if ${TARGET} == amd64-unicode
  InstallDir "$PROGRAMFILES64\${PRODUCT}"
!else
  InstallDir "$PROGRAMFILES\${PRODUCT}"
!endif
InstallDirRegKey HKLM "${UNINSTALL_KEY}" InstallLocation

!define MUI_ABORTWARNING
; The uninstaller speaks the language chosen for the installation.
!define MUI_LANGDLL_REGISTRY_ROOT HKLM
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME InstallerLanguage
!define MUI_COMPONENTSPAGE_SMALLDESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\solvane.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one of systems in any other language.
!insertmacro MUI_LANGUAGE English
!insertmacro MUI_LANGUAGE SimpChinese
!insertmacro MUI_LANGUAGE TradChinese
!insertmacro MUI_RESERVEFILE_LANGDLL

LangString SecProgram ${LANG_ENGLISH} "Solvane and specview"
LangString SecProgram ${LANG_SIMPCHINESE} "Solvane 与 specview"
LangString SecProgram ${LANG_TRADCHINESE} "Solvane 與 specview"
LangString SecProgramText ${LANG_ENGLISH} "The programs, the SDK, the manuals and the translations."
LangString SecProgramText ${LANG_SIMPCHINESE} "程序、SDK、使用手册和翻译。"
LangString SecProgramText ${LANG_TRADCHINESE} "程式、SDK、使用手冊和翻譯。"
LangString SecDriver ${LANG_ENGLISH} "USB driver of the meter"
LangString SecDriver ${LANG_SIMPCHINESE} "照度计的 USB 驱动"
LangString SecDriver ${LANG_TRADCHINESE} "照度計的 USB 驅動"
LangString SecDriverText ${LANG_ENGLISH} "Installs the meter's USB driver (64-bit Windows)."
LangString SecDriverText ${LANG_SIMPCHINESE} "安装照度计的 USB 驱动（64 位 Windows）。"
LangString SecDriverText ${LANG_TRADCHINESE} "安裝照度計的 USB 驅動（64 位元 Windows）。"
LangString SecDemo ${LANG_ENGLISH} "Demo meter (no hardware)"
LangString SecDemo ${LANG_SIMPCHINESE} "演示照度计（无需硬件）"
LangString SecDemo ${LANG_TRADCHINESE} "示範照度計（無需硬體）"
LangString SecDemoText ${LANG_ENGLISH} "A simulated meter and spectrometer in place of the USB library, for trying the programs without the instrument. Not installed over a TesselUSB.dll that is there."
LangString SecDemoText ${LANG_SIMPCHINESE} "以模拟的照度计和光谱仪代替 USB 库，无需仪器即可试用程序。已有的 TesselUSB.dll 不会被覆盖。"
LangString SecDemoText ${LANG_TRADCHINESE} "以模擬的照度計和光譜儀代替 USB 函式庫，無需儀器即可試用程式。已有的 TesselUSB.dll 不會被覆蓋。"
LangString DemoKept ${LANG_ENGLISH} "TesselUSB.dll is already there and stays; the demo meter is not installed."
LangString DemoKept ${LANG_SIMPCHINESE} "TesselUSB.dll 已存在并保留，未安装演示照度计。"
LangString DemoKept ${LANG_TRADCHINESE} "TesselUSB.dll 已存在並保留，未安裝示範照度計。"
LangString DriverNeeds64 ${LANG_ENGLISH} "The USB driver installs on 64-bit Windows only."
LangString DriverNeeds64 ${LANG_SIMPCHINESE} "USB 驱动只能安装在 64 位 Windows 上。"
LangString DriverNeeds64 ${LANG_TRADCHINESE} "USB 驅動只能安裝在 64 位元 Windows 上。"
LangString DriverFailed ${LANG_ENGLISH} "The USB driver was not installed (drvinst.exe ended with code $0)."
LangString DriverFailed ${LANG_SIMPCHINESE} "USB 驱动未安装（drvinst.exe 结束代码 $0）。"
LangString DriverFailed ${LANG_TRADCHINESE} "USB 驅動未安裝（drvinst.exe 結束代碼 $0）。"

Section "!$(SecProgram)" SecProgram
  SectionIn RO
  !include "${LISTS}/install.nsh"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  ; The programs' own names, the same in every language.
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Solvane.lnk" "$INSTDIR\solvane.exe"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\specview.lnk" "$INSTDIR\specview.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayName "${PRODUCT} ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" Publisher "Kestra Instruments"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\solvane.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoModify 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoRepair 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" EstimatedSize $0
SectionEnd

Section /o "$(SecDriver)" SecDriver
  ${IfNot} ${RunningX64}
    DetailPrint "$(DriverNeeds64)"
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(DriverNeeds64)" /SD IDOK
    Return
  ${EndIf}
  ExecWait '"$INSTDIR\drvinst.exe" --install' $0
  ${If} $0 != 0
    DetailPrint "$(DriverFailed)"
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(DriverFailed)" /SD IDOK
  ${EndIf}
SectionEnd

; A TesselUSB.dll that is there already (the instrument's own) stays. The
; size of the one installed here is kept, so that the uninstaller removes
; the file only while it is still this one.
Section /o "$(SecDemo)" SecDemo
  ${If} ${FileExists} "$INSTDIR\TesselUSB.dll"
    DetailPrint "$(DemoKept)"
    Return
  ${EndIf}
  SetOutPath "$INSTDIR"
  File "${DEMO}"
  Call FileSize
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "${DEMO_VALUE}" $0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "$(SecProgramText)"
  !insertmacro MUI_DESCRIPTION_TEXT ${SecDriver} "$(SecDriverText)"
  !insertmacro MUI_DESCRIPTION_TEXT ${SecDemo} "$(SecDemoText)"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; $0: the size in bytes of $INSTDIR\TesselUSB.dll, -1 when it is missing.
!macro FILE_SIZE_FUNCTION prefix
  Function ${prefix}FileSize
    ClearErrors
    FileOpen $1 "$INSTDIR\TesselUSB.dll" r
    ${If} ${Errors}
      StrCpy $0 -1
    ${Else}
      FileSeek $1 0 END $0
      FileClose $1
    ${EndIf}
  FunctionEnd
!macroend
!insertmacro FILE_SIZE_FUNCTION ""
!insertmacro FILE_SIZE_FUNCTION "un."

; /DEMO and /DRIVER choose the optional parts, also for silent installs.
Function .onInit
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/DEMO" $R1
  ${IfNot} ${Errors}
    SectionSetFlags ${SecDemo} ${SF_SELECTED}
  ${EndIf}
  ClearErrors
  ${GetOptions} $R0 "/DRIVER" $R1
  ${IfNot} ${Errors}
    SectionSetFlags ${SecDriver} ${SF_SELECTED}
  ${EndIf}
  SetShellVarContext all
  ${IfNot} ${Silent}
    !insertmacro MUI_LANGDLL_DISPLAY
  ${EndIf}
FunctionEnd

Function un.onInit
  SetShellVarContext all
  ${IfNot} ${Silent}
    !insertmacro MUI_UNGETLANGUAGE
  ${EndIf}
FunctionEnd

Section Uninstall
  ReadRegDWORD $R0 HKLM "${UNINSTALL_KEY}" "${DEMO_VALUE}"
  ${If} $R0 != ""
    Call un.FileSize
    ${If} $0 == $R0
      Delete "$INSTDIR\TesselUSB.dll"
    ${EndIf}
  ${EndIf}
  Delete "$SMPROGRAMS\${PRODUCT}\Solvane.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\specview.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"
  !include "${LISTS}/uninstall.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
