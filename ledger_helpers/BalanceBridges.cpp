// Bridges to the balance and turnover scripts.
#include "CScriptCall.h"
#include "ScriptBridges.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

CScriptCall BalanceCall(const char* function, const char* date, const char* account, const char* value1,
                        const char* value2, const char* value3)
{
    CScriptCall call(function);
    call.Text(date).Text(account).Text(value1).Text(value2).Text(value3);
    return call;
}

CScriptCall TurnoverCall(const char* from, const char* to, const char* account, const char* value1,
                         const char* value2, const char* value3, const char* correspondent)
{
    CScriptCall call("GL_GetOborot");
    call.Text(from).Text(to).Text(account).Text(value1).Text(value2).Text(value3).Text(correspondent);
    return call;
}

} // namespace

CString GL_GetOstEx0(const char* date, const char* account, const char* value1, const char* value2,
                     const char* value3, const char* branches, const char* kbk, const char* document)
{
    return BalanceCall("GL_GetOst0", date, account, value1, value2, value3).Text(branches).Text(kbk).Text(document)
        .Answer();
}

double GL_GetOstEx(const char* date, const char* account, const char* value1, const char* value2,
                   const char* value3, const char* branches, const char* kbk, const char* document)
{
    return BalanceCall("GL_GetOst", date, account, value1, value2, value3).Text(branches).Text(kbk).Text(document)
        .Real();
}

CString GL_GetOst0(const char* date, const char* account, const char* value1, const char* value2, const char* value3,
                   int branch, const char* kbk, const char* document)
{
    return BalanceCall("GL_GetOst0", date, account, value1, value2, value3).Branch(branch).Text(kbk).Text(document)
        .Answer();
}

bool GL_ReadOst0(const char* answer, LedgerBalance& balance)
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    balance = LedgerBalance();
    const QStringList parts = QString::fromUtf8(answer ? answer : "").split(u'@');
    if (parts.size() != 4)
        return false;
    double figures[4] = {};
    for (int i = 0; i < 4; ++i) {
        const QString part = parts[i].trimmed();
        if (!number.match(part).hasMatch())
            return false;
        figures[i] = part.toDouble();
    }
    balance = {figures[0], figures[1], figures[2], figures[3]};
    return true;
}

double GL_GetOst(const char* date, const char* account, const char* value1, const char* value2, const char* value3,
                 int branch, const char* kbk, const char* document)
{
    return BalanceCall("GL_GetOst", date, account, value1, value2, value3).Branch(branch).Text(kbk).Text(document)
        .Real();
}

CString GL_GetOborotEx(const char* from, const char* to, const char* account, const char* value1, const char* value2,
                       const char* value3, const char* correspondent, const char* branches, const char* kbk,
                       const char* extra)
{
    return TurnoverCall(from, to, account, value1, value2, value3, correspondent).Text(branches).Text(kbk).Text(extra)
        .Tail(";").Answer();
}

CString GL_GetOborot(const char* from, const char* to, const char* account, const char* value1, const char* value2,
                     const char* value3, const char* correspondent, int branch, const char* kbk, const char* extra)
{
    return TurnoverCall(from, to, account, value1, value2, value3, correspondent).Branch(branch).Text(kbk).Text(extra)
        .Tail(";").Answer();
}
