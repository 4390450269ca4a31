-- The certificate of work done of one stored issued invoice: the services
-- rendered to the buyer with their sums, the total in words and the
-- signatures of both parties. PrepareTheReport(real_id).
local L = Ledger

function PrepareTheReport(id)
    local row = L.issued_invoice(id)
    if not row then
        return L.unsaved_page("Счет-фактура")
    end
    local lines, total = L.invoice_service_rows(row, false)
    return "<html><body>"
        .. "<h3 align=center>АКТ № " .. L.html(row.num) .. " от " .. L.date_in_words(row.d)
        .. "<br>о выполненных работах (оказанных услугах)</h3>"
        .. "<p>Исполнитель: <b>" .. L.html(db.constant("ORG_NAME")) .. "</b><br>"
        .. "Заказчик: <b>" .. L.html(row.buyer.name) .. "</b></p>"
        .. "<table border=1 cellspacing=0 cellpadding=3 width=100%>"
        .. "<tr><th>№</th><th>Наименование работ (услуг)</th><th>Ед.изм.</th><th>Количество</th><th>Цена</th>"
        .. "<th>Сумма</th></tr>"
        .. lines
        .. string.format("<tr><td colspan=5><b>Итого</b></td><td align=right nowrap><b>%s</b></td></tr>", L.money(total))
        .. "</table>"
        .. "<p>Всего оказано услуг на сумму: " .. L.html(app.in_words(total)) .. "</p>"
        .. "<p>Вышеперечисленные услуги выполнены полностью и в срок. Заказчик претензий по объему, качеству "
        .. "и срокам оказания услуг не имеет.</p>"
        .. "<table width=100%><tr><td width=50%>Исполнитель _____________ " .. L.html(db.constant("ORG_RUK"))
        .. "</td><td>Заказчик _____________</td></tr></table>"
        .. "</body></html>"
end
