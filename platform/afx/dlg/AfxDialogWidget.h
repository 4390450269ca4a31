// The window of a dialog (CDialog, CPropertySheet): a QDialog whose Enter and
// Escape are left to the dialog manager (IsDialogMessage), and the end of a
// modal one, which is not taken for the close box.
#pragma once
#include <QDialog>

class AfxDialogWidget : public QDialog {
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

void AfxEndModalDialog(QDialog* dialog, int result);
