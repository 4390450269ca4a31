// The arithmetic of the calculator: a pocket calculator's keys, worked as
// they are pressed (2 + 3 × 4 = gives 20). Keys: '0'..'9', '.', '+', '-',
// '*', '/', '=', 'C' (clear) and '\b' (rub out the last digit typed).
#pragma once
#include "afx.h"

namespace dlgkit {

class CalcEngine {
public:
    // Starts from a number text ("" or no number: 0).
    explicit CalcEngine(const CString& start = CString());

    void Press(char key);
    // What the display shows: the number being typed or the last result;
    // after a division by zero "Деление на ноль", after an overflow
    // "Переполнение" (any key but C then starts afresh).
    CString Display() const;
    // The result to hand back: a pending operation is finished first; "" after
    // an error.
    CString Result();
    bool HasError() const { return !m_error.IsEmpty(); }

private:
    void Digit(char key);
    void Operator(char op);
    void Equals();
    void Clear();
    void Show(double value);
    double Entry() const;

    CString m_entry = "0";  // the number shown
    double m_acc = 0;       // the left operand
    char m_op = 0;          // the pending operation, 0 none
    bool m_fresh = true;    // the next digit starts a new number
    CString m_error;        // the error shown, empty when none
};

} // namespace dlgkit
