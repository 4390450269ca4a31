-- The issued invoices: the stored invoice with its buyer, consignee and
-- services as the printed invoice, certificate of work done and bill read
-- them, and the register of issued invoices of a period.

local L = Ledger

-- The name of a source of financing (1-4) from its book; "" for none.
function L.source_name(source)
    local id = L.integer(source)
    return id and L.text(db.string(string.format("select name as str from spr_if where id=%d", id))) or ""
end

-- The stored invoice `id` with its number as text, the parties and the
-- services (name, unit, quantity, sum), or nil.
function L.issued_invoice(id)
    local row = L.stored_row("paymar_sch_fak", "*," .. L.as_text("number") .. " as num", id)
    if not row then
        return nil
    end
    local function org(code)
        return L.row(string.format("select name,inn,kpp,adres from spr_org where id=%d", L.integer(code) or 0)) or {}
    end
    row.buyer = org(row.org)
    row.consignee = L.integer(row.org2) and org(row.org2) or row.buyer
    row.account = L.row(string.format("select number,name from spr_ls where id=%d", L.integer(row.nv) or 0)) or {}
    row.services = {}
    for line in db.rows(string.format("select discr,ei,kol,s from paymar_sch_fak1 where real_id=%d order by npp1",
        L.integer(row.real_id))) do
        row.services[#row.services + 1] = line
    end
    return row
end

-- The seller's heading lines: name, address, INN/KPP of the institution.
function L.seller_lines()
    return "<p>Продавец: <b>" .. L.html(db.constant("ORG_NAME")) .. "</b><br>"
        .. "Адрес: " .. L.html(db.constant("ORG_ADRES")) .. "<br>"
        .. "ИНН/КПП продавца: " .. L.html(db.constant("ORG_INN")) .. "/" .. L.html(db.constant("ORG_KPP")) .. "</p>"
end

-- The services as rows of a table: number, name, unit, quantity, price, sum;
-- and their total.
function L.invoice_service_rows(row, with_vat)
    local lines, total = {}, 0
    for index, line in ipairs(row.services) do
        local amount = L.number(line.s, 0) or 0
        local quantity = L.number(line.kol, nil)
        local price = (quantity and quantity ~= 0) and L.money(amount / quantity) or ""
        total = total + amount
        lines[#lines + 1] = string.format("<tr><td align=center>%d</td><td>%s</td><td align=center>%s</td>"
            .. "<td align=right>%s</td><td align=right nowrap>%s</td>%s<td align=right nowrap>%s</td></tr>",
            index, L.html(line.discr), L.html(line.ei), quantity and L.quantity(quantity) or "", price,
            with_vat and "<td align=center>без НДС</td><td align=right>-</td>" or "", L.money(amount))
    end
    return table.concat(lines), total
end

-- The sample payment order printed under an invoice, when it is asked for.
function L.invoice_sample(row)
    if L.integer(row.obrazec) ~= 1 or L.text(row.vnim) == "" then
        return ""
    end
    local text = L.html(L.text(row.vnim):gsub("<br>", "\n")):gsub("\n", "<br>")
    return "<p><b>ВНИМАНИЕ!</b></p><p style=\"border: 1px solid black; padding: 4px\">" .. text .. "</p>"
end

-- The register of issued invoices from `from` to `to` (dd.mm.yyyy) of the
-- branch (-2 all) and the source of financing (0 all, else the debit
-- account's first digit).
function L.issued_invoices_page(from_text, to_text, branch_text, source_text)
    local from, to = L.date(from_text), L.date(to_text)
    local branch, source = L.integer(branch_text), L.integer(source_text)
    if not from or not to or not branch or not source then
        error("Журнал выданных счетов-фактур: неверные параметры " .. L.text(from_text) .. ", " .. L.text(to_text)
            .. ", " .. L.text(branch_text) .. ", " .. L.text(source_text))
    end
    local filter = ""
    if branch ~= -2 then
        filter = filter .. string.format(" and f.fil_id=%d", branch)
    end
    if source ~= 0 then
        filter = filter .. " and f.sch0 like " .. L.sql_text(tostring(source) .. "%")
    end
    local sql = string.format("select f.real_id,f.d,%s as num,f.s,f.icn,f.no_doc,f.date_doc,o.inn,o.kpp "
        .. "from paymar_sch_fak f left join spr_org o on o.id=f.org where f.d>=%s and f.d<=%s%s "
        .. "order by f.d,f.real_id", L.as_text("f.number"), L.sql_date(from), L.sql_date(to), filter)
    local lines, total = {}, 0
    for row in db.rows(sql) do
        local amount = L.number(row.s, 0) or 0
        total = total + amount
        lines[#lines + 1] = string.format("<tr><td align=center>%d</td><td align=center>%s</td><td align=center>%s</td>"
            .. "<td>%s</td><td align=center>%s</td><td align=center>%s</td><td align=right nowrap>%s</td></tr>",
            #lines + 1, L.html(row.d), L.html(row.num), L.html(row.icn),
            L.html(L.text(row.inn) .. (L.text(row.kpp) ~= "" and ("/" .. row.kpp) or "")),
            L.html(L.text(row.no_doc) .. (L.text(row.date_doc) ~= "" and (" от " .. row.date_doc) or "")),
            L.money(amount))
    end
    if #lines == 0 then
        lines[1] = "<tr><td colspan=7 align=center>Счетов-фактур за период нет</td></tr>"
    end
    return "<html><body>"
        .. "<p>" .. L.html(db.constant("ORG_NAME")) .. "</p>"
        .. (branch ~= -2 and ("<p>" .. L.html(GetFilName0(tostring(branch))) .. "</p>") or "")
        .. "<h3 align=center>ЖУРНАЛ<br>учета выставленных счетов-фактур</h3>"
        .. "<p align=center>за период с " .. L.date_text(from) .. " по " .. L.date_text(to)
        .. (source ~= 0 and (", источник финансирования " .. source .. " " .. L.html(L.source_name(source)))
            or "") .. "</p>"
        .. "<table border=1 cellspacing=0 cellpadding=3 width=100%>"
        .. "<tr><th>№ п/п</th><th>Дата</th><th>Номер счета-фактуры</th><th>Покупатель</th><th>ИНН/КПП покупателя</th>"
        .. "<th>Платежный документ</th><th>Сумма, руб. коп.</th></tr>"
        .. table.concat(lines)
        .. string.format("<tr><td colspan=6><b>Итого</b></td><td align=right nowrap><b>%s</b></td></tr>",
            L.money(total))
        .. "</table>"
        .. "<p>Главный бухгалтер _____________ " .. L.html(db.constant("ORG_GL_BUH")) .. "</p>"
        .. "</body></html>"
end
