-- The VAT sales book of a period: the entries of ledmark_kniga_prod dated in
-- it, with their buyers, amounts by rate and the totals, by branch and source
-- of financing; and the list of the working period's entries.

local L = Ledger

-- The amount columns of an entry, in the order the book prints them.
L.sales_amounts = {"s", "nos20", "s20", "nos18", "s18", "nos10", "s10", "s00", "s0"}

-- The query of the book's entries from `from` to `to` (SQL date literals) of
-- the branch (-2 all) and the source of financing (0 all), in the order of
-- the entries' dates.
function L.sales_book_sql(from, to, branch, source)
    local filter = ""
    if branch ~= -2 then
        filter = string.format(" and k.fil_id=%d", branch)
    end
    if source ~= 0 then
        filter = filter .. string.format(" and k.iff=%d", source)
    end
    return string.format("select k.real_id,%s as number,k.d_sf,k.%s as paid,k.icn,o.inn,o.kpp,"
        .. "k.s,k.nos20,k.s20,k.nos18,k.s18,k.nos10,k.s10,k.s00,k.s0 "
        .. "from ledmark_kniga_prod k left join spr_contr c on c.id=k.org "
        .. "left join spr_org o on c.tip=0 and o.id=c.id_tip "
        .. "where k.d>=%s and k.d<=%s%s order by k.d,k.real_id",
        L.as_text("k.number"), L.reserved("do"), from, to, filter)
end

-- The page of the book from `from_text` to `to_text` (dd.mm.yyyy) of the
-- branch ("-2" all) and the source of financing ("0" all).
function L.sales_book_page(from_text, to_text, branch_text, source_text)
    local from, to = L.date(from_text), L.date(to_text)
    local branch, source = L.integer(branch_text), L.integer(source_text)
    if not from or not to or not branch or not source then
        error("Книга продаж: неверные параметры " .. L.text(from_text) .. ", " .. L.text(to_text) .. ", "
            .. L.text(branch_text) .. ", " .. L.text(source_text))
    end
    local html = L.html
    local totals, lines = {}, {}
    for row in db.rows(L.sales_book_sql(L.sql_date(from), L.sql_date(to), branch, source)) do
        local npp = #lines + 1
        lines[npp] = table.concat({"<tr><td align=center>", npp, "</td><td>", html(row.d_sf), " № ", html(row.number),
            "</td><td>", html(row.icn), "</td><td>", html(row.inn),
            (row.kpp and row.kpp ~= "") and ("/" .. html(row.kpp)) or "", "</td><td align=center>", html(row.paid),
            "</td>", L.vat_book_amounts(row, L.sales_amounts, totals), "</tr>"})
    end
    local single = {"№ п/п", "Дата и номер счета-фактуры продавца", "Наименование покупателя",
        "ИНН/КПП покупателя", "Дата оплаты счета-фактуры продавца", "Всего продаж, включая НДС"}
    return "<html><body style=\"font-size:8pt\"><h3 align=center>Книга продаж</h3>"
        .. "<p>Продавец: " .. html(db.constant("ORG_NAME")) .. "<br>"
        .. "ИНН/КПП продавца: " .. html(db.constant("ORG_INN")) .. "/" .. html(db.constant("ORG_KPP")) .. "<br>"
        .. "Продажа за период с " .. L.date_text(from) .. " по " .. L.date_text(to)
        .. L.vat_book_filter(branch ~= -2 and tostring(branch) or "", source) .. "</p>"
        .. "<table border=1 cellspacing=0 cellpadding=2 width=100%>"
        .. L.vat_book_head(single, "продажи, освобождаемые от налога")
        .. table.concat(lines) .. L.vat_book_totals(L.sales_amounts, totals, 5) .. "</table></body></html>"
end
