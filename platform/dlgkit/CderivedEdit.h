// CderivedEdit: the forms' edit field, bound with DDX_Control/DDX_Text.
// SetType(kind) sets what it accepts (EditKindRules.h: 0 plain, 2 date,
// 3 decimal, 4 amount, typed as the grid's cells of those kinds); it may be
// called before the window exists, as the forms do in their constructors. A
// refused key beeps. When the user has changed the text and leaves the
// field, a date becomes dd.mm.yyyy and a number is finished as in a cell, an
// amount with its two decimals; a date that does not exist is kept as typed,
// with a beep. Then the parent gets EN_KILLFOCUS.
//
// OnKillFocus is virtual: a field of a form's own (the account field) maps
// WM_KILLFOCUS to its override and calls CderivedEdit::OnKillFocus first, so
// it reads the normalised text. The password style is the template's
// ES_PASSWORD.
#pragma once
#include "afx.h"
#include "EditKindRules.h"
#include <QPointer>

class CderivedEdit : public CEdit {
    DECLARE_DYNAMIC(CderivedEdit)
public:
    CderivedEdit();
    ~CderivedEdit() override;

    void SetType(int nType);
    int GetType() const { return m_nType; }
    // Focus into the field with its whole text selected.
    void SetFocus0();

    afx_msg virtual void OnKillFocus(CWnd* pNewWnd);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);

private:
    // Puts the kind's rules on the field's widget (once it exists).
    void ApplyKind();
    void NormaliseOnLeaving();

    int m_nType = EDIT_KIND_PLAIN;
    QPointer<QWidget> m_pRuledWidget;

    DECLARE_MESSAGE_MAP()
};
