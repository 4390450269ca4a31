// Employee 903 of department 5 (no pay sheet left out), hired in 2000, on
// calendar 1; vacation pay codes 30 (the salary 1, the premium 11 and the
// union dues 202) and 31 (the salary); the months July 2008 to June 2009
// with their plan met (21 days), no coefficients, no sheet indexed.
#pragma once
#include "PayrollProgram.h"
#include "ndbcore.h"

namespace paytest {

class VacationProgram : public PayrollProgram {
protected:
    void SetUp() override
    {
        PayrollProgram::SetUp();
        projectType = g_lProjectType;
        g_lProjectType = 0;
        Run("delete from tn where tn=903\ndelete from paymar_bux where tn=903\ndelete from paymar_nuz where tn=903\n"
            "delete from paymar_trv where tn=903\ndelete from paymar_otpusk where tn=903\n"
            "delete from paymar_otpusk1 where tn=903\ndelete from spr_tvx where kou in (30,31,200)\n"
            "delete from spr_kl1 where g in (2008,2009)\ndelete from spr_paymar_otp_kof\nupdate nv set indexir=0\n"
            "insert into tn (tn,f,i,o,nv,prd) values (903,'Отпускная','Анна','Петровна',1,5)\n"
            "insert into paymar_bux (tn,npp,osn,dol,kou,kl,d1) values (903,1,1,1,1,1,'2000-01-10')\n"
            "insert into spr_tvx (kou,id) values (30,1),(30,11),(30,202),(31,1),(200,1)\n"
            "insert ignore into spr_vou (id,name,alg) values (200,'Код 200',NULL)");
        for (int i = 0; i < 12; ++i)
            Worked(i < 6 ? 2008 : 2009, i < 6 ? i + 7 : i - 5, "21", "21");
    }
    void TearDown() override
    {
        g_lProjectType = projectType;
        PayrollProgram::TearDown();
    }
    // A month of the calendar's plan and the employee's days worked and
    // calendar days worked ("" for none).
    void Worked(int g, int m, const char* planned, const char* worked, const char* calendar = "")
    {
        Run(FormatText("delete from spr_kl1 where id=1 and g=%d and ms=%d\ndelete from paymar_trv where tn=903 and g=%d "
                       "and ms=%d",
                       g, m, g, m));
        if (*planned)
            Run(FormatText("insert into spr_kl1 (id,g,ms,dn,bol,ch) values (1,%d,%d,%s,30,160)", g, m, planned));
        if (*worked)
            Run(FormatText("insert into paymar_trv (tn,g,ms,dn,kl) values (903,%d,%d,%s,%s)", g, m, worked,
                           *calendar ? calendar : "NULL"));
    }
    // A month's result of a pay code on a sheet.
    void Result(int g, int m, int nv, int kou, const char* s)
    {
        Run(FormatText("insert into paymar_nuz (g,ms,tn,npp,nv,kou,s) values (%d,%d,903,1,%d,%d,%s)", g, m, nv, kou, s));
    }
    long projectType = 0;
};

} // namespace paytest
