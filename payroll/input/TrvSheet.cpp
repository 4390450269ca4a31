#include "TrvSheet.h"

#include "MonthlyGrid.h"
#include "PayrollSql.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "tariffication/StaffNumbers.h"

#include <map>
#include <string>

namespace npaymar {

namespace {

const char* FigureCaption(TrvMode mode, bool calendar)
{
    if (calendar)
        return "Кал-х";
    return mode == TrvMode::Hours ? "Часы" : "Дней";
}

std::string Key(const CString& tn, const CString& npp = CString(), const CString& nv = CString())
{
    return FormatText("%s/%s/%s", tn, npp, nv).ToStdString();
}

struct Keyed {
    CString tn, npp;
};

// The personnel and position numbers of every entry (checked before).
std::vector<Keyed> KeysOf(TrvMode mode, const std::vector<TrvEntry>& entries)
{
    std::vector<Keyed> keys;
    for (const TrvEntry& entry : entries) {
        Keyed k;
        if (mode == TrvMode::Employees)
            nvenzol::CheckedNumber(entry.key, k.tn);
        else
            SplitPositionKey(entry.key, k.tn, k.npp);
        keys.push_back(k);
    }
    return keys;
}

CString EmployeeList(const std::vector<Keyed>& keys)
{
    std::vector<CString> numbers;
    for (const Keyed& k : keys)
        numbers.push_back(k.tn);
    return NumberList(numbers);
}

// The main pay sheet of each listed employee who has one.
bool ReadMainSheets(const CString& employees, std::map<long, CString>& sheets)
{
    return ForEachRow(FormatText("select tn,nv from tn where nv is not null and tn in (%s)", employees),
                      [&](_RecordsetPtr& row) {
                          sheets[atol(SafeArayToString(row->GetCollect(0L)))] = SafeArayToString(row->GetCollect(1L));
                      })
        >= 0;
}

} // namespace

bool TrvModeOf(int kind, TrvMode& mode)
{
    if (kind < 0 || kind > 2)
        return false;
    mode = TrvMode(kind);
    return true;
}

CString TrvLoadSql(TrvMode mode, const CString& prd)
{
    const CString first = MonthStartLiteral();
    const CString fio = GL_SqlFio();
    if (mode == TrvMode::Employees) {
        // Whether an employee without days is listed is read here too: not
        // when he has rows and every one ended before the month.
        return FormatText(
            "select tn.tn,%s as fio,ssv.name as idol,paymar_trv.dn,paymar_trv.kl,case when exists(select b.npp "
            "from paymar_bux b where b.tn=tn.tn and b.d2<%s) and not exists(select b.npp from paymar_bux b where "
            "b.tn=tn.tn and (b.d2 is null or b.d2>=%s)) then 0 else 1 end as listed from tn left join paymar_trv on "
            "paymar_trv.tn=tn.tn and paymar_trv.g=%ld and paymar_trv.ms=%ld left join ssv on ssv.id=tn.dol where "
            "tn.kat is not null and tn.prd=%s and (tn.du is null or (tn.du is not null and tn.du>=%s)) order by "
            "tn.kat,tn.tn",
            fio, first, first, g_lYear, g_lMonth, prd, first);
    }
    const CString key = PositionKey();
    const CString rest = FormatText(
        "paymar_bux.kat is not null and paymar_bux.prd=%s and (tn.du is null or (tn.du is not null and "
        "tn.du>=%s)) and (paymar_bux.d2 is null or (paymar_bux.d2 is not null and paymar_bux.d2>=%s))",
        prd, first, first);
    if (mode == TrvMode::Positions) {
        return FormatText(
            "select paymar_bux.kat,sum(paymar_dopl.s) as dopls,%s as tn,%s as fio,spr_paymar_dol.name as "
            "idol,paymar_trv_dol.dn,paymar_bux.kou from paymar_bux left join paymar_trv_dol on "
            "paymar_trv_dol.tn=paymar_bux.tn and paymar_trv_dol.npp=paymar_bux.npp and paymar_trv_dol.g=%ld and "
            "paymar_trv_dol.ms=%ld left join spr_paymar_dol on spr_paymar_dol.id=paymar_bux.dol left join tn on "
            "tn.tn=paymar_bux.tn left join paymar_dopl on paymar_dopl.tn=paymar_bux.tn and "
            "paymar_dopl.npp=paymar_bux.npp and (paymar_dopl.s is not null or paymar_dopl.s>0) where %s group by "
            "paymar_bux.kat,paymar_bux.tn,paymar_bux.npp,tn.f,tn.i,tn.o,spr_paymar_dol.name,paymar_trv_dol.dn,"
            "paymar_bux.kou order by paymar_bux.kat,paymar_bux.tn+0,paymar_bux.npp+0",
            key, fio, g_lYear, g_lMonth, rest);
    }
    // The hours of the employee's main pay sheet only: the other sheets'
    // hours are the hours form's.
    return FormatText(
        "select paymar_bux.kat,%s as tn,%s as fio,spr_paymar_dol.name as idol,paymar_trv_chas.ch as dn from "
        "paymar_bux left join tn on tn.tn=paymar_bux.tn left join paymar_trv_chas on "
        "paymar_trv_chas.tn=paymar_bux.tn and paymar_trv_chas.npp=paymar_bux.npp and paymar_trv_chas.g=%ld and "
        "paymar_trv_chas.ms=%ld and paymar_trv_chas.nv=tn.nv left join spr_paymar_dol on "
        "spr_paymar_dol.id=paymar_bux.dol where (paymar_bux.staj=1 or paymar_trv_chas.ch>0) and %s group by "
        "paymar_bux.kat,paymar_bux.tn,paymar_bux.npp,tn.f,tn.i,tn.o,spr_paymar_dol.name,paymar_trv_chas.ch order by "
        "paymar_bux.kat,paymar_bux.tn+0,paymar_bux.npp+0",
        key, fio, g_lYear, g_lMonth, rest);
}

bool ReadTrvRows(TrvMode mode, const CString& prd, std::vector<std::vector<CString>>& rows)
{
    return ForEachRow(TrvLoadSql(mode, prd), [&](_RecordsetPtr& record) {
               auto text = [&record](const char* column) { return SafeArayToString(record->GetCollect(column)); };
               const CString days = text("dn");
               bool listed = !days.IsEmpty();
               if (!listed && mode == TrvMode::Employees)
                   listed = atol(text("listed")) != 0;
               if (!listed && mode == TrvMode::Positions) {
                   // Paid by the piece or by the hour, or with allowances.
                   const long kou = atol(text("kou"));
                   listed = kou == 2 || kou == 3 || !text("dopls").IsEmpty();
               }
               if (!listed && mode == TrvMode::Hours)
                   listed = true;
               if (!listed)
                   return;
               std::vector<CString> cells = {text("tn"), text("fio"), text("idol"), ShownFigure(days)};
               if (mode == TrvMode::Employees)
                   cells.push_back(ShownFigure(text("kl")));
               rows.push_back(std::move(cells));
           })
        >= 0;
}

bool CheckTrvEntries(TrvMode mode, const std::vector<TrvEntry>& entries, long& row, long& col, CString& message)
{
    std::vector<Keyed> keys(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const TrvEntry& entry = entries[i];
        row = long(i);
        col = 0;
        const bool keyed = mode == TrvMode::Employees ? nvenzol::CheckedNumber(entry.key, keys[i].tn)
                                                      : SplitPositionKey(entry.key, keys[i].tn, keys[i].npp);
        if (!keyed) {
            message = mode == TrvMode::Employees
                          ? FormatText("Строка %ld: «%s» не указывает табельный номер", row + 1, entry.key)
                          : PositionKeyRefusal(row, entry.key);
            return false;
        }
        const std::pair<const CString*, long> figures[] = {{&entry.value, 3}, {&entry.calendar, 4}};
        for (const auto& [text, column] : figures) {
            CString sql;
            if (column == 4 && mode != TrvMode::Employees)
                continue;
            if (!CellFigure(*text, sql)) {
                col = column;
                message = FigureRefusal(row, keys[i].tn, FigureCaption(mode, column == 4), *text);
                return false;
            }
        }
    }
    if (mode != TrvMode::Hours)
        return true;
    // Hours are kept on the employee's main pay sheet: he must have one.
    std::map<long, CString> sheets;
    if (!entries.empty() && !ReadMainSheets(EmployeeList(keys), sheets)) {
        row = -1;
        message.Empty();
        return false;
    }
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!entries[i].value.ToQString().trimmed().isEmpty() && !sheets.count(atol(keys[i].tn))) {
            row = long(i);
            col = 3;
            message = FormatText("Строка %ld, таб. № %s: у работника не указана основная ведомость", row + 1,
                                 keys[i].tn);
            return false;
        }
    }
    return true;
}

