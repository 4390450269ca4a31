// The notifications the controls send for what a user does, in the window
// system's order, each with the state the parent reads at that moment: a
// handler of a combo box's close-up reads the new choice, a date picker's
// close-up follows its change, an up-down control asks before its buddy
// changes. The acts go through the real widgets (their lists, calendars and
// buttons), not through the notifications themselves.
#include "GuiDriver.h"
#include "afx.h"
#include "res/resource.h"
#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

class NotifyDlg : public CDialog {
public:
    NotifyDlg() : CDialog(IDD_NOTIFY) {}
    QStringList log;
    bool focus = false;  // focus notifications are logged too

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        for (int id : { IDC_N_LIST, IDC_N_EDITCOMBO }) {
            auto* combo = static_cast<CComboBox*>(GetDlgItem(id));
            for (const char* entry : { "первый", "второй", "третий" })
                combo->AddString(entry);
            combo->SetCurSel(0);
        }
        auto* list = static_cast<CListBox*>(GetDlgItem(IDC_N_LISTBOX));
        for (const char* entry : { "один", "два", "три" })
            list->AddString(entry);
        auto* date = static_cast<CDateTimeCtrl*>(GetDlgItem(IDC_N_DATE));
        date->SetTime(COleDateTime(2026, 3, 10, 0, 0, 0));
        auto* spin = static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_N_SPIN));
        spin->SetRange32(1900, 2100);
        spin->SetPos(2025);
        log.clear();
        return TRUE;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        note(LOWORD(wParam), HIWORD(wParam));
        return CDialog::OnCommand(wParam, lParam);
    }
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lParam);
        note((int)hdr->idFrom, hdr->code);
        return CDialog::OnNotify(wParam, lParam, pResult);
    }

