-- The printed expense cash order (form 0310002): the order's lines by
-- account, the recipient with the identity document, the basis, the amount
-- in figures and in words and the signatures. PrepareTheReport(real_id); an
-- order not yet stored prints a page that says so.
local L = Ledger

function PrepareTheReport(id)
    local row = L.cash_order("ledmark_rko", id)
    if not row then
        return L.unsaved_page("Расходный кассовый ордер")
    end
    local lines, total = L.cash_order_lines(row, row.sch0, row.kbk_kred, false)
    local words = L.cash_in_words(total)
    return "<html><body>"
        .. L.cash_order_head(row, "0310002")
        .. L.cash_order_number("РАСХОДНЫЙ КАССОВЫЙ ОРДЕР", row)
        .. "<br><table border=1 cellspacing=0 cellpadding=3 width=100%>"
        .. "<tr><th colspan=3>Дебет</th><th rowspan=2>Сумма, руб. коп.</th>"
        .. "<th rowspan=2>Код целевого назначения</th><th rowspan=2>Кредит</th></tr>"
        .. "<tr><th>код структурного подразделения</th><th>корреспондирующий счет, субсчет</th>"
        .. "<th>код аналитического учета</th></tr>"
        .. lines
        .. "</table>"
        .. "<p>Выдать: <u>" .. L.html(row.fio) .. "</u></p>"
        .. "<p>Основание: <u>" .. L.html(row.osn) .. "</u></p>"
        .. "<p>Сумма: <u>" .. words .. "</u></p>"
        .. "<p>Приложение: <u>" .. L.html(row.pril) .. "</u></p>"
        .. "<p>Руководитель организации _____________ " .. L.html(db.constant("ORG_RUK"))
        .. "&nbsp;&nbsp;&nbsp; Главный бухгалтер _____________ " .. L.html(db.constant("ORG_GL_BUH")) .. "</p>"
        .. "<p>Получил: <u>" .. words .. "</u></p>"
        .. "<p>" .. L.date_in_words(row.d) .. "&nbsp;&nbsp;&nbsp; Подпись _____________</p>"
        .. "<p>По: <u>" .. L.html(row.doc) .. "</u></p>"
        .. "<p>Выдал кассир _____________ " .. L.html(db.constant("ORG_KASSIR")) .. "</p>"
        .. "</body></html>"
end
