; The setup program: installs the program for every user of the machine, adds it to the Start
; menu and to the system's list of installed programs, and writes an uninstaller that removes
; exactly the files it installed. Built by installer/CMakeLists.txt, which defines ARCH (x86 for
; the shipped 32-bit build, amd64 for the 64-bit one), VERSION, VERSION4 (four numbers), PRODUCT,
; PUBLISHER, COPYRIGHT, ICON, FILES (the generated lists of files to install and to delete) and
; OUTFILE.
!if ${ARCH} == amd64
    Target amd64-unicode
    !define PROGRAM_FILES "$PROGRAMFILES64"
!else
    ; A 32-bit program goes into the 32-bit program files folder.
    Target x86-unicode
    !define PROGRAM_FILES "$PROGRAMFILES"
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "FileFunc.nsh"
!include "${FILES}"

!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KORQuellar"
!define UNINSTALLER "uninstall.exe"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "${PROGRAM_FILES}\${PRODUCT}"
InstallDirRegKey HKLM "${UNINST_KEY}" "InstallLocation"
Icon "${ICON}"
UninstallIcon "${ICON}"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION4}"
VIFileVersion "${VERSION4}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Install"
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    !insertmacro QuellarInstallFiles
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    ; The program reads its pictures and skins from its working directory: the shortcut's
    ; working directory is $OUTDIR, the install folder.
    CreateShortCut "${SHORTCUT}" "$INSTDIR\quellar.exe" "" "$INSTDIR\quellar.exe" 0

    WriteRegStr HKLM "${UNINST_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINST_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\quellar.exe,0"
    WriteRegStr HKLM "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINST_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKLM "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKLM "${UNINST_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINST_KEY}" "NoRepair" 1
    ; In KiB, as the list of installed programs shows it.
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKLM "${UNINST_KEY}" "EstimatedSize" "$0"
SectionEnd

; Only what the setup program put there goes: the user's settings (c:\quellar.ini) stay, and a
; folder holding anything else is left in place.
Section "Uninstall"
    SetShellVarContext all
    Delete "${SHORTCUT}"
    !insertmacro QuellarDeleteFiles
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINST_KEY}"
SectionEnd
