#include "CSprDolView.h"

#include "appcore.h"
#include "naddviews.h"
#include "ndbcore.h"
#include "res/resource.h"
#include "tariffication/NipForm.h"
#include "tariffication/StaffNumbers.h"

#include <map>

namespace npaymar {

IMPLEMENT_DYNAMIC(CPayPositionView, CPayBookView)

BEGIN_MESSAGE_MAP(CPayPositionView, CPayBookView)
    ON_EN_CHANGE(IDC_DOL, OnChangeDol)
    ON_BN_CLICKED(IDC_PAY_DOL_WHO, OnWho)
END_MESSAGE_MAP()

CPayPositionView::CPayPositionView(UINT dialog, const char* title, std::vector<HeaderField> header,
                                   std::array<RateColumn, 5> rates)
    : CPayBookView(dialog, title, IDC_DOL), m_header(std::move(header)), m_rates(rates)
{
}

CPayPositionView::~CPayPositionView() = default;

void CPayPositionView::DoDataExchange(CDataExchange* pDX)
{
    CPayBookView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PAY_DOL_GRID, m_grid);
}

void CPayPositionView::FirstLoad()
{
    // A fresh form shows every sheet with empty rates.
    OnChangeDol();
}

CString CPayPositionView::Shown(int rate, const CString& stored) const
{
    if (IsBlank(stored))
        return CString();
    const int decimals = m_rates[size_t(rate)].decimals;
    return decimals < 0 ? Number(atof(stored), 0) : FormatNumber(atof(stored), "", decimals);
}

void CPayPositionView::OnChangeDol()
{
    if (!m_grid.GetSafeHwnd())
        return;
    CString code;
    if (!nvenzol::CheckedNumber(FieldText(IDC_DOL), code))
        code.Empty();
    m_grid.SetNRows(0);
    std::vector<CString> texts(m_header.size());
    Guarded(GetRuntimeClass()->m_lpszClassName, [&] {
        if (!code.IsEmpty())
            for (size_t i = 0; i < m_header.size(); ++i)
                texts[i] = ExecuteString(
                    FormatText("select %s as str from spr_paymar_dol where id=%s", m_header[i].column, code));
        FillRates(code);
    });
    for (size_t i = 0; i < m_header.size(); ++i)
        SetDlgItemText(m_header[i].control, texts[i]);
    CPayBookView::OnChangeDol();
    if (m_grid.GetNRows() > 0)
        m_grid.SetCurCell(COL_RATE, 0);
    m_grid.Invalidate();
}

void CPayPositionView::FillRates(const CString& code)
{
    // The position's rows by sheet, each with this form's five columns.
    std::map<CString, std::array<CString, 5>> stored;
    if (!code.IsEmpty()) {
        CString columns;
        for (const RateColumn& rate : m_rates)
            columns += CString(",") + rate.column;
        _RecordsetPtr rows = GetConnection()->Execute(
            _bstr_t(FormatText("select nv%s from spr_paymar_dol1 where id=%s", columns, code)), nullptr, adCmdText);
        for (; !rows->GetadoEOF(); rows->MoveNext()) {
            std::array<CString, 5>& row = stored[SafeArayToString(rows->GetCollect("nv"))];
            for (size_t i = 0; i < 5; ++i)
                row[i] = SafeArayToString(rows->GetCollect(m_rates[i].column));
        }
    }
    _RecordsetPtr sheets = GetConnection()->Execute(
        _bstr_t(FormatText("select id,name from nv where id<>%d order by id", kUnlistedSheet)), nullptr, adCmdText);
    for (; !sheets->GetadoEOF(); sheets->MoveNext()) {
        const CString nv = SafeArayToString(sheets->GetCollect("id"));
        const long row = m_grid.GetNRows();
        m_grid.SetNRows(row + 1);
        m_grid.SetCellValue(COL_NV, row, nv);
        m_grid.SetCellValue(COL_NAME, row, SafeArayToString(sheets->GetCollect("name")));
        if (const auto found = stored.find(nv); found != stored.end())
            for (int i = 0; i < 5; ++i)
                m_grid.SetCellValue(COL_RATE + i, row, Shown(i, found->second[size_t(i)]));
    }
}

