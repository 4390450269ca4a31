#include "DbScalar.h"

_variant_t ScalarOf(_Connection& connection, const QString& sql)
{
    _RecordsetPtr rows = connection.Execute(_bstr_t(sql), nullptr, adCmdText);
    if (!rows || rows->GetState() != adStateOpen || rows->GetadoEOF())
        return _variant_t();
    return rows->GetCollect(0L);
}

long long RunCommand(_Connection& connection, const QString& sql)
{
    _variant_t affected;
    connection.Execute(_bstr_t(sql), &affected, adExecuteNoRecords);
    return affected.toInt64();
}
