// The settlements forms in the ledger's test program: open a form, save it
// answering the question, expect a refusal, read the report window's page.
#pragma once
#include "CHelpers.h"
#include "CReportView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "ScriptHooks.h"
#include "ndbcore.h"

#include <QTextBrowser>
#include <cstdlib>
#include <functional>
#include <initializer_list>

namespace settlementstest {

// While it lives, the pages a script shows itself through app.report go to
// the report window under their title, as the program routes them.
class ScriptReportsShown {
public:
    ScriptReportsShown() : m_kept(appcore::GetScriptHooks().showReport)
    {
        appcore::GetScriptHooks().showReport = [](const std::string& html, const std::string& title) {
            CHelpers::DisplayMessage(html.c_str(), title.c_str(), 0, 9, "#f5f5FF", -1, -1);
        };
    }
    ~ScriptReportsShown() { appcore::GetScriptHooks().showReport = m_kept; }
    ScriptReportsShown(const ScriptReportsShown&) = delete;
    ScriptReportsShown& operator=(const ScriptReportsShown&) = delete;

private:
    std::function<void(const std::string&, const std::string&)> m_kept;
};

class SettlementsProgram : public ledgertest::LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        // The report files are beside the program.
        qputenv("VORNAL_PROGRAM_DIR", std::getenv("VORNAL_BIN"));
        AfxGetApp()->WriteProfileInt("constants", "select_fil", 1);
    }
    void TearDown() override
    {
        qunsetenv("VORNAL_PROGRAM_DIR");
        LedgerProgram::TearDown();
    }
    template <class T>
    T* Open(const char* document)
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0(document, 0, nullptr), 1);
        return Active<T>();
    }
    template <class T>
    T* OpenStored(const char* document, long realId)
    {
        EXPECT_EQ(CHelpers::I_OpenDocument(realId, nullptr, document, 0), 1);
        return Active<T>();
    }
    // "Записать изменения ? " answered Yes; then the messages that follow.
    static void SaveYes(CWnd* view, const QStringList& after = {})
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Записать изменения ? "), IDYES);
        for (const QString& text : after)
            script.message(text, IDYES);
        afxtest::click(view, IDOK);
        script.verify();
    }
    // The save stops at `message` with the focus on `focus` (0: not looked at).
    static void Refused(CWnd* view, const char* message, UINT focus)
    {
        afxtest::InteractionScript script;
        script.message(QString::fromUtf8(message), IDOK);
        afxtest::click(view, IDOK);
        script.verify();
        if (focus) {
            CWnd* focused = CWnd::GetFocus();
            EXPECT_TRUE(focused && focused->GetDlgCtrlID() == int(focus))
                << message << ": focus on " << (focused ? focused->GetDlgCtrlID() : -1);
        }
    }
    // A typed field's input that stops the save with a message; the focus
    // goes to the field, or to `focus` when that is given.
    struct Refusal {
        UINT field;
        const char* input;
        const char* message;
        UINT focus = 0;
    };
    // Each refusal in turn on the form filled afresh by `fill`; nothing is written.
    static void ExpectRefusals(CWnd* view, std::initializer_list<Refusal> cases, const std::function<void()>& fill)
    {
        for (const Refusal& c : cases) {
            SCOPED_TRACE(c.message);
            fill();
            view->SetDlgItemText(c.field, c.input);
            Refused(view, c.message, c.focus ? c.focus : c.field);
        }
    }
    // The text of the report window in front, which is then closed.
    QString ReportPage()
    {
        auto* report = Active<CReportView>();
        if (!report)
            return QString();
        const QString text = report->GetPage()->Browser()->toPlainText();
        report->GetParentFrame()->SendMessage(WM_CLOSE);
        Settle();
        return text;
    }
    CString Stored(const char* table, long realId, const char* column)
    {
        return Text(FormatText("select %s as str from %s where real_id=%d", column, table, realId));
    }
};

} // namespace settlementstest