private:
    // "control CODE state", the state as a handler would read it now.
    void note(int id, UINT code)
    {
        struct Name {
            int id;
            UINT code;
            const char* name;
        };
        static const Name names[] = {
            { IDC_N_LIST, CBN_DROPDOWN, "DROPDOWN" },     { IDC_N_LIST, CBN_SELCHANGE, "SELCHANGE" },
            { IDC_N_LIST, CBN_SELENDOK, "SELENDOK" },     { IDC_N_LIST, CBN_SELENDCANCEL, "SELENDCANCEL" },
            { IDC_N_LIST, CBN_CLOSEUP, "CLOSEUP" },       { IDC_N_LIST, CBN_SETFOCUS, "SETFOCUS" },
            { IDC_N_LIST, CBN_KILLFOCUS, "KILLFOCUS" },   { IDC_N_EDITCOMBO, CBN_EDITCHANGE, "EDITCHANGE" },
            { IDC_N_EDITCOMBO, CBN_SETFOCUS, "SETFOCUS" }, { IDC_N_EDITCOMBO, CBN_KILLFOCUS, "KILLFOCUS" },
            { IDC_N_EDIT, EN_CHANGE, "CHANGE" },          { IDC_N_EDIT, EN_SETFOCUS, "SETFOCUS" },
            { IDC_N_EDIT, EN_KILLFOCUS, "KILLFOCUS" },    { IDC_N_LISTBOX, LBN_SELCHANGE, "SELCHANGE" },
            { IDC_N_LISTBOX, LBN_DBLCLK, "DBLCLK" },      { IDC_N_LISTBOX, LBN_SETFOCUS, "SETFOCUS" },
            { IDC_N_LISTBOX, LBN_KILLFOCUS, "KILLFOCUS" }, { IDC_N_DATE, (UINT)DTN_DATETIMECHANGE, "DATETIMECHANGE" },
            { IDC_N_DATE, (UINT)DTN_DROPDOWN, "DROPDOWN" }, { IDC_N_DATE, (UINT)DTN_CLOSEUP, "CLOSEUP" },
            { IDC_N_SPIN, (UINT)UDN_DELTAPOS, "DELTAPOS" }, { IDC_N_YEAR, EN_CHANGE, "CHANGE" },
            { IDC_N_CHECK, BN_CLICKED, "CLICKED" },
        };
        QString name;
        for (const Name& n : names)
            if (n.id == id && n.code == code)
                name = QString::fromLatin1(n.name);
        if (name.isEmpty() || (!focus && name.endsWith(QLatin1String("FOCUS"))))
            return;  // set-up notifications of other kinds
        log << QStringLiteral("%1 %2").arg(name, state(id));
    }
    QString state(int id)
    {
        CWnd* w = GetDlgItem(id);
        if (id == IDC_N_LISTBOX)
            return QString::number(static_cast<CListBox*>(w)->GetCurSel());
        if (id == IDC_N_CHECK)
            return QString::number(static_cast<CButton*>(w)->GetCheck());
        if (id == IDC_N_SPIN)
            w = GetDlgItem(IDC_N_YEAR);
        CString text;
        w->GetWindowText(text);
        return text.ToQString();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(NotifyDlg, CDialog)
END_MESSAGE_MAP()

template <class T> T* widget(CWnd* dlg, int id) { return qobject_cast<T*>(dlg->GetDlgItem(id)->GetQWidget()); }

void openList(QComboBox* combo)
{
    QTest::mouseClick(combo, Qt::LeftButton);
    QTest::qWait(1);  // the list takes clicks once its opening click is over
    ASSERT_TRUE(combo->view()->isVisible()) << "the list opened";
}

TEST(NotificationOrderTest, EachUserActNotifiesInTheWindowSystemsOrderWithTheNewStateInPlace)
{
    NotifyDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_NOTIFY, nullptr));
    afxtest::showActive(&dlg);
    QApplication::setDoubleClickInterval(0);  // a click right after the list opens counts
    auto* list = widget<QComboBox>(&dlg, IDC_N_LIST);
    ASSERT_NE(list, nullptr);

    struct Case {
        const char* act;
        std::function<void()> run;
        QStringList expected;
        bool focus = false;
    } cases[] = {
        { "drop-down list: Down and Enter in the open list",
          [&] {
              openList(list);
              QTest::keyClick(list->view(), Qt::Key_Down);
              QTest::keyClick(list->view(), Qt::Key_Return);
          },
          { "DROPDOWN первый", "SELCHANGE второй", "SELENDOK второй", "CLOSEUP второй" } },
        { "drop-down list: a click on an entry of the open list",
          [&] {
              openList(list);
              QAbstractItemView* v = list->view();
              QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(v->model()->index(2, 0)).center());
          },
          { "DROPDOWN второй", "SELCHANGE третий", "SELENDOK третий", "CLOSEUP третий" } },
        { "drop-down list: Escape closes without a choice",
          [&] {
              openList(list);
              QTest::keyClick(list->view(), Qt::Key_Up);
              QTest::keyClick(list->view(), Qt::Key_Escape);
          },
          { "DROPDOWN третий", "SELENDCANCEL третий", "CLOSEUP третий" } },
        { "drop-down list: Up while the list is closed",
          [&] { QTest::keyClick(list, Qt::Key_Up); },
          { "SELCHANGE второй", "SELENDOK второй" } },
        { "drop-down combo: typing into its edit",
          [&] {
              auto* combo = widget<QComboBox>(&dlg, IDC_N_EDITCOMBO);
              combo->lineEdit()->selectAll();
              QTest::keyClicks(combo->lineEdit(), "ab");
          },
          { "EDITCHANGE a", "EDITCHANGE ab" } },
        { "edit: typing, then Tab to the next control",
          [&] {
              afxtest::typeInto(&dlg, IDC_N_EDIT, QStringLiteral("xy"));
              QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
          },
          { "KILLFOCUS второй", "SETFOCUS ", "CHANGE x", "CHANGE xy", "KILLFOCUS xy", "SETFOCUS -1" }, true },
        { "list box: a click on an entry, then a double click",
          [&] {
              auto* box = widget<QListWidget>(&dlg, IDC_N_LISTBOX);
              const QPoint at = box->visualItemRect(box->item(1)).center();
              QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, at);
              QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, at);
          },
          { "SELCHANGE 1", "DBLCLK 1" } },
        { "date picker: a day chosen in its calendar",
          [&] {
              auto* edit = dlg.GetDlgItem(IDC_N_DATE)->GetQWidget()->findChild<QDateTimeEdit*>();
              QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() - 4, edit->height() / 2));
              QCalendarWidget* calendar = edit->calendarWidget();
              ASSERT_TRUE(calendar->isVisible()) << "the calendar opened";
              QWidget* days = calendar->findChild<QAbstractItemView*>();
              QTest::keyClick(days, Qt::Key_Right);
              QTest::keyClick(days, Qt::Key_Return);
          },
          { "DROPDOWN 10.03.2026", "DATETIMECHANGE 11.03.2026", "CLOSEUP 11.03.2026" } },
        { "up-down: a click on its up arrow",
          [&] {
              auto* up = dlg.GetDlgItem(IDC_N_SPIN)->GetQWidget()->findChildren<QToolButton*>().value(0);
              QTest::mouseClick(up, Qt::LeftButton);
          },
          { "DELTAPOS 2025", "CHANGE 2026" } },
        { "check box: a click",
          [&] { afxtest::click(&dlg, IDC_N_CHECK); },
          { "CLICKED 1" } },
    };
    for (const Case& c : cases) {
        dlg.log.clear();
        dlg.focus = c.focus;
        c.run();
        EXPECT_EQ(dlg.log.join(QLatin1String(" | ")).toStdString(), c.expected.join(QLatin1String(" | ")).toStdString())
            << c.act;
    }
    dlg.DestroyWindow();
    afxtest::flushDeletes();
}

} // namespace
