-- The statement of issue of material values for the institution's needs
-- (form 0504210) of one stored write-off: each row's item, unit, quantity,
-- price, sum and who received it.
-- PrepareTheReport("real_id"); -1 prints the blank form.
local L = Ledger

function PrepareTheReport(id)
    local doc = L.mat_spis_document(id)
    local lines = {}
    for n, line in ipairs(doc.rows) do
        lines[#lines + 1] = string.format("<tr><td align=center>%d</td><td>%s</td><td align=center>%s</td>"
            .. "<td align=center>%s</td><td align=right>%s</td><td align=right>%s</td><td align=right>%s</td>"
            .. "<td>%s</td><td></td></tr>",
            n, L.html(line.name), L.html(line.item), L.html(line.unit), L.html(line.kol), L.print_money(line.price),
            L.print_money(line.s), L.html(line.recipient))
    end
    if doc.blank then
        lines[1] = L.blank_rows(8, 9)
    end
    return "<html><body>" .. L.form_code("0504210")
        .. "<p>" .. L.html(db.constant("ORG_NAME")) .. "</p>"
        .. "<h3 align=center>ВЕДОМОСТЬ ВЫДАЧИ МАТЕРИАЛЬНЫХ ЦЕННОСТЕЙ НА НУЖДЫ УЧРЕЖДЕНИЯ № " .. L.html(doc.num) .. "</h3>"
        .. "<p align=center>" .. (doc.blank and "«____» ____________ 20__ г." or L.date_in_words(doc.d)) .. "</p>"
        .. "<p>Материально ответственное лицо: <u>" .. L.html(doc.mol.fio) .. "</u></p>"
        .. "<table border=1 cellspacing=0 cellpadding=3 width=100%>"
        .. "<tr><th>№</th><th>Наименование</th><th>Код</th><th>Ед. изм.</th><th>Количество</th><th>Цена, руб.</th>"
        .. "<th>Сумма, руб.</th><th>Получил</th><th>Подпись</th></tr>"
        .. table.concat(lines)
        .. "<tr><td colspan=6 align=right>Итого</td><td align=right>"
        .. (doc.blank and "" or L.money(doc.total)) .. "</td><td colspan=2></td></tr>"
        .. "</table>"
        .. "<p>Выдал: материально ответственное лицо _____________ " .. L.html(doc.mol.fio) .. "</p>"
        .. "<p>Главный бухгалтер _____________ " .. L.html(db.constant("ORG_GL_BUH")) .. "</p>"
        .. "</body></html>"
end
