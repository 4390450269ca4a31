-- The time sheet of one department for a range of days: one row per
-- assignment of the department in force in the range, with its mark on each
-- day (hours, or a code of uo), the days and hours worked, the legend of the
-- codes used and the signatures. prn_GetTRV(from, to, prd) shows the page and
-- answers 1; a bad argument is an error naming it. The marks of the range are
-- read in one query.
local L = Ledger

local function date_arg(value, what)
    local date = L.date(value)
    if not date then
        error(string.format("prn_GetTRV: неверная дата %s «%s»", what, L.text(value)), 0)
    end
    return date
end

-- The days from the first to the last, as dates.
local function days_of(first, last)
    local days = {}
    local t = os.time({year = first.y, month = first.m, day = first.d, hour = 12})
    local stop = L.date_key(last)
    while true do
        local parts = os.date("*t", t)
        local date = {y = parts.year, m = parts.month, d = parts.day}
        if L.date_key(date) > stop then
            break
        end
        days[#days + 1] = date
        t = t + 86400
    end
    return days
end

function prn_GetTRV(from, to, prd)
    local first, last = date_arg(from, "начала"), date_arg(to, "окончания")
    local department = L.integer(prd)
    if not department then
        error(string.format("prn_GetTRV: неверное подразделение «%s»", L.text(prd)), 0)
    end
    local name = db.string(string.format("select name from spr_prd where id=%d", department))
    if name == "" then
        error(string.format("prn_GetTRV: нет подразделения %d", department), 0)
    end
    local d1, d2 = L.sql_date(first), L.sql_date(last)
    local days = days_of(first, last)
    -- A mark finds its day by the date's text as the rows give it.
    local day_of_text = {}
    for n, date in ipairs(days) do
        day_of_text[L.date_text(date)] = n
    end

    local rows, index = {}, {}
    for row in db.rows(string.format(
        "select perso_tn_nip.tn,perso_tn_nip.npp,tn.f,tn.i,tn.o,ssv.name as dol from perso_tn_nip left join tn on "
        .. "tn.tn=perso_tn_nip.tn left join ssv on ssv.id=perso_tn_nip.dol where perso_tn_nip.prd=%d and "
        .. "perso_tn_nip.d1<=%s and (perso_tn_nip.d2 is null or perso_tn_nip.d2>=%s) order by tn.f,tn.i,tn.o,"
        .. "perso_tn_nip.tn,perso_tn_nip.npp", department, d2, d1)) do
        row.marks = {}
        rows[#rows + 1] = row
        index[row.tn .. ":" .. row.npp] = row
    end
    for mark in db.rows(string.format(
        "select perso_trv.tn,perso_trv.npp,perso_trv.d,perso_trv.t from perso_trv join perso_tn_nip on "
        .. "perso_tn_nip.tn=perso_trv.tn and perso_tn_nip.npp=perso_trv.npp where perso_tn_nip.prd=%d and "
        .. "perso_trv.d>=%s and perso_trv.d<=%s", department, d1, d2)) do
        local row = index[mark.tn .. ":" .. mark.npp]
        local day = day_of_text[mark.d]
        if not day then
            local date = L.date(mark.d)
            day = date and day_of_text[L.date_text(date)]
        end
        if row and day then
            row.marks[day] = L.text(mark.t)
        end
    end

    local used = {}
    local head = "<tr><th rowspan=2>№</th><th rowspan=2>Фамилия, инициалы</th><th rowspan=2>Должность</th>"
        .. "<th rowspan=2>Таб. №</th><th colspan=" .. #days .. ">Числа месяца</th><th colspan=2>Отработано</th></tr><tr>"
    for _, date in ipairs(days) do
        head = head .. "<th>" .. date.d .. "</th>"
    end
    head = head .. "<th>дней</th><th>часов</th></tr>"
    local body = {}
    for n, row in ipairs(rows) do
        local cells, worked, hours = {}, 0, 0
        for day = 1, #days do
            local mark = row.marks[day] or ""
            local value = L.number(mark)
            if value and value > 0 then
                worked = worked + 1
                hours = hours + value
                mark = string.format("%g", value)
            elseif mark ~= "" then
                used[mark] = true
            end
            cells[#cells + 1] = "<td align=center>" .. L.html(mark) .. "</td>"
        end
        local initials = L.text(row.f)
        if L.text(row.i) ~= "" then initials = initials .. " " .. L.text(row.i):sub(1, utf8.offset(L.text(row.i), 2) - 1) .. "." end
        if L.text(row.o) ~= "" then initials = initials .. L.text(row.o):sub(1, utf8.offset(L.text(row.o), 2) - 1) .. "." end
        body[#body + 1] = string.format("<tr><td align=right>%d</td><td nowrap>%s</td><td>%s</td><td align=right>%s</td>%s"
            .. "<td align=right>%d</td><td align=right>%s</td></tr>", n, L.html(initials), L.html(row.dol),
            L.html(row.tn), table.concat(cells), worked, string.format("%.2f", hours))
    end

    local codes = {}
    for code in pairs(used) do
        codes[#codes + 1] = code
    end
    table.sort(codes)
    -- The names of the codes used, in one query.
    local names = {}
    if #codes > 0 then
        local quoted = {}
        for _, code in ipairs(codes) do
            quoted[#quoted + 1] = db.str(code)
        end
        for row in db.rows("select id,name from uo where id in (" .. table.concat(quoted, ",") .. ")") do
            names[L.text(row.id)] = L.text(row.name)
        end
    end
    local legend = {}
    for _, code in ipairs(codes) do
        -- A code written in another case than its row is found as the server compares them.
        local name = names[code] or db.string("select name from uo where id=" .. db.str(code))
        legend[#legend + 1] = L.html(code) .. " — " .. L.html(name)
    end

    app.report("<html><body>"
        .. "<p>" .. L.html(db.constant("ORG_NAME")) .. "</p>"
        .. "<h3 align=center>ТАБЕЛЬ учета использования рабочего времени</h3>"
        .. "<p align=center>" .. L.html(name) .. " за период с " .. L.date_text(first) .. " по " .. L.date_text(last) .. "</p>"
        .. "<table border=1 cellspacing=0 cellpadding=2 width=100%>" .. head .. table.concat(body) .. "</table>"
        .. (#legend > 0 and ("<p>Условные обозначения: " .. table.concat(legend, "; ") .. "</p>") or "")
        .. "<p>Ответственное лицо _____________</p>"
        .. "<p>Руководитель подразделения _____________</p>"
        .. "<p>Работник кадровой службы _____________</p>"
        .. "</body></html>", "Табель " .. name)
    return 1
end
