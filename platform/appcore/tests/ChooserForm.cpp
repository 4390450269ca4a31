#include "ChooserForm.h"

#include "GuiDriver.h"
#include "InteractionScript.h"
#include "res/AppcoreResource.h"
#include "res/TestResource.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

CChooserForm::CChooserForm()
{
    Create(IDD_TEST_FORM, nullptr);
    afxtest::showActive(this);
}

CChooserForm::~CChooserForm()
{
    DestroyWindow();
    afxtest::flushDeletes();
}

BEGIN_MESSAGE_MAP(CChooserForm, CDialog)
    ON_EN_CHANGE(IDC_TEST_CODE, OnCodeChange)
    ON_EN_CHANGE(IDC_TEST_CODES, OnCodesChange)
END_MESSAGE_MAP()

void CChooserForm::SetText(int id, const char* text)
{
    SetDlgItemText(id, text);
    changes.clear();
}

QString CChooserForm::Text(int id)
{
    CString text;
    GetDlgItemText(id, text);
    return text.ToQString();
}

void CChooserForm::OnCodeChange()
{
    changes << QStringLiteral("code:") + Text(IDC_TEST_CODE);
}

void CChooserForm::OnCodesChange()
{
    changes << QStringLiteral("codes:") + Text(IDC_TEST_CODES);
}

LRESULT CChooserForm::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= 0x400 && message < 0x8000) {
        Answer answer{message, wParam, lParam, {}, QApplication::activeModalWidget() != nullptr};
        if (textAnswers)
            answer.text = QString::fromUtf8(reinterpret_cast<const char*>(lParam));
        answers.push_back(answer);
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

namespace pickertest {

QListWidget* PickerList(afxtest::DialogStep& d)
{
    CWnd* list = d.item(IDC_PICKER_LIST);
    return list ? qobject_cast<QListWidget*>(list->GetQWidget()) : nullptr;
}

QStringList Rows(afxtest::DialogStep& d)
{
    QStringList rows;
    if (QListWidget* list = PickerList(d))
        for (int i = 0; i < list->count(); ++i)
            rows << list->item(i)->text();
    return rows;
}

namespace {

QListWidgetItem* RowStarting(QListWidget* list, const QString& start)
{
    for (int i = 0; list && i < list->count(); ++i)
        if (list->item(i)->text().startsWith(start))
            return list->item(i);
    ADD_FAILURE() << "no row starts with " << start.toStdString();
    return nullptr;
}

} // namespace

void ClickRows(afxtest::DialogStep& d, const QStringList& starts)
{
    QListWidget* list = PickerList(d);
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    for (const QString& start : starts) {
        if (QListWidgetItem* item = RowStarting(list, start)) {
            list->scrollToItem(item);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(item).center());
        }
        modifiers = Qt::ControlModifier;
    }
    d.click(IDOK);
}

void DoubleClickRow(afxtest::DialogStep& d, const QString& start)
{
    QListWidget* list = PickerList(d);
    if (QListWidgetItem* item = RowStarting(list, start)) {
        QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }
}

} // namespace pickertest
