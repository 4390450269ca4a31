#include "StartupChecks.h"

#include "CSqlServerParamsDlg.h"
#include "appcore.h"
#include "ndbcore.h"

int LoadConfigurationArchive()
{
    CFile file;
    if (!file.Open(I_GetArchiveFileName(), CFile::modeRead | CFile::shareDenyWrite)) {
        AfxMessageBox("Файл конфигурации не найден");
        return 0;
    }
    CArchive ar(&file, CArchive::load, 4096);
    GetDataArchive()->Serialize(ar);
    ar.Close();
    file.Close();
    return GetDataArchive()->IsLoaded() ? 1 : 0;
}

int ConnectDatabase()
{
    while (!InitDll()) {
        CSqlServerParamsDlg dlg(nullptr);
        if (dlg.DoModal() != IDOK)
            return 0;
    }
    return 1;
}

int CheckHashKey(const CString& hashKey)
{
    const CString stored = GetConstant("HashKey", 0);
    if (stored.IsEmpty() || stored == hashKey)
        return 1;
    AfxMessageBox("Неверная структура базы данных " + GetDataBaseName(NULL) +
                  ",\nпроверьте параметры для имени базы данных");
    return 0;
}
