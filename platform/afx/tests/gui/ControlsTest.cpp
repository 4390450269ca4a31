// The common controls of a dialog: date pickers (one that may be empty),
// the year up-down with its buddy, the tab control and the progress bar.
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "afx.h"
#include "res/resource.h"
#include <QTest>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace {

class PeriodDlg : public CDialog {
public:
    PeriodDlg() : CDialog(IDD_PERIOD) {}
    COleDateTime m_from;
    COleDateTime m_to;
    int m_lastYear = 2025;  // the year the up-down may not pass
    QStringList log;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        auto* spin = static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_YEAR_SPIN));
        spin->SetRange32(1900, 2036);
        UDACCEL accel[] = { { 0, 1 }, { 3, 5 }, { 5, 20 } };
        spin->SetAccel(3, accel);
        spin->SetPos(2024);
        auto* tabs = static_cast<CTabCtrl*>(GetDlgItem(IDC_TABS));
        tabs->InsertItem(0, "Осн.сведения");
        tabs->InsertItem(1, "Дополнительно");
        auto* progress = static_cast<CProgressCtrl*>(GetDlgItem(IDC_PROGRESS));
        progress->SetRange(0, 10);
        progress->SetPos(3);
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_DateTimeCtrl(pDX, IDC_FROM, m_from);
        DDX_DateTimeCtrl(pDX, IDC_TO, m_to);
    }
    afx_msg void OnDateChange(NMHDR* pNMHDR, LRESULT* pResult)
    {
        auto* change = reinterpret_cast<NMDATETIMECHANGE*>(pNMHDR);
        log << QStringLiteral("date %1 %2 %3.%4")
                   .arg(pNMHDR->idFrom)
                   .arg(change->dwFlags == GDT_NONE ? QStringLiteral("none") : QStringLiteral("valid"))
                   .arg(change->st.wDay)
                   .arg(change->st.wMonth);
        *pResult = 0;
    }
    afx_msg void OnDeltaPos(NMHDR* pNMHDR, LRESULT* pResult)
    {
        auto* nm = reinterpret_cast<NMUPDOWN*>(pNMHDR);
        *pResult = nm->iPos + nm->iDelta > m_lastYear;
        log << QStringLiteral("spin %1%2%3").arg(nm->iPos).arg(nm->iDelta > 0 ? "+" : "").arg(nm->iDelta);
    }
    afx_msg void OnTabChange(NMHDR*, LRESULT*)
    {
        log << QStringLiteral("tab %1").arg(static_cast<CTabCtrl*>(GetDlgItem(IDC_TABS))->GetCurSel());
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PeriodDlg, CDialog)
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_FROM, OnDateChange)
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_TO, OnDateChange)
    ON_NOTIFY(UDN_DELTAPOS, IDC_YEAR_SPIN, OnDeltaPos)
    ON_NOTIFY(TCN_SELCHANGE, IDC_TABS, OnTabChange)
END_MESSAGE_MAP()

TEST(ControlsTest, DatePickersUpDownTabsAndProgress)
{
    PeriodDlg dlg;
    dlg.m_from.SetDate(2024, 2, 1);
    dlg.m_to.SetStatus(COleDateTime::invalid);
    afxtest::InteractionScript script;
    script.dialog(IDD_PERIOD, [&dlg](afxtest::DialogStep& d) {
        auto* to = static_cast<CDateTimeCtrl*>(d.item(IDC_TO));
        COleDateTime t;
        EXPECT_EQ(to->GetTime(t), (DWORD)GDT_NONE) << "an invalid date empties the picker";
        EXPECT_TRUE(dlg.log.isEmpty()) << "values set by the program send nothing";

        afxtest::pickDate(d.window(), IDC_FROM, QDate(2024, 3, 15));
        afxtest::pickDate(d.window(), IDC_TO, QDate(2024, 3, 31));
        afxtest::clearDate(d.window(), IDC_TO);

        auto* spin = static_cast<CSpinButtonCtrl*>(d.item(IDC_YEAR_SPIN));
        EXPECT_EQ(spin->GetBuddy(), d.item(IDC_YEAR));
        EXPECT_EQ(d.text(IDC_YEAR), QStringLiteral("2024"));
        CRect year, arrows;
        d.item(IDC_YEAR)->GetWindowRect(year);
        spin->GetWindowRect(arrows);
        EXPECT_EQ(arrows.left, year.right) << "UDS_ALIGNRIGHT puts the arrows at the buddy's right edge";
        spin->Step(true);
        spin->Step(true);  // refused by the handler: 2026 is past the last year
        EXPECT_EQ(d.text(IDC_YEAR), QStringLiteral("2025"));
        d.type(IDC_YEAR, QStringLiteral("1900"));
        spin->Step(false);  // the range ends at 1900
        EXPECT_EQ(spin->GetPos(), 1900);

        auto* tabs = static_cast<CTabCtrl*>(d.item(IDC_TABS));
        EXPECT_EQ(tabs->GetItemCount(), 2);
        AfxTabUserChoice(tabs, 1);
        tabs->SetCurSel(0);
        auto* progress = static_cast<CProgressCtrl*>(d.item(IDC_PROGRESS));
        progress->SetStep(7);
        EXPECT_EQ(progress->StepIt(), 3);
        EXPECT_EQ(progress->GetPos(), 10);
        progress->StepIt();
        EXPECT_EQ(progress->GetPos(), 7) << "past the end it starts again from the beginning";
        d.click(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    // Ticking the empty picker gives it a value (today's date) at once.
    QString ticked = QStringLiteral("date 1011 valid %1.%2").arg(QDate::currentDate().day()).arg(QDate::currentDate().month());
    EXPECT_EQ(dlg.log, (QStringList { "date 1010 valid 15.3", ticked, "date 1011 valid 31.3",
                                      "date 1011 none 31.3", "spin 2024+1", "spin 2025+1", "spin 1900-1",
                                      "tab 1" }));
    EXPECT_EQ(dlg.m_from.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(dlg.m_from.Format(), CString("15.03.2024"));
    EXPECT_NE(dlg.m_to.GetStatus(), COleDateTime::valid) << "an empty picker gives an invalid date";
}

} // namespace

namespace {

class TimerWnd : public CWnd {
public:
    std::vector<UINT_PTR> ticks;
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        ticks.push_back(nIDEvent);
        KillTimer(nIDEvent);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TimerWnd, CWnd)
    ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(ControlsTest, TimerSendsWmTimerWithItsId)
{
    TimerWnd w;
    ASSERT_TRUE(w.CreateEx(0, nullptr, "", WS_OVERLAPPEDWINDOW, CRect(0, 0, 50, 50), nullptr, 0));
    EXPECT_EQ(w.SetTimer(7, 1), (UINT_PTR)7);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.ticks.empty(); }, 2000));
    QTest::qWait(20);
    EXPECT_EQ(w.ticks, std::vector<UINT_PTR> { 7 }) << "killed in its handler, it fires once";
    EXPECT_FALSE(w.KillTimer(7));
}

TEST(ControlsTest, CheckListBoxTicksAndItemData)
{
    CWnd holder;
    ASSERT_TRUE(holder.CreateEx(0, nullptr, "", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 200), nullptr, 0));
    CCheckListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_HASSTRINGS | LBS_OWNERDRAWFIXED, CRect(0, 0, 150, 150), &holder, 300));
    CString item;
    for (int i = 0; i < 3; ++i) {
        item.Format("% 4d   %s", 10 + i, i == 1 ? "Иванов" : "Петров");
        list.SetItemData(list.AddString(item), (DWORD_PTR)(100 + i));
    }
    list.SetCheck(1, 1);
    EXPECT_EQ(list.GetCheck(0), 0);
    EXPECT_EQ(list.GetCheck(1), 1);
    EXPECT_EQ(list.GetItemData(2), (DWORD_PTR)102);
    list.GetText(1, item);
    EXPECT_EQ(item, CString("  11   Иванов"));
    EXPECT_EQ(list.FindString(-1, "  12"), 2);
}

