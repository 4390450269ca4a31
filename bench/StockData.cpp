#include "StockData.h"

#include <ndbcore.h>

namespace {

// The numbers 0..count-1 as a derived table with the column i (count a power of ten).
CString Numbers(int digits)
{
    const CString digit = "(select 0 as d union all select 1 union all select 2 union all select 3 union all select 4 "
                          "union all select 5 union all select 6 union all select 7 union all select 8 union all "
                          "select 9)";
    CString sum = "0", from;
    int weight = 1;
    for (int k = 0; k < digits; ++k, weight *= 10) {
        sum += FormatText("+%d*t%d.d", weight, k);
        from += (k ? " cross join " : "") + digit + FormatText(" t%d", k);
    }
    return "(select " + sum + " as i from " + from + ")";
}

} // namespace

bool FillStockData(int year)
{
    // Each line's day, department, statement and material follow from its number.
    const CString lines = Numbers(5) + " n where i<50000";
    const CString day = FormatText("makedate(%d, 1 + mod(i, 360))", year);
    const CString sql =
        "insert into spr_stovan_mat (id,name,ei,gr,okr) select 1001+i,concat('Материал стенда ',i),1+mod(i,7),"
        "1+mod(i,3),mod(i,2)*3 from " + Numbers(3) + " n where i<500\n"
        "insert into stovan_prx0 (d,prd,nv,npp,ndoc,org) select distinct " + day + ",1+mod(i,3),1+mod(i,5),1,'Б',1 from "
        + lines + "\n"
        "insert into stovan_prx1 (d,prd,nv,npp,id,price,kol,s) select " + day
        + ",1+mod(i,3),1+mod(i,5),1,1001+mod(i,500),10,20,200 from " + lines + "\n"
        "insert into stovan_rsx0 (ntreb,d,prd,nv,kab,tn) select distinct 1+mod(i,360)," + day
        + ",1+mod(i,3),1,'20',51 from " + lines + "\n"
        "insert into stovan_rsx1 (ntreb,d,prd,nv,id,kol,ost) select 1+mod(i,360)," + day
        + ",1+mod(i,3),1+mod(i,5),1001+mod(i,500),5,NULL from " + lines;
    return ExecuteSql(sql, nullptr, 1, 1, -1) != 0;
}
