// The personal card's address: the names of region, district, city and
// settlement, their pickers, and the street's element. A city or settlement
// code is unique within its region and district only, so its name is looked
// up under both; without a district, among the region's own cities.
#include "CLichKartView.h"

#include "StaffNumbers.h"
#include "naddviews.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QStringList>

namespace nperso {

namespace {

// The code as a checked number, "" for an empty text or one that is no number.
CString CodeOf(const CString& text)
{
    CString number;
    return nvenzol::CheckedNumber(text, number) ? number : CString();
}

QStringList StreetWords(const CString& street)
{
    return street.ToQString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

bool IsStreetElement(const CString& word)
{
    return !word.IsEmpty()
        && ExecuteCount("select count(id) as cnt from ELEMadr where id='" + MakeSqlStr(word) + "' and level=5") > 0;
}

CString StreetElement(const CString& street)
{
    const QStringList words = StreetWords(street);
    return words.isEmpty() ? CString() : CString(words.last());
}

void CLichKartView::RefreshGorodSelo()
{
    const CString region = CodeOf(Field(IDC_DAREG));
    const CString district = CodeOf(Field(IDC_DARAYON));
    const CString city = CodeOf(Field(IDC_DA2));
    const CString settlement = CodeOf(Field(IDC_DANP));
    CString cityName, settlementName;
    if (!region.IsEmpty() && !district.IsEmpty()) {
        if (!city.IsEmpty())
            cityName = ExecuteString(FormatText("select g_name as str from spr_rayon where reg=%s and rayon=%s and g=%s",
                                                region, district, city));
        if (!settlement.IsEmpty())
            settlementName = ExecuteString(FormatText(
                "select s_name as str from spr_rayon where reg=%s and rayon=%s and s=%s", region, district, settlement));
    } else if (!region.IsEmpty() && !city.IsEmpty()) {
        cityName = ExecuteString(
            FormatText("select g_name as str from spr_rayon where reg=%s and g=%s and rayon is null", region, city));
    }
    SetDlgItemText(IDC_LK_DA2_NAME, cityName);
    SetDlgItemText(IDC_LK_DANP_NAME, settlementName);
}

void CLichKartView::OnChangeRayon()
{
    const CString region = CodeOf(Field(IDC_DAREG));
    const CString district = CodeOf(Field(IDC_DARAYON));
    CString name;
    if (!region.IsEmpty() && !district.IsEmpty())
        name = ExecuteString(
            FormatText("select r_name as str from spr_rayon where reg=%s and rayon=%s", region, district));
    SetDlgItemText(IDC_LK_DARAYON_NAME, name);
    RefreshGorodSelo();
}

void CLichKartView::OnChangeGorodSelo()
{
    RefreshGorodSelo();
}

bool CLichKartView::NeedRegion(CString& region)
{
    region = CodeOf(Field(IDC_DAREG));
    if (!region.IsEmpty())
        return true;
    return Refuse("Укажите код региона", IDC_DAREG, false);
}

bool CLichKartView::NeedDistrict(CString& district)
{
    district = CodeOf(Field(IDC_DARAYON));
    if (!district.IsEmpty())
        return true;
    return Refuse("Укажите код района", IDC_DARAYON, false);
}

void CLichKartView::OnRAYONbtn()
{
    CString region;
    if (NeedRegion(region))
        CHelpers::GetInSpr("spr_rayon", this, IDC_DARAYON, "where reg=" + region, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CLichKartView::OnGORODbtn()
{
    CString region;
    if (!NeedRegion(region))
        return;
    const CString district = CodeOf(Field(IDC_DARAYON));
    const CString where = district.IsEmpty() ? "reg=" + region + " and rayon is null"
                                             : "reg=" + region + " and rayon=" + district;
    const CString sql = "select distinct dt_del,g,g_name from spr_rayon where " + where
        + " and g is not null group by dt_del,g,g_name";
    CHelpers::GetInSpr("gorod", this, IDC_DA2, sql, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CLichKartView::OnSELObtn()
{
    CString region, district;
    if (!NeedRegion(region) || !NeedDistrict(district))
        return;
    const CString sql = FormatText("select distinct dt_del,s,s_name from spr_rayon where reg=%s and rayon=%s and s "
                                   "is not null group by dt_del,s,s_name",
                                   region, district);
    CHelpers::GetInSpr("selo", this, IDC_DANP, sql, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CLichKartView::OnELEMbtn()
{
    CExtFuncs::ShowSpr("ELEMadr", this, 1, 0, "where level=5", nullptr, WM_LK_ELEM_PICKED, 1);
    if (CWnd* street = GetDlgItem(IDC_LK_DAYL))
        street->SetFocus();
}

// The street's last word replaced by the element chosen when it is an
// element itself; otherwise the element follows the street after a blank.
LRESULT CLichKartView::OnElemAdrPicked(WPARAM, LPARAM lParam)
{
    const CString element(reinterpret_cast<const char*>(lParam));
    if (element.IsEmpty())
        return 0;
    QStringList words = StreetWords(Field(IDC_LK_DAYL));
    if (!words.isEmpty() && IsStreetElement(CString(words.last())))
        words.removeLast();
    words << element.ToQString();
    SetDlgItemText(IDC_LK_DAYL, CString(words.join(QLatin1Char(' '))));
    if (CWnd* street = GetDlgItem(IDC_LK_DAYL))
        street->SetFocus();
    return 0;
}

} // namespace nperso
