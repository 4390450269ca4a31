// The receipt's choosers of what was received on a day: the day's departments
// and statements (answered joined by "~" into a hidden edit), the day's
// receipts (their н/п), the days of the working month with receipts, and the
// day's departments and statements in their books' choosers.
#include "CPrixodView.h"

#include "CFormGridView.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <cstdlib>

namespace nstovan {

namespace {

struct ChooserColumn {
    const char* caption;
    int width;
    int align;  // 2 centred, -1 as the grid has it
};

struct ChooserLayout {
    std::vector<ChooserColumn> columns;
    bool together;       // the row's cells joined by "~" (answer mode -2)
    bool lastCurrent;    // the last row current, as the End key makes it
};

const char* const kDayRowsQuery =
    "select distinct stovan_prx0.prd,spr_stovan_prd.name as iprd,stovan_prx0.nv,nv.name as inv from stovan_prx0 "
    "left join nv on nv.id=nv left join spr_stovan_prd on spr_stovan_prd.id=prd where d=%s order by prd,nv";

const char* const kReceiptsQuery =
    "select npp,org,spr_org.name as iorg,stovan_prx0.tn,%s as fio,ndoc from stovan_prx0 "
    "left join spr_org on spr_org.id=org left join tn on tn.tn=stovan_prx0.tn "
    "where d=%s and stovan_prx0.prd=%s and stovan_prx0.nv=%s order by npp";

const char* const kDaysQuery = "select distinct d from stovan_prx0 where d>=%s and d<=%s order by d";

// The parameter's part n (from 1) as SQL: a date literal or a checked number.
CString DateLiteral(const CString& parameter, int part)
{
    const CString day = DMG(GetPart(parameter, ":", part), 1, 0);
    return day.IsEmpty() ? CString("NULL") : ChangeDateUS0(day, 0);
}

CString NumberLiteral(const CString& parameter, int part)
{
    const CString number = WholeNumber(GetPart(parameter, ":", part));
    return number.IsEmpty() ? CString("NULL") : number;
}

void Fill(CderivedDocument* document, CFormView* view, const char* text, const ChooserLayout& layout,
          const CString& sql)
{
    auto* form = dynamic_cast<CFormGridView*>(view);
    if (!document || !form)
        return;
    const CString parameter(text ? text : "");
    const long long handle = std::atoll(GetPart(parameter, ":", 1));
    CWnd* answer = CWnd::FromHandle(reinterpret_cast<HWND>(static_cast<UINT_PTR>(handle)));
    document->SetAnswer(answer, std::atoi(GetPart(parameter, ":", 2)), -1);
    if (layout.together)
        document->m_nAnswerMode = -2;
    CCellwork& grid = form->m_grid;
    grid.SetNRows(0);
    grid.SetNCols(long(layout.columns.size()));
    for (long col = 0; col < long(layout.columns.size()); ++col) {
        grid.SetColCaption(col, layout.columns[size_t(col)].caption);
        grid.SetColWidth(col, layout.columns[size_t(col)].width);
        if (layout.columns[size_t(col)].align >= 0)
            grid.SetColAlign(col, layout.columns[size_t(col)].align);
    }
    grid.SetShowFullRow(1);
    appcore::FillGridFromQuery(grid, sql, false);
    grid.KeepRatio();
    if (grid.GetNRows() > 0)
        grid.SetCurCell(0, layout.lastCurrent ? grid.GetNRows() - 1 : 0);
    grid.SetFocus();
}

void __stdcall FillDayRows(CderivedDocument* document, CFormView* view, const char* text)
{
    static const ChooserLayout layout{
        {{"подр.", 5, 2}, {"Наименование", 40, -1}, {"вед.", 5, 2}, {"Наименование", 40, -1}}, true, false};
    Fill(document, view, text, layout, FormatText(kDayRowsQuery, DateLiteral(text, 3)));
}

void __stdcall FillReceipts(CderivedDocument* document, CFormView* view, const char* text)
{
    static const ChooserLayout layout{{{"н/п", 5, 2},
                                       {"Орг.", 7, 2},
                                       {"Наименование", 40, -1},
                                       {"Таб.№", 7, 2},
                                       {"Ф.И.О.", 40, -1},
                                       {"№ док-та", 10, 2}},
                                      false, false};
    Fill(document, view, text, layout,
         FormatText(kReceiptsQuery, GL_SqlFio(), DateLiteral(text, 3), NumberLiteral(text, 4), NumberLiteral(text, 5)));
}

void __stdcall FillDays(CderivedDocument* document, CFormView* view, const char* text)
{
    static const ChooserLayout layout{{{"Дата", 10, -1}}, true, true};
    Fill(document, view, text, layout,
         FormatText(kDaysQuery, ChangeDateUS0(GetOtpD1(g_lYear, g_lMonth), 0),
                    ChangeDateUS0(GetOtpD2(g_lYear, g_lMonth), 0)));
}

void OpenChooser(const char* title, const CString& parameter, FN_FORM_FILL fill, CWnd* owner)
{
    CHelpers::FN_OpenDocument("CellworkForm", title, -1, 0, 800, 493, parameter, nullptr, owner, nullptr, nullptr,
                              fill, -1, nullptr);
}

} // namespace

void CPrixodView::OnDayPrdNvButton()
{
    if (!CheckDay())
        return;
    OpenChooser("Выбор даты", FormatText("%s:%d:%s", utoa(this), IDC_DAY_ANSWER, DMG(Text(IDC_DATE), 1, 0)),
                FillDayRows, this);
}

void CPrixodView::OnDayAnswer()
{
    const CString answer = Text(IDC_DAY_ANSWER);
    if (answer.IsEmpty())
        return;
    SetDlgItemText(IDC_DAY_ANSWER, "");
    for (int field : {IDC_PRD, IDC_NV, IDC_ORG, IDC_TN, IDC_NDOC})
        SetDlgItemText(field, "");
    SetDlgItemText(IDC_PRD, GetPart(answer, "~", 1));
    SetDlgItemText(IDC_NV, GetPart(answer, "~", 3));
    m_editDate.SetFocus();
}

void CPrixodView::OnNppButton()
{
    if (!CheckDay() || !CheckKey())
        return;
    const CString date = DMG(Text(IDC_DATE), 1, 0);
    OpenChooser(GetDocument()->GetTitle() + " за " + date,
                FormatText("%s:%d:%s:%s:%s", utoa(this), IDC_NPP, date, WholeNumber(Text(IDC_PRD)),
                           WholeNumber(Text(IDC_NV))),
                FillReceipts, this);
}

void CPrixodView::OnDayButton()
{
    OpenChooser("Выбор даты", FormatText("%s:%d", utoa(this), IDC_DATE), FillDays, this);
}

void CPrixodView::OnDayPrdButton()
{
    if (!CheckDay())
        return;
    const CString filter = FormatText(
        "select distinct prd as id,spr_stovan_prd.name,dt_del from stovan_prx0 left join spr_stovan_prd on "
        "spr_stovan_prd.id=prd where d=%s order by prd",
        ChangeDateUS0(DMG(Text(IDC_DATE), 1, 0), 0));
    CHelpers::GetInSpr("spr_stovan_prd", this, IDC_PRD, filter, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CPrixodView::OnDayNvButton()
{
    if (!CheckDay())
        return;
    const CString prd = WholeNumber(Text(IDC_PRD));
    const CString filter = FormatText(
        "select distinct nv as id,nv.name,dt_del,isf,kbk from stovan_prx0 left join nv on nv.id=nv where d=%s and "
        "prd=%s order by nv",
        ChangeDateUS0(DMG(Text(IDC_DATE), 1, 0), 0), prd.IsEmpty() ? CString("NULL") : prd);
    CHelpers::GetInSpr("nv", this, IDC_NV, filter, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

} // namespace nstovan
