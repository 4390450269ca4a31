// Dialogs from the tests' resource script, driven by the interaction script:
// Cyrillic captions and typing, DDX both ways, Enter and Escape, a question
// asked inside OnOK, and a picture of a dialog.
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "afx.h"
#include "res/resource.h"
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

class LoginDlg : public CDialog {
public:
    LoginDlg() : CDialog(IDD_LOGIN) {}
    CString m_number;
    CString m_password;
    int m_remember = 1;
    int m_kind = 0;
    CComboBox m_kindBox;
    int attempts = 0;
    QStringList changes;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_KIND, m_kindBox);
        DDX_Text(pDX, IDC_NUMBER, m_number);
        DDV_MaxChars(pDX, m_number, 6);
        DDX_Text(pDX, IDC_PASSWORD, m_password);
        DDX_Check(pDX, IDC_REMEMBER, m_remember);
        DDX_CBIndex(pDX, IDC_KIND, m_kind);
    }
    void OnOK() override
    {
        if (!UpdateData(TRUE))
            return;
        ++attempts;
        if (m_password != CString("секрет")) {
            AfxMessageBox("Имя пользователя или пароль неверны");
            GotoDlgCtrl(GetDlgItem(IDC_PASSWORD));
            return;
        }
        if (AfxMessageBox("Записать изменения ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
        EndDialog(IDOK);
    }
    afx_msg void OnNumberChange() { changes << text(IDC_NUMBER); }
    // The list is filled when it opens, as the year list of the period view is.
    afx_msg void OnKindDropDown()
    {
        m_kindBox.ResetContent();
        m_kindBox.AddString("Бухгалтер");
        m_kindBox.AddString("Кассир");
        m_kindBox.SetItemData(1, 42);
        changes << "dropdown";
    }
    afx_msg void OnKindChosen() { changes << QStringLiteral("chosen %1").arg(m_kindBox.GetItemData(m_kindBox.GetCurSel())); }
    QString text(int id)
    {
        CString s;
        GetDlgItemText(id, s);
        return s.ToQString();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(LoginDlg, CDialog)
    ON_EN_CHANGE(IDC_NUMBER, OnNumberChange)
    ON_CBN_DROPDOWN(IDC_KIND, OnKindDropDown)
    ON_CBN_SELENDOK(IDC_KIND, OnKindChosen)
END_MESSAGE_MAP()

TEST(DialogTest, LoginDialogIsDrivenByTheScriptWithAQuestionInsideOnOK)
{
    LoginDlg dlg;
    dlg.m_number = "7";
    afxtest::InteractionScript script;
    script
        .dialogCaption("Регистрация пользователя",
                       [](afxtest::DialogStep& d) {
                           EXPECT_EQ(d.text(IDC_NUMBER), QStringLiteral("7")) << "DDX filled the field";
                           d.type(IDC_NUMBER, QStringLiteral("15"));
                           d.type(IDC_PASSWORD, QStringLiteral("неверно"));
                           d.click(IDOK);  // wrong password: a message, the dialog stays
                           EXPECT_TRUE(d.window()->IsWindowVisible());
                           d.type(IDC_PASSWORD, QStringLiteral("секрет"));
                           d.check(IDC_REMEMBER, false);
                           d.choose(IDC_KIND, QStringLiteral("Кассир"));
                           d.key(IDC_PASSWORD, Qt::Key_Return);  // Enter presses the default button
                       })
        .message("Имя пользователя или пароль неверны", IDOK)
        .message("Записать изменения ? ", IDYES);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(script.finished()) << script.shown().join('\n').toStdString();
    EXPECT_EQ(dlg.m_number, CString("15"));
    EXPECT_EQ(dlg.m_password, CString("секрет"));
    EXPECT_EQ(dlg.m_remember, 0);
    EXPECT_EQ(dlg.m_kind, 1);
    EXPECT_EQ(dlg.attempts, 2);
    EXPECT_EQ(dlg.changes, (QStringList { "7", "1", "15", "dropdown", "chosen 42" }))
        << "a typed key replaces the selection at once; the list is filled as it opens";
    EXPECT_EQ(dlg.m_hWnd, nullptr) << "the window is gone after DoModal";
    EXPECT_EQ(dlg.m_kindBox.m_hWnd, nullptr);
}

TEST(DialogTest, EscapeAndNoKeepOrCancelTheDialog)
{
    LoginDlg dlg;
    afxtest::InteractionScript script;
    script
        .dialog(IDD_LOGIN,
                [](afxtest::DialogStep& d) {
                    d.type(IDC_PASSWORD, QStringLiteral("секрет"));
                    d.click(IDOK);  // answered No: the dialog stays open
                    EXPECT_TRUE(d.window()->IsWindowVisible());
                    d.key(IDC_NUMBER, Qt::Key_Escape);
                })
        .message("Записать изменения ? ", IDNO);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST(DialogTest, AnUnexpectedMessageFailsTheStepAndIsClosed)
{
    LoginDlg dlg;
    QStringList shown;
    {
        afxtest::InteractionScript script;
        script.dialog(IDD_LOGIN, [](afxtest::DialogStep& d) {
            d.type(IDC_PASSWORD, QStringLiteral("x"));
            EXPECT_NONFATAL_FAILURE(d.click(IDOK), "unexpected message \"Имя пользователя или пароль неверны\"");
            d.click(IDCANCEL);
        });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        shown = script.shown();
    }
    EXPECT_EQ(shown.size(), 2);
}

class OptionsDlg : public CDialog {
public:
    OptionsDlg() : CDialog(IDD_OPTIONS) {}
    double m_amount = 0;
    CString m_note;
    int m_order = -1;
    CString m_entry;
    HBRUSH m_brush = CreateSolidBrush(RGB(255, 255, 224));
    ~OptionsDlg() override { DeleteObject(m_brush); }
    BOOL OnInitDialog() override
    {
        auto* list = static_cast<CListBox*>(GetDlgItem(IDC_LIST));
        for (const char* s : { "Январь", "Март", "Февраль" })
            list->AddString(s);
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_AMOUNT, m_amount);
        DDV_MinMaxDouble(pDX, m_amount, 0, 1000000);
        DDX_Text(pDX, IDC_NOTE, m_note);
        DDX_Radio(pDX, IDC_RADIO_A, m_order);
        DDX_LBString(pDX, IDC_LIST, m_entry);
    }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        if (nCtlColor == CTLCOLOR_STATIC && pWnd->GetDlgCtrlID() == IDC_TITLE) {
            pDC->SetTextColor(RGB(127, 0, 0));
            pDC->SetBkMode(TRANSPARENT);
            return m_brush;
        }
        return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(OptionsDlg, CDialog)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

TEST(DialogTest, DataExchangeRoundTrip)
{
    OptionsDlg dlg;
    dlg.m_amount = 1234.5;
    dlg.m_note = "Первая строка\r\nвторая";
    dlg.m_order = 1;
    dlg.m_entry = "Март";
    afxtest::InteractionScript script;
    script.dialog(IDD_OPTIONS, [](afxtest::DialogStep& d) {
        EXPECT_EQ(d.text(IDC_AMOUNT), QStringLiteral("1234.5"));
        EXPECT_EQ(d.text(IDC_NOTE), QStringLiteral("Первая строка\r\nвторая"));
        EXPECT_TRUE(d.window()->IsDlgButtonChecked(IDC_RADIO_B));
        auto* list = static_cast<CListBox*>(d.item(IDC_LIST));
        CString first;
        list->GetText(0, first);
        EXPECT_EQ(first, CString("Март")) << "LBS_SORT keeps the list in order";
        EXPECT_EQ(list->GetCurSel(), 0);
        d.window()->SetDlgItemText(IDC_AMOUNT, "1234567890123456789012345678901234567890");
        EXPECT_EQ(qobject_cast<QLineEdit*>(d.item(IDC_AMOUNT)->GetQWidget())->cursorPosition(), 0)
            << "a text set by the program shows its beginning";
        d.type(IDC_AMOUNT, QStringLiteral("12,75"));  // a decimal comma is taken
        d.click(IDC_RADIO_C);
        EXPECT_FALSE(d.window()->IsDlgButtonChecked(IDC_RADIO_B)) << "auto radio buttons form a group";
        list->SetCurSel(2);
        d.click(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_DOUBLE_EQ(dlg.m_amount, 12.75);
    EXPECT_EQ(dlg.m_order, 2);
    EXPECT_EQ(dlg.m_entry, CString("Январь"));
    EXPECT_EQ(dlg.m_note, CString("Первая строка\r\nвторая"));
}

TEST(DialogTest, ScreenshotOfADialogIsNotBlank)
{
    OptionsDlg dlg;
    dlg.m_amount = 99.5;
    ASSERT_TRUE(dlg.Create(IDD_OPTIONS));
    afxtest::showActive(&dlg);
    QImage picture = afxtest::grab(&dlg);
    // Beside the test binary, in the build folder.
    QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots/options.png");
    QDir().mkpath(QFileInfo(path).path());
    EXPECT_TRUE(picture.save(path));
    EXPECT_GT(picture.width(), 300);
    EXPECT_GT(afxtest::distinctColours(picture), 50);
    // The title static took its colours from WM_CTLCOLORSTATIC.
    auto* title = qobject_cast<QLabel*>(dlg.GetDlgItem(IDC_TITLE)->GetQWidget());
    EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(127, 0, 0));
    EXPECT_EQ(title->text(), QStringLiteral("Параметры расчёта"));
    dlg.DestroyWindow();
    afxtest::flushDeletes();
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST(DialogTest, AValueThatCannotBeTakenKeepsTheDialogWithAMessage)
{
    LoginDlg login;
    afxtest::InteractionScript script;
    script.dialog(IDD_LOGIN, [](afxtest::DialogStep& d) {
        d.type(IDC_NUMBER, QStringLiteral("1234567"));
        EXPECT_EQ(d.text(IDC_NUMBER), QStringLiteral("123456")) << "DDV_MaxChars limits the typing";
        d.click(IDCANCEL);
    });
    EXPECT_EQ(login.DoModal(), IDCANCEL);

    OptionsDlg options;
    script
        .dialog(IDD_OPTIONS,
                [](afxtest::DialogStep& d) {
                    d.type(IDC_AMOUNT, QStringLiteral("2000000"));
                    d.click(IDOK);
                    CEdit* amount = static_cast<CEdit*>(d.item(IDC_AMOUNT));
                    EXPECT_EQ(CWnd::GetFocus(), amount) << "the refused field takes the focus";
                    EXPECT_EQ(amount->GetSel(), (DWORD)MAKELONG(0, 7)) << "with its text selected";
                    d.type(IDC_AMOUNT, QStringLiteral("сто"));
                    d.click(IDOK);
                    d.click(IDCANCEL);
                })
        .message("Введите число от 0 до 1000000.", IDOK)
        .message("Введите число.", IDOK);
    EXPECT_EQ(options.DoModal(), IDCANCEL);
    EXPECT_EQ(options.m_amount, 2000000.0) << "as in MFC, the value is taken before the range check";
}

// The login dialog's Tab in the password field: with both fields filled it
// posts IDOK to itself and lets the key go on.
class TabLoginDlg : public LoginDlg {
public:
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB && CWnd::GetFocus() == GetDlgItem(IDC_PASSWORD)
            && !text(IDC_NUMBER).isEmpty() && !text(IDC_PASSWORD).isEmpty())
            PostMessage(WM_COMMAND, IDOK, 0);
        return LoginDlg::PreTranslateMessage(pMsg);
    }
};

TEST(DialogTest, PreTranslateMessageSeesKeysBeforeTheControl)
{
    TabLoginDlg dlg;
    afxtest::InteractionScript script;
    script
        .dialog(IDD_LOGIN,
                [](afxtest::DialogStep& d) {
                    d.type(IDC_NUMBER, QStringLiteral("1"));
                    d.key(IDC_PASSWORD, Qt::Key_Tab);  // empty password: nothing posted
                    afxtest::deliverPosted();
                    EXPECT_TRUE(d.window()->IsWindowVisible());
                    d.type(IDC_PASSWORD, QStringLiteral("секрет"));
                    d.key(IDC_PASSWORD, Qt::Key_Tab);
                    EXPECT_EQ(CWnd::GetFocus(), d.item(IDC_REMEMBER)) << "the Tab went on to the next control";
                    afxtest::deliverPosted();
                })
        .message("Записать изменения ? ", IDYES);
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST(DialogTest, AChooserWithoutAWindowIsAnsweredByTheScript)
{
    afxtest::InteractionScript script;
    script.chooser("file", [](afxtest::DialogStep& d) {
        EXPECT_EQ(d.request().text, CString("Выберите файл"));
        d.request().answer = "/tmp/выписка.k";
        d.request().result = IDOK;
    });
    AfxModalRequest req;
    req.kind = AfxModalKind::Chooser;
    req.chooser = "file";
    req.text = "Выберите файл";
    req.show = [](AfxModalRequest&) -> int { ADD_FAILURE() << "the real chooser must not open in a test"; return IDCANCEL; };
    EXPECT_EQ(AfxRunModal(req), IDOK);
    EXPECT_EQ(req.answer, CString("/tmp/выписка.k"));
}

TEST(DialogTest, MissingTemplateGivesMinusOne)
{
    CDialog dlg(4711);
    afxtest::InteractionScript script;
    EXPECT_EQ(dlg.DoModal(), -1);
}

} // namespace

namespace {

// ... and fails the test that caused it: nobody expected it.
TEST(DialogTest, WithoutAScriptAModalStepIsRefusedAtOnceAndFailsTheTest)
{
    ASSERT_EQ(AfxGetModalDriver(), nullptr);
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(AfxMessageBox("Удалить эту строку ? ", MB_YESNO | MB_ICONQUESTION), IDCANCEL),
                            "a modal step with no one to answer it");
    EXPECT_NONFATAL_FAILURE(
        {
            LoginDlg dlg;
            EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        },
        "Регистрация пользователя");
}

} // namespace
