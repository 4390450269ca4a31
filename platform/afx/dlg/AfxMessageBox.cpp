#include "dlg/AfxMessageBox.h"
#include "app/CWinApp.h"
#include "dlg/AfxFailureScope.h"
#include "dlg/AfxInteraction.h"
#include "dlg/AfxMessageHold.h"
#include "res/AfxResources.h"
#include "wnd/AfxMessages.h"
#include "wnd/CWnd.h"
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTranslator>
#include <cstdio>
#include <vector>

namespace {

struct ButtonKind {
    int id;
    const char* text;
    QMessageBox::ButtonRole role;
};

std::vector<ButtonKind> buttonsOf(UINT type)
{
    const ButtonKind ok { IDOK, "ОК", QMessageBox::AcceptRole };
    const ButtonKind cancel { IDCANCEL, "Отмена", QMessageBox::RejectRole };
    const ButtonKind yes { IDYES, "Да", QMessageBox::YesRole };
    const ButtonKind no { IDNO, "Нет", QMessageBox::NoRole };
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return { ok, cancel };
    case MB_ABORTRETRYIGNORE:
        return { { IDABORT, "Прервать", QMessageBox::RejectRole },
                 { IDRETRY, "Повтор", QMessageBox::AcceptRole },
                 { IDIGNORE, "Пропустить", QMessageBox::AcceptRole } };
    case MB_YESNOCANCEL: return { yes, no, cancel };
    case MB_YESNO: return { yes, no };
    case MB_RETRYCANCEL: return { { IDRETRY, "Повтор", QMessageBox::AcceptRole }, cancel };
    default: return { ok };
    }
}

QMessageBox::Icon iconOf(UINT type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONASTERISK: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// The box's own captions in Russian: the button that shows its details.
class BoxCaptions : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(context, "QMessageBox") != 0)
            return {};
        if (qstrcmp(source, "Show Details...") == 0)
            return QStringLiteral("Подробнее...");
        if (qstrcmp(source, "Hide Details...") == 0)
            return QStringLiteral("Скрыть подробности");
        return {};
    }
    bool isEmpty() const override { return false; }
};

void installBoxCaptions()
{
    static BoxCaptions* captions = nullptr;
    if (!captions) {
        captions = new BoxCaptions;
        QCoreApplication::installTranslator(captions);
    }
}

int showBox(CWnd* pOwner, const CString& text, const CString& caption, UINT type, const CString& details)
{
    QWidget* parent = pOwner && pOwner->GetQWidget() ? pOwner->GetQWidget()->window() : QApplication::activeWindow();
    QMessageBox box(iconOf(type), caption.ToQString(), text.ToQString(), QMessageBox::NoButton, parent);
    if (!details.IsEmpty()) {
        installBoxCaptions();
        box.setDetailedText(details.ToQString());
    }
    std::vector<ButtonKind> kinds = buttonsOf(type);
    size_t def = (type & MB_DEFMASK) >> 8;
    for (size_t i = 0; i < kinds.size(); ++i) {
        QPushButton* b = box.addButton(QString::fromUtf8(kinds[i].text), kinds[i].role);
        b->setProperty("afx_id", kinds[i].id);
        if (i == def)
            box.setDefaultButton(b);
        if (kinds[i].id == IDCANCEL)
            box.setEscapeButton(b);
    }
    if (!details.IsEmpty()) {
        // "Подробнее..." only shows the details: Enter, wherever the focus
        // is, answers the box with its default button and closes it.
        for (QAbstractButton* b : box.buttons())
            if (auto* push = qobject_cast<QPushButton*>(b); push && !b->property("afx_id").isValid())
                push->setAutoDefault(false);
        if (QPushButton* answer = box.defaultButton())
            answer->setFocus();
    }
    AfxModalRequest req;
    req.kind = AfxModalKind::Message;
    req.text = text;
    req.caption = caption;
    req.type = (UINT)type;
    req.details = details;
    req.widget = &box;
    AfxRunModal(req);
    QAbstractButton* clicked = box.clickedButton();
    return clicked ? clicked->property("afx_id").toInt() : IDCANCEL;
}

