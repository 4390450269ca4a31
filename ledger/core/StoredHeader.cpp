#include "StoredHeader.h"

#include "gridbase.h"
#include "ndbcore.h"

namespace nledmark {

BOOL CStoredHeader::Read(const CString& table, long realId, const char* columns)
{
    m_values.clear();
    try {
        _RecordsetPtr rs;
        rs.CreateInstance(__uuidof(Recordset));
        rs->Open((const char*)FormatText("select %s from %s where real_id=%d", columns, table, realId),
                 GetConnection().GetInterfacePtr(), adOpenForwardOnly, adLockReadOnly, adCmdText);
        const BOOL found = !rs->adoEOF;
        if (found) {
            FieldsPtr fields = rs->GetFields();
            for (long i = 0; i < fields->GetCount(); ++i) {
                FieldPtr field = fields->GetItem(i);
                m_values[CString((const char*)field->GetName()).MakeLower()] = SafeArayToString(field->GetValue());
            }
        }
        rs->Close();
        if (!found)
            AfxMessageBox("Документ не найден в базе данных: его удалил другой пользователь.", MB_OK | MB_ICONSTOP);
        return found;
    } catch (const _com_error& e) {
        ReportDBError(e, 1, nullptr);
    }
    return FALSE;
}

CString CStoredHeader::operator[](const char* column) const
{
    auto found = m_values.find(CString(column).MakeLower());
    return found == m_values.end() ? CString() : found->second;
}

int CStoredHeader::Int(const char* column, int otherwise) const
{
    const CString text = (*this)[column];
    return text.IsEmpty() ? otherwise : atoi(text);
}

} // namespace nledmark
