#include "CHelpers.h"
#include "JournalChoice.h"
#include "JournalOpsPage.h"
#include "ndbcore.h"

namespace nledmark {

void PrintJournalOfOperations(const JournalChoice& choice)
{
    if (choice.accounts.empty()) {
        AfxMessageBox("Укажите счета журнала");
        return;
    }
    for (const AccountRow& row : choice.accounts) {
        if (JournalAccountValid(row))
            continue;
        CString account = row.sint;
        for (const CString& part : {row.anal, row.kosgu})
            if (!part.IsEmpty())
                account += " " + part;
        AfxMessageBox(FormatText("Неверный счет в строке %d: %s", int(row.row) + 1, (LPCTSTR)account));
        return;
    }
    CWaitCursor wait;
    const LimitPage page = BuildJournalHtml(choice);
    CHelpers::DisplayMessage(page.html, choice.title, 1, 8, "#f5f5FF", -1, -1);
}

} // namespace nledmark
