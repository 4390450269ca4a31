-- The printed budget request: prn(real_id) answers the page of a stored
-- request with its accounts, its indicators and their totals, and the
-- signatures; an unsaved request is not printed.

local L = Ledger

-- The rows of a serialized grid (rows separated by U+0001, cells by U+0002),
-- each a list of its cells.
local function grid_rows(text)
    local rows = {}
    if text == nil or text == "" then
        return rows
    end
    for row in (text .. "\1"):gmatch("([^\1]*)\1") do
        local cells = {}
        for cell in (row .. "\2"):gmatch("([^\2]*)\2") do
            cells[#cells + 1] = cell
        end
        rows[#rows + 1] = cells
    end
    return rows
end

local function number(text)
    return L.number(text, 0) or 0
end

-- Thousands with the decimals they have, at most five.
local function thousands(value)
    local text = string.format("%.5f", value):gsub("0+$", ""):gsub("%.$", "")
    return text == "-0" and "0" or text
end

local function indicators(grid)
    local lines, sum, tax, total, n = {}, 0, 0, 0, 0
    for _, cells in ipairs(grid_rows(grid)) do
        if L.text(cells[1]) ~= "" then
            n = n + 1
            sum, tax, total = sum + number(cells[4]), tax + number(cells[5]), total + number(cells[6])
            lines[#lines + 1] = string.format(
                "<tr><td align=center>%d</td><td>%s</td><td align=right>%s</td><td align=right>%s</td>"
                .. "<td align=right>%s</td><td align=right>%s</td><td align=right>%s</td></tr>",
                n, L.html(cells[1]), L.html(cells[2]), L.money(number(cells[3])), L.money(number(cells[4])),
                L.money(number(cells[5])), thousands(number(cells[6])))
        end
    end
    lines[#lines + 1] = string.format(
        "<tr><td></td><td><b>Итого</b></td><td></td><td></td><td align=right><b>%s</b></td>"
        .. "<td align=right><b>%s</b></td><td align=right><b>%s</b></td></tr>",
        L.money(sum), L.money(tax), thousands(total))
    return table.concat(lines, "\n")
end

function prn(real_id)
    local id = L.integer(real_id)
    if not id or id <= 0 then
        app.message("Бюджетная заявка еще не записана: запишите ее, затем печатайте.")
        return ""
    end
    local doc
    for row in db.rows(string.format("select cast(number as char) as number,d,sch_deb,sch_kred,kbk_deb,kbk_kred,"
        .. "icn,prim,s,grid from ledmark_budg_zayavka where real_id=%d", id)) do
        doc = row
    end
    if not doc then
        app.message("Бюджетная заявка не найдена: ее удалил другой пользователь.")
        return ""
    end
    return table.concat({
        "<html><body>",
        "<p align=center>" .. L.html(db.constant("ORG_NAME")) .. "</p>",
        string.format("<h3 align=center>БЮДЖЕТНАЯ ЗАЯВКА № %s от %s</h3>", L.html(doc.number), L.html(doc.d)),
        "<p align=center>" .. L.html(doc.icn) .. "</p>",
        string.format("<p>Дебет: %s &nbsp;&nbsp; Кредит: %s &nbsp;&nbsp; Сумма: %s руб.</p>",
            L.html(GL_Printable0(doc.sch_deb, doc.kbk_deb, 0)), L.html(GL_Printable0(doc.sch_kred, doc.kbk_kred, 0)),
            L.money(number(doc.s))),
        "<table border=1 cellspacing=0 cellpadding=3 width=100%>",
        "<tr><th>№ п/п</th><th>Наименование показателей</th><th>Кол-во</th><th>Размер средств</th>"
            .. "<th>Сумма, руб.</th><th>Налоги (26,2 %), руб.</th><th>Итого, тыс. руб.</th></tr>",
        indicators(doc.grid),
        "</table>",
        L.text(doc.prim) ~= "" and ("<p>Примечание: " .. L.html(doc.prim) .. "</p>") or "",
        "<br><table width=100%>",
        "<tr><td>Руководитель</td><td>____________________</td><td>" .. L.html(db.constant("ORG_RUK")) .. "</td></tr>",
        "<tr><td>Главный бухгалтер</td><td>____________________</td><td>" .. L.html(db.constant("ORG_GL_BUH"))
            .. "</td></tr>",
        "</table>",
        "</body></html>",
    }, "\n")
end
