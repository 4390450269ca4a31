-- The printed advance report (form 0504505): the report's header, the
-- advances received and spent, the expense lines and the accounting
-- entries of the report's postings. prn(real_id); a report not yet stored
-- prints a page that says so.
local L = Ledger

local function money(value)
    return L.print_money(value)
end

local function employee(tn)
    return L.employee(tn)
end

local function received_rows(row)
    local lines, total = {}, 0
    for index = 0, 2 do
        local from, date, amount = row["g" .. (index * 3 + 1)], row["g" .. (index * 3 + 2)], row["g" .. (index * 3 + 3)]
        if L.text(from) ~= "" or L.text(amount) ~= "" then
            total = total + (L.number(amount, 0) or 0)
            lines[#lines + 1] = string.format("<tr><td>%s</td><td align=center>%s</td><td align=right>%s</td></tr>",
                L.html(from), L.html(date), money(amount))
        end
    end
    return table.concat(lines), total
end

local function expense_rows(grid)
    local lines, claimed, accepted = {}, 0, 0
    for index, cells in ipairs(L.grid_rows(grid)) do
        claimed = claimed + (L.number(cells[5], 0) or 0)
        accepted = accepted + (L.number(cells[6], 0) or 0)
        lines[#lines + 1] = string.format("<tr><td align=center>%d</td><td align=center>%s</td><td>%s</td>"
            .. "<td>%s</td><td align=right>%s</td><td align=right>%s</td><td align=center>%s</td></tr>",
            index, L.html(cells[1]), L.html(cells[3]), L.html(cells[4]), money(cells[5]), money(cells[6]),
            L.html(cells[8]))
    end
    return table.concat(lines), claimed, accepted
end

local function entries(id)
    local lines = {}
    local sql = string.format("select npp,concat(deb0,deb1,deb2,deb3) as deb,concat(kred0,kred1,kred2,kred3) as kred,"
        .. "s from ledmark_provodki where id=%d order by npp", L.integer(id) or 0)
    for row in db.rows(sql) do
        lines[#lines + 1] = string.format("<tr><td align=center>%s</td><td align=center>%s</td>"
            .. "<td align=center>%s</td><td align=right>%s</td></tr>",
            L.html(row.npp), L.html(row.deb), L.html(row.kred), money(row.s))
    end
    return table.concat(lines)
end

function prn(id)
    local row = L.stored_row("ledmark_avans_otch", "*," .. L.as_text("number") .. " as num", id)
    if not row then
        return L.unsaved_page("Авансовый отчет")
    end
    local person = employee(row.tn)
    local received, received_total = received_rows(row)
    local lines, claimed, accepted = expense_rows(row.grid)
    local previous = L.number(row.pred_av, 0) or 0
    local rest = previous + received_total - accepted
    local org = db.constant("ORG_NAME")
    return "<html><body>" .. L.form_code("0504505")
        .. "<h3 align=center>АВАНСОВЫЙ ОТЧЕТ № " .. L.html(row.num) .. "</h3>"
        .. "<p align=center>от " .. L.date_in_words(row.d) .. "</p>"
        .. "<p>Учреждение: " .. L.html(org) .. "<br>"
        .. "Структурное подразделение: " .. L.html(person.prd) .. "<br>"
        .. "Подотчетное лицо: " .. L.html(person.fio) .. ", " .. L.html(person.dol) .. "<br>"
        .. "Назначение аванса: " .. L.html(row.icn) .. "</p>"
        .. "<table border=1 cellspacing=0 cellpadding=2>"
        .. "<tr><th>Наименование показателя</th><th>Сумма, руб.</th></tr>"
        .. "<tr><td>Предыдущий аванс: остаток</td><td align=right>" .. (previous > 0 and L.money(previous) or "") .. "</td></tr>"
        .. "<tr><td>Предыдущий аванс: перерасход</td><td align=right>" .. (previous < 0 and L.money(-previous) or "") .. "</td></tr>"
        .. "<tr><td>Получен аванс</td><td align=right>" .. L.money(received_total) .. "</td></tr>"
        .. "<tr><td>Итого получено</td><td align=right>" .. L.money(previous + received_total) .. "</td></tr>"
        .. "<tr><td>Израсходовано</td><td align=right>" .. L.money(accepted) .. "</td></tr>"
        .. "<tr><td>Остаток</td><td align=right>" .. (rest > 0 and L.money(rest) or "") .. "</td></tr>"
        .. "<tr><td>Перерасход</td><td align=right>" .. (rest < 0 and L.money(-rest) or "") .. "</td></tr>"
        .. "</table>"
        .. (received ~= "" and ("<p>Получено:</p><table border=1 cellspacing=0 cellpadding=2>"
            .. "<tr><th>От кого</th><th>Дата</th><th>Сумма</th></tr>" .. received .. "</table>") or "")
        .. "<p>Приложение: документов на " .. #L.grid_rows(row.grid) .. " листах</p>"
        .. "<table border=1 cellspacing=0 cellpadding=2 width=100%>"
        .. "<tr><th>№ п/п</th><th>Дата</th><th>Номер документа</th><th>Кому, за что и по какому документу уплачено</th>"
        .. "<th>Сумма по отчету</th><th>Сумма, принятая к учету</th><th>Дебет счета</th></tr>"
        .. lines
        .. "<tr><td colspan=4><b>Итого</b></td><td align=right><b>" .. L.money(claimed) .. "</b></td>"
        .. "<td align=right><b>" .. L.money(accepted) .. "</b></td><td></td></tr></table>"
        .. "<p><b>Бухгалтерская запись</b></p>"
        .. "<table border=1 cellspacing=0 cellpadding=2><tr><th>№</th><th>Дебет</th><th>Кредит</th><th>Сумма</th></tr>"
        .. entries(row.id) .. "</table>"
        .. "<p>Комментарий: " .. L.html(row.prim) .. "</p>"
        .. "<p>Подотчетное лицо _____________ " .. L.html(person.fio) .. "</p>"
        .. "<p>Главный бухгалтер _____________ " .. L.html(db.constant("ORG_GL_BUH")) .. "</p>"
        .. "</body></html>"
end
