#include "ctl/CDateTimeCtrl.h"
#include "dlg/CDataExchange.h"
#include "wnd/AfxControlClass.h"
#include "wnd/NativeWindowProc.h"
#include "wnd/WndHandleTable.h"
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QEvent>
#include <QHBoxLayout>
#include <QSignalBlocker>

IMPLEMENT_DYNAMIC(CDateTimeCtrl, CWnd)

namespace {

// The picker: an optional "has a value" check box and the date edit.
class Picker : public QWidget, public AfxTextWidget {
public:
    Picker(DWORD style, QWidget* parent) : QWidget(parent)
    {
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(2);
        if (style & DTS_SHOWNONE) {
            check = new QCheckBox(this);
            check->setChecked(true);
            layout->addWidget(check);
        }
        edit = new QDateTimeEdit(QDate::currentDate(), this);
        edit->setCalendarPopup(!(style & DTS_UPDOWN));
        edit->setDisplayFormat(defaultFormat(style));
        layout->addWidget(edit, 1);
        setFocusProxy(edit);
        if (check)
            QObject::connect(check, &QCheckBox::toggled, edit, &QWidget::setEnabled);
    }
    static QString defaultFormat(DWORD style)
    {
        if ((style & DTS_TIMEFORMAT) == DTS_TIMEFORMAT)
            return QStringLiteral("HH:mm:ss");
        if (style & DTS_LONGDATEFORMAT)
            return QStringLiteral("d MMMM yyyy 'г.'");
        return QStringLiteral("dd.MM.yyyy");
    }
    bool hasValue() const { return !check || check->isChecked(); }
    CString windowText() const override { return hasValue() ? CString(edit->text()) : CString(); }
    void setWindowText(const CString&) override {}

    QCheckBox* check = nullptr;
    QDateTimeEdit* edit = nullptr;
    DWORD style = 0;
};

Picker* picker(const CWnd* w) { return dynamic_cast<Picker*>(w->GetQWidget()); }

QWidget* create(const AfxControlCreate& cc)
{
    auto* p = new Picker(cc.style, cc.parent);
    p->style = cc.style;
    p->setGeometry(cc.rect);
    p->setFocusPolicy(cc.style & WS_TABSTOP ? Qt::StrongFocus : Qt::ClickFocus);
    return p;
}

SYSTEMTIME systemTimeOf(const QDateTime& t)
{
    SYSTEMTIME st = {};
    st.wYear = (WORD)t.date().year();
    st.wMonth = (WORD)t.date().month();
    st.wDay = (WORD)t.date().day();
    st.wDayOfWeek = (WORD)(t.date().dayOfWeek() % 7);
    st.wHour = (WORD)t.time().hour();
    st.wMinute = (WORD)t.time().minute();
    st.wSecond = (WORD)t.time().second();
    return st;
}

void notifyChange(HWND h)
{
    WndRecord* rec = WndHandleTable::findLive(h);
    auto* p = rec ? dynamic_cast<Picker*>(rec->widget.data()) : nullptr;
    if (!p)
        return;
    NMDATETIMECHANGE change = {};
    change.nmhdr.code = DTN_DATETIMECHANGE;
    change.dwFlags = p->hasValue() ? GDT_VALID : GDT_NONE;
    change.st = systemTimeOf(p->edit->dateTime());
    AfxNotifyParentNM(h, &change.nmhdr);
}

void notifyCode(HWND h, UINT code)
{
    NMHDR hdr = {};
    hdr.code = code;
    AfxNotifyParentNM(h, &hdr);
}

// The calendar's window opening and closing become DTN_DROPDOWN/DTN_CLOSEUP.
class CalendarWatch : public QObject {
public:
    explicit CalendarWatch(HWND h, QObject* parent) : QObject(parent), m_h(h) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Show)
            notifyCode(m_h, DTN_DROPDOWN);
        else if (e->type() == QEvent::Hide)
            notifyCode(m_h, DTN_CLOSEUP);
        return false;
    }

private:
    HWND m_h;
};

// A calendar is a large widget with its own icons: building one for every
// date field made a form with two dates open several milliseconds slower.
// It is made when the user first presses a key or the mouse in the field
// (before the field itself opens it), and watched from then on.
class CalendarOnDemand : public QObject {
public:
    CalendarOnDemand(HWND h, QDateTimeEdit* edit) : QObject(edit), m_h(h), m_edit(edit) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        const QEvent::Type type = e->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::KeyPress)
            return false;
        m_edit->removeEventFilter(this);
        if (QCalendarWidget* cal = m_edit->calendarWidget())
            cal->window()->installEventFilter(new CalendarWatch(m_h, m_edit->parent()));
        deleteLater();
        return false;
    }

private:
    HWND m_h;
    QDateTimeEdit* m_edit;
};

