#include "dlg/AfxDialogWidget.h"
#include <QKeyEvent>

void AfxDialogWidget::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(e);
}

void AfxEndModalDialog(QDialog* dialog, int result)
{
    // QDialog::done closes the window: that close is not the close box.
    dialog->setProperty("afx_ending", true);
    dialog->done(result);
    dialog->setProperty("afx_ending", false);
}
