#include "NightHours.h"

#include "MonthlyGrid.h"
#include "gridbase.h"
#include "ncalcset.h"
#include "ndbcore.h"
#include "tariffication/StaffNumbers.h"

namespace npaymar {

namespace {

bool Blank(const CString& text)
{
    return CString(text).Trim().IsEmpty();
}

bool EmptyLine(const NightLine& line)
{
    return Blank(line.tn) && Blank(line.npp) && Blank(line.hours) && Blank(line.kou);
}

} // namespace

CString NightLoadSql()
{
    return FormatText("select paymar_noch.tn,%s as fio,paymar_noch.npp,spr_paymar_dol.name as idol,paymar_noch.ch,"
                      "paymar_noch.kou from paymar_noch left join tn on tn.tn=paymar_noch.tn left join paymar_bux on "
                      "paymar_bux.tn=paymar_noch.tn and paymar_bux.npp=paymar_noch.npp left join spr_paymar_dol on "
                      "spr_paymar_dol.id=paymar_bux.dol where paymar_noch.g=%ld and paymar_noch.ms=%ld order by "
                      "paymar_noch.tn,paymar_noch.npp,paymar_noch.id",
                      GL_SqlFio(), g_lYear, g_lMonth);
}

bool ReadNightLines(std::vector<std::vector<CString>>& rows)
{
    return ForEachRow(NightLoadSql(), [&rows](_RecordsetPtr& record) {
               auto text = [&record](const char* column) { return SafeArayToString(record->GetCollect(column)); };
               rows.push_back({text("tn"), text("fio"), text("npp"), text("idol"), ShownFigure(text("ch")),
                               text("kou")});
           })
        >= 0;
}

bool CheckNightLines(const std::vector<NightLine>& lines, long& row, long& col, CString& message)
{
    for (size_t i = 0; i < lines.size(); ++i) {
        const NightLine& line = lines[i];
        if (EmptyLine(line))
            continue;
        row = long(i);
        CString tn, npp, hours, kou;
        auto refuse = [&](long column, const CString& text) {
            col = column;
            message = text;
            return false;
        };
        if (Blank(line.tn))
            return refuse(0, "Укажите Табельный №");
        if (!nvenzol::CheckedNumber(line.tn, tn) || !TnOk(tn))
            return refuse(0, "Нет такого Табельного номера");
        if (Blank(line.npp))
            return refuse(2, "Укажите н/п в бухгалтерской книге");
        if (!nvenzol::CheckedNumber(line.npp, npp)
            || ExecuteCount(FormatText("select count(npp) as cnt from paymar_bux where tn=%s and npp=%s", tn, npp))
                   == 0)
            return refuse(2, "Нет такого н/п в бухгалтерской книге");
        if (!CellFigure(line.hours, hours))
            return refuse(4, FigureRefusal(row, tn, "Часов", line.hours));
        if (atof(hours) == 0)
            return refuse(4, "Укажите количество часов");
        if (Blank(line.kou))
            return refuse(5, "Укажите код оплат");
        if (!nvenzol::CheckedNumber(line.kou, kou) || !SprOk("spr_vou", kou))
            return refuse(5, "Нет такого кода оплат");
    }
    return true;
}

BOOL WriteNightLines(const std::vector<NightLine>& lines)
{
    // The list is the whole institution's: the month is replaced whole.
    CString batch = FormatText("delete from paymar_noch where g=%ld and ms=%ld;\n", g_lYear, g_lMonth);
    for (const NightLine& line : lines) {
        if (EmptyLine(line))
            continue;
        CString tn, npp, hours, kou;
        nvenzol::CheckedNumber(line.tn, tn);
        nvenzol::CheckedNumber(line.npp, npp);
        CellFigure(line.hours, hours);
        nvenzol::CheckedNumber(line.kou, kou);
        batch += FormatText("insert into paymar_noch (g,ms,tn,npp,ch,kou) values (%ld,%ld,%s,%s,%s,%s);\n", g_lYear,
                            g_lMonth, tn, npp, hours, kou);
    }
    CDbTransaction save;
    if (!ExecuteSql(batch))
        return FALSE;
    return save.Commit();
}

} // namespace npaymar
