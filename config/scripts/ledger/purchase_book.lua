-- The VAT purchase book of a period: the entries of ledmark_kniga_pokupok
-- accepted for accounting in it, with their suppliers, amounts by rate and
-- the totals; and the parts of a VAT book's table the sales book shares.
-- Written once for every print of the purchase book.

local L = Ledger

-- The amount columns of an entry, in the order the book prints them.
L.purchase_amounts = {"s", "nos20", "s20", "nos18", "s18", "nos10", "s10", "s00", "s0"}

-- The query of the book's entries from `from` to `to` (SQL date literals),
-- for the branches (a checked list of ids, "" all) and the source of
-- financing (1-4, 0 or nil all), in the order of the dates of acceptance.
function L.purchase_book_sql(from, to, branches, source)
    local filter = ""
    if branches ~= "" then
        filter = " and k.fil_id in (" .. branches .. ")"
    end
    if source and source ~= 0 then
        filter = filter .. string.format(" and k.iff=%d", source)
    end
    return string.format("select k.real_id,k.number,k.d_sf,k.%s as paid,k.d_uch,k.icn,k.gtd,o.inn,o.kpp,"
        .. "k.s,k.nos20,k.s20,k.nos18,k.s18,k.nos10,k.s10,k.s00,k.s0 "
        .. "from ledmark_kniga_pokupok k left join spr_org o on o.id=k.org "
        .. "where k.d>=%s and k.d<=%s%s order by k.d,k.real_id",
        L.reserved("do"), from, to, filter)
end

-- An amount of the database ("1200.00", nil) as a VAT book prints it: "" for
-- none or zero. The text of the database is kept as it is.
local function money(value)
    local number = tonumber(value)
    if not number or number == 0 then
        return ""
    end
    return value
end

local html = L.html

-- The head of a VAT book's table: the columns of an entry (`single`), then
-- the rates with their two amounts under them.
function L.vat_book_head(single, exempt)
    local first = {}
    for _, caption in ipairs(single) do
        first[#first + 1] = "<th rowspan=2>" .. caption .. "</th>"
    end
    for _, rate in ipairs({"20%", "18%", "10%"}) do
        first[#first + 1] = "<th colspan=2>по ставке " .. rate .. "</th>"
    end
    first[#first + 1] = "<th rowspan=2>по ставке 0%</th><th rowspan=2>" .. exempt .. "</th>"
    local second = string.rep("<th>стоимость без НДС</th><th>сумма НДС</th>", 3)
    return "<tr>" .. table.concat(first) .. "</tr><tr>" .. second .. "</tr>"
end

-- The amount cells of an entry in the order of `columns`, added to `totals`.
function L.vat_book_amounts(row, columns, totals)
    local cells = {}
    for _, name in ipairs(columns) do
        local value = row[name]
        totals[name] = (totals[name] or 0) + (tonumber(value) or 0)
        cells[#cells + 1] = "<td align=right nowrap>" .. money(value) .. "</td>"
    end
    return table.concat(cells)
end

-- The row of totals under `span` columns of the entries.
function L.vat_book_totals(columns, totals, span)
    local total = {"<td colspan=" .. span .. "><b>Всего</b></td>"}
    for _, name in ipairs(columns) do
        total[#total + 1] = "<td align=right nowrap><b>" .. ((totals[name] or 0) ~= 0 and L.money(totals[name]) or "")
            .. "</b></td>"
    end
    return "<tr>" .. table.concat(total) .. "</tr>"
end

-- The line under a book's title: the branch and the source of financing
-- printed, when one is chosen.
function L.vat_book_filter(branches, source)
    local parts = {}
    if branches ~= "" then
        parts[#parts + 1] = "Филиал: " .. html(GetFilName0(branches))
    end
    if source and source ~= 0 then
        parts[#parts + 1] = "Источник финансирования: " .. source .. " " .. html(L.source_name(source))
    end
    return #parts > 0 and ("<br>" .. table.concat(parts, "<br>")) or ""
end

-- The page of the book from `from_text` to `to_text` (dd.mm.yyyy) for the
-- branches ("1,2", "" all) and the source of financing ("1".."4", "0" or
-- nil all).
function L.purchase_book_page(from_text, to_text, branches_text, source_text)
    local from, to = L.date(from_text), L.date(to_text)
    if not from or not to then
        error("Книга покупок: неверный период \"" .. L.text(from_text) .. "\" - \"" .. L.text(to_text) .. "\"")
    end
    local branches = L.integer_list(branches_text)
    if not branches then
        error("Книга покупок: неверный список филиалов \"" .. L.text(branches_text) .. "\"")
    end
    local source = L.integer(source_text or 0)
    if not source then
        error("Книга покупок: неверный источник финансирования \"" .. L.text(source_text) .. "\"")
    end
    local totals = {}
    local lines = {}
    local npp = 0
    for row in db.rows(L.purchase_book_sql(L.sql_date(from), L.sql_date(to), branches, source)) do
        npp = npp + 1
        lines[npp] = table.concat({"<tr><td align=center>", npp, "</td><td>", html(row.d_sf), " № ", html(row.number),
            "</td><td align=center>", html(row.paid), "</td><td align=center>", html(row.d_uch), "</td><td>",
            html(row.icn), "</td><td>", html(row.inn), (row.kpp and row.kpp ~= "") and ("/" .. html(row.kpp)) or "",
            "</td><td>", html(row.gtd), "</td>", L.vat_book_amounts(row, L.purchase_amounts, totals), "</tr>"})
    end
    local single = {"№ п/п", "Дата и номер счета-фактуры продавца", "Дата оплаты", "Дата принятия на учет",
        "Наименование продавца", "ИНН/КПП продавца", "Страна происхождения товара, номер ГТД",
        "Всего покупок, включая НДС"}
    return "<html><body style=\"font-size:8pt\"><h3 align=center>Книга покупок</h3>"
        .. "<p>Покупатель: " .. L.html(db.constant("ORG_NAME")) .. "<br>"
        .. "Покупка за период с " .. L.date_text(from) .. " по " .. L.date_text(to)
        .. L.vat_book_filter(branches, source) .. "</p>"
        .. "<table border=1 cellspacing=0 cellpadding=2 width=100%>"
        .. L.vat_book_head(single, "освобождаемые от налога")
        .. table.concat(lines) .. L.vat_book_totals(L.purchase_amounts, totals, 7) .. "</table></body></html>"
end
