-- The printed receipt cash order (form 0310001) with its tear-off receipt:
-- the order's lines by account, the payer, the basis, the amount in figures
-- and in words. PrepareTheReport(real_id); an order not yet stored prints a
-- page that says so.
local L = Ledger

function PrepareTheReport(id)
    local row = L.cash_order("ledmark_pko", id)
    if not row then
        return L.unsaved_page("Приходный кассовый ордер")
    end
    local lines, total = L.cash_order_lines(row, row.sch0, row.kbk_deb, true)
    local words = L.cash_in_words(total)
    local basis = L.text(row.icn) ~= "" and row.icn or row.osn
    local order = L.cash_order_head(row, "0310001")
        .. L.cash_order_number("ПРИХОДНЫЙ КАССОВЫЙ ОРДЕР", row)
        .. "<br><table border=1 cellspacing=0 cellpadding=3 width=100%>"
        .. "<tr><th rowspan=2>Дебет</th><th colspan=3>Кредит</th><th rowspan=2>Сумма, руб. коп.</th>"
        .. "<th rowspan=2>Код целевого назначения</th></tr>"
        .. "<tr><th>код структурного подразделения</th><th>корреспондирующий счет, субсчет</th>"
        .. "<th>код аналитического учета</th></tr>"
        .. lines
        .. "</table>"
        .. "<p>Принято от: <u>" .. L.html(row.fio) .. "</u></p>"
        .. "<p>Основание: <u>" .. L.html(basis) .. "</u></p>"
        .. "<p>Сумма: <u>" .. words .. "</u></p>"
        .. "<p>Приложение: <u>" .. L.html(row.pril) .. "</u></p>"
        .. "<p>Главный бухгалтер _____________ " .. L.html(db.constant("ORG_GL_BUH")) .. "</p>"
        .. "<p>Получил кассир _____________ " .. L.html(db.constant("ORG_KASSIR")) .. "</p>"
    local receipt = "<p>" .. L.html(db.constant("ORG_NAME")) .. "<br><small>(организация)</small></p>"
        .. "<h4 align=center>КВИТАНЦИЯ</h4>"
        .. "<p>к приходному кассовому ордеру № <b>" .. L.html(row.num) .. "</b><br>от <b>"
        .. L.date_in_words(row.d) .. "</b></p>"
        .. "<p>Принято от: <u>" .. L.html(row.fio) .. "</u></p>"
        .. "<p>Основание: <u>" .. L.html(basis) .. "</u></p>"
        .. "<p>Сумма: <b>" .. L.money(total) .. "</b></p>"
        .. "<p><u>" .. words .. "</u></p>"
        .. "<p>М.П. (штампа)</p>"
        .. "<p>Главный бухгалтер _____________ " .. L.html(db.constant("ORG_GL_BUH")) .. "</p>"
        .. "<p>Кассир _____________ " .. L.html(db.constant("ORG_KASSIR")) .. "</p>"
    return "<html><body><table width=100% cellspacing=0 cellpadding=6><tr>"
        .. "<td valign=top width=68%>" .. order .. "</td>"
        .. "<td valign=top style=\"border-left: 1px dashed black\"><small>линия отреза</small>" .. receipt .. "</td>"
        .. "</tr></table></body></html>"
end
