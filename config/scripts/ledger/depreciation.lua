-- The journal of depreciation of fixed assets: what the month's depreciation
-- run registered in ledmark_prn_iz, per branch with its totals.

local L = Ledger

-- The registered rows of the month of `date` in branch and card order, with
-- the card's name and inventory number and the branch's name.
function L.depreciation_rows(date)
    return L.rows(string.format("select r.fil_id,f.name as fil,r.id,c.name,c.code,r.d,r.kol,r.s_bal,r.s_iz,r.s,"
        .. "r.mes_ost,r.deb,r.kred from ledmark_prn_iz r left join spr_osn_sr c on c.id=r.id "
        .. "left join spr_fil f on f.id=r.fil_id where r.g=%d and r.ms=%d order by r.fil_id,r.id",
        date.y, date.m))
end

local month_names = {"январь", "февраль", "март", "апрель", "май", "июнь", "июль", "август", "сентябрь",
    "октябрь", "ноябрь", "декабрь"}

-- The page of the journal of the month of `date_text` (dd.mm.yyyy).
function L.depreciation_journal(date_text)
    local date = L.date(date_text)
    if not date then
        error("Журнал начисления амортизации: неверная дата \"" .. L.text(date_text) .. "\"")
    end
    local head = "<tr><th>№</th><th>Инв. номер</th><th>Наименование</th><th>Дата начала</th><th>Кол-во</th>"
        .. "<th>Стоимость</th><th>Износ на начало</th><th>Начислено</th><th>Ост. мес.</th><th>Дебет</th>"
        .. "<th>Кредит</th></tr>"
    local parts = {}
    local branch, n = nil, 0
    local totals, grand = nil, {s_bal = 0, s_iz = 0, s = 0}
    local function close_branch()
        if totals then
            parts[#parts + 1] = string.format("<tr><td colspan=5 align=right><b>Итого по филиалу</b></td>"
                .. "<td align=right><b>%s</b></td><td align=right><b>%s</b></td><td align=right><b>%s</b></td>"
                .. "<td colspan=3></td></tr>", L.money(totals.s_bal), L.money(totals.s_iz), L.money(totals.s))
        end
    end
    for _, row in ipairs(L.depreciation_rows(date)) do
        if row.fil_id ~= branch then
            close_branch()
            branch, n, totals = row.fil_id, 0, {s_bal = 0, s_iz = 0, s = 0}
            parts[#parts + 1] = "<tr><td colspan=11><b>" .. L.html(row.fil ~= nil and row.fil or ("Филиал " .. branch))
                .. "</b></td></tr>"
        end
        n = n + 1
        local figures = {s_bal = L.number(row.s_bal, 0) or 0, s_iz = L.number(row.s_iz, 0) or 0,
            s = L.number(row.s, 0) or 0}
        for key, value in pairs(figures) do
            totals[key] = totals[key] + value
            grand[key] = grand[key] + value
        end
        parts[#parts + 1] = string.format("<tr><td align=center>%d</td><td nowrap>%s</td><td>%s</td>"
            .. "<td align=center nowrap>%s</td><td align=right>%s</td><td align=right nowrap>%s</td>"
            .. "<td align=right nowrap>%s</td><td align=right nowrap>%s</td><td align=center>%s</td>"
            .. "<td align=center nowrap>%s</td><td align=center nowrap>%s</td></tr>",
            n, L.html(row.code), L.html(row.name), L.html(row.d), L.quantity(L.number(row.kol, 0) or 0),
            L.money(figures.s_bal), L.money(figures.s_iz), L.money(figures.s), L.html(row.mes_ost),
            L.html(GL_Printable(row.deb)), L.html(GL_Printable(row.kred)))
    end
    close_branch()
    if #parts == 0 then
        parts[1] = "<tr><td colspan=11 align=center>Амортизация за месяц не начислялась</td></tr>"
    end
    return "<html><body>"
        .. "<p>" .. L.html(db.constant("ORG_NAME")) .. "</p>"
        .. "<h3 align=center>ЖУРНАЛ НАЧИСЛЕНИЯ АМОРТИЗАЦИИ ОСНОВНЫХ СРЕДСТВ</h3>"
        .. string.format("<p align=center>за %s %d г.</p>", month_names[date.m], date.y)
        .. "<table border=1 cellspacing=0 cellpadding=3 width=100%>" .. head .. table.concat(parts)
        .. string.format("<tr><td colspan=5 align=right><b>Всего</b></td><td align=right><b>%s</b></td>"
            .. "<td align=right><b>%s</b></td><td align=right><b>%s</b></td><td colspan=3></td></tr>",
            L.money(grand.s_bal), L.money(grand.s_iz), L.money(grand.s))
        .. "</table>"
        .. "<p>Главный бухгалтер _____________ " .. L.html(db.constant("ORG_GL_BUH")) .. "</p>"
        .. "</body></html>"
end

-- The command of the depreciation run: the journal of the month of the
-- operation date in the report window.
function Command_PrnJrnAmort(date_text)
    app.report(L.depreciation_journal(date_text), "Журнал начисления амортизации")
    return 1
end