// The answer of a question that could not be asked.
int refusedAnswer(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_YESNO: return IDNO;
    case MB_ABORTRETRYIGNORE: return IDABORT;
    default: return IDCANCEL;
    }
}

} // namespace

int AfxMessageBoxFor(CWnd* pOwner, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    return AfxMessageBoxFor(pOwner, lpszText, lpszCaption, nType, nullptr);
}

int AfxMessageBoxWithDetails(LPCTSTR lpszText, LPCTSTR lpszDetails, UINT nType)
{
    return AfxMessageBoxFor(nullptr, lpszText, nullptr, nType, lpszDetails);
}

int AfxMessageBoxFor(CWnd* pOwner, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType, LPCTSTR lpszDetails)
{
    const CString details(lpszDetails ? lpszDetails : "");
    CString text(lpszText ? lpszText : "");
    if (AfxMessagesQuietAfterFailure()) {
        // What the work would say after a failure it has reported follows
        // from that failure (a value that could not be read is not wrong).
        std::fprintf(stderr, "not shown after a reported failure: %s\n", (const char*)text);
        return (nType & MB_TYPEMASK) == MB_OK ? IDOK : refusedAnswer(nType);
    }
    if (AfxMessagesHeld()) {
        CString caption(lpszCaption ? lpszCaption : "");
        if ((nType & MB_TYPEMASK) != MB_OK) {
            qCritical("a question while the database holds locks, answered as refused without asking: \"%s\"",
                      (const char*)text);
            return refusedAnswer(nType);
        }
        AfxShowWhenFree([text, caption, nType, details] {
            AfxMessageBoxFor(nullptr, text, caption.IsEmpty() ? nullptr : (LPCTSTR)caption, nType,
                             details.IsEmpty() ? nullptr : (LPCTSTR)details);
        });
        return IDOK;
    }
    if (!qApp) {
        // No windows at all (a tool run without the interface): the text goes to stderr.
        std::fprintf(stderr, "%s\n", (const char*)text);
        if (!details.IsEmpty())
            std::fprintf(stderr, "%s\n", (const char*)details);
        return (nType & MB_TYPEMASK) == MB_OK ? IDOK : IDCANCEL;
    }
    // The application's name titles a box, as the window system does; the
    // program sets it to the workplace's caption.
    LPCTSTR appName = AfxGetAppName();
    CString caption(lpszCaption ? lpszCaption
                                : (appName && *appName ? appName : QApplication::applicationName().toUtf8().constData()));
    if (qApp && QThread::currentThread() != qApp->thread()) {
        int result = IDCANCEL;
        QMetaObject::invokeMethod(
            qApp, [&] { result = showBox(nullptr, text, caption, nType, details); }, Qt::BlockingQueuedConnection);
        return result;
    }
    return showBox(pOwner, text, caption, nType, details);
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT)
{
    return AfxMessageBoxFor(nullptr, lpszText, nullptr, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT)
{
    CString text;
    AfxLoadString(nIDPrompt, text, AfxGetResourceHandle());
    return AfxMessageBox(text, nType);
}

int MessageBox(HWND hWnd, LPCTSTR lpText, LPCTSTR lpCaption, UINT uType)
{
    return AfxMessageBoxFor(CWnd::FromHandle(hWnd), lpText, lpCaption, uType);
}

BOOL MessageBeep(UINT uType)
{
    if (AfxModalDriver* d = AfxGetModalDriver())
        d->beep(uType);
    else
        QApplication::beep();
    return TRUE;
}

UINT RegisterWindowMessage(LPCTSTR lpString)
{
    static QHash<QString, UINT> known;
    QString name = QString::fromUtf8(lpString ? lpString : "");
    auto it = known.constFind(name);
    if (it != known.constEnd())
        return *it;
    UINT id = 0xC000 + (UINT)known.size();
    known.insert(name, id);
    return id;
}
