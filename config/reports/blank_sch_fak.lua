-- The printed invoice of one stored issued invoice: seller, buyer,
-- consignee, the payment document, the services with their sums and the
-- signatures; the sample payment order under it when it is asked for.
-- PrepareTheReport(real_id); a number that is no stored invoice prints a
-- page that says so.
local L = Ledger

function PrepareTheReport(id)
    local row = L.issued_invoice(id)
    if not row then
        return L.unsaved_page("Счет-фактура")
    end
    local lines, total = L.invoice_service_rows(row, true)
    local paydoc = L.text(row.no_doc) ~= ""
        and (L.html(row.no_doc) .. (L.text(row.date_doc) ~= "" and (" от " .. L.html(row.date_doc)) or "")) or "-"
    return "<html><body>"
        .. "<h3 align=center>СЧЕТ-ФАКТУРА № " .. L.html(row.num) .. " от " .. L.date_in_words(row.d) .. "</h3>"
        .. L.seller_lines()
        .. "<p>Грузоотправитель и его адрес: он же<br>"
        .. "Грузополучатель и его адрес: " .. L.html(row.consignee.name) .. " " .. L.html(row.consignee.adres) .. "<br>"
        .. "К платежно-расчетному документу № " .. paydoc .. "</p>"
        .. "<p>Покупатель: <b>" .. L.html(row.buyer.name) .. "</b><br>"
        .. "Адрес: " .. L.html(row.buyer.adres) .. "<br>"
        .. "ИНН/КПП покупателя: " .. L.html(row.buyer.inn) .. "/" .. L.html(row.buyer.kpp) .. "</p>"
        .. "<table border=1 cellspacing=0 cellpadding=3 width=100%>"
        .. "<tr><th>№</th><th>Наименование товара (описание выполненных работ, оказанных услуг)</th>"
        .. "<th>Единица измерения</th><th>Количество</th><th>Цена (тариф) за единицу измерения</th>"
        .. "<th>Налоговая ставка</th><th>Сумма налога</th><th>Стоимость всего с учетом налога</th></tr>"
        .. lines
        .. string.format("<tr><td colspan=7><b>Всего к оплате</b></td><td align=right nowrap><b>%s</b></td></tr>",
            L.money(total))
        .. "</table>"
        .. "<p>Всего к оплате: " .. L.html(app.in_words(total)) .. "</p>"
        .. "<p>Руководитель организации _____________ " .. L.html(db.constant("ORG_RUK"))
        .. "&nbsp;&nbsp;&nbsp; Главный бухгалтер _____________ " .. L.html(db.constant("ORG_GL_BUH")) .. "</p>"
        .. L.invoice_sample(row)
        .. "</body></html>"
end
