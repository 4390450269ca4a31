// The ledger's rules held in the configuration's scripts: each function formats
// the call of the script function of (mostly) the same name and reads its answer.
//
// Integer answers: functions that answer non-zero when all is well answer 0 when
// the script fails; GL_TestSch and GL_TestProvodka, which answer 0 when all is
// well, answer -1 when the script fails or gives no integer, so a failure is a
// refusal. Texts: "" when the script fails.
#pragma once
#include "LedmarkApi.h"
#include <afx.h>

// Accounts (global context).
LEDMARK_API int GL_Should_Have_Kol(const char* account);
LEDMARK_API int GL_IsZab(const char* account);
LEDMARK_API int GL_Get_SB(const char* account, short n);
LEDMARK_API CString GetSchName(const char* account);
LEDMARK_API int GL_Valid_Sch0(const char* account, int shortForm, int side);
LEDMARK_API int GL_Valid_Sch(const char* account, int shortForm, int side);
LEDMARK_API CString GL_Get_AP(const char* account);
LEDMARK_API CString GL_Printable(const char* account);
LEDMARK_API CString GL_Printable0(const char* account, const char* kbk, int flag);
LEDMARK_API CString GL_Printable1(const char* account, const char* kbk, int flag);
LEDMARK_API CString GL_Get_SCH(CString& source, CString& synthetic, CString& analytic, CString& kosgu);
LEDMARK_API CString GL_Get_EI(const char* table, const char* code);
LEDMARK_API CString GL_GetMatEI(const char* code);
LEDMARK_API CString GetWhere(const char* text);
LEDMARK_API int GetShould_Have_KBK();

// Accounts (workplace context).
LEDMARK_API CString GL_SB_Name(const char* account, short n, const char* code);
LEDMARK_API CString GL_GetFullSchDeb(const char* account);
LEDMARK_API CString GL_GetFullSchKred(const char* account);

// Dates, numbers and postings (global context).
LEDMARK_API int GL_Verify_Date0(const char* date);
LEDMARK_API int GL_Verify_Date(const char* date, int mode);
LEDMARK_API CString GL_NextNumber(const char* table, int mode);
// The query of the highest number GL_NextNumber counts from ("" for none).
LEDMARK_API CString GL_HighestNumberQuery(const char* table);
LEDMARK_API int GL_TestSch(const char* account, const char* value1, const char* value2, const char* value3,
                           int mode, int side);
LEDMARK_API int GL_TestProvodka(const char* date, const char* debit, const char* debit1, const char* debit2,
                                const char* debit3, const char* credit, const char* credit1, const char* credit2,
                                const char* credit3, const char* amount, const char* quantity, int mode,
                                const char* kbkDebit, const char* kbkCredit, int branch);
LEDMARK_API int GL_InsertProvodka(unsigned id, unsigned npp, const char* date, const char* debit, const char* debit1,
                                  const char* debit2, const char* debit3, const char* credit, const char* credit1,
                                  const char* credit2, const char* credit3, const char* amount, const char* quantity,
                                  const char* note, const char* kbkDebit, const char* kbkCredit, int branch, int flag);
LEDMARK_API CString GL_InsertProvodka0(unsigned id, unsigned npp, const char* date, const char* debit,
                                       const char* debit1, const char* debit2, const char* debit3, const char* credit,
                                       const char* credit1, const char* credit2, const char* credit3,
                                       const char* amount, const char* quantity, const char* note,
                                       const char* kbkDebit, const char* kbkCredit, int branch, int flag);

// Balances and turnovers (global context): "debit@credit@debit quantity@credit quantity".
LEDMARK_API CString GL_GetOstEx0(const char* date, const char* account, const char* value1, const char* value2,
                                 const char* value3, const char* branches, const char* kbk, const char* document);
LEDMARK_API double GL_GetOstEx(const char* date, const char* account, const char* value1, const char* value2,
                               const char* value3, const char* branches, const char* kbk, const char* document);
LEDMARK_API CString GL_GetOst0(const char* date, const char* account, const char* value1, const char* value2,
                               const char* value3, int branch, const char* kbk, const char* document);

// The four figures of a balance answer (GL_GetOst0, GL_GetOstEx0).
struct LedgerBalance {
    double debit = 0;
    double credit = 0;
    double debitQuantity = 0;
    double creditQuantity = 0;
    double Sum() const { return debit - credit; }
    double Quantity() const { return debitQuantity - creditQuantity; }
};
// Reads a balance answer: exactly four numbers separated by "@". Anything
// else, a failed evaluation's "" among it, answers false and leaves `balance`
// at zero: a balance that could not be read is never taken as a zero one.
LEDMARK_API bool GL_ReadOst0(const char* answer, LedgerBalance& balance);
LEDMARK_API double GL_GetOst(const char* date, const char* account, const char* value1, const char* value2,
                             const char* value3, int branch, const char* kbk, const char* document);
LEDMARK_API CString GL_GetOborotEx(const char* from, const char* to, const char* account, const char* value1,
                                   const char* value2, const char* value3, const char* correspondent,
                                   const char* branches, const char* kbk, const char* extra);
LEDMARK_API CString GL_GetOborot(const char* from, const char* to, const char* account, const char* value1,
                                 const char* value2, const char* value3, const char* correspondent, int branch,
                                 const char* kbk, const char* extra);

// Branches, defaults, journals (global context).
LEDMARK_API CString GL_GetDefKBK(const char* account, int branch, const char* current, int flag);
LEDMARK_API CString GetFilRukDol(int branch);
LEDMARK_API CString GetDefSO(const char* debit, const char* credit);
LEDMARK_API CString GetFilsSql(const char* branches);
LEDMARK_API CString GetFilRuk(int branch, int shortForm);
LEDMARK_API CString GetFilRuk0(const char* branches, int unused);
LEDMARK_API CString GetFilName0(const char* branches);
LEDMARK_API CString GL_JRN_GetNumber(const char* debit, const char* credit, const char* extra);

// Branches, closing list and the postings query (workplace context).
LEDMARK_API CString GetFilName(int branch);
LEDMARK_API CString GetFilAdres(int branch);
LEDMARK_API CString GetZaklSch();
LEDMARK_API CString GL_SqlProvodki(const char* from, const char* to, const char* condition, int flag);

// The wider journal-account filter of a journal row (GL_WhichSB's second try).
CString LocalGetFilter(const char* col1, const char* col2, const char* col3);