BOOL WriteTrvEntries(TrvMode mode, const std::vector<TrvEntry>& entries)
{
    if (entries.empty())
        return TRUE;
    const std::vector<Keyed> keys = KeysOf(mode, entries);
    const long y = g_lYear;
    const long m = g_lMonth;
    CDbTransaction save;
    const CString employees = EmployeeList(keys);
    const CString month = FormatText("g=%ld and ms=%ld and tn in (%s)", y, m, employees);
    std::map<long, CString> sheets;
    if (mode == TrvMode::Hours && !ReadMainSheets(employees, sheets))
        return FALSE;
    // The month's stored records of the rows, under their update lock; in
    // the hours mode with whether they keep plan hours.
    std::map<std::string, bool> stored;
    static const char* const tables[] = {"paymar_trv", "paymar_trv_dol", "paymar_trv_chas"};
    static const char* const columns[] = {"tn", "tn,npp", "tn,npp,nv,pl"};
    const long read =
        ForEachRow(SqlLockRow(columns[int(mode)], tables[int(mode)], month), [&](_RecordsetPtr& row) {
            auto text = [&row](long i) { return SafeArayToString(row->GetCollect(i)); };
            if (mode == TrvMode::Employees)
                stored[Key(text(0L))] = false;
            else if (mode == TrvMode::Positions)
                stored[Key(text(0L), text(1L))] = false;
            else
                stored[Key(text(0L), text(1L), text(2L))] = !text(3L).IsEmpty();
        });
    if (read < 0)
        return FALSE;
    CString batch;
    for (size_t i = 0; i < entries.size(); ++i) {
        const CString& tn = keys[i].tn;
        const CString& npp = keys[i].npp;
        CString value, calendar;
        CellFigure(entries[i].value, value);
        CellFigure(entries[i].calendar, calendar);
        const bool empty = value == "NULL" && (mode != TrvMode::Employees || calendar == "NULL");
        CString sql;
        if (mode == TrvMode::Employees) {
            const bool isStored = stored.count(Key(tn)) > 0;
            if (empty)
                sql = isStored ? FormatText("delete from paymar_trv where tn=%s and g=%ld and ms=%ld", tn, y, m)
                               : CString();
            else if (isStored)
                sql = FormatText("update paymar_trv set dn=%s,kl=%s where tn=%s and g=%ld and ms=%ld", value,
                                 calendar, tn, y, m);
            else
                sql = FormatText("insert into paymar_trv (tn,g,ms,dn,kl) values (%s,%ld,%ld,%s,%s)", tn, y, m, value,
                                 calendar);
        } else if (mode == TrvMode::Positions) {
            const bool isStored = stored.count(Key(tn, npp)) > 0;
            if (empty)
                sql = isStored ? FormatText("delete from paymar_trv_dol where tn=%s and g=%ld and ms=%ld and npp=%s",
                                            tn, y, m, npp)
                               : CString();
            else if (isStored)
                sql = FormatText("update paymar_trv_dol set dn=%s where tn=%s and npp=%s and g=%ld and ms=%ld", value,
                                 tn, npp, y, m);
            else
                sql = FormatText("insert into paymar_trv_dol (tn,npp,g,ms,dn) values (%s,%s,%ld,%ld,%s)", tn, npp, y,
                                 m, value);
        } else {
            const auto sheet = sheets.find(atol(tn));
            if (sheet == sheets.end()) {
                if (empty)
                    continue;
                ReportDBProblem(DbErrorKind::Other,
                                FormatText("Часы не записаны: у работника с таб. № %s нет основной ведомости", tn));
                return FALSE;
            }
            const CString& nv = sheet->second;
            const auto found = stored.find(Key(tn, npp, nv));
            const CString where =
                FormatText("tn=%s and npp=%s and g=%ld and ms=%ld and nv=%s", tn, npp, y, m, nv);
            if (empty && found != stored.end())
                // Plan hours stay: then only the worked hours go.
                sql = found->second ? "update paymar_trv_chas set ch=NULL where " + where
                                    : "delete from paymar_trv_chas where " + where;
            else if (!empty && found != stored.end())
                sql = FormatText("update paymar_trv_chas set ch=%s where ", value) + where;
            else if (!empty)
                sql = FormatText("insert into paymar_trv_chas (tn,npp,g,ms,nv,ch) values (%s,%s,%ld,%ld,%s,%s)", tn,
                                 npp, y, m, nv, value);
        }
        if (!sql.IsEmpty())
            batch += sql + ";\n";
    }
    if (!batch.IsEmpty() && !ExecuteSql(batch))
        return FALSE;
    return save.Commit();
}

} // namespace npaymar
