-- Helpers of the employees' payroll forms whose body is a script (the
-- card-certificate, the year's income certificate, a department's payroll
-- sheet, the summary by pay kinds, the average-earnings certificates): the
-- checked arguments, an employee's head, the month's results by pay code, the
-- tables of a page. Results come from paymar_nuz: codes up to 200 accrued,
-- above 200 deducted, 201 the income tax. Arguments reach SQL only as checked
-- whole numbers.

Payroll = Payroll or {}
local P = Payroll
local L = Ledger

P.month_names = {"январь", "февраль", "март", "апрель", "май", "июнь", "июль", "август", "сентябрь",
    "октябрь", "ноябрь", "декабрь"}
P.income_tax = 201

-- A whole number argument within [low, high], or an error naming it.
function P.whole(value, what, low, high)
    local number = L.integer(value)
    if not number or (low and number < low) or (high and number > high) then
        error(string.format("неверное значение «%s»: %s", L.text(value), what), 0)
    end
    return number
end

function P.employee_number(value)
    return P.whole(value, "табельный номер", 1)
end

function P.month_number(value)
    return P.whole(value, "месяц", 1, 12)
end

-- A list of whole numbers ("1,2") as checked SQL text, or an error naming it.
function P.number_list(value, what)
    local list = L.integer_list(value)
    if not list or list == "" then
        error(string.format("неверный список «%s»: %s", L.text(value), what), 0)
    end
    return list
end

-- The employee's name, department and position of the main position row; nil
-- for an unknown personnel number.
function P.employee(tn)
    return L.row(string.format(
        "select concat_ws(' ',tn.f,tn.i,tn.o) as fio,tn.inn,spr_prd.name as prd,spr_paymar_dol.name as dol "
        .. "from tn left join paymar_bux b on b.tn=tn.tn and b.osn=1 left join spr_prd on spr_prd.id=b.prd "
        .. "left join spr_paymar_dol on spr_paymar_dol.id=b.dol where tn.tn=%d order by b.npp", tn))
end

