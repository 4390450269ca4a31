-- The payroll sheet of a department for the working month: per employee of
-- the department (by the month's employees, paymar_m) the accruals, the
-- income tax, the other deductions and the amount to pay, with the totals.
-- prn(dept) shows the page and answers 1; a bad or unknown department is
-- refused (0) with the reason.
local L = Ledger
local P = Payroll

function prn(dept_value)
    local dept = L.integer(dept_value)
    if not dept then
        return L.refuse(0, "Расчетная ведомость не построена: неверное подразделение «" .. L.text(dept_value) .. "»")
    end
    local name = L.text(db.string(string.format("select name from spr_prd where id=%d", dept)))
    if name == "" then
        return L.refuse(0, string.format("Расчетная ведомость не построена: нет подразделения %d", dept))
    end
    local user = db.user()
    local year, month = L.integer(user.year), L.integer(user.month)
    local people, index = {}, {}
    for row in db.rows(string.format(
        "select m.tn,concat_ws(' ',tn.f,tn.i,tn.o) as fio,n.kou,cast(sum(n.s) as char) as s from paymar_m m "
        .. "join tn on tn.tn=m.tn join paymar_nuz n on n.tn=m.tn and n.g=m.g and n.ms=m.ms where m.g=%d and "
        .. "m.ms=%d and m.prd=%d group by m.tn,tn.f,tn.i,tn.o,n.kou order by tn.f,tn.i,tn.o,m.tn", year, month, dept)) do
        local tn = L.integer(row.tn)
        local person = index[tn]
        if not person then
            person = {tn = tn, fio = L.text(row.fio), accrued = 0, tax = 0, other = 0}
            index[tn] = person
            people[#people + 1] = person
        end
        local code, amount = L.integer(row.kou), tonumber(row.s) or 0
        if P.accrual(code) then
            person.accrued = person.accrued + amount
        elseif code == P.income_tax then
            person.tax = person.tax + amount
        else
            person.other = person.other + amount
        end
    end
    local html = {string.format("<p align=center>%s<br><b>Расчетная ведомость за %s %d г.</b><br>%s</p>",
        L.html(db.constant("ORG_NAME")), P.month_names[month], year, L.html(name)), P.table,
        "<tr><th>№</th><th>Таб. №</th><th>Фамилия, имя, отчество</th><th>Начислено</th><th>Налог на доходы</th>"
        .. "<th>Прочие удержания</th><th>К выдаче</th></tr>"}
    local sum = {accrued = 0, tax = 0, other = 0}
    for n, person in ipairs(people) do
        for key in pairs(sum) do
            sum[key] = sum[key] + person[key]
        end
        html[#html + 1] = string.format("<tr><td align=right>%d</td><td align=right>%d</td><td>%s</td>%s%s%s%s</tr>", n,
            person.tn, L.html(person.fio), P.money_cell(person.accrued), P.money_cell(person.tax),
            P.money_cell(person.other), P.money_cell(person.accrued - person.tax - person.other))
    end
    if #people == 0 then
        html[#html + 1] = "<tr><td colspan=7>За месяц начислений нет</td></tr>"
    end
    html[#html + 1] = "<tr><td colspan=3><b>Итого</b></td>" .. P.money_cell(sum.accrued, true)
        .. P.money_cell(sum.tax, true) .. P.money_cell(sum.other, true)
        .. P.money_cell(sum.accrued - sum.tax - sum.other, true) .. "</tr></table>" .. P.signature()
    app.report(table.concat(html), "Расчетная ведомость: " .. name)
    return 1
end
