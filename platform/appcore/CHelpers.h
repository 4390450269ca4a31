// CHelpers: the services of the application core that the modules call as
// static members. Each concern keeps its own source file: script evaluation
// (CHelpersScript.cpp), texts and SQL expressions (CHelpersText.cpp), the
// reference-book picker (CHelpersPicker.cpp).
#pragma once

#include "afx.h"

class CWnd;

class CHelpers {
public:
    // Evaluates a call text in a script context (null = global, "Arm."+id,
    // "Form."+name) with the application's interpreter and writes the value as
    // text into `result`. Non-zero on success; on any failure (reported to the
    // user) 0 with an empty result, so a caller never reads a failure as "0".
    static int EXEC_GetFunctionValue(const char* call, CString& result, const char* context);
    // Runs a script command: 0 when it fails (reported) or answers 0, its
    // number when it answers one, 1 when it answers nothing else.
    static int EXEC_Execute(const char* text, const char* context);

    // An amount in words. countOnly 0: money, "Двадцать один рубль 05 копеек"
    // (rounded to kopecks); non-zero: the whole number alone in small letters,
    // "два" (the forms write counts of documents and books this way).
    static CString GetWrittenRubles(double amount, int countOnly);
    // SQL expressions of a posting's full debit and credit account (9
    // characters, source digit first) over table ledmark_provodki, in the
    // dialect of the current driver.
    static CString GL_SqlDeb();
    static CString GL_SqlKred();

    // The reference-book picker. `book` is a picker key (I_GetSprSU_Id), a
    // table or a book name of the configuration, or a plain table. `filter`:
    // null/empty for all rows; "select ..." the whole list query; "where ..."
    // a condition on the book's table; " and ..." a condition added to the
    // table's rows; any other text a search fragment the list opens with.
    // The choice is written into control `ctrlId` of `parent` (its change
    // notification runs), or, with ctrlId -1 or 0 and a message, sent to the
    // parent as `msg` with the answer in both wParam and lParam: the chosen
    // key as an integer, or as a text (const char*, valid while the handler
    // runs) when answerKind is 2 or several rows may be chosen (`multi` 1:
    // keys joined by ","). Answers IDOK when something was chosen, else IDCANCEL.
    static int GetInSpr(const char* book, CWnd* parent, int ctrlId, const char* filter, UINT msg,
                        short answerKind = 0, int multi = 0, const char* reserved1 = nullptr,
                        const char* reserved2 = nullptr, int reserved3 = 0);
};
