// The application's configuration archive and the current workplace.
#pragma once

#include "afx.h"

#include <string>

class CDataArchive;

// The one configuration archive of the application.
CDataArchive* GetDataArchive();
// The configuration archive file: "vornal.cfa" in the program folder, or the
// path in the environment variable VORNAL_CONFIG_ARCHIVE when it is set.
CString I_GetArchiveFileName();

// Index of the current workplace in the configuration (set at login).
extern LONG g_lARM;
// The current workplace lets reference books be extended.
extern BOOL g_bAllowSprAdd;

// The current workplace's id (empty when g_lARM names no workplace).
CString I_GetArmId();

// Reference-book classes by number (0 to 199); texts are empty for an unknown number.
CString I_GetSprTableName(int book);
CString I_GetSprFieldId(int book);
CString I_GetSprFieldName(int book);
CString I_GetSprSU_Id(int book);
CString I_GetSprName(int book);
// The number of the book of a table; 200 (no book, outside the 0-199 range) when unknown.
UINT I_GetSprId(const char* table);
// The number of the book with that caption, case-insensitive; -1 when unknown.
int I_GetSprIdFromCaption(const char* caption);

namespace appcore {

constexpr UINT kNoSprId = 200;

// The program's own folder, with a trailing "/".
std::string ProgramFolder();
// The current workplace's id as UTF-8.
std::string CurrentArmId();
// The script context of the current workplace: "Arm." + id.
std::string CurrentArmContext();

} // namespace appcore
