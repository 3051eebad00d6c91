; The Windows installer. data/windows/Package.cmake runs makensis on it with
;   VERSION  the program's version, e.g. 1.0
;   STAGE    the folder the program was installed into (cmake --install)
;   ICON     the program's icon file
;   SIZE_KB  the size of the installed files, for Apps & Features
;   FILES    an include of the staged files: the macros InstallFiles and
;            UninstallFiles, so that the uninstaller removes exactly what
;            was installed and nothing else the folder may hold
;   OUTFILE  the installer to write
; It installs into Program Files for all users, adds a Start-menu entry,
; makes .sav files "Tessra puzzle" files that open in Tessra, and enters
; Tessra in Apps & Features. The uninstaller takes all of it away again.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include "${FILES}"

!define APP_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessra"
!define PROG_ID "Tessra.Puzzle"
!define CLASSES "Software\Classes"
; Windows' SHChangeNotify(SHCNE_ASSOCCHANGED): Explorer shows the new
; file type at once.
!define NOTIFY_ASSOCIATIONS "shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)"

Name "Tessra"
Caption "Tessra ${VERSION} Setup"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Tessra"
InstallDirRegKey HKLM "${APP_KEY}" "InstallLocation"
BrandingText "Tessra ${VERSION}"
Icon "${ICON}"
UninstallIcon "${ICON}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "Tessra"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Tessra ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "the Tessra developers"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) 2026 the Tessra developers"

LicenseData "${STAGE}/LICENSE.txt"
Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Tessra"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  !insertmacro InstallFiles
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortCut "$SMPROGRAMS\Tessra.lnk" "$INSTDIR\tessra.exe" "" "$INSTDIR\tessra.exe" 0

  ; The puzzle file type. .sav is a common extension: Tessra takes it only
  ; where no other program has, and offers itself in "Open with" always.
  WriteRegStr HKLM "${CLASSES}\${PROG_ID}" "" "Tessra puzzle"
  WriteRegStr HKLM "${CLASSES}\${PROG_ID}\DefaultIcon" "" '"$INSTDIR\tessra.exe",0'
  WriteRegStr HKLM "${CLASSES}\${PROG_ID}\shell\open\command" "" '"$INSTDIR\tessra.exe" "%1"'
  WriteRegStr HKLM "${CLASSES}\.sav\OpenWithProgids" "${PROG_ID}" ""
  ReadRegStr $0 HKLM "${CLASSES}\.sav" ""
  StrCmp $0 "" 0 +2
    WriteRegStr HKLM "${CLASSES}\.sav" "" "${PROG_ID}"
  System::Call "${NOTIFY_ASSOCIATIONS}"

  WriteRegStr HKLM "${APP_KEY}" "DisplayName" "Tessra"
  WriteRegStr HKLM "${APP_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${APP_KEY}" "Publisher" "the Tessra developers"
  WriteRegStr HKLM "${APP_KEY}" "DisplayIcon" '"$INSTDIR\tessra.exe",0'
  WriteRegStr HKLM "${APP_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${APP_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${APP_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${APP_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${APP_KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${APP_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Tessra.lnk"

  ReadRegStr $0 HKLM "${CLASSES}\.sav" ""
  StrCmp $0 "${PROG_ID}" 0 +2
    DeleteRegValue HKLM "${CLASSES}\.sav" ""
  DeleteRegValue HKLM "${CLASSES}\.sav\OpenWithProgids" "${PROG_ID}"
  DeleteRegKey /ifempty HKLM "${CLASSES}\.sav\OpenWithProgids"
  DeleteRegKey /ifempty HKLM "${CLASSES}\.sav"
  DeleteRegKey HKLM "${CLASSES}\${PROG_ID}"
  System::Call "${NOTIFY_ASSOCIATIONS}"
  DeleteRegKey HKLM "${APP_KEY}"

  !insertmacro UninstallFiles
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
