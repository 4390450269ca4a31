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

-- The head of the page: the institution, its head's approval and the title.
function L.asset_form_head(code, title, number, date)
    return "<html><body>" .. L.form_code(code)
        .. "<p>" .. L.html(db.constant("ORG_NAME")) .. "</p>"
        .. "<p align=right>УТВЕРЖДАЮ<br>Руководитель _____________ " .. L.html(db.constant("ORG_RUK"))
        .. "<br>«____» ____________ 20__ г.</p>"
        .. "<h3 align=center>" .. L.html(title) .. " № " .. L.html(number) .. "</h3>"
        .. "<p align=center>" .. (date and L.date_in_words(date) or "«____» ____________ 20__ г.") .. "</p>"
end
