-- The financial results (0503121) and the closing reference (0503110): the
-- income of the period is the turnover of 401 01 (credit less debit), the
-- expenses that of 401 02 (debit less credit), by KOSGU, leaving out the
-- entries that close them onto 401 03; the closing reference shows those
-- entries beside the turnovers before them.

local L = Ledger

local function income(row)
    return row.synthetic == "401" and row.analytic == "01"
end

local function expense(row)
    return row.synthetic == "401" and row.analytic == "02"
end

local function kosgu_in(row, groups)
    for _, group in ipairs(groups) do
        if row.kosgu:sub(1, #group) == group then
            return true
        end
    end
    return false
end

local results_lines = {
    {code = "010", name = "Доходы (стр. 030 + стр. 040 + стр. 050 + стр. 060 + стр. 070 + стр. 090 + стр. 100)",
     formula = {"030", "040", "050", "060", "070", "090", "100"}, bold = true},
    {code = "030", name = "Налоговые доходы", income = {"11"}},
    {code = "040", name = "Доходы от собственности", income = {"12"}},
    {code = "050", name = "Доходы от оказания платных работ, услуг", income = {"13"}},
    {code = "060", name = "Суммы принудительного изъятия", income = {"14"}},
    {code = "070", name = "Безвозмездные поступления от бюджетов", income = {"15"}},
    {code = "090", name = "Доходы от операций с активами", income = {"17"}},
    {code = "100", name = "Прочие доходы", income = {"18"}, rest = "income"},
    {code = "150", name = "Расходы (стр. 160 + стр. 170 + стр. 190 + стр. 210 + стр. 230 + стр. 240 + стр. 260 + "
        .. "стр. 280)", formula = {"160", "170", "190", "210", "230", "240", "260", "280"}, bold = true},
    {code = "160", name = "Оплата труда и начисления на выплаты по оплате труда", expense = {"21"}},
    {code = "170", name = "Приобретение работ, услуг", expense = {"22"}},
    {code = "190", name = "Обслуживание долговых обязательств", expense = {"23"}},
    {code = "210", name = "Безвозмездные перечисления организациям", expense = {"24"}},
    {code = "230", name = "Безвозмездные перечисления бюджетам", expense = {"25"}},
    {code = "240", name = "Социальное обеспечение", expense = {"26"}},
    {code = "260", name = "Расходы по операциям с активами", expense = {"27"}},
    {code = "280", name = "Прочие расходы", expense = {"29"}, rest = "expense"},
    {code = "300", name = "Чистый операционный результат (стр. 010 - стр. 150)", formula = {"010", "-150"},
     bold = true},
}

-- The KOSGU groups every line names, per side.
local function named_groups(side)
    local groups = {}
    for _, line in ipairs(results_lines) do
        for _, group in ipairs(line[side] or {}) do
            groups[#groups + 1] = group
        end
    end
    return groups
end

-- The financial results' lines with their sums of the period, and under each
-- line of turnovers one line per KOSGU posted ("в том числе по КОСГУ 211").
-- The totals come first on the form and are summed once every line is.
function L.results_figures(rows, columns)
    local lines, by_code, formulas = {}, {}, {}
    for _, def in ipairs(results_lines) do
        local line = {code = def.code, name = def.name, bold = def.bold}
        lines[#lines + 1] = line
        by_code[def.code] = line
        if def.formula then
            formulas[#formulas + 1] = {line = line, formula = def.formula}
        else
            local side = def.income and "income" or "expense"
            local account = def.income and income or expense
            local groups = def[side]
            local others = def.rest and named_groups(side)
            local function match(row)
                return account(row) and (kosgu_in(row, groups) or (others ~= nil and not kosgu_in(row, others)))
            end
            local function value(row)
                return def.income and row.credit - row.debit or row.debit - row.credit
            end
            line.values = {L.figure_sums(rows, columns, match, value)}
            local details, seen = {}, {}
            for _, row in ipairs(rows) do
                if match(row) and not seen[row.kosgu] then
                    seen[row.kosgu] = true
                    local kosgu = row.kosgu
                    local sums = L.figure_sums(rows, columns,
                        function(r) return match(r) and r.kosgu == kosgu end, value)
                    if math.abs(sums.total) >= 0.005 then
                        details[#details + 1] = {code = "", name = "в том числе по КОСГУ " .. kosgu, values = {sums}}
                    end
                end
            end
            table.sort(details, function(a, b) return a.name < b.name end)
            for _, detail in ipairs(details) do
                lines[#lines + 1] = detail
            end
        end
    end
    for _, item in ipairs(formulas) do
        item.line.values = L.form_formula(by_code, item.formula, columns, 1)
    end
    return lines, by_code
end

-- The page of an edition of the financial results: `edition` {code, title,
-- split, edition}.
function L.results_page(edition, from, to, list, branches)
    return L.form_report(from, to, list, branches, function(choice)
        local rows = L.form_figures(choice, {synthetic = {"401"}, closing = true})
        local columns = L.form_columns(choice, rows, edition.split)
        local lines = L.results_figures(rows, columns)
        return L.form_heading(choice, {code = edition.code, title = edition.title, edition = edition.edition,
                across = #columns > 1})
            .. L.form_lines_table(lines, {"За отчетный период"}, columns)
            .. L.form_signatures() .. "</body></html>"
    end)
end

-- The closing reference's rows: per closed account (401 01 and 401 02 of each
-- source), and with `expand` per KOSGU, the turnovers before the closing and
-- the closing entries: {account, kosgu, name, debit, credit, closing_debit,
-- closing_credit}, in account order.
function L.closing_figures(rows, expand)
    local found, order = {}, {}
    for _, row in ipairs(rows) do
        if income(row) or expense(row) then
            local kosgu = expand and row.kosgu or "000"
            local key = row.source .. row.synthetic .. row.analytic .. kosgu
            local item = found[key]
            if not item then
                item = {
                    account = string.format("%d %s %s %s", row.source, row.synthetic, row.analytic, kosgu),
                    name = income(row) and "Доходы текущего финансового года" or "Расходы текущего финансового года",
                    debit = 0, credit = 0, closing_debit = 0, closing_credit = 0,
                }
                found[key] = item
                order[#order + 1] = key
            end
            item.debit = item.debit + row.debit
            item.credit = item.credit + row.credit
            item.closing_debit = item.closing_debit + row.closing_debit
            item.closing_credit = item.closing_credit + row.closing_credit
        end
    end
    table.sort(order)
    local list = {}
    for _, key in ipairs(order) do
        list[#list + 1] = found[key]
    end
    return list
end

-- The page of an edition of the closing reference 0503110; `expand_text`
-- "1" breaks the accounts down by KOSGU.
function L.closing_page(edition, from, to, list, branches, expand_text)
    return L.form_report(from, to, list, branches, function(choice)
        local expand = (L.integer(expand_text) or 0) ~= 0
        local items = L.closing_figures(L.form_figures(choice, {synthetic = {"401"}, closing = true}), expand)
        local page = {
            L.form_heading(choice, {code = edition.code, title = edition.title, edition = edition.edition,
                across = true}),
            "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">"
                .. "<tr><th rowspan=\"2\">Номер счета бюджетного учета</th><th rowspan=\"2\">Наименование показателя</th>"
                .. "<th rowspan=\"2\">Код строки</th><th colspan=\"2\">Данные по счетам до заключения</th>"
                .. "<th colspan=\"2\">Данные по заключению счетов</th></tr>"
                .. "<tr><th>Дебет</th><th>Кредит</th><th>Дебет</th><th>Кредит</th></tr>"
                .. "<tr><td align=\"center\">1</td><td align=\"center\">2</td><td align=\"center\">3</td>"
                .. "<td align=\"center\">4</td><td align=\"center\">5</td><td align=\"center\">6</td>"
                .. "<td align=\"center\">7</td></tr>",
        }
        local totals = {debit = 0, credit = 0, closing_debit = 0, closing_credit = 0}
        local function money(value)
            return "<td align=\"right\" nowrap>" .. L.form_money(value) .. "</td>"
        end
        for i, item in ipairs(items) do
            page[#page + 1] = "<tr><td nowrap>" .. L.html(item.account) .. "</td><td>" .. L.html(item.name)
                .. "</td><td align=\"center\">" .. string.format("%03d", i * 10) .. "</td>" .. money(item.debit)
                .. money(item.credit) .. money(item.closing_debit) .. money(item.closing_credit) .. "</tr>"
            for field in pairs(totals) do
                totals[field] = totals[field] + item[field]
            end
        end
        page[#page + 1] = "<tr><td colspan=\"2\"><b>Итого</b></td><td align=\"center\">900</td>"
            .. money(totals.debit) .. money(totals.credit) .. money(totals.closing_debit)
            .. money(totals.closing_credit) .. "</tr></table>"
        page[#page + 1] = L.form_signatures() .. "</body></html>"
        return table.concat(page, "\n")
    end)
end
