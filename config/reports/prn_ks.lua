-- The card-certificate of an employee's month ("Карточка справка"): the days
-- worked, the month's results by pay sheet and pay code, and the amount to
-- pay. GetKS(tn, month) answers the piece of the employee's page in the
-- working year ("" when the month has nothing); a bad argument is an error
-- naming it.
local L = Ledger
local P = Payroll

function GetKS(tn_value, month_value)
    local tn, month = P.employee_number(tn_value), P.month_number(month_value)
    local year = L.working_year()
    local rows = P.results(string.format("n.g=%d and n.ms=%d and n.tn=%d", year, month, tn))
    if #rows == 0 then
        return ""
    end
    local employee = P.employee(tn) or {fio = ""}
    local days = L.text(db.string(string.format("select dn from paymar_trv where tn=%d and g=%d and ms=%d", tn,
        year, month)))
    local html = {P.table, string.format("<tr><td colspan=5><b>Карточка-справка за %s %d г.</b><br>%s",
        P.month_names[month], year, P.employee_head(tn, employee))}
    if days ~= "" then
        html[#html + 1] = "<br>Отработано дней: " .. L.html(days)
    end
    html[#html + 1] = "</td></tr><tr><th>Ведомость</th><th>Код</th><th>Вид оплаты</th><th>Начислено</th>"
        .. "<th>Удержано</th></tr>"
    local _, totals = P.by_code(rows)
    for _, row in ipairs(rows) do
        local accrued = P.accrual(row.code)
        html[#html + 1] = string.format("<tr><td align=center>%d</td><td align=center>%d</td><td>%s</td>%s%s</tr>",
            row.sheet, row.code, L.html(row.name), P.money_cell(accrued and row.amount), P.money_cell(not accrued and row.amount))
    end
    html[#html + 1] = "<tr><td colspan=3 align=right><b>Итого</b></td>" .. P.money_cell(totals.accrued, true)
        .. P.money_cell(totals.deducted, true) .. "</tr>"
    html[#html + 1] = "<tr><td colspan=3 align=right><b>К выдаче</b></td>"
        .. P.money_cell(totals.accrued - totals.deducted, true) .. "<td>&nbsp;</td></tr></table><br>"
    return table.concat(html)
end
