// The requisition's save and delete, its printed page and its journal.
#include "CRashodView.h"

#include "CFormGridView.h"
#include "appcore.h"
#include "ncalcset.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <cstdlib>

namespace nstovan {

namespace {

enum Column { kCode = 1, kQuantity = 4, kRest = 5 };

const char* const kPageHeader =
    "<table width=100%% cellpadding=0 cellspacing=0 border=0><tr height=10><td colspan=6><i>%s</i></td></tr>"
    "<tr><td colspan=3 nowrap><b>Требование №:</b>&nbsp;<font size=3>%s</font></td><td align=right colspan=3>"
    "<b>Дата:</b> %s</td></tr><tr><td colspan=6><b>Подразделение:</b> %s</td></tr><tr><td colspan=6>"
    "<b>Ведомость:</b> %s</td></tr><tr><td colspan=6><b>Кому:</b> %s</td></tr><tr><td colspan=6><b>От кого:</b> "
    "%s</td></tr></table>%s";
const char* const kCell = "border:solid windowtext 1.0pt;";

CString Html(const CString& text)
{
    return CString(text.ToQString().toHtmlEscaped());
}

} // namespace

void CRashodView::BuildPage(const CRashodRecord& record)
{
    CString table = FormatText(
        "<table width=100%% cellpadding=2 cellspacing=0 style=\"border-collapse:collapse\"><tr>"
        "<td style=\"%s\">н/п</td><td style=\"%s\">код</td><td style=\"%s\">Наименование предметов</td>"
        "<td style=\"%s\">Изм.</td><td style=\"%s\">К-во</td><td style=\"%s\">"
        "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</td></tr>",
        kCell, kCell, kCell, kCell, kCell, kCell);
    for (size_t k = 0; k < record.lines.size(); ++k) {
        const CRashodLine& line = record.lines[k];
        table += FormatText("<tr height=25><td align=right style=\"%s\">%d</td><td align=right style=\"%s\">%s</td>"
                            "<td style=\"%s\">%s</td><td style=\"%s\">%s</td><td align=right style=\"%s\">%s</td>"
                            "<td style=\"%s\">&nbsp;</td></tr>",
                            kCell, int(k + 1), kCell, Html(line.id), kCell, Html(line.name), kCell, Html(line.unit),
                            kCell, Html(Number(line.kol, 0)), kCell);
    }
    table += "<tr height=40><td colspan=3 valign=bottom><b>Выдал:</b></td>"
             "<td colspan=3 valign=bottom><b>Получил:</b></td></tr></table>";
    CString numberText = record.ntreb;
    m_strPage = FormatText(kPageHeader, Html(GetConstant("ORG_NAME")), Html(numberText), Html(DMG(record.date, 1, 0)),
                           Html(GetFromSPR("spr_stovan_prd", record.prd, nullptr)),
                           Html(GetFromSPR("nv", record.nv, nullptr)), Html(GetFio(utoa(g_lTN))),
                           Html(GetFio(record.tn)), table);
}

void CRashodView::PrintRequisition(int flag)
{
    if (Text(IDC_NTREB).Trim().IsEmpty()) {
        Refuse(IDC_NTREB, "Укажите № требования", false);
        return;
    }
    const CString html = FormatText("<table width=740 cellpadding=0 cellspacing=0 border=0><tr><td width=45%% "
                                    "valign=top>%s</td><td width=3%%>&nbsp;</td><td width=45%% valign=top>%s</td>"
                                    "</tr></table>",
                                    m_strPage, m_strPage);
    CHelpers::DisplayMessage(html, "Требование", 0, 9, "", -1, flag);
}

void CRashodView::SaveRequisition()
{
    CWaitCursor wait;
    if (!CheckRead())
        return;
    const CString date = Text(IDC_DATE).Trim();
    if (date.IsEmpty()) {
        Refuse(IDC_DATE, "Укажите дату выдачи", false);
        return;
    }
    const CString day = DMG(date, 1, 0);
    if (day.IsEmpty()) {
        Refuse(IDC_DATE, nullptr, true);
        return;
    }
    struct Check {
        int field;
        BOOL failed;
        const char* message;
        bool select;
    };
    const CString prd = Text(IDC_PRD).Trim(), nv = Text(IDC_NV).Trim(), org = Text(IDC_ORG).Trim(),
                  tn = Text(IDC_TN).Trim(), kab = Text(IDC_KAB).Trim();
    const Check checks[] = {
        {IDC_PRD, prd.IsEmpty(), "Укажите подразделение", false},
        {IDC_PRD, !SprOk("spr_stovan_prd", prd), "Нет такого подразделения", true},
        {IDC_NV, nv.IsEmpty(), "Укажите Ведомость", false},
        {IDC_NV, !SprOk("nv", nv), "Нет такой ведомости", true},
        {IDC_ORG, org.IsEmpty() && tn.IsEmpty(), "Укажите организацию или табельный №", false},
        {IDC_ORG, !org.IsEmpty() && !tn.IsEmpty(), "Только организацию или табельный №", true},
        {IDC_ORG, !org.IsEmpty() && !SprOk("spr_org", org), "Нет такой организации", true},
        {IDC_TN, !tn.IsEmpty() && !TnOk(tn), "Нет такого работника", true},
        {IDC_KAB, kab.IsEmpty(), "Укажите № кабинета", false},
        {IDC_KAB, !SprOk("kab", kab), "Нет такого кабинета", true},
    };
    // The refusals in order: the first that holds is said.
    for (const Check& c : checks)
        if (c.failed) {
            Refuse(c.field, c.message, c.select);
            return;
        }
    long year = 0, month = 0;
    if (!otp(day, year, month) || year != g_lYear || month != g_lMonth) {
        Refuse(IDC_DATE, "Дата не вашего отчетного периода", true);
        return;
    }
    CheckStock();
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        if (m_grid.GetCellValue(kCode, row).Trim().IsEmpty())
            continue;
        const char* refusal = nullptr;
        if (std::atof(NullInt0(m_grid.GetCellValue(kQuantity, row))) <= 0)
            refusal = "Укажите расход";
        else if (std::atof(NullInt0(m_grid.GetCellValue(kRest, row))) < 0)
            refusal = "Остаток меньше нуля";
        if (refusal) {
            AfxMessageBox(refusal);
            m_grid.SetCurCell(kQuantity, row);
            m_grid.SetFocus();
            return;
        }
    }
    if (AfxMessageBox("Записать изменения ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    CRashodRecord record = Fields();
    record.date = day;
    long shortLine = -1;
    bool created = false;
    if (!record.Save(shortLine, created)) {
        if (shortLine >= 0) {
            // Another issue took the stock meanwhile.
            CheckStock();
            AfxMessageBox("Остаток меньше нуля");
            m_grid.SetCurCell(kQuantity, shortLine);
            m_grid.SetFocus();
        }
        return;
    }
    if (Text(IDC_NTREB) == record.ntreb)
        LoadRequisition();
    else
        SetDlgItemText(IDC_NTREB, record.ntreb);
    if (created)
        PostMessage(WM_COMMAND, ID_PRINT_REQUISITION);
    Refuse(IDC_NTREB, nullptr, true);
}

void CRashodView::DeleteRequisition()
{
    if (!CheckRead())
        return;
    if (Text(IDC_NTREB).Trim().IsEmpty()) {
        Refuse(IDC_NTREB, "Укажите № требования", false);
        return;
    }
    if (AfxMessageBox("Удалить эту запись ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (!Fields().Delete())
        return;
    SetDlgItemText(IDC_NTREB, "");
    Refuse(IDC_NTREB, nullptr, false);
}

namespace {

void __stdcall FillJournal(CderivedDocument* document, CFormView* view, const char* text)
{
    auto* form = dynamic_cast<CFormGridView*>(view);
    if (!document || !form)
        return;
    const CString parameter(text ? text : "");
    const long long handle = std::atoll(GetPart(parameter, ":", 1));
    document->SetAnswer(CWnd::FromHandle(reinterpret_cast<HWND>(static_cast<UINT_PTR>(handle))),
                        std::atoi(GetPart(parameter, ":", 2)), -1);
    document->m_nAnswerMode = -2;
    CCellwork& grid = form->m_grid;
    struct Column {
        const char* caption;
        int width;
        bool centred;
    };
    const Column columns[] = {{"№ Треб.", 10, true}, {"Дата", 15, false}, {"подр.", 7, true}, {"вед.", 7, true},
                              {"Таб.№", 10, true},   {"Ф.И.О.", 60, false}, {"каб.", 10, true}};
    grid.SetNRows(0);
    grid.SetNCols(long(std::size(columns)));
    for (long col = 0; col < long(std::size(columns)); ++col) {
        grid.SetColCaption(col, columns[col].caption);
        grid.SetColWidth(col, columns[col].width);
        if (columns[col].centred)
            grid.SetColAlign(col, 2);
    }
    grid.SetShowFullRow(1);
    const CString sql = FormatText(
        "select ntreb,stovan_rsx0.d,stovan_rsx0.prd,stovan_rsx0.nv,coalesce(%s,%s) as who,"
        "coalesce(spr_org.name,%s) as whom,stovan_rsx0.kab from stovan_rsx0 left join spr_org on spr_org.id=org "
        "left join tn on tn.tn=stovan_rsx0.tn where stovan_rsx0.d>=%s and stovan_rsx0.d<=%s "
        "order by ntreb,stovan_rsx0.prd",
        SqlAsText("stovan_rsx0.org"), SqlAsText("stovan_rsx0.tn"), GL_SqlFio(),
        ChangeDateUS0(GetOtpD1(g_lYear, g_lMonth), 0), ChangeDateUS0(GetOtpD2(g_lYear, g_lMonth), 0));
    appcore::FillGridFromQuery(grid, sql, false);
    grid.KeepRatio();
    if (grid.GetNRows() > 0)
        grid.SetCurCell(0, 0);
    grid.SetFocus();
}

} // namespace

void CRashodView::OnJournal()
{
    CHelpers::FN_OpenDocument("CellworkForm", GetDocument()->GetTitle() + " за " + GetMonthName(g_lMonth), -1, 0,
                              800, MaxY(), FormatText("%s:%d:%s", utoa(this), IDC_JOURNAL_ANSWER, Text(IDC_DATE)),
                              nullptr, this, nullptr, nullptr, FillJournal, -1, nullptr);
}

void CRashodView::OnJournalAnswer()
{
    const CString answer = Text(IDC_JOURNAL_ANSWER);
    if (answer.IsEmpty())
        return;
    SetDlgItemText(IDC_JOURNAL_ANSWER, "");
    // The department and date first, so the number loads that department's requisition.
    SetDlgItemText(IDC_PRD, GetPart(answer, "~", 3));
    SetDlgItemText(IDC_DATE, GetPart(answer, "~", 2));
    const CString number = GetPart(answer, "~", 1);
    if (Text(IDC_NTREB) == number)
        LoadRequisition();
    else
        SetDlgItemText(IDC_NTREB, number);
    m_editNumber.SetFocus();
}

} // namespace nstovan
