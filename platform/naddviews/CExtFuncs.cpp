#include "CExtFuncs.h"

#include "AccountList.h"
#include "BookPicker.h"
#include "CHelpers.h"
#include "CSprPickerDlg.h"
#include "ChoiceDelivery.h"
#include "SelectionQueries.h"
#include "ndbcore.h"

CExtFuncs::~CExtFuncs() = default;

namespace {

using appcore::PickerSetup;

// A where clause or a search fragment (anything else) over a query.
void ApplyFilter(PickerSetup& setup, const char* filter)
{
    QString text = QString::fromUtf8(filter ? filter : "").trimmed();
    switch (appcore::ClassifyFilter(text)) {
    case appcore::FilterKind::Where:
        setup.sql = setup.sql + " " + CString(text);
        break;
    case appcore::FilterKind::None:
        break;
    default:
        setup.search = CString(text);
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
    PickerSetup setup;
    setup.title = "Сотрудники";
    setup.sql = sql && *sql ? CString(sql) : naddviews::EmployeesQuery();
    setup.keyField = "tn";
    setup.columns = {{"tn", "Таб.№"}, {"fio", "Ф.И.О."}, {"name", "Должность"}, {"du", "Уволен"}};
    setup.multi = multi != 0;
    if (parent && ctrlId > 0)
        parent->GetDlgItemText(ctrlId, setup.current);
    return appcore::ChooseAndDeliver(setup, appcore::ChoiceTarget(parent, ctrlId, msg), setup.multi);
}

int CExtFuncs::OnSprPlanSch0(CWnd* parent, int ctrlId, int msg, const char* current, int side, const char* other,
                             const char* accounts)
{
    PickerSetup setup;
    setup.title = naddviews::AccountChooserTitle(side, other);
    setup.sql = naddviews::AccountListQuery(side, accounts);
    setup.keyField = "sch";
    setup.columns = {{"sch", "Счет"}, {"name", "Наименование"}, {"kosgu", "КОСГУ"}};
    setup.current = Current(current);
    if (setup.current.IsEmpty())
        setup.current = naddviews::SingleAccount(accounts);
    return appcore::ChooseAndDeliver(setup, appcore::ChoiceTarget(parent, ctrlId, UINT(msg)), true);
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
    PickerSetup setup;
    setup.title = "Платежные поручения";
    setup.sql = CString(sql ? sql : "");
    setup.keyField = "npp";
    setup.columns = {{"number", "№"}, {"d", "Дата"}, {"s", "Сумма"}, {"iorg", "Получатель"}};
    setup.current = Current(current);
    appcore::ChoiceTarget byMessage(parent, -1, msg);
    appcore::ChoiceTarget target = byMessage.HasMessage() ? byMessage : appcore::ChoiceTarget(parent, ctrlId, msg);
    return appcore::ChooseAndDeliver(setup, target, false);
}

int CExtFuncs::ShowPrnSchFakList(const char* current, CWnd* parent, int ctrlId, const char* filter)
{
    PickerSetup setup;
    setup.title = "Выданные счета-фактуры";
    setup.sql = "select real_id,number,d,s,icn from paymar_sch_fak";
    ApplyFilter(setup, filter);
    setup.sql += " order by d,number,real_id";
    setup.keyField = "real_id";
    setup.columns = {{"real_id", "н/п"}, {"number", "№"}, {"d", "Дата"}, {"s", "Сумма"}, {"icn", "Покупатель"}};
    setup.current = Current(current);
    return appcore::ChooseAndDeliver(setup, appcore::ChoiceTarget(parent, ctrlId, UINT(-1)), true);
}
