#include "SharedCommands.h"

#include "appcore.h"
#include "naddviews.h"

namespace nledmark {

void OnTNbtn(CWnd* form)
{
    CExtFuncs::OnTNcmd(form, kTnEditId, nullptr, nullptr, UINT(-1), 0, 1);
}

void OnFILbtn(CWnd* form)
{
    CHelpers::GetInSpr("spr_fil", form, kBranchesEditId, nullptr, UINT(-1), 0, 1, nullptr, nullptr, 0);
}

void OnPrintForm(CDocumentView* form)
{
    CString call;
    call.Format("PrepareTheReport(%d)", form->GetRealId());
    form->EXEC_ShowFormReport(call, 0, 1);
}

} // namespace nledmark
