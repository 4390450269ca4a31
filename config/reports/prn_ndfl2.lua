-- The year's income certificate of an employee (form 2-НДФЛ):
-- PrepareTheReport(tn, year, month) answers the page for the year up to the
-- month: the tax agent, the employee, the income by month and pay code, the
-- totals and the tax withheld. A bad argument is an error naming it; an
-- employee without income in those months gets a page that says so.
local L = Ledger
local P = Payroll

function PrepareTheReport(tn_value, year_value, month_value)
    local tn = P.employee_number(tn_value)
    local year = P.whole(year_value, "год", 1900, 9999)
    local month = P.month_number(month_value)
    local employee = P.employee(tn)
    if not employee then
        error(string.format("нет работника с табельным номером %d", tn), 0)
    end
    local rows = P.results(string.format("n.g=%d and n.ms<=%d and n.tn=%d", year, month, tn))
    local html = {string.format("<p align=center><b>Справка о доходах физического лица за %d год</b></p>", year),
        "<p><b>1. Данные о налоговом агенте</b><br>", L.html(db.constant("ORG_NAME")),
        ", ИНН ", L.html(db.constant("ORG_INN")), ", КПП ", L.html(db.constant("ORG_KPP")), "</p>",
        string.format("<p><b>2. Данные о физическом лице</b><br>%s, таб. № %d, ИНН %s</p>", L.html(employee.fio), tn,
            L.html(employee.inn)),
        "<p><b>3. Доходы, облагаемые по ставке 13%</b></p>", P.table,
        "<tr><th>Месяц</th><th>Код дохода</th><th>Вид дохода</th><th width=20%>Сумма дохода</th></tr>"}
    local income, tax = 0, 0
    for _, row in ipairs(rows) do
        if P.accrual(row.code) then
            income = income + row.amount
            html[#html + 1] = string.format("<tr><td>%s</td><td align=center>%d</td><td>%s</td>%s</tr>",
                P.month_names[row.month], row.code, L.html(row.name), P.money_cell(row.amount))
        elseif row.code == P.income_tax then
            tax = tax + row.amount
        end
    end
    if income == 0 then
        html[#html + 1] = "<tr><td colspan=4>Доходов нет</td></tr>"
    end
    html[#html + 1] = "</table><p><b>4. Общие суммы дохода и налога</b></p>" .. P.table
    html[#html + 1] = "<tr><td>Общая сумма дохода</td>" .. P.money_cell(income, true) .. "</tr>"
    html[#html + 1] = "<tr><td>Налоговая база</td>" .. P.money_cell(income, true) .. "</tr>"
    html[#html + 1] = "<tr><td>Сумма налога удержанная</td>" .. P.money_cell(tax, true) .. "</tr></table>"
    html[#html + 1] = P.signature()
    return table.concat(html)
end
