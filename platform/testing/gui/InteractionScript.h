// The interaction script of a test: the modal steps it expects, in order,
// and what to do at each. Installed for its lifetime as the driver of the
// interaction point. A step that was not expected, or one that did not close
// its window, fails the test with what was shown and is closed (a message
// answers Cancel); expected steps that never came fail the test when the
// script ends (or at verify()).
//
//   afxtest::InteractionScript script;
//   script.dialog(910, [](afxtest::DialogStep& d) {
//             d.type(112, "1");
//             d.click(IDOK);
//         })
//         .message("Записать изменения ? ", IDYES);
#pragma once
#include "GuiDriver.h"
#include <QStringList>
#include <deque>
#include <functional>

namespace afxtest {

// The window of a dialog step and the acts on it.
class DialogStep {
public:
    explicit DialogStep(AfxModalRequest& req) : m_req(req) {}
    CWnd* window() const { return m_req.wnd; }
    CWnd* item(int id) const { return control(m_req.wnd, id); }
    QString text(int id) const { return afxtest::text(m_req.wnd, id); }
    void type(int id, const QString& text) { typeInto(m_req.wnd, id, text); }
    void setText(int id, const QString& text);
    void choose(int id, const QString& entry) { chooseEntry(m_req.wnd, id, entry); }
    void choose(int id, int index) { chooseEntry(m_req.wnd, id, index); }
    void click(int id) { afxtest::click(m_req.wnd, id); }
    void check(int id, bool on) { setChecked(m_req.wnd, id, on); }
    void key(int id, Qt::Key key) { pressKey(m_req.wnd, id, key); }
    AfxModalRequest& request() { return m_req; }

private:
    AfxModalRequest& m_req;
};

class InteractionScript : public AfxModalDriver {
public:
    using Steps = std::function<void(DialogStep&)>;
    InteractionScript();
    ~InteractionScript() override;

    // A message box whose text is `text` (exactly), answered with IDYES, IDNO, IDOK...
    InteractionScript& message(const QString& text, int answer);
    InteractionScript& messageContaining(const QString& part, int answer);
    // The same, with something done while the message is shown (another
    // user's change while the question waits), before it is answered.
    InteractionScript& message(const QString& text, int answer, std::function<void()> meanwhile);
    InteractionScript& messageContaining(const QString& part, int answer, std::function<void()> meanwhile);
    // A modal dialog by its template id or its caption; the steps must close it.
    InteractionScript& dialog(UINT templateId, Steps steps);
    InteractionScript& dialogCaption(const QString& caption, Steps steps);
    // A chooser by name: the steps set request().answer / result.
    InteractionScript& chooser(const QString& name, Steps steps);

    // Fails the test for the steps never taken (once).
    void verify();
    bool finished() const { return m_steps.empty(); }
    // Everything shown so far, one line per step.
    const QStringList& shown() const { return m_shown; }
    // The details of each message shown, in order (empty for a plain one).
    const QStringList& details() const { return m_details; }
    const QList<UINT>& beeps() const { return m_beeps; }

    void run(AfxModalRequest& req) override;
    void leftOpen(AfxModalRequest& req) override;
    void beep(UINT type) override { m_beeps << type; }

private:
    struct Step {
        AfxModalKind kind;
        QString match;       // text, caption, template id or chooser name
        bool contains = false;
        bool byCaption = false;
        int answer = 0;
        Steps steps;
        QString describe() const;
    };
    bool matches(const Step& step, const AfxModalRequest& req) const;
    static QString describe(const AfxModalRequest& req);

    std::deque<Step> m_steps;
    QStringList m_shown;
    QStringList m_details;
    QList<UINT> m_beeps;
    bool m_currentUnexpected = false;
    AfxModalDriver* m_previous = nullptr;
};

} // namespace afxtest
