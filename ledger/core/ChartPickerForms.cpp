#include "ChartPickerForms.h"

#include "CCellwork.h"
#include "gridbase.h"
#include "ndbcore.h"

#include <cstdlib>

namespace nledmark {

namespace {

const CString kSeparator = ":";

void PrepareGrid(CCellwork& grid)
{
    grid.SetNRows(0);
    grid.SetNCols(2);
    grid.SetColCaption(0, "Код");
    grid.SetColCaption(1, "Наименование");
    grid.SetColWidth(0, 10);
    grid.SetColWidth(1, 100);
    grid.SetShowFullRow(1);
    grid.SetColAlign(0, 2);
    grid.KeepRatio();
}

} // namespace

CString PickerParameter(CWnd* parent, UINT ctrlId, UINT msg)
{
    return FormatText("%s:%d:%d", utoa(parent), (int)ctrlId, (int)msg);
}

CString PickerParameter(CWnd* parent, UINT ctrlId, UINT msg, const CString& col1)
{
    return PickerParameter(parent, ctrlId, msg) + kSeparator + col1;
}

CString PickerParameter(CWnd* parent, UINT ctrlId, UINT msg, const CString& col1, const CString& col2)
{
    return PickerParameter(parent, ctrlId, msg, col1) + kSeparator + col2;
}

CPickerTarget ReadPickerParameter(const CString& parameter)
{
    CPickerTarget t;
    const long long handle = std::atoll(GetPart(parameter, kSeparator, 1));
    t.parent = CWnd::FromHandle(reinterpret_cast<HWND>(static_cast<UINT_PTR>(handle)));
    t.ctrlId = std::atoi(GetPart(parameter, kSeparator, 2));
    t.msg = std::atoi(GetPart(parameter, kSeparator, 3));
    t.col1 = GetPart(parameter, kSeparator, 4);
    t.col2 = GetPart(parameter, kSeparator, 5);
    return t;
}

CString ChartLevelQuery(ChartLevel level, const CString& col1, const CString& col2)
{
    switch (level) {
    case ChartLevel::Synthetic:
        return "select distinct col1,name from spr_plan_sch where col0=0 and col2='00' and col3='000' order by col1";
    case ChartLevel::Analytic:
        return FormatText("select distinct col2,name from spr_plan_sch where col0=0 and col1='%s' "
                          "and (col1='000' or col2<>'00') and col3='000' order by col2",
                          MakeSqlStr(col1));
    case ChartLevel::Kosgu:
        return FormatText("select distinct col3,name from spr_plan_sch where col0=0 and col1='%s' and col2='%s' "
                          "and col3<>'000' order by col3",
                          MakeSqlStr(col1), MakeSqlStr(col2));
    }
    return CString();
}

BOOL FillChartGrid(CCellwork& grid, ChartLevel level, const CString& col1, const CString& col2)
{
    PrepareGrid(grid);
    try {
        _RecordsetPtr rs;
        rs.CreateInstance(__uuidof(Recordset));
        rs->Open((const char*)ChartLevelQuery(level, col1, col2), GetConnection().GetInterfacePtr(),
                 adOpenForwardOnly, adLockReadOnly, adCmdText);
        for (long row = 0; !rs->adoEOF; rs->MoveNext(), ++row) {
            grid.SetNRows(row + 1);
            grid.SetCellValue(0, row, SafeArayToString(rs->GetCollect(0L)));
            grid.SetCellValue(1, row, SafeArayToString(rs->GetCollect(1L)));
        }
        rs->Close();
        return TRUE;
    } catch (const _com_error& e) {
        ReportDBError(e, 1, nullptr);
    }
    return FALSE;
}

} // namespace nledmark