TEST(ControlsTest, AMessageFromAWorkerThreadIsShownOnTheInterfaceThread)
{
    afxtest::InteractionScript script;
    script.message("Расчёт окончен", IDOK);
    std::atomic<int> answer { 0 };
    std::thread worker([&answer] { answer = AfxMessageBox("Расчёт окончен", MB_OK | MB_ICONEXCLAMATION); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return answer.load() != 0; }, 5000));
    worker.join();
    EXPECT_EQ(answer.load(), IDOK);
}

} // namespace

namespace {

// A custom control class as the grid library registers its own: the
// template's text reaches it, it keeps Enter for itself, and its events reach
// the event sink map of the dialog that holds it.
class TestGridWnd : public CWnd {
public:
    CString setup;
};

QWidget* createTestGrid(const AfxControlCreate& cc)
{
    auto* w = new QWidget(cc.parent);
    w->setGeometry(cc.rect);
    w->setFocusPolicy(Qt::StrongFocus);
    w->setProperty("setup", cc.text.ToQString());
    return w;
}

LRESULT testGridProc(CWnd*, UINT message, WPARAM, LPARAM, bool& handled)
{
    handled = message == WM_GETDLGCODE;
    return handled ? DLGC_WANTALLKEYS : 0;
}

class GridFormDlg : public CDialog {
public:
    GridFormDlg() : CDialog(IDD_GRIDFORM) {}
    QStringList log;
    void OnCellChanged(short col, short row, CString* text) { log << QStringLiteral("8: %1,%2 %3").arg(col).arg(row).arg(text->ToQString()); }
    DECLARE_EVENTSINK_MAP()
};

BEGIN_EVENTSINK_MAP(GridFormDlg, CDialog)
    ON_EVENT(GridFormDlg, IDC_GRID, 8, OnCellChanged, VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

TEST(ControlsTest, ACustomControlClassInADialogTemplate)
{
    AfxRegisterControlClass({ "TestGrid", &createTestGrid, [] { return static_cast<CWnd*>(new TestGridWnd); },
                              &testGridProc, nullptr });
    GridFormDlg dlg;
    afxtest::InteractionScript script;
    script.dialog(IDD_GRIDFORM, [&dlg](afxtest::DialogStep& d) {
        auto* grid = dynamic_cast<TestGridWnd*>(d.item(IDC_GRID));
        ASSERT_NE(grid, nullptr) << "the template control is an object of the registered class";
        EXPECT_EQ(grid->GetQWidget()->property("setup").toString(), QStringLiteral("cols=3"));
        EXPECT_EQ(CWnd::GetFocus(), grid) << "the first tab stop has the focus";
        d.key(IDC_GRID, Qt::Key_Return);
        EXPECT_TRUE(d.window()->IsWindowVisible()) << "the grid keeps Enter for itself";
        CString text = "Сумма";
        AfxFireEvent(grid, 8, { AfxEventArg((short)2), AfxEventArg((short)0), AfxEventArg(&text) });
        EXPECT_EQ(dlg.log, QStringList { "8: 2,0 Сумма" });
        d.click(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

} // namespace
