#include "CPrixodRecord.h"

#include "gridbase.h"
#include "ndbcore.h"
#include "DbLossWatch.h"

#include <cstdlib>

namespace nstovan {

namespace {

const char* const kLinesSelect =
    "select stovan_prx1.*,spr_stovan_mat.name as imat,spr_ei.name as iei from stovan_prx1 "
    "left join spr_stovan_mat on spr_stovan_mat.id=stovan_prx1.id "
    "left join spr_ei on spr_ei.id=spr_stovan_mat.ei "
    "where %s order by stovan_prx1.id";

CString Field(_Recordset* rs, const char* name)
{
    return SafeArayToString(rs->GetCollect(name));
}

// A checked whole number, or NULL for an empty or other text.
CString NumberOrNull(const CString& text)
{
    const CString number = WholeNumber(text);
    return number.IsEmpty() ? CString("NULL") : number;
}

} // namespace

CString CPrixodKey::Day() const
{
    return FormatText("d=%s and prd=%s and nv=%s", d, prd, nv);
}

CString CPrixodKey::Receipt() const
{
    return Day() + " and npp=" + npp;
}

bool CPrixodRecord::Key(CPrixodKey& key, bool withNumber) const
{
    const CString day = DMG(date, 1, 0);
    key.d = day.IsEmpty() ? CString() : ChangeDateUS0(day, 0);
    key.prd = WholeNumber(prd);
    key.nv = WholeNumber(nv);
    key.npp = WholeNumber(npp);
    return !key.d.IsEmpty() && !key.prd.IsEmpty() && !key.nv.IsEmpty() && (!withNumber || !key.npp.IsEmpty());
}

bool CPrixodRecord::Stored(const CPrixodLine& line)
{
    return !line.id.ToQString().trimmed().isEmpty() && std::atof(NullInt0(line.kol)) != 0;
}

BOOL CPrixodRecord::Load()
{
    ndoc.Empty();
    org.Empty();
    tn.Empty();
    lines.clear();
    CPrixodKey key;
    if (!Key(key, true))
        return TRUE;
    // Through the layer: a connection the server dropped is opened again.
    bool found = false;
    const long headers = ForEachRow("select tn,org,ndoc from stovan_prx0 where " + key.Receipt(), [&](_RecordsetPtr& rs) {
        if (found)
            return;
        found = true;
        tn = Field(rs, "tn");
        org = Field(rs, "org");
        ndoc = Field(rs, "ndoc");
    });
    const long rows = headers < 0 ? -1 : ForEachRow(FormatText(kLinesSelect, key.Receipt()), [&](_RecordsetPtr& rs) {
        CPrixodLine line;
        line.id = Field(rs, "id");
        line.name = Field(rs, "imat");
        line.unit = Field(rs, "iei");
        const CString price = Field(rs, "price");
        const CString s = Field(rs, "s");
        line.price = price.IsEmpty() ? price : ftoa(std::atof(price));
        line.kol = Field(rs, "kol");
        line.s = s.IsEmpty() ? s : ftoa(std::atof(s));
        lines.push_back(line);
    });
    if (rows < 0) {
        lines.clear();
        return FALSE;
    }
    return TRUE;
}

CPrixodRecord::Written CPrixodRecord::InsertHeader(const CPrixodKey& key)
{
    const CString sql = FormatText("insert into stovan_prx0 (d,prd,nv,ndoc,org,tn,npp) values (%s,%s,%s,%s,%s,%s,%s)",
                                   key.d, key.prd, key.nv, NullStr(ndoc), NumberOrNull(org), NumberOrNull(tn), key.npp);
    // Another user took the same new number first: the caller takes the next one.
    const int written = ExecuteSqlUnlessRefused(sql);
    return written > 0 ? Written::Done : written < 0 ? Written::Conflict : Written::Failed;
}

BOOL CPrixodRecord::InsertLines(const CPrixodKey& key)
{
    CString batch;
    for (const CPrixodLine& line : lines) {
        if (!Stored(line))
            continue;
        const CString id = WholeNumber(line.id);
        if (id.IsEmpty()) {
            AfxMessageBox("Нет такого материала: " + line.id);
            return FALSE;
        }
        batch += FormatText("insert into stovan_prx1 (d,prd,nv,npp,id,price,kol,s) values (%s,%s,%s,%s,%s,%s,%s,%s)\n",
                            key.d, key.prd, key.nv, key.npp, id, NullInt0(line.price), NullInt0(line.kol),
                            NullInt0(line.s));
    }
    return batch.IsEmpty() || ExecuteSql(batch, nullptr, 1, 1, -1);
}

BOOL CPrixodRecord::Save()
{
    CPrixodKey key;
    if (!Key(key, false))
        return FALSE;
    const bool typed = !key.npp.IsEmpty();
    // A new number that another user takes at the same moment is taken again once.
    for (int attempt = 0; attempt < 2; ++attempt) {
        CDbTransaction save;
        const bool existing = typed && ExecuteCount("select count(npp) as cnt from stovan_prx0 where " + key.Receipt()) > 0;
        if (existing) {
            if (!ExecuteSql("delete from stovan_prx0 where " + key.Receipt() + "\ndelete from stovan_prx1 where "
                            + key.Receipt()))
                return FALSE;
        } else {
            key.npp = WholeNumber(ExecuteString(SqlNextNumber("npp", "stovan_prx0", key.Day())));
            if (key.npp.IsEmpty())
                return FALSE;
        }
        switch (InsertHeader(key)) {
        case Written::Done:
            break;
        case Written::Conflict:
            if (!existing && attempt == 0)
                continue;
            AfxMessageBox("Приход с этим номером уже записан другим пользователем");
            return FALSE;
        case Written::Failed:
            return FALSE;
        }
        if (!InsertLines(key) || !save.Commit())
            return FALSE;
        npp = key.npp;
        return TRUE;
    }
    return FALSE;
}

BOOL CPrixodRecord::Delete()
{
    CPrixodKey key;
    if (!Key(key, true))
        return FALSE;
    CDbTransaction erase;
    if (!ExecuteSql("delete from stovan_prx0 where " + key.Receipt() + "\ndelete from stovan_prx1 where "
                    + key.Receipt()))
        return FALSE;
    return erase.Commit();
}

} // namespace nstovan
