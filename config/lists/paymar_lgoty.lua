-- The benefits of an employee ("ПаймарЛьготы", opened by the pay record's
-- "Льготы" with his personnel number): his standing benefits and those of the
-- working month, each with its code, name and sum. A parameter that is no
-- personnel number lists nothing. Read only.
local L = Ledger

function Fill(kind, parameter)
    local digits = string.match(parameter or "", "^%s*(%d%d?%d?%d?%d?%d?%d?%d?%d?)%s*$")
    local tn = digits and string.format("%d", tonumber(digits)) or "NULL"
    local user = db.user()
    local columns = string.format("%%s as %s,spr_paymar_lgoty.name as %s,%%s as %s",
        L.caption("Код"), L.caption("Наименование"), L.caption("Сумма"))
    local standing = string.format(columns, "paymar_lgoty.tip", "paymar_lgoty.s")
        .. " from paymar_lgoty left join spr_paymar_lgoty on spr_paymar_lgoty.id=paymar_lgoty.tip"
        .. " where paymar_lgoty.tn=" .. tn
    local monthly = string.format(columns, "paymar_m_.lg", "paymar_m_.s")
        .. " from paymar_m_ left join spr_paymar_lgoty on spr_paymar_lgoty.id=paymar_m_.lg"
        .. string.format(" where paymar_m_.tn=%s and paymar_m_.g=%d and paymar_m_.ms=%d", tn, user.year, user.month)
    return "select " .. standing .. " union all select " .. monthly
end
