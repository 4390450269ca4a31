// The database kinds the two "Тип базы данных" combo boxes offer; the item
// index is the driver id.
#pragma once
#include "afx.h"

class CComboBox;

// Connection settings: the six kinds, 0 "SQL Server" to 5 "MS Access".
void FillConnectionDrivers(CComboBox& combo);
// One database of the chooser: the first four kinds.
void FillChooserDrivers(CComboBox& combo);
