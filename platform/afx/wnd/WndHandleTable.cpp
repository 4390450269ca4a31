#include "wnd/WndHandleTable.h"
#include "wnd/AfxControlClass.h"
#include <QMutex>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <map>

namespace {

struct Table {
    quintptr next = 0x10000;
    std::map<quintptr, std::unique_ptr<WndRecord>> records;
    QHash<const QObject*, quintptr> byWidget;
    QSet<quintptr> live;  // read from other threads under the mutex
    QMutex mutex;
};

Table& table()
{
    static Table t;
    return t;
}

quintptr number(HWND h) { return reinterpret_cast<quintptr>(h); }

} // namespace

HWND WndHandleTable::add(QWidget* widget, CWnd* wnd, std::unique_ptr<CWnd> autoWnd, const AfxControlClass* cls,
                         DWORD style, DWORD exStyle, int id)
{
    Table& t = table();
    if (WndRecord* existing = findWidget(widget)) {
        // A widget already recorded keeps its handle; wnd takes it over.
        setWnd(existing, wnd);
        return existing->hwnd;
    }
    auto rec = std::make_unique<WndRecord>();
    quintptr n = t.next++;
    rec->hwnd = reinterpret_cast<HWND>(n);
    rec->widget = widget;
    rec->wnd = wnd;
    rec->autoWnd = std::move(autoWnd);
    rec->cls = cls;
    rec->style = style;
    rec->exStyle = exStyle;
    rec->id = id;
    if (rec->autoWnd && rec->autoWnd.get() != wnd)
        AfxWndAccess::bind(rec->autoWnd.get(), widget, rec->hwnd);
    if (wnd)
        AfxWndAccess::bind(wnd, widget, rec->hwnd);
    HWND h = rec->hwnd;
    t.byWidget.insert(widget, n);
    t.records.emplace(n, std::move(rec));
    {
        QMutexLocker lock(&t.mutex);
        t.live.insert(n);
    }
    QObject::connect(widget, &QObject::destroyed, [](QObject* o) { removeWidget(o); });
    return h;
}

WndRecord* WndHandleTable::find(HWND hwnd)
{
    Table& t = table();
    auto it = t.records.find(number(hwnd));
    return it == t.records.end() ? nullptr : it->second.get();
}

WndRecord* WndHandleTable::findLive(HWND hwnd)
{
    WndRecord* rec = find(hwnd);
    return rec && !rec->closing && rec->widget ? rec : nullptr;
}

WndRecord* WndHandleTable::findWidget(const QWidget* widget)
{
    Table& t = table();
    auto it = t.byWidget.constFind(widget);
    return it == t.byWidget.constEnd() ? nullptr : find(reinterpret_cast<HWND>(*it));
}

WndRecord* WndHandleTable::findOwning(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (WndRecord* rec = findWidget(w))
            return rec;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

bool WndHandleTable::isLive(HWND hwnd)
{
    Table& t = table();
    QMutexLocker lock(&t.mutex);
    return t.live.contains(number(hwnd));
}

void WndHandleTable::markClosing(WndRecord* rec)
{
    rec->closing = true;
    Table& t = table();
    QMutexLocker lock(&t.mutex);
    t.live.remove(number(rec->hwnd));
}

void WndHandleTable::setWnd(WndRecord* rec, CWnd* wnd)
{
    CWnd* previous = rec->wnd;
    if (!wnd && !rec->autoWnd && rec->widget) {
        // A detached window still answers GetDlgItem and FromHandle: it gets
        // a wrapper of its class, as MFC makes a temporary object.
        rec->autoWnd.reset(rec->cls && rec->cls->makeWrapper ? rec->cls->makeWrapper() : new CWnd);
    }
    rec->wnd = wnd ? wnd : rec->autoWnd.get();
    if (previous && previous != rec->autoWnd.get() && previous != rec->wnd)
        AfxWndAccess::unbind(previous);
    if (rec->wnd)
        AfxWndAccess::bind(rec->wnd, rec->widget, rec->hwnd);
}

void WndHandleTable::removeWidget(QObject* widget)
{
    Table& t = table();
    auto it = t.byWidget.find(widget);
    if (it == t.byWidget.end())
        return;
    quintptr n = *it;
    t.byWidget.erase(it);
    {
        QMutexLocker lock(&t.mutex);
        t.live.remove(n);
    }
    auto rit = t.records.find(n);
    if (rit == t.records.end())
        return;
    std::unique_ptr<WndRecord> rec = std::move(rit->second);
    t.records.erase(rit);
    // The timers were children of the widget and are gone with it.
    CWnd* wnd = rec->wnd;
    if (wnd && wnd != rec->autoWnd.get()) {
        AfxWndAccess::unbind(wnd);
        AfxWndAccess::setOwnsWidget(wnd, FALSE);
        AfxWndAccess::postNcDestroy(wnd);
    }
    if (rec->autoWnd)
        AfxWndAccess::unbind(rec->autoWnd.get());
}
