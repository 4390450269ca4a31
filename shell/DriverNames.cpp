#include "DriverNames.h"

namespace {

void Fill(CComboBox& combo, std::initializer_list<const char*> names)
{
    combo.ResetContent();
    for (const char* name : names)
        combo.AddString(name);
}

} // namespace

void FillConnectionDrivers(CComboBox& combo)
{
    Fill(combo, {"SQL Server", "My Sql", "PostGre Sql", "SQL Server 2005", "MySQL Connector/ODBC v5", "MS Access"});
}

void FillChooserDrivers(CComboBox& combo)
{
    Fill(combo, {"SQL Server", "My Sql", "PostGre Sql", "Sql Server 2005"});
}
