-- The register of received invoices of a period: the invoices of
-- ledmark_sch_fak_poluch received in it, with their suppliers and sums, by
-- branch and source of financing.

local L = Ledger

-- The counterparty book's number among the analytic dimensions.
local counterparties = 4

-- The supplier's name: the counterparty the supplier account keeps among its
-- analytic values, "" when it keeps none.
local function supplier_name(row)
    for n = 1, 3 do
        if L.text(row.sch_kred) ~= "" and GL_Get_SB(row.sch_kred, n) == counterparties then
            local id = L.integer(row["sb" .. n])
            local contr = id and L.row(string.format("select name from spr_contr where id=%d", id))
            return contr and L.text(contr.name) or ""
        end
    end
    return ""
end

-- The page from `from_text` to `to_text` (dd.mm.yyyy) of the branch (-2 all)
-- and the source of financing (0 all, else the supplier account's first
-- digit).
function L.received_invoices_page(from_text, to_text, branch_text, source_text)
    local from, to = L.date(from_text), L.date(to_text)
    local branch, source = L.integer(branch_text), L.integer(source_text)
    if not from or not to or not branch or not source then
        error("Журнал полученных счетов-фактур: неверные параметры " .. L.text(from_text) .. ", "
            .. L.text(to_text) .. ", " .. L.text(branch_text) .. ", " .. L.text(source_text))
    end
    local filter = ""
    if branch ~= -2 then
        filter = filter .. string.format(" and fil_id=%d", branch)
    end
    if source ~= 0 then
        filter = filter .. " and sch_kred like " .. L.sql_text(tostring(source) .. "%")
    end
    local sql = string.format("select real_id,d,%s as num,date_sf,s,sch_kred,sb1,sb2,sb3,icn,id "
        .. "from ledmark_sch_fak_poluch where d>=%s and d<=%s%s order by d,real_id",
        L.as_text("number"), L.sql_date(from), L.sql_date(to), filter)
    local html = L.html
    local lines, total = {}, 0
    for row in db.rows(sql) do
        local amount = L.number(row.s, 0) or 0
        total = total + amount
        lines[#lines + 1] = string.format("<tr><td align=center>%d</td><td align=center>%s</td><td align=center>%s</td>"
            .. "<td align=center>%s</td><td>%s</td><td>%s</td><td align=center>%s</td><td align=right nowrap>%s</td></tr>",
            #lines + 1, html(row.d), html(row.num), html(row.date_sf), html(supplier_name(row)), html(row.icn),
            html(row.sch_kred), L.money(amount))
    end
    if #lines == 0 then
        lines[1] = "<tr><td colspan=8 align=center>Счетов-фактур за период нет</td></tr>"
    end
    return "<html><body>"
        .. "<p>" .. html(db.constant("ORG_NAME")) .. "</p>"
        .. (branch ~= -2 and ("<p>" .. html(GetFilName0(tostring(branch))) .. "</p>") or "")
        .. "<h3 align=center>ЖУРНАЛ<br>учета полученных счетов-фактур</h3>"
        .. "<p align=center>за период с " .. L.date_text(from) .. " по " .. L.date_text(to)
        .. (source ~= 0 and (", источник финансирования " .. source .. " " .. html(L.source_name(source)))
            or "") .. "</p>"
        .. "<table border=1 cellspacing=0 cellpadding=3 width=100%>"
        .. "<tr><th>№ п/п</th><th>Дата получения</th><th>Номер счета-фактуры</th><th>Дата счета-фактуры</th>"
        .. "<th>Поставщик</th><th>Товары, работы, услуги</th><th>Счет</th><th>Сумма, руб. коп.</th></tr>"
        .. table.concat(lines)
        .. string.format("<tr><td colspan=7><b>Итого</b></td><td align=right nowrap><b>%s</b></td></tr>",
            L.money(total))
        .. "</table>"
        .. "<p>Главный бухгалтер _____________ " .. html(db.constant("ORG_GL_BUH")) .. "</p>"
        .. "</body></html>"
end
