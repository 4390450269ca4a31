-- Pieces of the printed forms of the material and asset documents: a stored
-- write-off of materials with its rows as the form showed them, the
-- signatures of the commission and the blank rows of a form printed to be
-- filled in by hand.

local L = Ledger

-- The rows of a write-off: from its `grid` text, or, for one kept only by its
-- lines, from ledmark_mat_spis1. Each row {item, name, unit, kol, price, s, ekr, whom}.
local function mat_spis_rows(real_id, grid)
    local rows = {}
    for _, cells in ipairs(L.grid_rows(grid)) do
        if L.text(cells[1]) ~= "" and L.text(cells[6]) ~= "" then
            rows[#rows + 1] = {item = cells[1], name = cells[2], unit = cells[3], kol = cells[6], price = cells[7],
                s = cells[8], ekr = cells[12], whom = cells[13]}
        end
    end
    if #rows > 0 then
        return rows
    end
    for _, line in ipairs(L.rows(string.format("select l.id,l.kol,l.price,l.s,l.ekr,l.whom,m.name,e.name as unit "
        .. "from ledmark_mat_spis1 l left join spr_stovan_mat m on m.id=l.id left join spr_ei e on e.id=m.ei "
        .. "where l.real_id=%d order by l.id", real_id))) do
        rows[#rows + 1] = {item = line.id, name = line.name, unit = line.unit, kol = line.kol, price = line.price,
            s = line.s, ekr = line.ekr, whom = line.whom}
    end
    return rows
end

-- A stored write-off of materials with its rows, names and total; with a key
-- that is no stored write-off (-1 for the blank form) an empty document
-- whose `blank` is set.
function L.mat_spis_document(id)
    local row = L.stored_row("ledmark_mat_spis", "real_id,d,tn,whom,prim,sch_deb,sch_kred,zab,s,fil_id,grid,"
        .. L.as_text("number") .. " as num", id)
    if not row then
        return {blank = true, rows = {}, mol = {}, whom = {}, total = 0}
    end
    row.rows = mat_spis_rows(L.integer(row.real_id), row.grid)
    row.mol = L.employee(row.tn)
    row.whom = L.employee(row.whom)
    row.total = 0
    for _, line in ipairs(row.rows) do
        row.total = row.total + (L.number(line.s, 0) or 0)
        local recipient = L.integer(line.whom)
        line.recipient = recipient and L.employee(recipient).fio or row.whom.fio
    end
    return row
end

-- `count` empty rows of `columns` cells.
function L.blank_rows(count, columns)
    local cells = string.rep("<td>&nbsp;</td>", columns)
    return string.rep("<tr>" .. cells .. "</tr>", count)
end

-- The commission's and the responsible person's signatures.
function L.commission_signatures(mol)
    return "<p>Председатель комиссии _____________ _____________________</p>"
        .. "<p>Члены комиссии: _____________ _____________________</p>"
        .. "<p>_____________ _____________________</p>"
        .. "<p>Материально ответственное лицо _____________ " .. L.html(mol and mol.fio) .. "</p>"
end

-- The head of the page: the institution, its head's approval and the title;
-- `across` for a form of many columns, printed across the sheet.
function L.asset_form_head(code, title, number, date, across)
    return L.page_start(across) .. L.form_code(code)
        .. "<p>" .. L.html(db.constant("ORG_NAME")) .. "</p>"
        .. "<p align=right>УТВЕРЖДАЮ<br>Руководитель _____________ " .. L.html(db.constant("ORG_RUK"))
        .. "<br>«____» ____________ 20__ г.</p>"
        .. "<h3 align=center>" .. L.html(title) .. " № " .. L.html(number) .. "</h3>"
        .. "<p align=center>" .. (date and L.date_in_words(date) or "«____» ____________ 20__ г.") .. "</p>"
end

-- Inventory list and accounting cards of material values ----------------------

-- The conditions the inventory form sends: "(col1='105' and col2='34')" or
-- "col1='05'" joined by "or" inside " and (...)"; anything else is refused.
function L.mat_account_condition(text)
    text = L.text(text)
    if text == "" then
        return nil
    end
    local rest = text:gsub("col1='%d%d%d?'", ""):gsub("col2='%d%d'", ""):gsub("and", ""):gsub("or", "")
        :gsub("[%s()]", "")
    if rest ~= "" then
        return nil
    end
    return text
end

