// The call text of a configuration script function and its evaluation.
//
// A call text is the function name and its arguments in parentheses, separated
// by "," without blanks: texts between double quotes, integers bare, as in
// GL_Get_SB("230405000",2). Every text passes through MakeParam, so quotes,
// backslashes and line feeds in it reach the script as they are and cannot end
// the text or change the call.
#pragma once
#include <afx.h>

class CScriptCall {
public:
    explicit CScriptCall(const char* function);

    // A text argument; null is sent as an empty text.
    CScriptCall& Text(const char* value);
    // An integer argument written bare, or between double quotes.
    CScriptCall& Int(long long value);
    CScriptCall& QuotedInt(long long value);
    // A branch as the balance calls send it: -2 (all branches) as an empty text,
    // any other as its decimal number between double quotes.
    CScriptCall& Branch(int branch);
    // Text written after the closing parenthesis (";" of the turnover call).
    CScriptCall& Tail(const char* tail);

    CString CallText() const;

    // Evaluates the call in the global context or in the workplace context
    // "Arm." + the workplace id; false when the evaluation failed (the
    // application core has told the user), `answer` is then empty.
    bool Evaluate(bool workplace, CString& answer) const;

    // The answer text; "" when the evaluation failed.
    CString Answer(bool workplace = false) const;
    // The answer read as an integer (atol), 0 when the evaluation failed.
    long Number(bool workplace = false) const;
    // The answer of a check that answers 0 when all is well: the integer it
    // gave, or -1 when the evaluation failed or gave no integer, so that a
    // failure never reads as "all is well".
    int CheckCode() const;
    // The answer read as a number (atof), 0 when the evaluation failed.
    double Real() const;

private:
    void Separate();

    CString m_text;
    CString m_tail;
    bool m_first = true;
};
