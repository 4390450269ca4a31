// A form window for chooser tests: it records the change notifications of its
// code fields and the private messages the choosers answer with (the text of
// a text answer is copied while the handler runs, as a view must do).
#pragma once

#include "afx.h"

#include <QStringList>

class QListWidget;

namespace afxtest {
class DialogStep;
}

class CChooserForm : public CDialog {
public:
    CChooserForm();
    ~CChooserForm() override;

    struct Answer {
        UINT msg = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
        QString text;  // what a text answer pointed to, read in the handler
        bool chooserOpen = false;  // a modal window was still up when it came
    };
    QStringList changes;
    std::vector<Answer> answers;
    // Reads answers as texts (else as integers).
    bool textAnswers = false;

    void SetText(int id, const char* text);
    QString Text(int id);

protected:
    afx_msg void OnCodeChange();
    afx_msg void OnCodesChange();
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    DECLARE_MESSAGE_MAP()
};

namespace pickertest {

// The list of the picker in a dialog step.
QListWidget* PickerList(afxtest::DialogStep& d);
// The texts of the list's rows.
QStringList Rows(afxtest::DialogStep& d);
// Clicks the rows whose text starts with each of `starts` (Ctrl held after the
// first, as a user choosing several), then OK; or double-clicks one row.
void ClickRows(afxtest::DialogStep& d, const QStringList& starts);
void DoubleClickRow(afxtest::DialogStep& d, const QString& start);

} // namespace pickertest
