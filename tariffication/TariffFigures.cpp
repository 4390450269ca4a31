#include "TariffFigures.h"

#include "gridbase.h"
#include "ndbcore.h"

#include <cmath>
#include <cstdlib>

namespace nvenzol {

bool Vacancy(const TariffInput& row)
{
    return row.fio.Find("Вакансия") >= 0;
}

namespace {

// Steps shared by both arithmetics: the seniority percent and text. A
// vacancy gets 15 % and no text; "Не учитывать стаж" leaves both empty; a
// district doctor takes the district percent and text when they are higher.
void Seniority(const TariffInput& row, const TariffContext& list, TariffFigures& f)
{
    CString district;
    if (!row.uchStaj) {
        const CString end = MinDate(row.du, list.d2);
        f.Stext = MedStajText(end, row.nsr, row.dnbs);
        district = MedStajText(end, row.nsrU, row.dnbsU);
    }
    if (Vacancy(row)) {
        f.Spct = 15;
        f.Stext.Empty();
        return;
    }
    const long years = atol(f.Stext), districtYears = atol(district);
    f.Spct = years >= 5 ? 30 : years >= 3 ? 20 : 0;
    if (row.uch) {
        const double u = districtYears >= 7 ? 60 : districtYears >= 5 ? 45 : districtYears >= 3 ? 30 : 0;
        if (u > f.Spct) {
            f.Spct = u;
            f.Stext = district;
        }
    }
}

int Grade(const TariffInput& row)
{
    return int(atof(row.raz) + atof(row.raz1) + atof(row.raz2) + atof(row.raz3));
}

double SecondAllowance(const TariffInput& row)
{
    return row.zasVRNull ? row.prZv : row.zasVR;
}

} // namespace

double RoundAmount(double value, int digits)
{
    return atof(FormatNumber(value, "-", digits));
}

bool ClassicFigures(const TariffInput& row, const TariffContext& list, TariffFigures& f)
{
    const int d = list.digits;
    f = TariffFigures();
    f.G = Grade(row);
    int grade = 1;
    if (row.kof == 0) {
        if (!list.gradeKof || !list.gradeKof(f.G, f.K))
            return false;
        grade = f.G;
    } else {
        f.K = row.kof;
    }
    f.B = RoundAmount(GetOKL(grade, row.okl, list.scale), d);
    if (row.kof != 0)
        f.B = RoundAmount(f.B * row.kof, d);
    f.O = RoundAmount(f.B * row.st, d);
    f.H = RoundAmount(f.O * row.vr / 100, d);
    f.IO = RoundAmount(f.O + f.H, d);
    Seniority(row, list, f);
    f.S = RoundAmount(f.Spct * (row.uchVred ? f.O : f.IO) / 100, d);
    f.zv = SecondAllowance(row);
    f.ZR = RoundAmount(row.zasRAB * f.IO / 100, d);
    f.ZV = RoundAmount(f.zv * f.IO / 100, d);
    f.P = RoundAmount(f.IO * row.premiya / 100, d);
    f.T = f.S + f.IO + f.ZR + f.ZV + f.P;
    return true;
}

TariffFigures NewFigures(const TariffInput& row, const TariffContext& list)
{
    const int d = list.digits;
    TariffFigures f;
    f.G = Grade(row);
    f.K = row.kof;
    double oklGr = row.oklGr;
    f.B = RoundAmount(GetOKL(row.kof != 0 ? 1 : f.G, row.okl, list.scale), d);
    if (row.kof != 0) {
        f.B = RoundAmount(f.B * row.kof, d);
        oklGr = RoundAmount(row.kof * oklGr, d);
    }
    if (row.prRab != 0)
        f.B = RoundAmount(f.B - f.B * row.prRab / 100, d);
    f.O = RoundAmount(f.B * row.st, d);
    f.Gs = RoundAmount(row.st * oklGr, d);
    f.KAT = RoundAmount(row.plusKat * f.Gs / 100, d);
    f.UCH = RoundAmount(row.plusUchSt * f.Gs / 100, d);
    f.ZVN = RoundAmount(row.plusZv * f.Gs / 100, d);
    f.IO = RoundAmount(f.O + f.KAT + f.UCH + f.ZVN, d);
    f.H = RoundAmount(row.vr * f.Gs / 100, d);
    Seniority(row, list, f);
    f.S = RoundAmount((row.uchVred ? f.H + f.Gs : f.Gs) * f.Spct / 100, d);
    f.zv = SecondAllowance(row);
    f.ZR = RoundAmount(row.zasRAB * f.Gs / 100, d);
    f.ZV = RoundAmount(f.zv * f.Gs / 100, d);
    f.P = RoundAmount(row.premiya * f.Gs / 100, d);
    f.OP = RoundAmount(row.plusOpas * f.Gs / 100, d);
    f.DP = RoundAmount(row.plusDopl * f.Gs / 100, d);
    f.T = f.IO + f.H + f.S + f.ZR + f.ZV + f.P + f.OP + f.DP;
    return f;
}

} // namespace nvenzol