bool CPayPositionView::CheckEntry()
{
    if (IsBlank(FieldText(IDC_DOL_NAME)))
        return Refuse(IDC_DOL_NAME, "Укажите наименование", false);
    CString number;
    const CString code = FieldText(IDC_DOL);
    if (!IsBlank(code) && !nvenzol::CheckedNumber(code, number))
        return Refuse(IDC_DOL, "Код должности должен быть целым числом", true);
    for (const HeaderField& field : m_header)
        if (!nvenzol::NumberLiteral(FieldText(field.control), number) && !IsTextColumn(field.column))
            return Refuse(field.control, FormatText("Укажите число: %s", field.caption), true);
    for (long row = 0; row < m_grid.GetNRows(); ++row)
        for (int i = 0; i < 5; ++i)
            if (!nvenzol::NumberLiteral(m_grid.GetCellValue(COL_RATE + i, row), number)) {
                AfxMessageBox(FormatText("Укажите число: %s ведомости %s", m_rates[size_t(i)].caption,
                                         m_grid.GetCellValue(COL_NV, row)),
                              MB_OK | MB_ICONEXCLAMATION);
                m_grid.SetCurCell(COL_RATE + i, row);
                m_grid.SetFocus0();
                return false;
            }
    return true;
}

bool CPayPositionView::WriteEntry()
{
    PayPositionRecord record;
    record.code = FieldText(IDC_DOL);
    record.name = FieldText(IDC_DOL_NAME);
    for (const HeaderField& field : m_header)
        record.header.emplace_back(field.column, FieldText(field.control));
    for (size_t i = 0; i < 5; ++i)
        record.columns[i] = m_rates[i].column;
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        PayPositionRates rates{m_grid.GetCellValue(COL_NV, row), {}};
        for (int i = 0; i < 5; ++i)
            rates.rates[size_t(i)] = m_grid.GetCellValue(COL_RATE + i, row);
        record.rows.push_back(rates);
    }
    if (!WritePayPosition(record))
        return false;
    m_written = record.code;
    return true;
}

void CPayPositionView::AfterWrite()
{
    // The position written shown again, a new one under its new code.
    nvenzol::SetKeyText(this, IDC_DOL, m_written);
    CPayBookView::AfterWrite();
}

void CPayPositionView::OnWho()
{
    CString code;
    if (!nvenzol::CheckedNumber(FieldText(IDC_DOL), code))
        return;
    // Every column selected is named with its table and grouped, so the list
    // runs under strict grouping on every server.
    const CString sql = FormatText(
        "select distinct tn.tn,%s as fio,spr_paymar_dol.name,tn.du from tn \t\tleft join paymar_bux on "
        "paymar_bux.tn=tn.tn \t\tleft join spr_paymar_dol on spr_paymar_dol.id=paymar_bux.dol \t\twhere "
        "paymar_bux.dol=%s \t\tgroup by tn.tn,tn.f,tn.i,tn.o,spr_paymar_dol.name,tn.du \t\torder by tn.tn",
        GL_SqlFio(), code);
    CExtFuncs::OnTNcmd(nullptr, 0, sql, nullptr, UINT(-1), 0, 1);
}

IMPLEMENT_DYNCREATE(CSprDolView, CPayPositionView)

CSprDolView::CSprDolView()
    : CPayPositionView(IDR_SPR_DOL, "Должности",
                       {{"kat", IDC_PAY_DOL_KAT, "Категория"},
                        {"raz", IDC_PAY_DOL_RAZ, "Разряд"},
                        {"vr", IDC_PAY_DOL_VR, "Надбавка за вредность в %"}},
                       {{{"okl", 2, "Оклад"},
                         {"Rlech", 3, "Терап."},
                         {"Rdet", 3, "Детск."},
                         {"Rort", 3, "Ортоп."},
                         {"nch", 2, "Ночн."}}})
{
}

IMPLEMENT_DYNCREATE(CSprDolDetView, CPayPositionView)

CSprDolDetView::CSprDolDetView()
    : CPayPositionView(IDR_SPR_DOL_DET, "Должности (подробно)",
                       {{"kat", IDC_PAY_DOL_KAT_DET, "Категория"},
                        {"raz", IDC_PAY_DOL_RAZ, "Разряд"},
                        {"vr", IDC_PAY_DOL_VR, "Вредность в %"},
                        {"vr2", IDC_PAY_DOL_VR2, "Категория в %"},
                        {"vr3", IDC_PAY_DOL_VR3, "Участковые %"},
                        {"vr4", IDC_PAY_DOL_VR4, "Доплата %"}},
                       {{{"okl", 2, "Оклад"},
                         {"kontr", 2, "Контракт"},
                         {"chts", -1, "Ч.Т.С."},
                         {"nch", -1, "Н.Т.С."},
                         {"okl2", 2, "Оклад 2"}}})
{
}

} // namespace npaymar
