#include "InteractionScript.h"
#include <QAbstractButton>
#include <QDialog>
#include <gtest/gtest.h>

namespace afxtest {

void DialogStep::setText(int id, const QString& text)
{
    if (CWnd* w = item(id))
        w->SetWindowText(CString(text));
}

InteractionScript::InteractionScript()
{
    m_previous = AfxGetModalDriver();
    AfxSetModalDriver(this);
}

InteractionScript::~InteractionScript()
{
    verify();
    AfxSetModalDriver(m_previous);
}

InteractionScript& InteractionScript::message(const QString& text, int answer)
{
    m_steps.push_back(Step { AfxModalKind::Message, text, false, false, answer, {} });
    return *this;
}

InteractionScript& InteractionScript::message(const QString& text, int answer, std::function<void()> meanwhile)
{
    m_steps.push_back(Step { AfxModalKind::Message, text, false, false, answer,
                             [meanwhile = std::move(meanwhile)](DialogStep&) { meanwhile(); } });
    return *this;
}

InteractionScript& InteractionScript::messageContaining(const QString& part, int answer)
{
    m_steps.push_back(Step { AfxModalKind::Message, part, true, false, answer, {} });
    return *this;
}

InteractionScript& InteractionScript::messageContaining(const QString& part, int answer,
                                                        std::function<void()> meanwhile)
{
    m_steps.push_back(Step { AfxModalKind::Message, part, true, false, answer,
                             [meanwhile = std::move(meanwhile)](DialogStep&) { meanwhile(); } });
    return *this;
}

InteractionScript& InteractionScript::dialog(UINT templateId, Steps steps)
{
    m_steps.push_back(Step { AfxModalKind::Dialog, QString::number(templateId), false, false, 0, std::move(steps) });
    return *this;
}

InteractionScript& InteractionScript::dialogCaption(const QString& caption, Steps steps)
{
    m_steps.push_back(Step { AfxModalKind::Dialog, caption, false, true, 0, std::move(steps) });
    return *this;
}

InteractionScript& InteractionScript::chooser(const QString& name, Steps steps)
{
    m_steps.push_back(Step { AfxModalKind::Chooser, name, false, false, 0, std::move(steps) });
    return *this;
}

void InteractionScript::verify()
{
    for (const Step& s : m_steps)
        ADD_FAILURE() << "expected step never came: " << s.describe().toStdString() << "\nshown:\n"
                      << m_shown.join(QLatin1Char('\n')).toStdString();
    m_steps.clear();
}

QString InteractionScript::Step::describe() const
{
    switch (kind) {
    case AfxModalKind::Message:
        return QStringLiteral("message %1\"%2\"").arg(contains ? QStringLiteral("containing ") : QString(), match);
    case AfxModalKind::Dialog:
        return byCaption ? QStringLiteral("dialog \"%1\"").arg(match) : QStringLiteral("dialog %1").arg(match);
    default:
        return QStringLiteral("chooser %1").arg(match);
    }
}

QString InteractionScript::describe(const AfxModalRequest& req)
{
    switch (req.kind) {
    case AfxModalKind::Message:
        return QStringLiteral("message \"%1\"").arg(req.text.ToQString());
    case AfxModalKind::Dialog:
        return QStringLiteral("dialog %1 \"%2\"").arg(req.templateName.ToQString(), req.caption.ToQString());
    default:
        return QStringLiteral("chooser %1 \"%2\"").arg(req.chooser.ToQString(), req.text.ToQString());
    }
}

bool InteractionScript::matches(const Step& step, const AfxModalRequest& req) const
{
    if (step.kind != req.kind)
        return false;
    switch (req.kind) {
    case AfxModalKind::Message:
        return step.contains ? req.text.ToQString().contains(step.match) : req.text.ToQString() == step.match;
    case AfxModalKind::Dialog:
        return step.byCaption ? req.caption.ToQString() == step.match : req.templateName.ToQString() == step.match;
    default:
        return req.chooser.ToQString() == step.match;
    }
}

void InteractionScript::run(AfxModalRequest& req)
{
    m_shown << describe(req);
    if (req.kind == AfxModalKind::Message)
        m_details << req.details.ToQString();
    if (m_steps.empty() || !matches(m_steps.front(), req)) {
        m_currentUnexpected = true;
        ADD_FAILURE() << "unexpected " << describe(req).toStdString() << "; expected "
                      << (m_steps.empty() ? std::string("nothing") : m_steps.front().describe().toStdString());
        return;
    }
    Step step = std::move(m_steps.front());
    m_steps.pop_front();
    m_currentUnexpected = false;
    if (req.kind == AfxModalKind::Message) {
        if (step.steps) {
            DialogStep d(req);
            step.steps(d);
        }
        for (QAbstractButton* b : req.widget->findChildren<QAbstractButton*>()) {
            if (b->property("afx_id").toInt() == step.answer) {
                b->click();
                return;
            }
        }
        ADD_FAILURE() << describe(req).toStdString() << " has no button " << step.answer;
        return;
    }
    DialogStep d(req);
    step.steps(d);
}

void InteractionScript::leftOpen(AfxModalRequest& req)
{
    if (!m_currentUnexpected)
        ADD_FAILURE() << "the step left its window open: " << describe(req).toStdString();
    m_currentUnexpected = false;
}

} // namespace afxtest
