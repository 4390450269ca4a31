#include "FragmentSearch.h"
#include "FormSearches.h"

#include "BookPicker.h"
#include "CExtFuncs.h"
#include "appcore.h"
#include "dlgkit.h"
#include "gridbase.h"
#include "ndbcore.h"

namespace naddviews {

BOOL AskFragment(CWnd* parent, const CString& prompt, SearchMemory& memory)
{
    CSirchDlg dlg(parent);
    dlg.m_strPrompt = prompt;
    dlg.m_strText = memory.text;
    dlg.m_nOption1 = memory.option1;
    dlg.m_nOption2 = memory.option2;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    memory.text = dlg.m_strText;
    memory.option1 = dlg.m_nOption1;
    memory.option2 = dlg.m_nOption2;
    return TRUE;
}

const char* FragmentFilter(const char* fragment)
{
    if (!fragment)
        return nullptr;
    return appcore::ClassifyFilter(QString::fromUtf8(fragment)) == appcore::FilterKind::Fragment ? fragment : nullptr;
}

void DropQueuedKeys()
{
    MSG queued;
    while (::PeekMessage(&queued, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
}

void FindInBook(CWnd* form, const char* table, int field, const CString& fragment)
{
    CString id;
    switch (SuUniqByName(table, fragment, id)) {
    case 0:
        AfxMessageBox("По запросу ничего нет: " + fragment);
        break;
    case 1:
        form->SetDlgItemText(field, id);
        break;
    case 2:
        // The chooser opens on the fragment; a text it would read as a condition is not handed on.
        CHelpers::GetInSpr(table, form, field, FragmentFilter(fragment), UINT(-1), 0, 0, nullptr, nullptr, 0);
        break;
    default:
        break;
    }
}

void FindEmployee(CWnd* form, int field, const CString& condition, const CString& fragment)
{
    const long long found = ExecuteCount("select count(tn) as cnt from tn" + condition);
    if (found == 0) {
        AfxMessageBox("По запросу ничего нет: " + fragment);
    } else if (found == 1) {
        form->SetDlgItemText(field, ExecuteString("select tn as str from tn" + condition));
    } else {
        const CString list = "Select tn," + GL_SqlFio() + " as fio,ssv.name,du from tn left join ssv on ssv.id=dol "
            + condition + " order by f,i,o";
        CExtFuncs::OnTNcmd(form, field, list, nullptr, UINT(-1), 0, 1);
    }
}

void SearchSurname(CWnd* form, int field, SearchMemory& memory)
{
    if (!AskFragment(form, "Укажите фрагменты Фамилии", memory))
        return;
    CWaitCursor wait;
    memory.text.Trim();
    const SqlLikeMatch match = memory.option2 ? SqlLikeMatch::WholeWord : SqlLikeMatch::BeginsWith;
    FindEmployee(form, field, " where " + SqlLikeText("f", memory.text, match), memory.text);
}

void SearchBook(CWnd* form, const char* table, int field, const CString& prompt, SearchMemory* memories, UINT count)
{
    const UINT book = I_GetSprId(table);
    SearchMemory scratch;
    SearchMemory& memory = book < count ? memories[book] : scratch;
    if (!AskFragment(form, prompt, memory))
        return;
    DropQueuedKeys();
    CWaitCursor wait;
    FindInBook(form, table, field, memory.text);
}

} // namespace naddviews
