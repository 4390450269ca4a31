-- The balance (0503130, and the edition 0503230): the assets and the
-- liabilities at the period's start and at its end, per source of financing,
-- after the lines of the published form. An asset line shows the debit
-- balance of its accounts, a liability line (and the depreciation) the credit
-- balance; the "other" line of a section takes the section's accounts no line
-- names, so the two sides agree whenever the postings do.

local L = Ledger

local balance_lines = {
    {head = "АКТИВ"},
    {head = "I. Нефинансовые активы"},
    {code = "010", name = "Основные средства (балансовая стоимость, 010100000)", accounts = {"101"}},
    {code = "020", name = "Амортизация основных средств (010400000)", accounts = {"104"}, credit = true},
    {code = "030", name = "Основные средства (остаточная стоимость, стр. 010 - стр. 020)", formula = {"010", "-020"}},
    {code = "040", name = "Нематериальные активы (балансовая стоимость, 010200000)", accounts = {"102"}},
    {code = "070", name = "Непроизведенные активы (010300000)", accounts = {"103"}},
    {code = "080", name = "Материальные запасы (010500000)", accounts = {"105"}},
    {code = "090", name = "Вложения в нефинансовые активы (010600000)", accounts = {"106"}},
    {code = "140", name = "Прочие нефинансовые активы", rest = "1"},
    {code = "150", name = "Итого по разделу I", formula = {"030", "040", "070", "080", "090", "140"}, bold = true},
    {head = "II. Финансовые активы"},
    {code = "170", name = "Денежные средства учреждения (020100000)", accounts = {"201"}},
    {code = "171", name = "в том числе: на лицевых счетах в органе казначейства (020111000)", accounts = {"20111"}},
    {code = "173", name = "в кассе учреждения (020134000)", accounts = {"20134"}},
    {code = "210", name = "Финансовые вложения (020400000)", accounts = {"204"}},
    {code = "230", name = "Расчеты по доходам (020500000)", accounts = {"205"}},
    {code = "260", name = "Расчеты по выданным авансам (020600000)", accounts = {"206"}},
    {code = "280", name = "Расчеты по кредитам, займам (ссудам) (020700000)", accounts = {"207"}},
    {code = "290", name = "Расчеты с подотчетными лицами (020800000)", accounts = {"208"}},
    {code = "310", name = "Расчеты по недостачам (020900000)", accounts = {"209"}},
    {code = "330", name = "Прочие расчеты с дебиторами (021000000)", accounts = {"210"}},
    {code = "335", name = "Прочие финансовые активы", rest = "2"},
    {code = "340", name = "Итого по разделу II",
     formula = {"170", "210", "230", "260", "280", "290", "310", "330", "335"}, bold = true},
    {code = "350", name = "БАЛАНС (стр. 150 + стр. 340)", formula = {"150", "340"}, bold = true},
    {head = "ПАССИВ"},
    {head = "III. Обязательства"},
    {code = "470", name = "Расчеты с кредиторами по долговым обязательствам (030100000)", accounts = {"301"},
     credit = true},
    {code = "490", name = "Расчеты по принятым обязательствам (030200000)", accounts = {"302"}, credit = true},
    {code = "510", name = "Расчеты по платежам в бюджеты (030300000)", accounts = {"303"}, credit = true},
    {code = "530", name = "Прочие расчеты с кредиторами (030400000)", accounts = {"304"}, credit = true},
    {code = "531", name = "в том числе: расчеты по платежам из бюджета с органом казначейства (030405000)",
     accounts = {"30405"}, credit = true},
    {code = "590", name = "Прочие обязательства", rest = "3", credit = true},
    {code = "600", name = "Итого по разделу III", formula = {"470", "490", "510", "530", "590"}, bold = true},
    {head = "IV. Финансовый результат"},
    {code = "620", name = "Финансовый результат экономического субъекта (040100000)", rest = "4", credit = true},
    {code = "900", name = "БАЛАНС (стр. 600 + стр. 620)", formula = {"600", "620"}, bold = true},
}

-- The accounts of a section that no line names.
local function rest_match(class)
    local named = {}
    for _, line in ipairs(balance_lines) do
        if line.accounts and line.accounts[1]:sub(1, 1) == class then
            for _, prefix in ipairs(line.accounts) do
                named[#named + 1] = prefix
            end
        end
    end
    return function(row)
        return row.synthetic:sub(1, 1) == class and not L.figure_account_in(row, named)
    end
end

-- The balance's lines with their sums at both dates: a list of {code, name,
-- values = {start, end}, bold, head}, each sum {[column key], total}.
function L.balance_figures(rows, columns)
    local lines, by_code = {}, {}
    for _, def in ipairs(balance_lines) do
        local line = {code = def.code, name = def.name, head = def.head, bold = def.bold}
        if def.formula then
            line.values = L.form_formula(by_code, def.formula, columns, 2)
        elseif not def.head then
            local match = def.rest and rest_match(def.rest) or function(row)
                return L.figure_account_in(row, def.accounts)
            end
            local sign = def.credit and -1 or 1
            line.values = {
                L.figure_sums(rows, columns, match, function(row) return sign * row.opening end),
                L.figure_sums(rows, columns, match, function(row) return sign * row.closing end),
            }
        end
        lines[#lines + 1] = line
        if def.code then
            by_code[def.code] = line
        end
    end
    return lines, by_code
end

-- The caption of the first date: the start of the year, or the day.
local function start_caption(date)
    if date.d == 1 and date.m == 1 then
        return "На начало года"
    end
    return "На " .. L.date_text(date)
end

-- The page of a balance edition: `edition` {code, title, split ("source",
-- "kbk" or "total"), edition (the order it follows, or nil)}.
function L.balance_page(edition, from, to, list, branches)
    return L.form_report(from, to, list, branches, function(choice)
        local rows = L.form_figures(choice)
        local columns = L.form_columns(choice, rows, edition.split)
        local lines = L.balance_figures(rows, columns)
        return L.form_heading(choice, {code = edition.code, title = edition.title, edition = edition.edition,
                across = true})
            .. L.form_lines_table(lines, {start_caption(choice.from), "На конец отчетного периода"}, columns)
            .. L.form_signatures() .. "</body></html>"
    end)
end
