#include "StaffSql.h"

#include "StaffNumbers.h"
#include "ndbcore.h"

#include <algorithm>

namespace nvenzol {

namespace {

// The assignment's key as checked numbers; false when either is no number.
bool NipKey(const CString& tn, const CString& npp, CString& tnNumber, CString& nppNumber)
{
    return CheckedNumber(tn, tnNumber) && CheckedNumber(npp, nppNumber);
}

// A code of a reference book: NULL when empty, else a checked number; false
// for a text that is no number.
bool Code(const CString& text, CString& sql)
{
    if (text.ToQString().trimmed().isEmpty()) {
        sql = "NULL";
        return true;
    }
    return CheckedNumber(text, sql);
}

CString Quoted(const CString& text)
{
    return "'" + MakeSqlStr(text) + "'";
}

// The appointment values of an assignment; false when a code is no number.
struct NipValues {
    CString tn, npp, st, kpr, d1, d2, prd, kat, dol, noprik, dprik;
};

bool Values(const NipFields& nip, NipValues& v)
{
    if (!NipKey(nip.tn, nip.npp, v.tn, v.npp) || !Code(nip.kpr, v.kpr) || !Code(nip.prd, v.prd)
        || !Code(nip.kat, v.kat) || !Code(nip.dol, v.dol))
        return false;
    v.st = nip.st.ToQString().trimmed().isEmpty() ? CString("1") : DB_Digit(nip.st);
    v.d1 = ChangeDateUS0(nip.d1, 0);
    v.d2 = ChangeDateUS0(nip.d2, 0);
    v.dprik = ChangeDateUS0(nip.dprik, 0);
    v.noprik = Quoted(nip.noprik);
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

CString NipInsertSql(const NipFields& nip)
{
    NipValues v;
    if (!Values(nip, v))
        return CString();
    return FormatText("insert into perso_tn_nip (tn,npp,st,kpr,d1,d2,prd,kat,dol,noprik,Dprik) "
                      "values (%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s)",
                      v.tn, v.npp, v.st, v.kpr, v.d1, v.d2, v.prd, v.kat, v.dol, v.noprik, v.dprik);
}

CString NipUpdateSql(const NipFields& nip)
{
    NipValues v;
    if (!Values(nip, v))
        return CString();
    return FormatText("update perso_tn_nip set st=%s,kpr=%s,d1=%s,d2=%s,prd=%s,kat=%s,dol=%s,noprik=%s,Dprik=%s "
                      "where tn=%s and npp=%s",
                      v.st, v.kpr, v.d1, v.d2, v.prd, v.kat, v.dol, v.noprik, v.dprik, v.tn, v.npp);
}

CString NipColumnSql(const char* column, const CString& tn, const CString& npp)
{
    static const char* const columns[] = {"st", "kpr", "d1", "d2", "prd", "kat", "dol", "noprik", "Dprik"};
    CString t, n;
    const CString name(column ? column : "");
    const bool known = std::any_of(std::begin(columns), std::end(columns), [&](const char* c) { return name == c; });
    if (!known || !NipKey(tn, npp, t, n))
        return CString();
    return FormatText("select %s as str from perso_tn_nip where tn=%s and npp=%s", name, t, n);
}

CString FirstCurrentNipSql(const CString& tn, const CString& periodStart, bool strictlyAfter)
{
    CString number;
    if (!CheckedNumber(tn, number))
        return CString();
    return FormatText("select npp as str from perso_tn_nip where tn=%s and (d2 is null or d2%s%s) order by d1",
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