-- The branch, source and responsible-person conditions of one side of the
-- postings ("deb" or "kred"); numbers only.
local function mat_side_filter(side, tn, branch, source)
    local parts = {}
    if (L.integer(source) or 0) > 0 then
        parts[#parts + 1] = string.format(" and %s0='%d'", side, L.integer(source))
    end
    if L.integer(tn) then
        parts[#parts + 1] = string.format(" and %s_sb2='%d'", side, L.integer(tn))
    end
    if (L.integer(branch) or -2) >= 0 then
        parts[#parts + 1] = string.format(" and fil_id=%d", L.integer(branch))
    end
    return table.concat(parts)
end

-- The stock postings of both sides as one set: sb (item), col1, col2,
-- d, id, kol and s signed by the side, prim; `where` for both sides.
local function mat_moves_sql(where, tn, branch, source)
    return string.format("select deb_sb1 as sb,deb0 as col0,deb1 as col1,deb2 as col2,d,id,kol,s from ledmark_provodki "
        .. "where deb1 in ('105') %s%s union all "
        .. "select kred_sb1 as sb,kred0 as col0,kred1 as col1,kred2 as col2,d,id,-kol as kol,-s as s "
        .. "from ledmark_provodki where kred1 in ('105') %s%s",
        where, mat_side_filter("deb", tn, branch, source), where, mat_side_filter("kred", tn, branch, source))
end

-- The inventory: per account (col1, col2) the items with their book quantity
-- and sum at `date`. A condition that is not the form's gives no rows.
function L.mat_inventory(date, tn, condition, branch, source)
    local day = L.date(date)
    local accounts = L.mat_account_condition(condition)
    if not day or not accounts then
        return {}
    end
    local sql = "select q.col1,q.col2,q.sb,m.name,e.name as unit,sum(q.kol) as kol,sum(q.s) as s from ("
        .. mat_moves_sql("and d<=" .. L.sql_date(day), tn, branch, source) .. ") q "
        .. "left join spr_stovan_mat m on m.id=q.sb left join spr_ei e on e.id=m.ei "
        .. "where 1=1 " .. accounts .. " group by q.col1,q.col2,q.sb,m.name,e.name "
        .. "having sum(q.kol)<>0 or sum(q.s)<>0 order by q.col1,q.col2,m.name"
    return L.rows(sql)
end

-- "id:0 105 36 000,..." as the cards form sends it: {item, col0, col1, col2}.
function L.mat_card_items(list)
    local items = {}
    for entry in (L.text(list) .. ","):gmatch("([^,]*),") do
        local item, account = entry:match("^%s*(%d+):(.*)$")
        if item then
            local parts = {}
            for part in account:gmatch("%S+") do
                parts[#parts + 1] = part
            end
            -- The synthetic account is the 3-digit part; the source before it
            -- and the analytic part after it may be missing.
            local col0, col1, col2
            for n, part in ipairs(parts) do
                if #part == 3 and not col1 and part:match("^%d%d%d$") then
                    col1 = part
                    col0 = parts[n - 1]
                    col2 = parts[n + 1]
                    if col2 and #col2 ~= 2 then
                        col2 = nil
                    end
                end
            end
            if col1 then
                items[#items + 1] = {item = L.integer(item), col0 = col0, col1 = col1, col2 = col2}
            end
        end
    end
    return items
end

-- One card: the item's name and unit, the balance before `from`, each
-- movement from `from` to `to` and the balance at the end.
function L.mat_card(entry, from, to, tn, branch)
    local first, last = L.date(from), L.date(to)
    local card = {item = entry.item, account = L.text(entry.col0) .. " " .. entry.col1 .. " " .. L.text(entry.col2),
        opening = {kol = 0, s = 0}, moves = {}, closing = {kol = 0, s = 0}}
    local info = L.row(string.format("select m.name,e.name as unit from spr_stovan_mat m left join spr_ei e "
        .. "on e.id=m.ei where m.id=%d", entry.item)) or {}
    card.name, card.unit = L.text(info.name), L.text(info.unit)
    if not first or not last then
        return card
    end
    local account = " and col1=" .. L.sql_text(entry.col1)
        .. (entry.col0 and (" and col0=" .. L.sql_text(entry.col0)) or "")
        .. (entry.col2 and (" and col2=" .. L.sql_text(entry.col2)) or "")
    local moves = "select * from (" .. mat_moves_sql("and d<=" .. L.sql_date(last), tn, branch, nil) .. ") q "
        .. "where sb=" .. L.sql_text(tostring(entry.item)) .. account
    local before = L.row("select coalesce(sum(kol),0) as kol,coalesce(sum(s),0) as s from (" .. moves
        .. ") b where d<" .. L.sql_date(first)) or {}
    card.opening = {kol = L.number(before.kol, 0) or 0, s = L.number(before.s, 0) or 0}
    card.closing = {kol = card.opening.kol, s = card.opening.s}
    -- Any kind of document moves materials (receipts, write-offs, waybills,
    -- internal movements, menu requirements): each is named by its kind.
    local rows = L.rows(moves .. " and d>=" .. L.sql_date(first) .. " order by d,id")
    local ids = {}
    for _, row in ipairs(rows) do
        ids[#ids + 1] = L.integer(row.id) or 0
    end
    local named = L.documents_named(ids)
    for i, row in ipairs(rows) do
        local kol, s = L.number(row.kol, 0) or 0, L.number(row.s, 0) or 0
        local id = ids[i]
        card.moves[#card.moves + 1] = {d = row.d, doc = named[id] or ("Операция " .. id), kol = kol, s = s}
        card.closing.kol = card.closing.kol + kol
        card.closing.s = card.closing.s + s
    end
    return card
end

-- The cards of a list in the order given.
function L.mat_cards(list, from, to, tn, branch)
    local cards = {}
    for _, entry in ipairs(L.mat_card_items(list)) do
        cards[#cards + 1] = L.mat_card(entry, from, to, tn, branch)
    end
    return cards
end

-- The pages of the accounting cards: one card per item with the balance at
-- the start, each movement with its document, date, quantity (and sum when
-- `with_sums`) and the balance at the end.
function L.mat_cards_page(code, title, with_sums, list, from, to, tn, branch)
    local mol = L.employee(tn)
    local pages = {}
    for _, card in ipairs(L.mat_cards(list, from, to, tn, branch)) do
        local function row(date, doc, kol_in, kol_out, s_in, s_out, kol, s, bold)
            local cells = {kol_in, kol_out}
            if with_sums then
                cells[#cells + 1] = s_in
                cells[#cells + 1] = s_out
            end
            cells[#cells + 1] = kol
            if with_sums then
                cells[#cells + 1] = s
            end
            local open, close = bold and "<b>" or "", bold and "</b>" or ""
            return "<tr><td nowrap>" .. open .. L.html(date) .. close .. "</td><td>" .. open .. L.html(doc) .. close
                .. "</td><td align=right>" .. open .. table.concat(cells, close .. "</td><td align=right>" .. open)
                .. close .. "</td></tr>"
        end
        local kol, s = card.opening.kol, card.opening.s
        local lines = {row(from, "Остаток на начало", "", "", "", "", L.quantity(kol), L.money(s), true)}
        for _, move in ipairs(card.moves) do
            kol, s = kol + move.kol, s + move.s
            local incoming = move.kol > 0 or (move.kol == 0 and move.s > 0)
            lines[#lines + 1] = row(move.d, move.doc,
                incoming and L.quantity(move.kol) or "", incoming and "" or L.quantity(-move.kol),
                incoming and L.money(move.s) or "", incoming and "" or L.money(-move.s), L.quantity(kol), L.money(s))
        end
        lines[#lines + 1] = row(to, "Остаток на конец", "", "", "", "", L.quantity(card.closing.kol),
            L.money(card.closing.s), true)
        -- Widths adding up to the whole line, so the date keeps its line.
        local figure = with_sums and "<th width=10%>" or "<th width=12%>"
        local head = (with_sums and "<tr><th width=12%>Дата</th><th width=28%>"
                or "<tr><th width=14%>Дата</th><th width=38%>")
            .. "Документ</th>" .. figure .. "Приход, кол.</th>" .. figure
            .. "Расход, кол.</th>"
            .. (with_sums and (figure .. "Приход, руб.</th>" .. figure .. "Расход, руб.</th>") or "")
            .. figure .. "Остаток, кол.</th>" .. (with_sums and (figure .. "Остаток, руб.</th>") or "") .. "</tr>"
        pages[#pages + 1] = "<h3 align=center>" .. L.html(title) .. "</h3>"
            .. "<p>Наименование: <u>" .. L.html(card.name) .. "</u> &nbsp; Код: <u>" .. L.html(card.item)
            .. "</u> &nbsp; Ед. изм.: <u>" .. L.html(card.unit) .. "</u> &nbsp; Счет: <u>" .. L.html(card.account)
            .. "</u></p>"
            .. "<p>Период: с " .. L.html(from) .. " по " .. L.html(to) .. "</p>"
            .. "<table border=1 cellspacing=0 cellpadding=3 width=100%>" .. head .. table.concat(lines) .. "</table>"
    end
    -- With the sums a card has eight columns: it goes across the sheet.
    return L.page_start(with_sums) .. L.form_code(code)
        .. "<p>" .. L.html(db.constant("ORG_NAME")) .. "</p>"
        .. "<p>Материально ответственное лицо: <u>" .. L.html(mol.fio ~= "" and mol.fio or "все") .. "</u></p>"
        .. table.concat(pages, "<hr>")
        .. "<p>Ответственный исполнитель _____________ _____________________</p>"
        .. "</body></html>"
end
