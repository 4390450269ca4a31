-- Pieces of the ledger's printed forms: the form-code box, dates in words,
-- amounts as the forms write them and the reading of a stored document's
-- serialized table.

local L = Ledger

-- The start of a page; `across` asks the report window to print it across
-- the sheet (a form of many columns).
function L.page_start(across)
    if across then
        return "<html><head><meta name=\"orientation\" content=\"landscape\"></head><body>"
    end
    return "<html><body>"
end

-- The box with the form's OKUD code in the top right corner of a page.
function L.form_code(code)
    return "<table align=right cellpadding=0 cellspacing=0 border=0><tr><td align=right>"
        .. "<table cellpadding=2 cellspacing=0 border=1><tr><td></td><td align=center>Коды</td></tr>"
        .. "<tr><td nowrap>Форма по ОКУД</td><td align=center nowrap>" .. L.html(code) .. "</td></tr>"
        .. "</table></td></tr></table>"
end

local month_names = {"января", "февраля", "марта", "апреля", "мая", "июня", "июля", "августа", "сентября",
    "октября", "ноября", "декабря"}

-- "5 марта 2025 г." of a date text; "" for a text that is no date.
function L.date_in_words(text)
    local date = L.date(text)
    if not date then
        return ""
    end
    return string.format("%d %s %d г.", date.d, month_names[date.m], date.y)
end

-- An amount as a printed form writes it ("1500.75"), "" for none.
function L.print_money(value)
    local number = L.number(value, nil)
    if number == nil then
        return ""
    end
    return L.money(number)
end

-- The rows of a serialized table (rows separated by U+0001, the cells of a
-- row by U+0002): a list of lists of cell texts. Rows whose cells are all
-- empty are left out.
function L.grid_rows(text)
    local rows = {}
    for line in (L.text(text) .. "\1"):gmatch("([^\1]*)\1") do
        local cells, filled = {}, false
        for cell in (line .. "\2"):gmatch("([^\2]*)\2") do
            cells[#cells + 1] = cell
            filled = filled or cell ~= ""
        end
        if filled then
            rows[#rows + 1] = cells
        end
    end
    return rows
end

-- The stored row `id` of `table_name` with the given columns (a select
-- list), or nil when the key is no stored row.
function L.stored_row(table_name, columns, id)
    local key = L.integer(id)
    if not key or key <= 0 then
        return nil
    end
    return L.row(string.format("select %s from %s where real_id=%d", columns, table_name, key))
end

-- The page of a document that cannot be printed yet.
function L.unsaved_page(what)
    return "<html><body><p>" .. L.html(what) .. " не записан(а) в базу данных: запишите документ, "
        .. "чтобы его напечатать.</p></body></html>"
end

-- An employee as the printed forms name them: {fio, dol (position), prd
-- (department), serp, nop, kv1, kv2, dvpus}; empty texts for an unknown one.
function L.employee(tn)
    local row = L.row(string.format("select f,i,o,serp,nop,kv1,kv2,dvpus,"
        .. "(select name from ssv where ssv.id=tn.dol) as dol,"
        .. "(select name from spr_prd where spr_prd.id=tn.prd) as prd from tn where tn=%d", L.integer(tn) or 0)) or {}
    local names = {}
    for _, part in ipairs({row.f, row.i, row.o}) do
        if L.text(part) ~= "" then
            names[#names + 1] = L.text(part)
        end
    end
    row.fio = table.concat(names, " ")
    return row
end
