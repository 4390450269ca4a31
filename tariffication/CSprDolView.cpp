#include "CSprDolView.h"

#include "NipForm.h"
#include "PositionBook.h"
#include "StaffNumbers.h"
#include "appcore.h"
#include "naddviews.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QString>

#include <utility>
#include <vector>

namespace nvenzol {

namespace {

// The position's own fields beside the code, with their columns of ssv.
struct PositionField {
    const char* column;
    int control;
};
const PositionField kFields[] = {
    {"kat", IDC_SPR_DOL_KAT},
    {"raz", IDC_SPR_DOL_RAZ},
    {"vr", IDC_SPR_DOL_VR},
    {"gr", IDC_SPR_DOL_GR},
};

bool Blank(const CString& text)
{
    return text.ToQString().trimmed().isEmpty();
}

// The listed pay statements (code, name), in the order of their codes.
std::vector<std::pair<CString, CString>> Statements()
{
    std::vector<std::pair<CString, CString>> statements;
    _RecordsetPtr rows = GetConnection()->Execute(
        _bstr_t(FormatText("select id,name from nv where id<>%d order by id", kUnlistedStatement)), nullptr,
        adCmdText);
    for (; !rows->GetadoEOF(); rows->MoveNext())
        statements.emplace_back(SafeArayToString(rows->GetCollect("id")), SafeArayToString(rows->GetCollect("name")));
    return statements;
}

// A number as the grid shows it, or "" when the position has none.
CString Shown(const CString& stored, bool rate)
{
    if (Blank(stored))
        return CString();
    const double value = atof(stored);
    return rate ? rtz(FormatNumber(value, "-", 2)) : FormatNumber(value, "", 2);
}

} // namespace

IMPLEMENT_DYNCREATE(CSprDolView, CMyFormView1)

BEGIN_MESSAGE_MAP(CSprDolView, CMyFormView1)
    ON_EN_CHANGE(IDC_DOL, OnChangeDol)
    ON_BN_CLICKED(IDOK, OnSave)
    ON_BN_CLICKED(IDC_SPR_DOL_WHO, OnWho)
    ON_BN_CLICKED(IDC_SPR_DOL_GR_BTN, OnGRbtn)
END_MESSAGE_MAP()

CSprDolView::CSprDolView() : CMyFormView1(IDD_VENZ_SPR_DOL)
{
    m_code.SetType(EDIT_KIND_PLAIN);
    m_group.SetType(EDIT_KIND_PLAIN);
}

CSprDolView::~CSprDolView() = default;

void CSprDolView::DoDataExchange(CDataExchange* pDX)
{
    CMyFormView1::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DOL, m_code);
    DDX_Control(pDX, IDC_SPR_DOL_GR, m_group);
    DDX_Control(pDX, IDC_SPR_DOL_GRID, m_grid);
}

void CSprDolView::OnInitialUpdate()
{
    CMyFormView1::OnInitialUpdate();
    appcore::SetFormTitle(this, "Штатные должности");
    ResizeParentToFit(FALSE);
    OnChangeDol();
}

void CSprDolView::OnChangeDol()
{
    if (!m_grid.GetSafeHwnd())
        return;
    CString typed, code;
    GetDlgItemText(IDC_DOL, typed);
    if (!CheckedNumber(typed, code))
        code.Empty();
    m_grid.SetNRows(0);
    CString texts[std::size(kFields)];
    if (!code.IsEmpty())
        for (size_t i = 0; i < std::size(kFields); ++i)
            texts[i] = ExecuteString(FormatText("select %s as str from ssv where id=%s", kFields[i].column, code));
    try {
        FillRates(code);
    } catch (const _com_error& e) {
        ReportDBError(e, 1, nullptr);
    } catch (...) {
        AfxMessageBox("*** Unhandled Exception from Calcset.dll***");
    }
    for (size_t i = 0; i < std::size(kFields); ++i)
        SetDlgItemText(kFields[i].control, texts[i]);
    CMyFormView1::OnChangeDol();
    if (m_grid.GetNRows() > 0)
        m_grid.SetCurCell(COL_ST, 0);
    m_grid.Invalidate();
}

