-- The list of inventory cards of fixed assets: prn(date, tn, prd, source,
-- branch, accounts, from, to) with the period end (dd.mm.yyyy), the
-- responsible person and the department of the cards (empty for all), the
-- source of financing (0 all), the branch (empty for all), the ticked rows
-- of the form's account grid, and the bounds of the value (empty for none).
-- Per account the cards with a value on it at the date, in inventory-number
-- order, with their value and the total.
local L = Ledger

-- The accounts of the grid's rows: "0 101 34 000" or a synthetic "101";
-- anything else is left out.
local function accounts_of(text)
    local list = {}
    for _, cells in ipairs(L.grid_rows(text)) do
        local account = L.text(cells[1])
        local col1, col2 = account:match("^0 (%d%d%d) (%d%d) 000$")
        if col1 then
            list[#list + 1] = string.format("(col1='%s' and col2='%s')", col1, col2)
        elseif account:match("^%d%d%d?$") then
            list[#list + 1] = string.format("col1='%s'", account)
        end
    end
    return list
end

local function side_filter(side, source, branch)
    local parts = {}
    if (L.integer(source) or 0) > 0 then
        parts[#parts + 1] = string.format(" and %s0='%d'", side, L.integer(source))
    end
    if L.integer(branch) and L.integer(branch) >= 0 then
        parts[#parts + 1] = string.format(" and fil_id=%d", L.integer(branch))
    end
    return table.concat(parts)
end

function prn(date, tn, prd, source, branch, accounts, from, to)
    local day = L.date(date)
    local list = accounts_of(accounts)
    local rows = {}
    if day and #list > 0 then
        local card_filter = ""
        if L.integer(tn) then
            card_filter = card_filter .. string.format(" and c.mol=%d", L.integer(tn))
        end
        if L.integer(prd) then
            card_filter = card_filter .. string.format(" and c.prd=%d", L.integer(prd))
        end
        local having = ""
        local low, high = L.number(from, nil), L.number(to, nil)
        if low then
            having = having .. string.format(" and sum(q.s)>=%s", L.money(low))
        end
        if high then
            having = having .. string.format(" and sum(q.s)<=%s", L.money(high))
        end
        local until_day = " and d<=" .. L.sql_date(day)
        -- The analytic value is a text; MariaDB compares it with the key as a
        -- number, the other servers with the key as text.
        local driver = db.driver()
        local card_key = (driver == 1 or driver == 4) and "c.id" or L.as_text("c.id")
        local sql = "select q.col1,q.col2,q.sb,c.name,c.code,c.d_post,sum(q.kol) as kol,sum(q.s) as s from ("
            .. "select deb_sb1 as sb,deb1 as col1,deb2 as col2,kol,s from ledmark_provodki where deb1='101'"
            .. until_day .. side_filter("deb", source, branch) .. " union all "
            .. "select kred_sb1 as sb,kred1 as col1,kred2 as col2,-kol as kol,-s as s from ledmark_provodki "
            .. "where kred1='101'" .. until_day .. side_filter("kred", source, branch) .. ") q "
            .. "join spr_osn_sr c on " .. card_key .. "=q.sb "
            .. "where (" .. table.concat(list, " or ") .. ")" .. card_filter
            .. " group by q.col1,q.col2,q.sb,c.name,c.code,c.d_post having sum(q.s)<>0" .. having
            .. " order by q.col1,q.col2,c.code"
        rows = L.rows(sql)
    end
    local parts, account, n, total = {}, nil, 0, 0
    for _, row in ipairs(rows) do
        local key = L.text(row.col1) .. "." .. L.text(row.col2)
        if key ~= account then
            account = key
            parts[#parts + 1] = "<tr><td colspan=6><b>Счет " .. L.html(key) .. "</b></td></tr>"
        end
        n = n + 1
        local s = L.number(row.s, 0) or 0
        total = total + s
        parts[#parts + 1] = string.format("<tr><td align=center>%d</td><td align=center>%s</td><td>%s</td>"
            .. "<td align=center>%s</td><td align=right>%s</td><td align=right>%s</td></tr>",
            n, L.html(row.code), L.html(row.name), L.html(row.d_post), L.quantity(L.number(row.kol, 0) or 0),
            L.money(s))
    end
    local mol = L.employee(tn)
    return L.asset_form_head("0504033", "ОПИСЬ ИНВЕНТАРНЫХ КАРТОЧЕК ПО УЧЕТУ ОСНОВНЫХ СРЕДСТВ", "", date)
        .. "<p>Материально ответственное лицо: <u>" .. L.html(mol.fio ~= "" and mol.fio or "все") .. "</u></p>"
        .. "<table border=1 cellspacing=0 cellpadding=3 width=100%>"
        .. "<tr><th>№</th><th>Инвентарный номер</th><th>Наименование объекта</th><th>Дата принятия к учету</th>"
        .. "<th>Количество</th><th>Стоимость, руб.</th></tr>"
        .. table.concat(parts)
        .. "<tr><td colspan=5 align=right>Итого</td><td align=right>" .. L.money(total) .. "</td></tr>"
        .. "</table>"
        .. "<p>Ответственный исполнитель _____________ _____________________</p>"
        .. "</body></html>"
end
