#include "StaffSql.h"

#include "StaffNumbers.h"
#include "ndbcore.h"

#include <QString>

#include <algorithm>
#include <vector>

namespace nvenzol {

namespace {

// The assignment's key as checked numbers; false when either is no number.
bool NipKey(const CString& tn, const CString& npp, CString& tnNumber, CString& nppNumber)
{
    return CheckedNumber(tn, tnNumber) && CheckedNumber(npp, nppNumber);
}

CString Quoted(const CString& text)
{
    return "'" + MakeSqlStr(text) + "'";
}

// The SQL value of a column's text as its kind writes it; false when the
// text is none of that kind (a key or code that is no whole number, a
// number or date that is none).
bool Value(const NipColumn& column, const CString& text, CString& sql)
{
    const bool blank = text.ToQString().trimmed().isEmpty();
    switch (column.value) {
    case NipValue::Key:
        return CheckedNumber(text, sql);
    case NipValue::Code:
        return CodeLiteral(text, sql);
    case NipValue::Rates:
        if (blank) {
            sql = "1";
            return true;
        }
        return NumberLiteral(text, sql);
    case NipValue::Number:
        return NumberLiteral(text, sql);
    case NipValue::Date:
        sql = ChangeDateUS0(text, 0);
        return blank || sql != "NULL";
    case NipValue::Text:
        sql = Quoted(text);
        return true;
    case NipValue::NullText:
        sql = NullStr(text);
        return true;
    case NipValue::Flag:
        sql = text.ToQString().trimmed() == "1" ? "1" : "0";
        return true;
    }
    return false;
}

// The values of the set's columns in its order; false when one is none.
bool Values(const NipColumnSet& set, const NipRecord& nip, std::vector<CString>& values)
{
    for (const NipColumn& column : set.columns) {
        const auto found = nip.find(column.name);
        CString sql;
        if (!Value(column, found == nip.end() ? CString() : found->second, sql))
            return false;
        values.push_back(sql);
    }
    return true;
}

// " where tn=... and npp=... and d=..." of a mark; "" when it is not a mark.
CString MarkKey(const TrvMark& mark)
{
    CString tn, npp;
    if (!NipKey(mark.tn, mark.npp, tn, npp))
        return CString();
    return FormatText(" where tn=%s and npp=%s and d=%s", tn, npp, ChangeDateUS0(mark.d, 0));
}

} // namespace

CString NipCountSql(const CString& tn, const CString& npp)
{
    CString t, n;
    if (!NipKey(tn, npp, t, n))
        return CString();
    return FormatText("select count(npp) as cnt from perso_tn_nip where tn=%s and npp=%s", t, n);
}

CString NipNextNumberSql(const CString& tn)
{
    CString number;
    if (!CheckedNumber(tn, number))
        return CString();
    return SqlNextNumber("npp", "perso_tn_nip", "tn=" + number);
}

CString NipInsertSql(const NipColumnSet& set, const NipRecord& nip)
{
    std::vector<CString> values;
    if (!Values(set, nip, values))
        return CString();
    CString names, list;
    for (size_t i = 0; i < values.size(); ++i) {
        names += (i ? "," : "") + CString(set.columns[i].name);
        list += (i ? "," : "") + values[i];
    }
    return "insert into perso_tn_nip (" + names + ") values (" + list + ")";
}

CString NipUpdateSql(const NipColumnSet& set, const NipRecord& nip)
{
    std::vector<CString> values;
    if (!Values(set, nip, values))
        return CString();
    CString assignments, key;
    for (size_t i = 0; i < values.size(); ++i) {
        const NipColumn& column = set.columns[i];
        if (column.value == NipValue::Key) {
            key += (key.IsEmpty() ? " where " : " and ") + CString(column.name) + "=" + values[i];
            continue;
        }
        assignments += (assignments.IsEmpty() ? "" : ",") + CString(column.name) + "=" + values[i];
    }
    return "update perso_tn_nip set " + assignments + key;
}

CString NipLockSql(const CString& tn, const CString& npp)
{
    CString t, n;
    if (!NipKey(tn, npp, t, n))
        return CString();
    return SqlLockRow("1 as cnt", "perso_tn_nip", FormatText("tn=%s and npp=%s", t, n));
}

CString NipColumnSql(const char* column, const CString& tn, const CString& npp)
{
    const NipColumnSet& all = VenzNipColumns();
    CString t, n;
    const CString name(column ? column : "");
    const bool known = std::any_of(all.columns.begin(), all.columns.end(),
                                   [&](const NipColumn& c) { return c.value != NipValue::Key && name == c.name; });
    if (!known || !NipKey(tn, npp, t, n))
        return CString();
    return FormatText("select %s as str from perso_tn_nip where tn=%s and npp=%s", name, t, n);
}

CString FirstCurrentNipSql(const CString& tn, const CString& periodStart, bool strictlyAfter)
{
    CString number;
    if (!CheckedNumber(tn, number))
        return CString();
    return FormatText("select npp as str from perso_tn_nip where tn=%s and (d2 is null or d2%s%s) order by d1,npp",
                      number, strictlyAfter ? ">" : ">=", ChangeDateUS0(periodStart, 0));
}

CString MarkCountSql(const TrvMark& mark)
{
    const CString key = MarkKey(mark);
    return key.IsEmpty() ? key : "select count(npp) as cnt from perso_trv" + key;
}

CString MarkUpdateSql(const TrvMark& mark)
{
    const CString key = MarkKey(mark);
    return key.IsEmpty() ? key : "update perso_trv set t=" + Quoted(mark.t) + key;
}

CString MarkInsertSql(const TrvMark& mark)
{
    CString tn, npp;
    if (!NipKey(mark.tn, mark.npp, tn, npp))
        return CString();
    return FormatText("insert into perso_trv (tn,npp,d,t) values (%s,%s,%s,%s)", tn, npp, ChangeDateUS0(mark.d, 0),
                      Quoted(mark.t));
}

CString MarkDeleteSql(const TrvMark& mark)
{
    const CString key = MarkKey(mark);
    return key.IsEmpty() ? key : "delete from perso_trv" + key;
}

CString MarkReadSql(const TrvMark& mark)
{
    const CString key = MarkKey(mark);
    return key.IsEmpty() ? key : "select t as str from perso_trv" + key;
}

} // namespace nvenzol
