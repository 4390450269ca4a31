#include "JournalChoice.h"

namespace nledmark {

// The printed journal (balances, postings, turnovers, the layout by KBK) is
// not built yet: the form says so rather than do nothing.
void PrintJournalOfOperations(const JournalChoice&)
{
    AfxMessageBox("Печать журнала операций еще не построена", MB_OK | MB_ICONINFORMATION);
}

} // namespace nledmark
