-- The summary by pay kinds of chosen months and pay sheets of the working
-- year: each pay code's amount, accruals and deductions with their totals.
-- prn("1,2", "3,5") shows the page and answers 1; a list that is not whole
-- numbers is refused (0) with the reason.
local L = Ledger
local P = Payroll

function prn(months_value, sheets_value)
    local months, sheets = L.integer_list(months_value), L.integer_list(sheets_value)
    if not months or months == "" or not sheets or sheets == "" then
        return L.refuse(0, string.format("Свод не построен: неверный выбор месяцев «%s» и ведомостей «%s»",
            L.text(months_value), L.text(sheets_value)))
    end
    local year = L.working_year()
    local list, totals = P.by_code(P.results(string.format("n.g=%d and n.ms in (%s) and n.nv in (%s)", year,
        months, sheets)))
    local names = {}
    for month in (months .. ","):gmatch("(%d+),") do
        names[#names + 1] = P.month_names[tonumber(month)] or month
    end
    local sheet_names = {}
    for row in db.rows("select id,name from nv where id in (" .. sheets .. ") order by id") do
        sheet_names[#sheet_names + 1] = L.text(row.id) .. " " .. L.text(row.name)
    end
    local html = string.format("<p align=center>%s<br><b>Свод по видам оплат и удержаний за %s %d г.</b><br>"
        .. "Ведомости: %s</p>", L.html(db.constant("ORG_NAME")), L.html(table.concat(names, ", ")), year,
        L.html(table.concat(sheet_names, ", "))) .. P.codes_table(list, totals) .. P.signature()
    app.report(html, "Свод по видам оплат")
    return 1
end