void CSprDolView::FillRates(const CString& code)
{
    for (const auto& [nv, name] : Statements()) {
        const long row = m_grid.GetNRows();
        m_grid.SetNRows(row + 1);
        m_grid.SetCellValue(COL_NV, row, nv);
        m_grid.SetCellValue(COL_NAME, row, name);
        if (code.IsEmpty())
            continue;
        const CString key = FormatText(" from ssv1 where id=%s and nv=%s", code, nv);
        m_grid.SetCellValue(COL_ST, row, Shown(ExecuteString("select st as str" + key), true));
        m_grid.SetCellValue(COL_S, row, Shown(ExecuteString("select s as str" + key), false));
    }
}

void CSprDolView::OnSave()
{
    CWaitCursor wait;
    PositionRecord record;
    GetDlgItemText(IDC_DOL, record.code);
    GetDlgItemText(IDC_DOL_NAME, record.name);
    GetDlgItemText(IDC_SPR_DOL_KAT, record.kat);
    GetDlgItemText(IDC_SPR_DOL_RAZ, record.raz);
    GetDlgItemText(IDC_SPR_DOL_VR, record.vr);
    GetDlgItemText(IDC_SPR_DOL_GR, record.gr);
    for (long row = 0; row < m_grid.GetNRows(); ++row)
        record.rates.push_back({m_grid.GetCellValue(COL_NV, row), m_grid.GetCellValue(COL_ST, row),
                                m_grid.GetCellValue(COL_S, row)});

    CString number;
    if (Blank(record.name)) {
        RefuseField(this, "Укажите наименование", IDC_DOL_NAME, false);
        return;
    }
    if (!Blank(record.code) && !CheckedNumber(record.code, number)) {
        RefuseField(this, "Код должности должен быть целым числом", IDC_DOL, true);
        return;
    }
    if (!Blank(record.gr) && (!CheckedNumber(record.gr, number) || !SprOk("spr_venz_gr", number))) {
        RefuseField(this, "Нет такой группы окладов", IDC_SPR_DOL_GR, true);
        return;
    }
    const std::pair<const CString*, std::pair<int, const char*>> numbers[] = {
        {&record.raz, {IDC_SPR_DOL_RAZ, "Укажите число: Разряд"}},
        {&record.vr, {IDC_SPR_DOL_VR, "Укажите число: Надбавка за вредность в %"}},
    };
    QString checked;
    for (const auto& [text, field] : numbers)
        if (!Blank(*text) && !NormalizeNumberText(text->ToQString(), checked)) {
            RefuseField(this, field.second, field.first, true);
            return;
        }
    for (size_t row = 0; row < record.rates.size(); ++row)
        for (const CString* cell : {&record.rates[row].st, &record.rates[row].s})
            if (!Blank(*cell) && !NormalizeNumberText(cell->ToQString(), checked)) {
                AfxMessageBox(FormatText("Укажите число: ставка и контракт ведомости %s", record.rates[row].nv));
                m_grid.SetCurCell(cell == &record.rates[row].st ? COL_ST : COL_S, long(row));
                m_grid.SetFocus0();
                return;
            }
    if (AfxMessageBox("Записать изменения ? ", MB_YESNO | MB_ICONQUESTION) == IDNO)
        return;
    if (WritePosition(record) != PositionWritten::Yes)
        return;
    SetKeyText(this, IDC_DOL, record.code);
    if (CWnd* code = GetDlgItem(IDC_DOL)) {
        code->SetFocus();
        code->SendMessage(EM_SETSEL, 0, LPARAM(-1));
    }
}

void CSprDolView::OnWho()
{
    CString typed, code;
    GetDlgItemText(IDC_DOL, typed);
    if (!CheckedNumber(typed, code))
        return;
    // Every holder, ended or not; the grouping names each selected column.
    const CString sql = FormatText(
        "select distinct tn.tn,%s as fio,ssv.name,tn.du from tn \t\tleft join perso_tn_nip on perso_tn_nip.tn=tn.tn "
        "\t\tleft join ssv on ssv.id=perso_tn_nip.dol \t\twhere perso_tn_nip.dol=%s \t\tgroup by "
        "tn.tn,tn.f,tn.i,tn.o,ssv.name,tn.du \t\torder by tn.tn",
        GL_SqlFio(), code);
    CExtFuncs::OnTNcmd(nullptr, 0, sql, nullptr, UINT(-1), 0, 1);
}

void CSprDolView::OnGRbtn()
{
    CHelpers::GetInSpr("ГруппыОкладов", this, IDC_SPR_DOL_GR, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

} // namespace nvenzol
