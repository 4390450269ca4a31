#include "TestForm.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(TestAccountEdit, CderivedEdit)
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

void TestAccountEdit::OnKillFocus(CWnd* pNewWnd)
{
    CderivedEdit::OnKillFocus(pNewWnd);
    CString text;
    GetWindowText(text);
    if (log)
        log->push_back("field:" + text.ToStdString());
}

BEGIN_MESSAGE_MAP(TestForm, CderivedDialog)
    ON_EN_KILLFOCUS(IDC_ACCOUNT, OnAccountKillFocus)
    ON_CLBN_CHKCHANGE(IDC_LIST, OnListCheck)
END_MESSAGE_MAP()

TestForm::TestForm() : CderivedDialog(IDD_TEST_FORM)
{
    m_date.SetType(EDIT_KIND_DATE);
    m_decimal.SetType(EDIT_KIND_DECIMAL);
    m_amount.SetType(EDIT_KIND_AMOUNT);
    m_account.SetType(EDIT_KIND_AMOUNT);
    m_account.log = &log;
}

void TestForm::DoDataExchange(CDataExchange* pDX)
{
    CderivedDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PLAIN, m_plain);
    DDX_Control(pDX, IDC_DATE, m_date);
    DDX_Control(pDX, IDC_DECIMAL, m_decimal);
    DDX_Control(pDX, IDC_AMOUNT, m_amount);
    DDX_Control(pDX, IDC_PASSWORD, m_password);
    DDX_Control(pDX, IDC_ACCOUNT, m_account);
    DDX_Control(pDX, IDC_BRANCH, m_branch);
    DDX_Control(pDX, IDC_DAY, m_day);
    DDX_Control(pDX, IDC_LIST, m_list);
    DDX_Control(pDX, IDC_TABS, m_tabs);
    DDX_Text(pDX, IDC_PLAIN, m_strPlain);
    DDX_Text(pDX, IDC_DATE, m_strDate);
    DDX_Text(pDX, IDC_DECIMAL, m_strDecimal);
    DDX_Text(pDX, IDC_AMOUNT, m_strAmount);
    DDX_Text(pDX, IDC_PASSWORD, m_strPassword);
    DDX_CBIndex(pDX, IDC_BRANCH, m_nBranch);
    DDX_DateTimeCtrl(pDX, IDC_DAY, m_dtDay);
}

BOOL TestForm::OnInitDialog()
{
    // The lists are filled before the data exchange puts the choice in.
    const struct { const char* name; int id; } branches[] = { { "Все филиалы", -2 }, { "Центральный", 1 }, { "Северный", 2 } };
    auto* combo = static_cast<CComboBox*>(GetDlgItem(IDC_BRANCH));
    for (const auto& b : branches)
        combo->SetItemData(combo->AddString(b.name), (DWORD_PTR)(INT_PTR)b.id);
    CderivedDialog::OnInitDialog();
    const struct { int tn; const char* name; } people[] = { { 7, "Иванов" }, { 1234, "Петрова" } };
    for (const auto& p : people) {
        CString item;
        item.Format("% 4d   %s", p.tn, p.name);
        m_list.SetItemData(m_list.AddString(item), (DWORD_PTR)p.tn);
    }
    m_tabs.InsertItem(0, "Осн.сведения");
    m_tabs.InsertItem(1, "Таблица");
    return TRUE;
}

void TestForm::OnOK()
{
    int i = m_branch.GetCurSel();
    m_nBranchId = i >= 0 ? (int)m_branch.GetItemData(i) : 0;
    CderivedDialog::OnOK();
}

void TestForm::OnAccountKillFocus()
{
    CString text;
    m_account.GetWindowText(text);
    log.push_back("form:" + text.ToStdString());
}

void TestForm::OnListCheck() { log.push_back("checked"); }
