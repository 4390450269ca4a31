// The connection settings of the database layer and the driver id, the one
// place that holds them (the grid library re-exports GetDriverId/SetDriverId).
//
// Getters take the value to give when none is set (an empty text counts as
// not set); the connection dialog passes "127.0.0.1" and "root". The driver id
// starts at 1 (MariaDB, the server the suite runs on) and is always set, so
// GetDriverId's argument is accepted and not needed.
#pragma once
#include "afx.h"

void SetServerName(LPCTSTR server);       // "host" or "host:port"
void SetDataBaseName(LPCTSTR database);
void SetUserID(LPCTSTR user);
void SetUserPassword(LPCTSTR password);
CString GetServerName(LPCTSTR whenUnset = nullptr);
CString GetDataBaseName(LPCTSTR whenUnset = nullptr);
CString GetUserID(LPCTSTR whenUnset = nullptr);
CString GetUserPassword(LPCTSTR whenUnset = nullptr);

long GetDriverId(long unused = -1);
void SetDriverId(long driverId);

// The ODBC driver of an id in the form that follows DRIVER= (the driver's
// library in braces); empty for a refused id. The about box shows it without braces.
CString GetODBCDriverName(long driverId);
// The driver id whose GetODBCDriverName is the given text; -1 when none.
long DriverIdOfODBCName(LPCTSTR odbcDriverName);
// Why an id cannot connect, in Russian; empty for a supported id.
CString RefusedDriverMessage(long driverId);
// The SQL mode every MariaDB/MySQL session of the program works in, whatever
// the server's default: strict, and backslash escapes in texts (the literal
// helpers double backslashes) with double quotes as text quotes, so neither
// NO_BACKSLASH_ESCAPES nor ANSI_QUOTES.
constexpr const char* kSessionSqlMode = "STRICT_TRANS_TABLES,ERROR_FOR_DIVISION_BY_ZERO,NO_ENGINE_SUBSTITUTION";
// The full connection string of a driver id; empty for a refused id. The
// password never appears in any message. A MariaDB/MySQL connection sets the
// session's SQL mode (kSessionSqlMode) as soon as it is open.
CString BuildConnectionString(long driverId, LPCTSTR server, LPCTSTR database, LPCTSTR user, LPCTSTR password);
