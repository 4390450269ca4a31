#include "GuiDriver.h"
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QSet>
#include <QWidget>
#include <gtest/gtest.h>

namespace afxtest {

void showActive(QWidget* w)
{
    w->show();
    QApplication::setActiveWindow(w->window());
    QApplication::processEvents();
}

void showActive(CWnd* w) { showActive(w->GetQWidget()); }

void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

void closeProgramWindows(CWinApp* app, CWnd* frame)
{
    app->CloseAllDocuments(TRUE);
    flushDeletes();
    if (CWnd* main = frame ? frame : app->m_pMainWnd)
        main->DestroyWindow();
    flushDeletes();
}

void deliverPosted() { AfxDeliverPostedMessages(); }

CWnd* control(CWnd* parent, int id)
{
    CWnd* w = parent ? parent->GetDlgItem(id) : nullptr;
    if (!w)
        ADD_FAILURE() << "no control " << id;
    return w;
}

QString text(CWnd* parent, int id)
{
    CWnd* w = control(parent, id);
    if (!w)
        return QString();
    CString s;
    w->GetWindowText(s);
    return s.ToQString();
}

namespace {

Qt::Key keyOf(QChar c)
{
    QChar u = c.toUpper();
    if (u >= QLatin1Char('A') && u <= QLatin1Char('Z'))
        return Qt::Key(Qt::Key_A + (u.unicode() - 'A'));
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return Qt::Key(Qt::Key_0 + (c.unicode() - '0'));
    if (c == QLatin1Char(' '))
        return Qt::Key_Space;
    return Qt::Key_unknown;
}

QWidget* target(QWidget* w)
{
    QWidget* focus = QApplication::focusWidget();
    return focus && (focus == w || (w && w->isAncestorOf(focus))) ? focus : w;
}

void send(QWidget* w, QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers mods, const QString& text)
{
    QKeyEvent e(type, key, mods, text);
    QApplication::sendEvent(w, &e);
}

} // namespace

void typeKeys(QWidget* w, const QString& text)
{
    for (QChar c : text) {
        QPointer<QWidget> t = target(w ? w : QApplication::focusWidget());
        if (!t)
            return;
        send(t, QEvent::KeyPress, keyOf(c), Qt::NoModifier, QString(c));
        if (t)
            send(t, QEvent::KeyRelease, keyOf(c), Qt::NoModifier, QString(c));
    }
}

void pressKey(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QString text;
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        text = QStringLiteral("\r");
    else if (key == Qt::Key_Escape)
        text = QString(QChar(27));
    else if (key == Qt::Key_Tab)
        text = QStringLiteral("\t");
    QPointer<QWidget> t = target(w);
    if (!t)
        return;
    send(t, QEvent::KeyPress, key, modifiers, text);
    if (t)
        send(t, QEvent::KeyRelease, key, modifiers, text);
}

void pressKey(CWnd* parent, int id, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    if (CWnd* w = control(parent, id)) {
        w->SetFocus();
        pressKey(w->GetQWidget(), key, modifiers);
    }
}

void typeInto(CWnd* parent, int id, const QString& text)
{
    CWnd* w = control(parent, id);
    if (!w)
        return;
    w->SetFocus();
    w->SendMessage(EM_SETSEL, 0, (LPARAM)-1);
    if (auto* combo = qobject_cast<QComboBox*>(w->GetQWidget())) {
        if (combo->lineEdit())
            combo->lineEdit()->selectAll();
        typeKeys(combo->lineEdit() ? static_cast<QWidget*>(combo->lineEdit()) : combo, text);
        return;
    }
    typeKeys(w->GetQWidget(), text);
}

void chooseEntry(CWnd* parent, int id, const QString& entry)
{
    auto* combo = static_cast<CComboBox*>(control(parent, id));
    if (!combo)
        return;
    // The entry is looked for once the list is open: opening may fill it.
    AfxComboUserOpen(combo);
    int index = combo->FindStringExact(-1, CString(entry));
    if (index == CB_ERR)
        ADD_FAILURE() << "combo box " << id << " has no entry \"" << entry.toStdString() << "\"";
    AfxComboUserPick(combo, index);
}

void chooseEntry(CWnd* parent, int id, int index)
{
    if (auto* combo = static_cast<CComboBox*>(control(parent, id)))
        AfxComboUserChoice(combo, index);
}

void click(CWnd* parent, int id)
{
    CWnd* w = control(parent, id);
    if (!w)
        return;
    if (auto* b = qobject_cast<QAbstractButton*>(w->GetQWidget()))
        b->click();
    else
        ADD_FAILURE() << "control " << id << " is not a button";
}

void setChecked(CWnd* parent, int id, bool on)
{
    CWnd* w = control(parent, id);
    if (w && (w->SendMessage(BM_GETCHECK, 0, 0) == BST_CHECKED) != on)
        click(parent, id);
}

void pickDate(CWnd* parent, int id, const QDate& date)
{
    CWnd* w = control(parent, id);
    auto* edit = w ? w->GetQWidget()->findChild<QDateTimeEdit*>() : nullptr;
    if (!edit) {
        ADD_FAILURE() << "control " << id << " is not a date picker";
        return;
    }
    if (auto* check = w->GetQWidget()->findChild<QCheckBox*>(); check && !check->isChecked())
        check->click();
    edit->setDate(date);
}

void clearDate(CWnd* parent, int id)
{
    CWnd* w = control(parent, id);
    auto* check = w ? w->GetQWidget()->findChild<QCheckBox*>() : nullptr;
    if (!check) {
        ADD_FAILURE() << "control " << id << " is not a date picker that may be empty";
        return;
    }
    if (check->isChecked())
        check->click();
}

void command(CWnd* target, UINT id) { target->SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); }

QImage grab(CWnd* w)
{
    QWidget* widget = w ? w->GetQWidget() : nullptr;
    return widget ? widget->grab().toImage() : QImage();
}

int distinctColours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    }
    return (int)colours.size();
}

} // namespace afxtest
