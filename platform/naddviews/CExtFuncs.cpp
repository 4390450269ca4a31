#include "CExtFuncs.h"

#include "AccountList.h"
#include "BookPicker.h"
#include "CHelpers.h"
#include "CSprPickerDlg.h"
#include "ChoiceDelivery.h"
#include "ndbcore.h"

CExtFuncs::~CExtFuncs() = default;

namespace {

using appcore::PickerSpec;

// A where clause or a search fragment (anything else) over a query.
void ApplyFilter(PickerSpec& spec, const char* filter)
{
    QString text = QString::fromUtf8(filter ? filter : "").trimmed();
    switch (appcore::ClassifyFilter(text)) {
    case appcore::FilterKind::Where:
        spec.sql = spec.sql + " " + CString(text);
        break;
    case appcore::FilterKind::None:
        break;
    default:
        spec.search = CString(text);
        break;
    }
}

CString Current(const char* current)
{
    return CString(current ? current : "").Trim();
}

} // namespace

int CExtFuncs::OnTNcmd(CWnd* parent, int ctrlId, const char* sql, const char*, UINT msg, int multi, int)
{
    PickerSpec spec;
    spec.title = "Сотрудники";
    spec.sql = sql && *sql ? CString(sql) : "select tn," + SqlFullName() + " as fio from tn order by f,i,o,tn";
    spec.keyField = "tn";
    spec.columns = {{"tn", "Таб.№"}, {"fio", "Ф.И.О."}, {"name", "Должность"}, {"du", "Уволен"}};
    spec.multi = multi != 0;
    if (parent && ctrlId > 0)
        parent->GetDlgItemText(ctrlId, spec.current);
    return appcore::ChooseAndDeliver(spec, appcore::ChoiceTarget(parent, ctrlId, msg), spec.multi);
}

int CExtFuncs::OnSprPlanSch0(CWnd* parent, int ctrlId, int msg, const char* current, int side, const char* other,
                             const char* accounts)
{
    PickerSpec spec;
    spec.title = naddviews::AccountChooserTitle(side, other);
    spec.sql = naddviews::AccountListQuery(side, accounts);
    spec.keyField = "sch";
    spec.columns = {{"sch", "Счет"}, {"name", "Наименование"}, {"kosgu", "КОСГУ"}};
    spec.current = Current(current);
    if (spec.current.IsEmpty())
        spec.current = naddviews::SingleAccount(accounts);
    return appcore::ChooseAndDeliver(spec, appcore::ChoiceTarget(parent, ctrlId, UINT(msg)), true);
}

int CExtFuncs::ShowSpr(const char* table, CWnd* wnd, int, int, const char* filter, const char*, UINT msg,
                       int asText)
{
    return CHelpers::GetInSpr(table, wnd, -1, filter, msg, asText == 1 ? 2 : 0, 0);
}

int CExtFuncs::ShowSpr(const char* table, HWND wnd, int a3, int a4, const char* filter, const char* a6, UINT msg,
                       int asText)
{
    return ShowSpr(table, CWnd::FromHandle(wnd), a3, a4, filter, a6, msg, asText);
}

int CExtFuncs::ShowPrnPlporSpis(const char* sql, CWnd* parent, UINT msg, const char* current, int ctrlId)
{
    PickerSpec spec;
    spec.title = "Платежные поручения";
    spec.sql = CString(sql ? sql : "");
    spec.keyField = "npp";
    spec.columns = {{"number", "№"}, {"d", "Дата"}, {"s", "Сумма"}, {"iorg", "Получатель"}};
    spec.current = Current(current);
    appcore::ChoiceTarget byMessage(parent, -1, msg);
    appcore::ChoiceTarget target = byMessage.HasMessage() ? byMessage : appcore::ChoiceTarget(parent, ctrlId, msg);
    return appcore::ChooseAndDeliver(spec, target, false);
}

int CExtFuncs::ShowPrnSchFakList(const char* current, CWnd* parent, int ctrlId, const char* filter)
{
    PickerSpec spec;
    spec.title = "Выданные счета-фактуры";
    spec.sql = "select real_id,number,d,s,icn from paymar_sch_fak";
    ApplyFilter(spec, filter);
    spec.sql += " order by d,number,real_id";
    spec.keyField = "real_id";
    spec.columns = {{"real_id", "н/п"}, {"number", "№"}, {"d", "Дата"}, {"s", "Сумма"}, {"icn", "Покупатель"}};
    spec.current = Current(current);
    return appcore::ChooseAndDeliver(spec, appcore::ChoiceTarget(parent, ctrlId, UINT(-1)), true);
}
