-- The act on the write-off of material stocks (form 0504230) of one stored
-- write-off: each row's item, unit, quantity, price and sum, the expense
-- account, the total and the commission's signatures.
-- PrepareTheReport("real_id"); -1 prints the blank form.
local L = Ledger

function PrepareTheReport(id)
    local doc = L.mat_spis_document(id)
    local lines = {}
    for n, line in ipairs(doc.rows) do
        lines[#lines + 1] = string.format("<tr><td align=center>%d</td><td>%s</td><td align=center>%s</td>"
            .. "<td align=center>%s</td><td align=right>%s</td><td align=right>%s</td><td align=right>%s</td>"
            .. "<td align=center>%s</td></tr>",
            n, L.html(line.name), L.html(line.item), L.html(line.unit), L.html(line.kol), L.print_money(line.price),
            L.print_money(line.s), L.html(GL_Printable(doc.sch_deb)))
    end
    if doc.blank then
        lines[1] = L.blank_rows(8, 8)
    end
    return L.asset_form_head("0504230", "АКТ О СПИСАНИИ МАТЕРИАЛЬНЫХ ЗАПАСОВ", doc.num, doc.d)
        .. "<p>Материально ответственное лицо: <u>" .. L.html(doc.mol.fio) .. "</u></p>"
        .. "<p>Счет списания: <u>" .. L.html(doc.sch_deb and GL_Printable(doc.sch_deb)) .. "</u>"
        .. "&nbsp;&nbsp; Счет материальных запасов: <u>" .. L.html(doc.sch_kred and GL_Printable(doc.sch_kred))
        .. "</u></p>"
        .. "<table border=1 cellspacing=0 cellpadding=3 width=100%>"
        .. "<tr><th>№</th><th>Наименование</th><th>Код</th><th>Ед. изм.</th><th>Количество</th><th>Цена, руб.</th>"
        .. "<th>Сумма, руб.</th><th>Счет</th></tr>"
        .. table.concat(lines)
        .. "<tr><td colspan=6 align=right>Итого</td><td align=right>"
        .. (doc.blank and "" or L.money(doc.total)) .. "</td><td></td></tr>"
        .. "</table>"
        .. "<p>Причина списания: <u>" .. L.html(doc.prim) .. "</u></p>"
        .. "<p>Итого по акту списано на сумму: <u>" .. (doc.blank and "" or L.html(app.in_words(doc.total))) .. "</u></p>"
        .. L.commission_signatures(doc.mol)
        .. "</body></html>"
end
