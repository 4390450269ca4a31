#include "PayPositionBook.h"

#include "PayBookView.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "tariffication/StaffNumbers.h"

#include <cstring>

namespace npaymar {

namespace {

// Every rate column of the table: a sheet's row goes when all are empty.
const char* const kAllRates[] = {"okl", "Rlech", "Rdet", "Rort", "nch", "kontr", "chts", "okl2"};

CString NextCode()
{
    // The whole table's rows locked first, so a second clerk's new position
    // waits for this one and takes the code after it.
    ExecuteString(SqlLockRow("id", "spr_paymar_dol", "1=1"));
    return ExecuteString(SqlNextNumber("id", "spr_paymar_dol"));
}

bool WriteRates(const CString& code, const PayPositionRecord& record)
{
    for (const PayPositionRates& row : record.rows) {
        CString nv;
        if (!nvenzol::CheckedNumber(row.nv, nv))
            return false;
        if (nv == utoa(kUnlistedSheet))
            continue;
        CString values[5];
        bool any = false;
        for (int i = 0; i < 5; ++i) {
            if (!nvenzol::NumberLiteral(row.rates[i], values[i]))
                return false;
            any = any || values[i] != "NULL";
        }
        const CString key = FormatText(" where id=%s and nv=%s", code, nv);
        CString assign;
        for (int i = 0; i < 5; ++i)
            assign += FormatText("%s%s=%s", i ? "," : "", record.columns[i], values[i]);
        const bool stored = ExecuteCount("select count(*) as cnt from spr_paymar_dol1" + key) > 0;
        if (stored) {
            if (!ExecuteSql("update spr_paymar_dol1 set " + assign + key))
                return false;
            if (!any) {
                CString empty;
                for (const char* column : kAllRates)
                    empty += FormatText(" and %s is null", column);
                if (!ExecuteSql("delete from spr_paymar_dol1" + key + empty))
                    return false;
            }
        } else if (any) {
            CString columns, list;
            for (int i = 0; i < 5; ++i) {
                columns += CString(",") + record.columns[i];
                list += "," + values[i];
            }
            if (!ExecuteSql(FormatText("insert into spr_paymar_dol1 (id,nv%s) values (%s,%s%s)", columns, code, nv,
                                       list)))
                return false;
        }
    }
    return true;
}

} // namespace

bool IsTextColumn(const char* column)
{
    return std::strcmp(column, "kat") == 0 || std::strcmp(column, "raz") == 0;
}

bool WritePayPosition(PayPositionRecord& record)
{
    if (IsBlank(record.name))
        return false;
    std::vector<CString> values;
    for (const auto& [column, text] : record.header) {
        CString value;
        if (IsTextColumn(column)) {
            CString trimmed = text;
            value = NullStr(trimmed.Trim());
        }
        else if (!nvenzol::NumberLiteral(text, value))
            return false;
        values.push_back(value);
    }
    CString code;
    if (!IsBlank(record.code) && !nvenzol::CheckedNumber(record.code, code))
        return false;

    CDbTransaction save;
    if (!save.IsUsable())
        return false;
    bool stored = false;
    if (code.IsEmpty()) {
        if (!nvenzol::CheckedNumber(NextCode(), code))
            return false;
    } else {
        stored = !ExecuteString(SqlLockRow("id", "spr_paymar_dol", "id=" + code)).IsEmpty();
    }
    bool written = false;
    if (stored) {
        CString assign = FormatText("name='%s'", MakeSqlStr(record.name));
        for (size_t i = 0; i < values.size(); ++i)
            assign += FormatText(",%s=%s", record.header[i].first, values[i]);
        written = ExecuteSql(FormatText("update spr_paymar_dol set %s where id=%s", assign, code));
    } else {
        // A new position is inserted, never written over another: a code a
        // second clerk took meanwhile fails on the key.
        CString columns, list;
        for (size_t i = 0; i < values.size(); ++i) {
            columns += CString(",") + record.header[i].first;
            list += "," + values[i];
        }
        written = ExecuteSql(FormatText("insert into spr_paymar_dol (id,name%s) values (%s,'%s'%s)", columns, code,
                                        MakeSqlStr(record.name), list));
    }
    if (!written || !WriteRates(code, record) || !save.Commit())
        return false;
    record.code = code;
    return true;
}

} // namespace npaymar
