-- Pieces of the acts of the write-off of fixed assets: a stored write-off
-- with its assets, and what it wrote off of each (the value, the
-- depreciation, the residual) read from its own postings.

local L = Ledger

-- The figures a write-off posted for card `card`: value written off (all
-- that left 101), depreciation (debit of 104) and residual value.
local function os_spis_figures(doc_id, card)
    local row = L.row(string.format("select "
        .. "coalesce(sum(case when kred1='101' then s else 0 end),0) as value,"
        .. "coalesce(sum(case when deb1='104' then s else 0 end),0) as iznos "
        .. "from ledmark_provodki where id=%d and (kred_sb1='%d' or deb_sb1='%d')", doc_id, card, card)) or {}
    local value, iznos = L.number(row.value, 0) or 0, L.number(row.iznos, 0) or 0
    return {value = value, iznos = iznos, residual = value - iznos}
end

-- A card of the register as the acts print it, nil for none.
function L.os_card(card)
    local id = L.integer(card)
    if not id then
        return nil
    end
    return L.row(string.format("select c.id,c.name,c.code,c.kol,c.first_price,c.norm_izn,c.d_post,c.d_ekspl,"
        .. "c.sch,c.sch_old,c.mol,(select name from spr_prd where spr_prd.id=c.prd) as prd_name "
        .. "from spr_osn_sr c where c.id=%d", id))
end

-- A stored write-off of fixed assets with its assets (each {card, name,
-- code, kol, value, iznos, residual}) and total; a key that is no stored
-- write-off (-1 for the blank form) gives an empty document whose `blank`
-- is set.
function L.os_spis_document(id)
    local row = L.stored_row("ledmark_os_spis", "real_id,id,d,deb,zab,prim,prich,prik,icn,s,fil_id,grid,"
        .. L.as_text("number") .. " as num", id)
    if not row then
        return {blank = true, rows = {}, total = 0, mol = {}}
    end
    row.rows = {}
    row.total = 0
    for _, cells in ipairs(L.grid_rows(row.grid)) do
        local card = L.os_card(cells[1])
        if card and L.text(cells[3]) ~= "" then
            local figures = os_spis_figures(L.integer(row.id) or 0, L.integer(card.id))
            local line = {card = card.id, name = card.name, code = card.code, kol = cells[3], card_row = card,
                value = figures.value, iznos = figures.iznos, residual = figures.residual}
            row.rows[#row.rows + 1] = line
            row.total = row.total + figures.value
            row.mol = row.mol or L.employee(card.mol)
        end
    end
    row.mol = row.mol or {}
    return row
end

-- The one asset `card` of a write-off: its line, nil when the write-off
-- does not list it.
function L.os_spis_line(doc, card)
    for _, line in ipairs(doc.rows) do
        if L.text(line.card) == L.text(card) then
            return line
        end
    end
    return nil
end

-- The act of one asset (ос_4 and ос_4а share it; `title` tells them apart).
function L.os_spis_act(code, title, id, card)
    local doc = L.os_spis_document(id)
    local line = doc.blank and nil or L.os_spis_line(doc, card)
    local asset = line and line.card_row or L.os_card(card) or {}
    local function cell(value)
        return "<td>" .. L.html(value) .. "</td>"
    end
    local function amount(value)
        return "<td align=right>" .. (line and L.print_money(value) or "") .. "</td>"
    end
    -- Eight columns of figures: the act goes across the sheet.
    return L.asset_form_head(code, title, doc.num, doc.d, true)
        .. "<p>Основание: <u>" .. L.html(doc.prik) .. "</u></p>"
        .. "<p>Причина списания: <u>" .. L.html(doc.prich) .. "</u></p>"
        .. "<table border=1 cellspacing=0 cellpadding=3 width=100%>"
        .. "<tr><th>Наименование объекта</th><th>Инвентарный номер</th><th>Дата принятия к учету</th>"
        .. "<th>Срок полезного использования, мес.</th><th>Количество</th><th>Первоначальная стоимость, руб.</th>"
        .. "<th>Начисленная амортизация, руб.</th><th>Остаточная стоимость, руб.</th></tr>"
        .. "<tr>" .. cell(asset.name) .. cell(asset.code) .. cell(asset.d_post) .. cell(asset.norm_izn)
        .. cell(line and line.kol or "") .. amount(line and line.value) .. amount(line and line.iznos)
        .. amount(line and line.residual) .. "</tr>"
        .. "</table>"
        .. "<p>Счет списания: " .. L.html(doc.deb) .. (L.text(doc.zab) ~= ""
            and (" &nbsp; Забалансовый счет: " .. L.html(doc.zab)) or "") .. "</p>"
        .. L.commission_signatures(doc.mol)
        .. "</body></html>"
end
