#include "GridForm.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <QLineEdit>

BEGIN_EVENTSINK_MAP(GridForm, CDialog)
    ON_EVENT(GridForm, IDC_GRID, 2, OnRowSetUp, VTS_I2 VTS_I2 VTS_PI2)
    ON_EVENT(GridForm, IDC_GRID, 3, OnEditStart, VTS_I2 VTS_I2 VTS_PBSTR VTS_PI2)
    ON_EVENT(GridForm, IDC_GRID, 5, OnChooser, VTS_I2 VTS_I2)
    ON_EVENT(GridForm, IDC_GRID, 8, OnCellChanged, VTS_I2 VTS_I2 VTS_PBSTR)
    ON_EVENT(GridForm, IDC_GRID, 9, OnCellEdited, VTS_I2 VTS_I2 VTS_I2 VTS_PBSTR)
    ON_EVENT(GridForm, IDC_GRID, 15, OnCurrentCell, VTS_I2 VTS_I2)
    ON_EVENT(GridForm, IDC_GRID, 17, OnCheckChanged, VTS_NONE)
    ON_EVENT(GridForm, IDC_GRID, DISPID_DBLCLICK, OnDblClick, VTS_NONE)
END_EVENTSINK_MAP()

GridForm::GridForm(UINT id) : CDialog(id), m_id(id) {}

GridForm::~GridForm()
{
    DestroyWindow();
    afxtest::flushDeletes();
}

void GridForm::open()
{
    ASSERT_TRUE(Create(m_id));
    afxtest::showActive(this);
    m_grid.SetFocus0();
}

void GridForm::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GRID, m_grid);
}

QLineEdit* GridForm::editor() const
{
    for (QLineEdit* e : view()->findChildren<QLineEdit*>(QStringLiteral("cellEditor"))) {
        if (e->isVisible())
            return e;
    }
    return nullptr;
}

QStringList GridForm::take()
{
    QStringList taken = log;
    log.clear();
    return taken;
}

void GridForm::OnRowSetUp(short col, short row, short*) { log << QStringLiteral("2 %1,%2").arg(col).arg(row); }

void GridForm::OnEditStart(short col, short row, CString* text, short* cancel)
{
    log << QStringLiteral("3 %1,%2 %3").arg(col).arg(row).arg(text->ToQString());
    if (onEditStart)
        onEditStart(col, row, text, cancel);
}

void GridForm::OnChooser(short col, short row)
{
    log << QStringLiteral("5 %1,%2").arg(col).arg(row);
    if (onChooser)
        onChooser(col, row);
}

void GridForm::OnCellChanged(short col, short row, CString* text)
{
    log << QStringLiteral("8 %1,%2 %3").arg(col).arg(row).arg(text->ToQString());
    if (onCellChanged)
        onCellChanged(col, row, text);
}

void GridForm::OnCellEdited(short col, short row, short key, CString* text)
{
    log << QStringLiteral("9 %1,%2 %3 %4").arg(col).arg(row).arg(key).arg(text->ToQString());
    if (onCellEdited)
        onCellEdited(col, row, key, text);
}

void GridForm::OnCurrentCell(short col, short row) { log << QStringLiteral("15 %1,%2").arg(col).arg(row); }

void GridForm::OnCheckChanged() { log << QStringLiteral("17"); }

void GridForm::OnDblClick() { log << QStringLiteral("dbl"); }
