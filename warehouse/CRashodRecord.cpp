#include "CRashodRecord.h"

#include "CPrixodRecord.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "DbLossWatch.h"

#include <cstdlib>
#include <map>

namespace nstovan {

namespace {

CString Field(_Recordset* rs, const char* name)
{
    return SafeArayToString(rs->GetCollect(name));
}

CString OrNull(const CString& value)
{
    return value.IsEmpty() ? CString("NULL") : value;
}

// The working month's bounds as literals.
CString MonthCondition()
{
    return FormatText("d>=%s and d<=%s", ChangeDateUS0(GetOtpD1(g_lYear, g_lMonth), 0),
                      ChangeDateUS0(GetOtpD2(g_lYear, g_lMonth), 0));
}

double Quantity(const CString& text)
{
    return std::atof(NullInt0(text));
}

// The quantities of the rows of `where` per material, read with their update
// lock (in material order, so two saves lock the same rows in the same order).
BOOL LockedSums(const CString& table, const CString& where, std::map<CString, double>& sums)
{
    return ForEachRow(SqlLockRow("id,kol", table, where + " order by id"), [&](_RecordsetPtr& row) {
               sums[SafeArayToString(row->GetCollect(0L))] += std::atof(SafeArayToString(row->GetCollect(1L)));
           }) >= 0;
}

} // namespace

bool CRashodRecord::Literals(CString& d, CString& department, CString& statement, CString& number,
                             bool withNumber) const
{
    const CString day = DMG(date, 1, 0);
    d = day.IsEmpty() ? CString() : ChangeDateUS0(day, 0);
    department = WholeNumber(prd);
    statement = WholeNumber(nv);
    number = WholeNumber(ntreb);
    return !d.IsEmpty() && !department.IsEmpty() && !statement.IsEmpty() && (!withNumber || !number.IsEmpty());
}

CRashodRecord::Found CRashodRecord::Load()
{
    lines.clear();
    const CString number = WholeNumber(ntreb);
    if (number.IsEmpty())
        return Found::None;
    CString where = "ntreb=" + number + " and " + MonthCondition();
    const CString department = WholeNumber(prd);
    if (!department.IsEmpty()) {
        where += " and prd=" + department;
    } else {
        const long long departments = ExecuteCount("select count(distinct prd) as cnt from stovan_rsx0 where " + where);
        if (departments > 1)
            return Found::SeveralDepartments;
    }
    // Through the layer: a connection the server dropped is opened again.
    bool found = false;
    const long headers = ForEachRow("select d,prd,nv,tn,org,kab from stovan_rsx0 where " + where, [&](_RecordsetPtr& rs) {
        if (found)
            return;
        found = true;
        date = Field(rs, "d");
        prd = Field(rs, "prd");
        nv = Field(rs, "nv");
        tn = Field(rs, "tn");
        org = Field(rs, "org");
        kab = Field(rs, "kab");
    });
    if (headers < 0)
        return Found::Failed;
    if (!found)
        return Found::None;
    const long rows = ForEachRow(
        FormatText("select stovan_rsx1.id,stovan_rsx1.kol,stovan_rsx1.ost,spr_stovan_mat.name as imat,spr_ei.name as "
                   "iei from stovan_rsx1 left join spr_stovan_mat on spr_stovan_mat.id=stovan_rsx1.id "
                   "left join spr_ei on spr_ei.id=spr_stovan_mat.ei where ntreb=%s and d=%s and prd=%s "
                   "order by stovan_rsx1.id",
                   number, ChangeDateUS0(date, 0), WholeNumber(prd)),
        [&](_RecordsetPtr& rs) {
            lines.push_back({Field(rs, "id"), Field(rs, "imat"), Field(rs, "iei"), Field(rs, "kol"), Field(rs, "ost")});
        });
    if (rows < 0) {
        lines.clear();
        return Found::Failed;
    }
    return Found::Loaded;
}

BOOL CRashodRecord::Stock(const CString& material, double& stock) const
{
    const CString department = WholeNumber(prd);
    const CString statement = WholeNumber(nv);
    const CString id = WholeNumber(material);
    if (department.IsEmpty() || statement.IsEmpty() || id.IsEmpty())
        return FALSE;
    CString own;
    CString d, p, s, number;
    if (Literals(d, p, s, number, true))
        own = FormatText(" and not (d=%s and ntreb=%s)", d, number);
    const CString movements = FormatText("prd=%s and nv=%s and id=%s", department, statement, id);
    const CString text = ExecuteString(
        "select coalesce(sum(kol),0) as str from (select kol from stovan_prx1 where " + movements
        + " union all select -kol from stovan_rsx1 where " + movements + own + ") q");
    if (text.IsEmpty())
        return FALSE;
    stock = std::atof(text);
    return TRUE;
}

BOOL CRashodRecord::ComputeRemainders()
{
    std::map<CString, double> left;
    for (CRashodLine& line : lines) {
        const CString id = WholeNumber(line.id);
        if (id.IsEmpty()) {
            line.ost.Empty();
            continue;
        }
        if (!left.count(id)) {
            double stock = 0;
            if (!Stock(id, stock)) {
                line.ost.Empty();
                continue;
            }
            left[id] = stock;
        }
        left[id] -= Quantity(line.kol);
        line.ost = FormatNumber(left[id], "-", 5);
    }
    return TRUE;
}

long CRashodRecord::FirstShortLine() const
{
    for (size_t i = 0; i < lines.size(); ++i)
        if (!lines[i].id.IsEmpty() && !lines[i].ost.IsEmpty() && std::atof(lines[i].ost) < 0)
            return long(i);
    return -1;
}

BOOL CRashodRecord::WriteLines(const CString& d, const CString& department, const CString& statement,
                               const CString& number)
{
    CString batch;
    for (const CRashodLine& line : lines) {
        const CString id = WholeNumber(line.id);
        if (id.IsEmpty() || Quantity(line.kol) == 0)
            continue;
        batch += FormatText("insert into stovan_rsx1 (ntreb,d,prd,nv,id,kol,ost) values (%s,%s,%s,%s,%s,%s,%s)\n",
                            number, d, department, statement, id, NullInt0(line.kol), NullInt0(line.ost));
    }
    return batch.IsEmpty() || ExecuteSql(batch, nullptr, 1, 1, -1);
}

BOOL CRashodRecord::Save(long& shortLine, bool& created)
{
    shortLine = -1;
    created = false;
    CString d, department, statement, number;
    if (!Literals(d, department, statement, number, false))
        return FALSE;
    const CString typed = number;
    for (int attempt = 0; attempt < 2; ++attempt) {
        CDbTransaction save;
        const CString own = FormatText("d=%s and prd=%s and ntreb=%s", d, department, typed);
        const bool existing = !typed.IsEmpty()
            && ExecuteCount("select count(ntreb) as cnt from stovan_rsx0 where " + own) > 0;
        if (existing
            && !ExecuteSql("delete from stovan_rsx0 where " + own + "\ndelete from stovan_rsx1 where " + own))
            return FALSE;
        // The stock of every material again, its rows locked in material order
        // so two issues of one material wait for each other.
        std::map<CString, double> left;
        for (const CRashodLine& line : lines)
            if (!WholeNumber(line.id).IsEmpty() && Quantity(line.kol) != 0)
                left[WholeNumber(line.id)] = 0;
        if (!left.empty()) {
            CString ids;
            for (const auto& entry : left)
                ids += (ids.IsEmpty() ? "" : ",") + entry.first;
            const CString movements = FormatText("prd=%s and nv=%s and id in (%s)", department, statement, ids);
            std::map<CString, double> received, issued;
            if (!LockedSums("stovan_prx1", movements, received) || !LockedSums("stovan_rsx1", movements, issued))
                return FALSE;
            for (auto& [id, stock] : left)
                stock = received[id] - issued[id];
        }
        for (size_t i = 0; i < lines.size(); ++i) {
            const CString id = WholeNumber(lines[i].id);
            if (id.IsEmpty() || Quantity(lines[i].kol) == 0)
                continue;
            left[id] -= Quantity(lines[i].kol);
            lines[i].ost = FormatNumber(left[id], "-", 5);
            if (left[id] < 0) {
                shortLine = long(i);
                return FALSE;
            }
        }
        number = typed;
        if (number.IsEmpty()) {
            number = WholeNumber(ExecuteString(
                SqlNextNumber("ntreb", "stovan_rsx0", MonthCondition() + " and prd=" + department)));
            if (number.IsEmpty())
                return FALSE;
        }
        const CString header = FormatText("insert into stovan_rsx0 (ntreb,d,prd,nv,kab,org,tn) values "
                                          "(%s,%s,%s,%s,%s,%s,%s)",
                                          number, d, department, statement, NullStr(kab), OrNull(WholeNumber(org)),
                                          OrNull(WholeNumber(tn)));
        const int written = ExecuteSqlUnlessRefused(header);
        if (written == 0)
            return FALSE;
        if (written < 0) {
            // Another user took the same new number first: take the next one.
            if (typed.IsEmpty() && attempt == 0)
                continue;
            AfxMessageBox("Требование с этим номером в этом месяце уже есть");
            return FALSE;
        }
        if (!WriteLines(d, department, statement, number) || !save.Commit())
            return FALSE;
        created = !existing;
        ntreb = number;
        return TRUE;
    }
    return FALSE;
}

BOOL CRashodRecord::Delete()
{
    CString d, department, statement, number;
    const CString day = DMG(date, 1, 0);
    d = day.IsEmpty() ? CString() : ChangeDateUS0(day, 0);
    department = WholeNumber(prd);
    number = WholeNumber(ntreb);
    if (d.IsEmpty() || department.IsEmpty() || number.IsEmpty())
        return FALSE;
    const CString own = FormatText("d=%s and prd=%s and ntreb=%s", d, department, number);
    CDbTransaction erase;
    if (!ExecuteSql("delete from stovan_rsx0 where " + own + "\ndelete from stovan_rsx1 where " + own))
        return FALSE;
    return erase.Commit();
}

} // namespace nstovan
