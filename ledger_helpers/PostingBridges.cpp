// Bridges to the posting scripts: dates, numbers, the posting test and write.
#include "CScriptCall.h"
#include "ScriptBridges.h"

int GL_Verify_Date0(const char* date)
{
    return CScriptCall("GL_Verify_Date0").Text(date).Number();
}

int GL_Verify_Date(const char* date, int mode)
{
    return CScriptCall("GL_Verify_Date").Text(date).Int(mode).Number();
}

CString GL_NextNumber(const char* table, int mode)
{
    return CScriptCall("GL_NextNumber").Text(table).Int(mode).Answer();
}

CString GL_HighestNumberQuery(const char* table)
{
    return CScriptCall("GL_HighestNumberQuery").Text(table).Answer();
}

int GL_TestSch(const char* account, const char* value1, const char* value2, const char* value3, int mode, int side)
{
    return CScriptCall("GL_TestSch").Text(account).Text(value1).Text(value2).Text(value3).Int(mode).Int(side).CheckCode();
}

int GL_TestProvodka(const char* date, const char* debit, const char* debit1, const char* debit2, const char* debit3,
                    const char* credit, const char* credit1, const char* credit2, const char* credit3,
                    const char* amount, const char* quantity, int mode, const char* kbkDebit, const char* kbkCredit,
                    int branch)
{
    return CScriptCall("GL_TestProvodka")
        .Text(date).Text(debit).Text(debit1).Text(debit2).Text(debit3)
        .Text(credit).Text(credit1).Text(credit2).Text(credit3)
        .Text(amount).Text(quantity).QuotedInt(mode).Text(kbkDebit).Text(kbkCredit).Int(branch)
        .CheckCode();
}

namespace {

CScriptCall PostingCall(const char* function, unsigned id, unsigned npp, const char* date, const char* debit,
                        const char* debit1, const char* debit2, const char* debit3, const char* credit,
                        const char* credit1, const char* credit2, const char* credit3, const char* amount,
                        const char* quantity, const char* note, const char* kbkDebit, const char* kbkCredit,
                        int branch, int flag)
{
    CScriptCall call(function);
    call.Int(id).Int(npp)
        .Text(date).Text(debit).Text(debit1).Text(debit2).Text(debit3)
        .Text(credit).Text(credit1).Text(credit2).Text(credit3)
        .Text(amount).Text(quantity).Text(note).Text(kbkDebit).Text(kbkCredit)
        .Int(branch).Int(flag);
    return call;
}

} // namespace

int GL_InsertProvodka(unsigned id, unsigned npp, const char* date, const char* debit, const char* debit1,
                      const char* debit2, const char* debit3, const char* credit, const char* credit1,
                      const char* credit2, const char* credit3, const char* amount, const char* quantity,
                      const char* note, const char* kbkDebit, const char* kbkCredit, int branch, int flag)
{
    return PostingCall("GL_InsertProvodka", id, npp, date, debit, debit1, debit2, debit3, credit, credit1, credit2,
                       credit3, amount, quantity, note, kbkDebit, kbkCredit, branch, flag)
        .Number();
}

CString GL_InsertProvodka0(unsigned id, unsigned npp, const char* date, const char* debit, const char* debit1,
                           const char* debit2, const char* debit3, const char* credit, const char* credit1,
                           const char* credit2, const char* credit3, const char* amount, const char* quantity,
                           const char* note, const char* kbkDebit, const char* kbkCredit, int branch, int flag)
{
    return PostingCall("GL_InsertProvodka0", id, npp, date, debit, debit1, debit2, debit3, credit, credit1, credit2,
                       credit3, amount, quantity, note, kbkDebit, kbkCredit, branch, flag)
        .Answer();
}
