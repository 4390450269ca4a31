#include "CVenz.h"

#include "CNipListDoc.h"
#include "CNipListView.h"
#include "CNipView.h"
#include "CPrnSvodVenzView.h"
#include "CPrnVenzolView.h"
#include "CSprDolView.h"
#include "appcore.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <cstdlib>
#include <vector>

namespace nvenzol {

namespace {

// Every view of the module, in the order the module registers them. A view
// joins this list in the change that builds it.
const std::vector<appcore::ModuleTemplate>& Templates()
{
    static const std::vector<appcore::ModuleTemplate> rows = {
        {IDD_VENZ_SPR_DOL, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CSprDolView)},
        {IDD_NIP_LIST, RUNTIME_CLASS(CNipListDoc), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CNipListView)},
        {IDD_NIP_VIEW_VENZ, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CNipView)},
        {IDD_PRN_VENZOL, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrnVenzolView)},
        {IDD_PRN_VENZOL_SVOD, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrnSvodVenzView)},
    };
    return rows;
}

CString NipListTitle(const CString& tn)
{
    return "Список должностей работника " + GetFio(tn);
}

// The callback text of the list: the calling window's handle number, a
// blank, the personnel number as given.
CString NipListCallbackText(CWnd* parent, const CString& tn)
{
    return utoa(parent) + " " + tn;
}

void OnNipListCreated(CDocument* document, const char* text)
{
    if (auto* list = dynamic_cast<CNipListDoc*>(document))
        list->TakeCaller(text);
}

// A list asked again answers the new caller for the new employee.
void OnNipListActivated(CDocument* document, CView* view, const char* text)
{
    auto* list = dynamic_cast<CNipListDoc*>(document);
    if (!list)
        return;
    list->TakeCaller(text);
    const CString callback(text ? text : "");
    const int blank = callback.Find(' ');
    list->m_strParam = blank >= 0 ? callback.Mid(blank + 1) : CString();
    list->SetTitle(NipListTitle(list->m_strParam));
    if (auto* listView = dynamic_cast<CNipListView*>(view))
        listView->Fill();
}

// The script's answer to a call of the global context; `ok` when the
// evaluation succeeded and the answer is a number.
CString Evaluate(const CString& call, bool& ok)
{
    CString answer;
    ok = CHelpers::EXEC_GetFunctionValue(call, answer, nullptr) != 0;
    if (ok)
        answer.ToQString().trimmed().toDouble(&ok);
    return answer;
}

} // namespace

CVenz::~CVenz() = default;

int CVenz::Init()
{
    return appcore::AddModuleTemplates(Templates().data(), Templates().size());
}

void CVenz::ShowNipList(CWnd* parent, CString tn)
{
    CHelpers::FN_OpenDocument("NipListView", NipListTitle(tn), -1, -1, -1, -1, tn, OnNipListCreated, parent,
                              NipListCallbackText(parent, tn), OnNipListActivated, nullptr, -1, nullptr);
}

double CVenz::GetKof(int n, const char* text)
{
    bool ok = false;
    return GetKof(n, text, ok);
}

double CVenz::GetKof(int n, const char* text, bool& ok)
{
    return atof(Evaluate(FormatText("GetKof(%d,\"%s\")", n, MakeParam(text ? text : "")), ok));
}

int CVenz::GetDigitFormatOkl(const char* text)
{
    bool ok = false;
    return GetDigitFormatOkl(text, ok);
}

int CVenz::GetDigitFormatOkl(const char* text, bool& ok)
{
    return int(atol(Evaluate(FormatText("GetDigitFormatOkl(\"%s\")", MakeParam(text ? text : "")), ok)));
}

} // namespace nvenzol