void connect(QWidget* w, HWND h)
{
    auto* p = static_cast<Picker*>(w);
    QObject::connect(p->edit, &QDateTimeEdit::dateTimeChanged, p, [h] { notifyChange(h); });
    if (p->check)
        QObject::connect(p->check, &QCheckBox::toggled, p, [h] { notifyChange(h); });
    if (p->edit->calendarPopup())
        p->edit->installEventFilter(new CalendarOnDemand(h, p->edit));
}

LRESULT proc(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    auto* ctl = static_cast<CDateTimeCtrl*>(pWnd);
    handled = true;
    switch (message) {
    case DTM_GETSYSTEMTIME: return (LRESULT)ctl->GetTime(reinterpret_cast<LPSYSTEMTIME>(lParam));
    case DTM_SETSYSTEMTIME:
        return ctl->SetTime(wParam == GDT_NONE ? nullptr : reinterpret_cast<LPSYSTEMTIME>(lParam));
    case DTM_SETFORMAT: return ctl->SetFormat(reinterpret_cast<LPCTSTR>(lParam));
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    }
    handled = false;
    return 0;
}

} // namespace

void AfxRegisterDateTimeClass()
{
    AfxRegisterControlClass(
        { "SysDateTimePick32", &create, [] { return static_cast<CWnd*>(new CDateTimeCtrl); }, &proc, &connect });
}

BOOL CDateTimeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("SysDateTimePick32", nullptr, dwStyle, rect, pParentWnd, nID);
}

DWORD CDateTimeCtrl::GetTime(COleDateTime& timeDest) const
{
    Picker* p = picker(this);
    if (!p)
        return (DWORD)GDT_ERROR;
    if (!p->hasValue()) {
        timeDest.SetStatus(COleDateTime::invalid);
        return GDT_NONE;
    }
    QDateTime t = p->edit->dateTime();
    timeDest.SetDateTime(t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute(),
                         t.time().second());
    return GDT_VALID;
}

DWORD CDateTimeCtrl::GetTime(LPSYSTEMTIME pTimeDest) const
{
    Picker* p = picker(this);
    if (!p || !pTimeDest)
        return (DWORD)GDT_ERROR;
    *pTimeDest = systemTimeOf(p->edit->dateTime());
    return p->hasValue() ? GDT_VALID : GDT_NONE;
}

BOOL CDateTimeCtrl::SetTime(const COleDateTime& timeNew)
{
    Picker* p = picker(this);
    if (!p)
        return FALSE;
    QSignalBlocker block(p->edit);
    QSignalBlocker blockCheck(p->check);
    if (timeNew.GetStatus() != COleDateTime::valid) {
        if (!p->check)
            return FALSE;
        p->check->setChecked(false);
        p->edit->setEnabled(false);
        return TRUE;
    }
    if (p->check) {
        p->check->setChecked(true);
        p->edit->setEnabled(true);
    }
    p->edit->setDateTime(QDateTime(QDate(timeNew.GetYear(), timeNew.GetMonth(), timeNew.GetDay()),
                                   QTime(timeNew.GetHour(), timeNew.GetMinute(), timeNew.GetSecond())));
    return TRUE;
}

BOOL CDateTimeCtrl::SetTime(const COleDateTime* pTimeNew)
{
    if (pTimeNew)
        return SetTime(*pTimeNew);
    COleDateTime none;
    none.SetStatus(COleDateTime::null);
    return SetTime(none);
}

BOOL CDateTimeCtrl::SetTime(LPSYSTEMTIME pTimeNew)
{
    if (!pTimeNew)
        return SetTime(static_cast<const COleDateTime*>(nullptr));
    return SetTime(COleDateTime(pTimeNew->wYear, pTimeNew->wMonth, pTimeNew->wDay, pTimeNew->wHour,
                                pTimeNew->wMinute, pTimeNew->wSecond));
}

BOOL CDateTimeCtrl::SetFormat(LPCTSTR pstrFormat)
{
    Picker* p = picker(this);
    if (!p)
        return FALSE;
    QString format = AfxQ(pstrFormat);
    p->edit->setDisplayFormat(format.isEmpty() ? Picker::defaultFormat(p->style) : format);
    return TRUE;
}

BOOL CDateTimeCtrl::SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange)
{
    Picker* p = picker(this);
    if (!p)
        return FALSE;
    if (pMinRange && pMinRange->GetStatus() == COleDateTime::valid)
        p->edit->setMinimumDate(QDate(pMinRange->GetYear(), pMinRange->GetMonth(), pMinRange->GetDay()));
    if (pMaxRange && pMaxRange->GetStatus() == COleDateTime::valid)
        p->edit->setMaximumDate(QDate(pMaxRange->GetYear(), pMaxRange->GetMonth(), pMaxRange->GetDay()));
    return TRUE;
}

void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, COleDateTime& value)
{
    auto* ctl = static_cast<CDateTimeCtrl*>(CWnd::FromHandle(pDX->PrepareCtrl(nIDC)));
    if (!ctl)
        return;
    if (pDX->m_bSaveAndValidate)
        ctl->GetTime(value);
    else
        ctl->SetTime(value);
}
