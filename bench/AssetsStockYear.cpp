#include "AssetsStockYear.h"

#include <ndbcore.h>

namespace {

// A year of stock movements: of every ten postings six receipts of items 1-50
// for persons 1-5 on 105.36, three issues of them to expenses, one cash posting.
const char* const kStockYear =
    "insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,deb_sb1,deb_sb2,kred0,kred1,kred2,kred3,"
    "kred_sb1,kred_sb2,kol,s,prim,fil_id) "
    "select seq div 4 + 1, seq mod 4 + 1, '2024-01-01' + interval (seq mod 366) day, '1', "
    "elt(k,'105','105','105','105','105','105','401','401','401','201'), elt(k,'36','36','36','36','36','36','01','01','01','34'), "
    "elt(k,'340','340','340','340','340','340','272','272','272','510'), "
    "if(k<=6,mat,null), if(k<=6,tn,null), '1', "
    "elt(k,'302','302','302','302','302','302','105','105','105','201'), elt(k,'34','34','34','34','34','34','36','36','36','11'), "
    "elt(k,'730','730','730','730','730','730','440','440','440','610'), "
    "if(k<=6,'1',if(k<=9,mat,null)), if(k between 7 and 9,tn,null), "
    "if(k<=9,1 + seq mod 7,null), 10 + (seq * 37) mod 10000 / 100, 'Движение запасов', 1 "
    "from (select seq, 1 + seq mod 10 as k, 1 + (seq div 10) mod 5 as tn, 1 + (seq div 50) mod 50 as mat "
    "from seq_0_to_199999) q";

} // namespace

bool FillStockYear()
{
    CString sql = "insert into spr_stovan_mat (id,name,ei,ekr,sch) values ";
    for (int n = 1; n <= 50; ++n)
        sql += FormatText("%s(%d,'Материал %d',1,340000,'110536000')", n > 1 ? "," : "", 1000 + n, n);
    return ExecuteSql("delete from ledmark_provodki") && ExecuteSql(kStockYear)
           && ExecuteSql("delete from spr_stovan_mat where id>1000") && ExecuteSql(sql)
           && ExecuteSql("update ledmark_provodki set deb_sb1=deb_sb1+1000 where deb1='105'")
           && ExecuteSql("update ledmark_provodki set kred_sb1=kred_sb1+1000 where kred1='105'");
}