-- The head of an employee's document: number, name, department, position.
function P.employee_head(tn, employee)
    local html = {string.format("Таб. № %d &nbsp; <b>%s</b>", tn, L.html(employee.fio))}
    if L.text(employee.prd) ~= "" then
        html[#html + 1] = "<br>Подразделение: " .. L.html(employee.prd)
    end
    if L.text(employee.dol) ~= "" then
        html[#html + 1] = "<br>Должность: " .. L.html(employee.dol)
    end
    return table.concat(html)
end

function P.accrual(code)
    return code <= 200
end

-- Rows of {month, sheet, code, name, amount (number)} of paymar_nuz under a
-- condition (checked SQL text), ordered by month, sheet and code.
function P.results(condition)
    local rows = {}
    for row in db.rows("select n.ms,n.nv,n.kou,v.name,cast(sum(n.s) as char) as s from paymar_nuz n "
        .. "left join spr_vou v on v.id=n.kou where " .. condition
        .. " group by n.ms,n.nv,n.kou,v.name order by n.ms,n.nv,n.kou") do
        local amount = tonumber(row.s) or 0
        if amount ~= 0 then
            rows[#rows + 1] = {month = L.integer(row.ms), sheet = L.integer(row.nv), code = L.integer(row.kou),
                name = L.text(row.name), amount = amount}
        end
    end
    return rows
end

-- The rows summed by pay code: a list in code order of {code, name, amount}
-- and the totals accrued, deducted and of the income tax.
function P.by_code(rows)
    local index, list = {}, {}
    local totals = {accrued = 0, deducted = 0, tax = 0}
    for _, row in ipairs(rows) do
        local item = index[row.code]
        if not item then
            item = {code = row.code, name = row.name, amount = 0}
            index[row.code] = item
            list[#list + 1] = item
        end
        item.amount = item.amount + row.amount
        if P.accrual(row.code) then
            totals.accrued = totals.accrued + row.amount
        else
            totals.deducted = totals.deducted + row.amount
        end
        if row.code == P.income_tax then
            totals.tax = totals.tax + row.amount
        end
    end
    table.sort(list, function(a, b) return a.code < b.code end)
    return list, totals
end

P.table = "<table width=100% cellpadding=2 cellspacing=0 border=1 style=\"border-collapse:collapse\">"

function P.money_cell(amount, bold)
    if not amount or amount == 0 then
        return "<td>&nbsp;</td>"
    end
    local text = app.money(amount)
    return bold and ("<td align=right nowrap><b>" .. text .. "</b></td>") or ("<td align=right nowrap>" .. text .. "</td>")
end

-- The table of pay codes: accruals, deductions, each with its total, and the
-- amount to pay.
function P.codes_table(list, totals)
    local html = {P.table, "<tr><th width=10%>Код</th><th>Вид оплаты</th><th width=20%>Сумма</th></tr>"}
    for _, part in ipairs({{true, "Начислено", totals.accrued}, {false, "Удержано", totals.deducted}}) do
        html[#html + 1] = "<tr><td colspan=3><b>" .. part[2] .. "</b></td></tr>"
        for _, item in ipairs(list) do
            if P.accrual(item.code) == part[1] then
                html[#html + 1] = string.format("<tr><td align=center>%d</td><td>%s</td>%s</tr>", item.code,
                    L.html(item.name), P.money_cell(item.amount))
            end
        end
        html[#html + 1] = "<tr><td colspan=2 align=right>Итого " .. part[2]:lower() .. "</td>"
            .. P.money_cell(part[3]) .. "</tr>"
    end
    html[#html + 1] = "<tr><td colspan=2 align=right><b>К выдаче</b></td>"
        .. P.money_cell(totals.accrued - totals.deducted, true) .. "</tr></table>"
    return table.concat(html)
end

-- The signature of the chief accountant under a page.
function P.signature()
    return "<p>Главный бухгалтер ______________ " .. L.html(db.constant("ORG_GL_BUH")) .. "</p>"
end

-- The average-earnings certificate of an employee over `months` whole months
-- before the working month, for `purpose`; shown as a page, 1; 0 after saying
-- why.
function P.average_certificate(tn_value, months_value, purpose)
    local ok, tn = pcall(P.employee_number, tn_value)
    local ok2, months = pcall(P.whole, months_value, "число месяцев", 1, 120)
    if not ok or not ok2 then
        return L.refuse(0, "Справка о среднем заработке не построена: " .. (ok and months or tn))
    end
    local employee = P.employee(tn)
    if not employee then
        return L.refuse(0, string.format("Справка о среднем заработке не построена: нет работника %d", tn))
    end
    local user = db.user()
    local year, month = L.integer(user.year), L.integer(user.month)
    -- The months before the working month, the earliest first.
    local periods = {}
    for k = months, 1, -1 do
        local index = year * 12 + (month - 1) - k
        periods[#periods + 1] = {g = index // 12, ms = index % 12 + 1}
    end
    local first, last = periods[1], periods[#periods]
    local earned = {}
    for row in db.rows(string.format(
        "select g,ms,cast(sum(s) as char) as s from paymar_nuz where tn=%d and kou<=200 and (g*12+ms)>=%d and "
        .. "(g*12+ms)<=%d group by g,ms", tn, first.g * 12 + first.ms, last.g * 12 + last.ms)) do
        earned[L.integer(row.g) * 12 + L.integer(row.ms)] = tonumber(row.s) or 0
    end
    local html = {string.format("<p align=center>%s<br><b>Справка о среднем заработке</b><br>%s</p>",
        L.html(db.constant("ORG_NAME")), L.html(purpose)),
        "<p>" .. P.employee_head(tn, employee) .. "</p>", P.table,
        "<tr><th>Месяц</th><th>Год</th><th width=25%>Заработок</th></tr>"}
    local total = 0
    for _, period in ipairs(periods) do
        local amount = earned[period.g * 12 + period.ms] or 0
        total = total + amount
        html[#html + 1] = string.format("<tr><td>%s</td><td align=center>%d</td>%s</tr>", P.month_names[period.ms],
            period.g, P.money_cell(amount))
    end
    html[#html + 1] = "<tr><td colspan=2><b>Итого</b></td>" .. P.money_cell(total, true) .. "</tr>"
    html[#html + 1] = string.format("<tr><td colspan=2><b>Среднемесячный заработок за %d мес.</b></td>%s</tr></table>",
        months, P.money_cell(total / months, true))
    html[#html + 1] = P.signature()
    app.report(table.concat(html), "Справка о среднем заработке")
    return 1
end
