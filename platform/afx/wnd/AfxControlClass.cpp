#include "wnd/AfxControlClass.h"
#include "wnd/AfxDispatch.h"
#include "wnd/CWnd.h"
#include "wnd/MessagePump.h"
#include "wnd/WndHandleTable.h"
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QWidget>

namespace {

QMap<QString, AfxControlClass>& classes()
{
    static QMap<QString, AfxControlClass> map;
    return map;
}

} // namespace

QString AfxQ(const char* s) { return QString::fromUtf8(s ? s : ""); }
CString AfxC(const QString& s) { return CString(s); }

void AfxRegisterControlClass(const AfxControlClass& cls) { classes().insert(QString::fromUtf8(cls.name).toLower(), cls); }

const AfxControlClass* AfxFindControlClass(LPCTSTR lpszClassName)
{
    auto& map = classes();
    auto it = map.constFind(AfxQ(lpszClassName).toLower());
    return it == map.constEnd() ? nullptr : &*it;
}

HWND AfxCreateControl(const AfxControlClass* cls, const AfxControlCreate& cc, CWnd* pWnd)
{
    AfxInstallMessagePump();
    QWidget* widget = cls->create(cc);
    if (!widget)
        return nullptr;
    std::unique_ptr<CWnd> wrapper;
    if (!pWnd)
        wrapper.reset(cls->makeWrapper ? cls->makeWrapper() : new CWnd);
    CWnd* target = pWnd ? pWnd : wrapper.get();
    HWND h = WndHandleTable::add(widget, target, std::move(wrapper), cls, cc.style, cc.exStyle, (int)cc.id);
    if (pWnd)
        AfxWndAccess::setOwnsWidget(pWnd, TRUE);
    if (cls->connect)
        cls->connect(widget, h);
    widget->setVisible(cc.style & WS_VISIBLE);
    return h;
}

void AfxNotifyParent(HWND hControl, UINT nCode)
{
    WndRecord* rec = WndHandleTable::findLive(hControl);
    if (!rec || !rec->wnd)
        return;
    CWnd* parent = rec->wnd->GetParent();
    if (!parent)
        return;
    HWND hParent = parent->m_hWnd;
    WPARAM w = MAKEWPARAM(rec->id, nCode);
    AfxGuardedCall(parent, [&] {
        if (CWnd* p = CWnd::FromHandle(hParent))
            AfxCallWndProc(p, hParent, WM_COMMAND, w, (LPARAM)hControl);
    });
}

LRESULT AfxNotifyParentNM(HWND hControl, NMHDR* hdr)
{
    WndRecord* rec = WndHandleTable::findLive(hControl);
    if (!rec || !rec->wnd)
        return 0;
    CWnd* parent = rec->wnd->GetParent();
    if (!parent)
        return 0;
    hdr->hwndFrom = hControl;
    hdr->idFrom = (UINT_PTR)rec->id;
    HWND hParent = parent->m_hWnd;
    LRESULT result = 0;
    AfxGuardedCall(parent, [&] {
        if (CWnd* p = CWnd::FromHandle(hParent))
            result = AfxCallWndProc(p, hParent, WM_NOTIFY, (WPARAM)rec->id, (LPARAM)hdr);
    });
    return result;
}

CString AfxWidgetText(const QWidget* w)
{
    if (auto* t = dynamic_cast<const AfxTextWidget*>(w))
        return t->windowText();
    if (auto* e = qobject_cast<const QLineEdit*>(w))
        return AfxC(e->text());
    if (auto* p = qobject_cast<const QPlainTextEdit*>(w)) {
        QString text = p->toPlainText();
        text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        return AfxC(text);
    }
    if (auto* c = qobject_cast<const QComboBox*>(w))
        return AfxC(c->currentText());
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return AfxC(b->text());
    if (auto* g = qobject_cast<const QGroupBox*>(w))
        return AfxC(g->title());
    if (auto* l = qobject_cast<const QLabel*>(w))
        return AfxC(l->text());
    return AfxC(w->windowTitle());
}

void AfxSetWidgetText(QWidget* w, const CString& text)
{
    QString q = text.ToQString();
    if (auto* t = dynamic_cast<AfxTextWidget*>(w))
        t->setWindowText(text);
    else if (auto* e = qobject_cast<QLineEdit*>(w)) {
        // As a window text set by the program, the field shows its beginning
        // (a long name is not shown by its end).
        e->setText(q);
        e->setCursorPosition(0);
    }
    else if (auto* p = qobject_cast<QPlainTextEdit*>(w))
        p->setPlainText(q.replace(QLatin1String("\r\n"), QLatin1String("\n")));
    else if (auto* c = qobject_cast<QComboBox*>(w)) {
        if (c->isEditable())
            c->setEditText(q);
    } else if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(q);
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        g->setTitle(q);
    else if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(q);
    else
        w->setWindowTitle(q);
}
