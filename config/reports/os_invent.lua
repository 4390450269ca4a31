-- The inventory list of fixed assets: PrepareTheReport(date, tn, condition,
-- branch, source, prd) with the period end (dd.mm.yyyy), the responsible
-- person (empty for all), the account condition of the ticked accounts, the
-- branch (-2 all), the source of financing (0 all) and the department
-- (empty for all). Per account the cards with their book quantity and value
-- and empty columns for what the count finds, the commission's and the
-- responsible person's signatures.
local L = Ledger

-- The synthetic accounts a condition names ("101", ...), as a checked list.
local function synthetics(condition)
    local list, seen = {}, {}
    for code in condition:gmatch("col1='(%d+)'") do
        if not seen[code] then
            seen[code] = true
            list[#list + 1] = "'" .. code .. "'"
        end
    end
    return table.concat(list, ",")
end

-- The filters of one side of the postings; numbers only.
local function side_filter(side, tn, branch, source, prd)
    local parts = {}
    if (L.integer(source) or 0) > 0 then
        parts[#parts + 1] = string.format(" and %s0='%d'", side, L.integer(source))
    end
    if L.integer(tn) then
        parts[#parts + 1] = string.format(" and %s_sb2='%d'", side, L.integer(tn))
    end
    if L.integer(prd) then
        parts[#parts + 1] = string.format(" and %s_sb3='%d'", side, L.integer(prd))
    end
    if (L.integer(branch) or -2) >= 0 then
        parts[#parts + 1] = string.format(" and fil_id=%d", L.integer(branch))
    end
    return table.concat(parts)
end

-- Per account (col1, col2) the cards with their book quantity and value at
-- `date`. A condition that is not the form's gives no rows.
function L.os_inventory(date, tn, condition, branch, source, prd)
    local day = L.date(date)
    local accounts = L.mat_account_condition(condition)
    if not day or not accounts then
        return {}
    end
    local codes = synthetics(accounts)
    if codes == "" then
        return {}
    end
    local until_day = " and d<=" .. L.sql_date(day)
    local sql = "select q.col1,q.col2,q.sb,c.name,c.code,sum(q.kol) as kol,sum(q.s) as s from ("
        .. "select deb_sb1 as sb,deb1 as col1,deb2 as col2,kol,s from ledmark_provodki where deb1 in (" .. codes .. ")"
        .. until_day .. side_filter("deb", tn, branch, source, prd)
        .. " union all select kred_sb1,kred1,kred2,-kol,-s from ledmark_provodki where kred1 in (" .. codes .. ")"
        .. until_day .. side_filter("kred", tn, branch, source, prd)
        .. ") q left join spr_osn_sr c on c.id=q.sb where 1=1 " .. accounts
        .. " group by q.col1,q.col2,q.sb,c.name,c.code having sum(q.kol)<>0 or sum(q.s)<>0"
        .. " order by q.col1,q.col2,c.name"
    return L.rows(sql)
end

function PrepareTheReport(date, tn, condition, branch, source, prd)
    local mol = L.employee(tn)
    local department = L.integer(prd) and db.string(string.format("select name as str from spr_prd where id=%d",
        L.integer(prd))) or ""
    local parts = {}
    local account, total_kol, total_s, n = nil, 0, 0, 0
    for _, row in ipairs(L.os_inventory(date, tn, condition, branch, source, prd)) do
        local key = L.text(row.col1) .. "." .. L.text(row.col2)
        if key ~= account then
            account = key
            parts[#parts + 1] = "<tr><td colspan=10><b>Счет " .. L.html(key) .. "</b></td></tr>"
        end
        n = n + 1
        local kol, s = L.number(row.kol, 0) or 0, L.number(row.s, 0) or 0
        total_kol, total_s = total_kol + kol, total_s + s
        parts[#parts + 1] = string.format("<tr><td align=center>%d</td><td>%s</td><td align=center>%s</td>"
            .. "<td align=center>%s</td><td align=right>%s</td><td align=right>%s</td><td>&nbsp;</td>"
            .. "<td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td></tr>",
            n, L.html(row.name), L.html(row.code), L.html(row.sb), L.quantity(kol), L.money(s))
    end
    return L.asset_form_head("0504087", "ИНВЕНТАРИЗАЦИОННАЯ ОПИСЬ (СЛИЧИТЕЛЬНАЯ ВЕДОМОСТЬ) ОСНОВНЫХ СРЕДСТВ",
            "", date)
        .. "<p>Материально ответственное лицо: <u>" .. L.html(mol.fio ~= "" and mol.fio or "все") .. "</u>"
        .. " &nbsp; Подразделение: <u>" .. L.html(department ~= "" and department or "все") .. "</u></p>"
        .. "<table border=1 cellspacing=0 cellpadding=3 width=100%>"
        .. "<tr><th rowspan=2>№</th><th rowspan=2>Наименование</th><th rowspan=2>Инв. номер</th>"
        .. "<th rowspan=2>Код карточки</th><th colspan=2>По данным учета</th><th colspan=2>Фактически</th>"
        .. "<th colspan=2>Примечание</th></tr>"
        .. "<tr><th>Количество</th><th>Стоимость, руб.</th><th>Количество</th><th>Стоимость, руб.</th>"
        .. "<th colspan=2></th></tr>"
        .. table.concat(parts)
        .. "<tr><td colspan=4 align=right>Итого</td><td align=right>" .. L.quantity(total_kol)
        .. "</td><td align=right>" .. L.money(total_s) .. "</td><td></td><td></td><td colspan=2></td></tr>"
        .. "</table>"
        .. L.commission_signatures(mol)
        .. "</body></html>"
end
