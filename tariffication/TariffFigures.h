// The figures of one assignment in the tariffication lists: its grade,
// coefficient, salary, allowances, seniority and total, in the classic
// arithmetic and in the new one with group-salary allowances. The summary
// list works its rows out with the same function.
#pragma once
#include "PayScale.h"
#include "VenzExport.h"
#include "afx.h"

#include <functional>
#include <map>

namespace nvenzol {

// One assignment as the list's statement reads it. A column that is NULL
// leaves its start value: 1 for st, 0 for the other numbers, "" for texts.
struct TariffInput {
    CString tn, npp, fio, idol, raz, raz1, raz2, raz3, ktgr, dateKat, noKat, du, nsr, nsrU;
    double kof = 0, st = 1, vr = 0, okl = 0, oklGr = 0, zasRAB = 0, zasVR = 0, prZv = 0, premiya = 0, prRab = 0;
    double plusKat = 0, plusUchSt = 0, plusZv = 0, plusOpas = 0, plusDopl = 0;
    bool zasVRNull = true;
    long dnbs = 0, dnbsU = 0;
    bool uch = false, uchVred = false, uchStaj = false;
};

// What stays the same within one list: its dates, the decimals amounts are
// rounded to, the scale at D1 and the coefficients of the grades (asked of
// the script once per grade; false when the script failed).
struct TariffContext {
    CString d1, d2;
    int digits = 2;
    PayScale scale;
    std::function<bool(int grade, double& kof)> gradeKof;
};

struct TariffFigures {
    int G = 0;
    double K = 0, B = 0, O = 0, H = 0, IO = 0, Spct = 0, S = 0, zv = 0, ZR = 0, ZV = 0, P = 0, T = 0;
    double Gs = 0, KAT = 0, UCH = 0, ZVN = 0, OP = 0, DP = 0;
    CString Stext;
};

// A vacancy: the row's name holds "Вакансия".
NVENZOL_EXPORT bool Vacancy(const TariffInput& row);
// The amount rounded to the list's decimals, as it is printed and read back.
NVENZOL_EXPORT double RoundAmount(double value, int digits);
// The classic arithmetic; false when the grade's coefficient could not be had.
NVENZOL_EXPORT bool ClassicFigures(const TariffInput& row, const TariffContext& list, TariffFigures& f);
// The new arithmetic: allowances from the salary of the position's group.
NVENZOL_EXPORT TariffFigures NewFigures(const TariffInput& row, const TariffContext& list);

} // namespace nvenzol
