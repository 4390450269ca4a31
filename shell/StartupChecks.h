// Steps of start-up that stand on their own: loading the configuration
// archive, connecting to the database (with the connection settings dialog
// until it works or the user gives up) and checking that the database
// belongs to the configuration.
#pragma once
#include "afx.h"

// Reads the archive file I_GetArchiveFileName() into GetDataArchive(); a file
// that cannot be opened shows "Файл конфигурации не найден". 1 when read, 0
// otherwise (a damaged archive has reported why).
int LoadConfigurationArchive();
// Connects the database layer; while it fails (the layer has shown why) the
// connection settings dialog runs and the connection is tried again. 1 once
// connected, 0 when the user cancelled the dialog.
int ConnectDatabase();
// 1 when the database constant "HashKey" is empty or `hashKey`; otherwise
// says the database has another structure and answers 0.
int CheckHashKey(const CString& hashKey);
