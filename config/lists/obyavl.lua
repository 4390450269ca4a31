-- The cash deposit announcements of the working period.
function Fill(kind, parameter)
    return Ledger.period_list("ledmark_obyavl", {
        {"number", "Номер"}, {"d", "Дата"}, {"s", "Сумма"},
        {"(select name from spr_org where spr_org.id=ledmark_obyavl.org)", "Кому"},
        {"coalesce((select name from spr_cn where spr_cn.id=ledmark_obyavl.cn),icn)", "Источник взноса"}})
end

function Choose(first)
    Ledger.open_listed("Объяв.Взн.Нал.", first)
end
