-- The layout the official reporting forms share: the heading with the form
-- code, institution, period and sources, the table of a form's lines with a
-- column per source (or per source and KBK, or the total alone) and the
-- signatures.

local L = Ledger

-- An amount in a form's cell: two decimals, a negative one with its minus,
-- nothing for zero.
function L.form_money(value)
    if math.abs(value or 0) < 0.005 then
        return "-"
    end
    return L.money(value)
end

-- The heading of a form: the code box, the title, the date the form is
-- drawn up at, the institution, the period and the sources.
function L.form_heading(choice, def)
    local parts = {
        L.page_start(def.across) .. L.form_code(def.code),
        "<h3 align=\"center\">" .. L.html(def.title) .. "</h3>",
    }
    if def.subtitle then
        parts[#parts + 1] = "<p align=\"center\"><b>" .. L.html(def.subtitle) .. "</b></p>"
    end
    parts[#parts + 1] = "<p align=\"center\">на " .. L.html(L.date_in_words(L.date_text(L.next_day(choice.to))))
        .. "</p>"
    local sources = {}
    for _, item in ipairs(choice.sources) do
        sources[#sources + 1] = L.html(L.form_source_text(item))
    end
    parts[#parts + 1] = "<table cellpadding=\"2\" cellspacing=\"0\" border=\"0\">"
        .. "<tr><td>Учреждение:</td><td><b>" .. L.html(GetFilName0(choice.fils)) .. "</b></td></tr>"
        .. "<tr><td>Период:</td><td>с " .. L.date_text(choice.from) .. " по " .. L.date_text(choice.to)
        .. "</td></tr>"
        .. "<tr><td>Источники финансирования:</td><td>" .. table.concat(sources, "; ") .. "</td></tr>"
        .. (def.edition and ("<tr><td>Редакция формы:</td><td>" .. L.html(def.edition) .. "</td></tr>") or "")
        .. "<tr><td>Единица измерения:</td><td>руб.</td></tr></table>"
    return table.concat(parts, "\n")
end

-- The signatures under a form: the head and the chief accountant (the
-- constants ORG_RUK and ORG_GL_BUH) and the line of the date.
function L.form_signatures()
    local function line(post, name)
        return "<tr><td>" .. post .. "</td><td>_______________</td><td>" .. L.html(name) .. "</td></tr>"
            .. "<tr><td></td><td align=\"center\"><font size=\"1\">(подпись)</font></td>"
            .. "<td align=\"center\"><font size=\"1\">(расшифровка подписи)</font></td></tr>"
    end
    return "<br><table cellpadding=\"3\" cellspacing=\"0\" border=\"0\">"
        .. line("Руководитель", db.constant("ORG_RUK"))
        .. line("Главный бухгалтер", db.constant("ORG_GL_BUH"))
        .. "</table><p>\"____\" _______________ 20___ г.</p>"
end

-- The table of a form's lines. `lines` are {code, name, values = {sums per
-- period}, head (a section heading alone), bold}; `periods` are the captions
-- of the groups of columns (the balance's two dates, or one), `columns`
-- those of L.form_columns; with columns a total column follows them.
function L.form_lines_table(lines, periods, columns)
    local per = #columns + 1
    local only_total = #columns == 0
    if only_total then
        per = 1
    end
    local head = {"<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">",
        "<tr><th rowspan=\"2\">Наименование показателя</th><th rowspan=\"2\">Код строки</th>"}
    for _, period in ipairs(periods) do
        head[#head + 1] = string.format("<th colspan=\"%d\">%s</th>", per, L.html(period))
    end
    head[#head + 1] = "</tr><tr>"
    for _ = 1, #periods do
        for _, column in ipairs(columns) do
            head[#head + 1] = "<th>" .. L.html(column.caption) .. "</th>"
        end
        head[#head + 1] = "<th>Итого</th>"
    end
    head[#head + 1] = "</tr>"
    local number = "<tr><td align=\"center\">1</td><td align=\"center\">2</td>"
    for i = 1, #periods * per do
        number = number .. "<td align=\"center\">" .. (i + 2) .. "</td>"
    end
    head[#head + 1] = number .. "</tr>"
    local body = {table.concat(head)}
    for _, line in ipairs(lines) do
        if line.head then
            body[#body + 1] = string.format("<tr><td colspan=\"%d\" align=\"center\"><b>%s</b></td></tr>",
                2 + #periods * per, L.html(line.head))
        else
            local cells = {}
            local function cell(value)
                local text = L.form_money(value)
                cells[#cells + 1] = "<td align=\"right\" nowrap>" .. (line.bold and "<b>" .. text .. "</b>" or text)
                    .. "</td>"
            end
            for _, sums in ipairs(line.values) do
                for _, column in ipairs(columns) do
                    cell(sums[column.key])
                end
                cell(sums.total)
            end
            local name = L.html(line.name)
            body[#body + 1] = "<tr><td>" .. (line.bold and "<b>" .. name .. "</b>" or name)
                .. "</td><td align=\"center\">" .. L.html(line.code or "") .. "</td>" .. table.concat(cells) .. "</tr>"
        end
    end
    body[#body + 1] = "</table>"
    return table.concat(body, "\n")
end

-- Sums made of other lines' sums: `formula` lists line codes, a leading "-"
-- subtracts ("010", "-020").
function L.form_formula(by_code, formula, columns, periods)
    local values = {}
    for p = 1, periods do
        local sums = {total = 0}
        for _, column in ipairs(columns) do
            sums[column.key] = 0
        end
        for _, term in ipairs(formula) do
            local sign, code = 1, term
            if term:sub(1, 1) == "-" then
                sign, code = -1, term:sub(2)
            end
            local other = by_code[code].values[p]
            sums.total = sums.total + sign * other.total
            for _, column in ipairs(columns) do
                sums[column.key] = sums[column.key] + sign * other[column.key]
            end
        end
        values[p] = sums
    end
    return values
end
