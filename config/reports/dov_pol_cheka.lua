-- The printed power of attorney to receive a cheque: the employee with the
-- passport, the cheque, the amount in figures and in words and its breakdown
-- by personal account and economic code. PrepareTheReport(real_id); a
-- document not yet stored prints a page that says so.
local L = Ledger

function PrepareTheReport(id)
    local row = L.stored_row("ledmark_dov_pol_cheka", "*," .. L.as_text("number") .. " as num", id)
    if not row then
        return L.unsaved_page("Доверенность")
    end
    local person = L.employee(row.tn)
    local total = L.number(row.s, 0) or 0
    local lines = {}
    for _, cells in ipairs(L.grid_rows(row.grid)) do
        lines[#lines + 1] = string.format("<tr><td>%s</td><td align=center>%s</td><td>%s</td><td align=center>%s</td>"
            .. "<td align=right>%s</td></tr>", L.html(cells[1]), L.html(cells[2]), L.html(cells[3]),
            L.html(cells[4]), L.print_money(cells[5]))
    end
    return "<html><body>"
        .. "<p>" .. L.html(db.constant("ORG_NAME")) .. "</p>"
        .. "<h3 align=center>ДОВЕРЕННОСТЬ № " .. L.html(row.num) .. "</h3>"
        .. "<p align=center>" .. L.date_in_words(row.d) .. "</p>"
        .. "<p>Доверяем " .. L.html(person.dol) .. " " .. L.html(person.fio)
        .. ", паспорт серии " .. L.html(person.serp) .. " № " .. L.html(person.nop)
        .. ", выдан " .. L.html(person.kv1) .. " " .. L.html(person.kv2) .. " " .. L.html(person.dvpus)
        .. ", получить денежные средства по чеку серии " .. L.html(row.ser) .. " № " .. L.html(row.n)
        .. " от " .. L.html(row.d_ch) .. " в сумме " .. L.money(total) .. " ("
        .. L.html(app.in_words(total)) .. ")"
        .. (L.text(row.d_pol) ~= "" and (", дата получения денег " .. L.html(row.d_pol)) or "") .. ".</p>"
        .. "<table border=1 cellspacing=0 cellpadding=2 width=100%>"
        .. "<tr><th>Номер лицевого счета</th><th>ЭКР</th><th>Цели расходования</th><th>Кас.сим.</th><th>Сумма</th></tr>"
        .. table.concat(lines)
        .. "<tr><td colspan=4><b>Итого</b></td><td align=right><b>" .. L.money(total) .. "</b></td></tr></table>"
        .. (L.text(row.prim) ~= "" and ("<p>Примечание: " .. L.html(row.prim) .. "</p>") or "")
        .. "<p>Подпись лица, получившего доверенность _____________ удостоверяем.</p>"
        .. "<p>Руководитель _____________ " .. L.html(GetFilRuk(L.integer(row.fil_id) or 1, 1)) .. "</p>"
        .. "<p>Главный бухгалтер _____________ " .. L.html(db.constant("ORG_GL_BUH")) .. "</p>"
        .. "</body></html>"
end
