-- The inventory list of material values: PrepareTheReport(date, tn,
-- condition, branch, source) with the period end (dd.mm.yyyy), the
-- responsible person (empty for all), the account condition of the ticked
-- accounts, the branch (-2 all) and the source of financing (0 all). Per
-- account the items with their book quantity and sum and empty columns for
-- the count, the commission's and the responsible person's signatures.
local L = Ledger

function PrepareTheReport(date, tn, condition, branch, source)
    local mol = L.employee(tn)
    local parts = {}
    local account, total_kol, total_s, n = nil, 0, 0, 0
    for _, row in ipairs(L.mat_inventory(date, tn, condition, branch, source)) do
        local key = L.text(row.col1) .. "." .. L.text(row.col2)
        if key ~= account then
            account = key
            parts[#parts + 1] = "<tr><td colspan=9><b>Счет " .. L.html(key) .. "</b></td></tr>"
        end
        n = n + 1
        local kol, s = L.number(row.kol, 0) or 0, L.number(row.s, 0) or 0
        total_kol, total_s = total_kol + kol, total_s + s
        parts[#parts + 1] = string.format("<tr><td align=center>%d</td><td>%s</td><td align=center>%s</td>"
            .. "<td align=center>%s</td><td align=right>%s</td><td align=right>%s</td><td>&nbsp;</td>"
            .. "<td>&nbsp;</td><td>&nbsp;</td></tr>",
            n, L.html(row.name), L.html(row.sb), L.html(row.unit), L.quantity(kol), L.money(s))
    end
    return L.asset_form_head("0504087", "ИНВЕНТАРИЗАЦИОННАЯ ОПИСЬ (СЛИЧИТЕЛЬНАЯ ВЕДОМОСТЬ) МАТЕРИАЛЬНЫХ ЗАПАСОВ",
            "", date, true)
        .. "<p>Материально ответственное лицо: <u>" .. L.html(mol.fio ~= "" and mol.fio or "все") .. "</u></p>"
        -- Widths of their own, the name the widest, and the long captions
        -- hyphenated where they may break: no word is cut at an arbitrary
        -- letter in a narrow window.
        .. "<table border=1 cellspacing=0 cellpadding=3 width=100%>"
        .. "<tr><th rowspan=2 width=4%>№</th><th rowspan=2 width=28%>Наименование</th><th rowspan=2 width=6%>Код</th>"
        .. "<th rowspan=2 width=7%>Ед. изм.</th><th colspan=2>По данным учета</th><th colspan=2>Фактически</th>"
        .. "<th rowspan=2 width=11%>Приме&shy;чание</th></tr>"
        .. "<tr><th width=11%>Коли&shy;чество</th><th width=11%>Сумма, руб.</th><th width=11%>Коли&shy;чество</th>"
        .. "<th width=11%>Сумма, руб.</th></tr>"
        .. table.concat(parts)
        .. "<tr><td colspan=4 align=right>Итого</td><td align=right>" .. L.quantity(total_kol)
        .. "</td><td align=right>" .. L.money(total_s) .. "</td><td></td><td></td><td></td></tr>"
        .. "</table>"
        .. L.commission_signatures(mol)
        .. "</body></html>"
end
