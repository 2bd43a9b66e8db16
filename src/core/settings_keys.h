// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Every key the program reads or writes, with the default most readers assume. Readers that
// assume another default pass it explicitly where they read.

#include "core/settings.h"

namespace pixora::keys {

inline constexpr const char* General = "Settings";
inline constexpr const char* Editor = "Zorvet Settings";
inline constexpr const char* Recent = "Zorvet Recent File List";
inline constexpr const char* Tamsel = "Tamsel Settings";
inline constexpr const char* Vornik = "Vornik Settings";

// "Settings"
inline constexpr TextKey SMSC{General, "SMSC", ""};
inline constexpr IntKey COMPort{General, "COMPort", 0};
inline constexpr BoolKey PBookReadSM{General, "PBookReadSM", true};
inline constexpr BoolKey PBookReadME{General, "PBookReadME", true};
inline constexpr IntKey WarnIfEmpty{General, "WarnIfEmpty", 1};
inline constexpr IntKey WarnIfResize{General, "WarnIfResize", 0};
inline constexpr IntKey WarnIfNotSaved{General, "WarnIfNotSaved", 1};
inline constexpr IntKey FileTypeWarn{General, "FileTypeWarn", 1};
// Program paths already asked whether to open ".npm" files, as hashes (see file_types.cpp).
inline constexpr TextKey FileTypeAsked{General, "FileTypeAsked", ""};
inline constexpr TextKey ImportLevel{General, "ImportLevel", "4210752"};
inline constexpr TextKey SendToAdd1{General, "SendToAdd1", ""};
inline constexpr TextKey SendToAdd2{General, "SendToAdd2", ""};
inline constexpr TextKey UserName{General, "UserName", ""};

// "Zorvet Settings"
inline constexpr CoordKey Left{Editor, "Left", 200};
inline constexpr CoordKey Top{Editor, "Top", 300};
inline constexpr TextKey UserDir{Editor, "UserDir", ""};
inline constexpr TextKey UserDirSave{Editor, "UserDirSave", ""};
inline constexpr TextKey ImportDir{Editor, "ImportDir", ""};
inline constexpr TextKey ExportDir{Editor, "ExportDir", ""};
inline constexpr TextKey VerMajor{Editor, "VerMajor", ""};
inline constexpr TextKey VerMinor{Editor, "VerMinor", ""};
inline constexpr TextKey VerRevision{Editor, "VerRevision", ""};
inline constexpr TextKey VerIR{Editor, "VerIR", ""};
inline constexpr TextKey VerCable{Editor, "VerCable", ""};
inline constexpr TextKey Application{Editor, "Application", ""};
inline constexpr TextKey CurrentAppname{Editor, "CurrentAppname", "Pixora"};
inline constexpr BoolKey CurrentBusy{Editor, "CurrentBusy", false};
inline constexpr TextKey LastDA{Editor, "LastDA", ""};
inline constexpr IntKey ConcatCount{Editor, "ConcatCount", 0};
inline constexpr IntKey StatusReport{Editor, "StatusReport", 0};
inline constexpr IntKey StatsSend{Editor, "StatsSend", 0};
inline constexpr IntKey StatsInternet{Editor, "StatsInternet", 0};

// "Zorvet Recent File List"
inline constexpr TextKey RecentFiles[4] = {
    {Recent, "File1", ""}, {Recent, "File2", ""}, {Recent, "File3", ""}, {Recent, "File4", ""}};

// The siblings' own sections, read only.
inline constexpr TextKey TamselApplication{Tamsel, "Application", ""};
inline constexpr TextKey VornikApplication{Vornik, "Application", ""};

}  // namespace pixora::keys
