-- Pieces of the acceptance acts of fixed assets bought (ОС-1, ОС-1а, ОС-1б):
-- the purchase with its supplier and the asset cards of its rows, each with
-- its name, inventory number, account, value and the depreciation it came
-- with.

local L = Ledger

-- An asset card as the acts name it, nil for an unknown id.
local function asset_card(id)
    local key = L.integer(id)
    if not key then
        return nil
    end
    local card = L.row(string.format("select id,name,code,kol,first_price,sch,sch_iz,iznos_all,mol,norm_izn,d_post,"
        .. "d_ekspl,(select name from spr_prd where spr_prd.id=spr_osn_sr.prd) as prd_name "
        .. "from spr_osn_sr where id=%d", key))
    if card then
        card.mol = L.employee(card.mol)
    end
    return card
end

-- The purchase `real_id` and the asset `asset`: {num, d, supplier, contract,
-- asset (the card with the row's quantity and value), assets (every row's
-- card, for the act of a group)}. A purchase not stored yet (-1) gives the
-- card alone; an unknown asset gives nil.
function L.asset_purchase_act(real_id, asset)
    local card = asset_card(asset)
    if not card then
        return nil
    end
    local act = {asset = card, assets = {}}
    local row = L.stored_row("ledmark_os_pokup", "real_id,d,kred,sb1,sb2,sb3,grid,s,fil_id,"
        .. L.as_text("number") .. " as num", real_id)
    if row then
        act.num = row.num
        act.d = row.d
        act.branch = row.fil_id
        for k = 1, 3 do
            local book = L.book(GL_Get_SB(row.kred, k))
            local code = L.text(row["sb" .. k])
            if book and code ~= "" then
                if book.table == "spr_contr" then
                    act.supplier = GL_SB_Name(row.kred, k, code)
                elseif book.table == "spr_dogovora" then
                    act.contract = GL_SB_Name(row.kred, k, code)
                end
            end
        end
        for _, cells in ipairs(L.grid_rows(row.grid)) do
            local listed = asset_card(cells[1])
            if listed then
                listed.kol = cells[3]
                listed.first_price = cells[4]
                act.assets[#act.assets + 1] = listed
                if listed.id == card.id then
                    card.kol = cells[3]
                    card.first_price = cells[4]
                end
            end
        end
    end
    if #act.assets == 0 then
        act.assets = {card}
    end
    return act
end

-- The head of an act: the institution, its head's approval, the title with
-- the purchase's number and date (blanks for a purchase not stored).
function L.asset_act_head(code, title, act)
    return L.asset_form_head(code, title, act.num or "____", act.d)
        .. "<p>Сдатчик (поставщик): <u>" .. L.html(act.supplier or "") .. "</u>"
        .. (act.contract and ("<br>Основание: договор " .. L.html(act.contract)) or "") .. "</p>"
end

-- The signatures under an act: the commission, the one who took the object on.
function L.asset_act_signatures(card)
    return "<p>Председатель комиссии _____________ _____________________</p>"
        .. "<p>Члены комиссии: _____________ _____________________</p>"
        .. "<p>_____________ _____________________</p>"
        .. "<p>Объект основных средств принял _____________ " .. L.html(card.mol.fio) .. "</p>"
        .. "<p>Главный бухгалтер _____________ " .. L.html(db.constant("ORG_GL_BUH")) .. "</p>"
end

-- The table of objects of an act: name, inventory number, account, quantity,
-- value, depreciation, useful life. Nine columns fit the width of a page
-- only in a smaller type, with the long words of the heads broken at their
-- syllables and numbers kept on one line.
function L.asset_act_table(assets)
    local one_line = " style=\"white-space:nowrap\""
    local lines = {}
    for n, card in ipairs(assets) do
        lines[#lines + 1] = string.format("<tr><td align=center>%d</td><td>%s</td><td align=center%s>%s</td>"
            .. "<td align=center%s>%s</td><td align=right%s>%s</td><td align=right%s>%s</td><td align=right%s>%s</td>"
            .. "<td align=center>%s</td><td>%s</td></tr>",
            n, L.html(card.name), one_line, L.html(card.code), one_line, L.html(GL_Printable(card.sch)), one_line,
            L.html(L.quantity(L.number(card.kol, 0))), one_line, L.print_money(card.first_price), one_line,
            L.print_money(card.iznos_all), L.html(card.norm_izn), L.html(card.prd_name))
    end
    return "<table border=1 cellspacing=0 cellpadding=2 width=100% style=\"font-size:8pt\">"
        .. "<tr><th width=4%>№</th><th width=15%>Наимено&shy;вание объекта</th><th width=11%>Инвентар&shy;ный номер</th>"
        .. "<th width=12%>Счет</th><th width=8%>Коли&shy;чество</th>"
        .. "<th width=11%>Первона&shy;чальная стои&shy;мость, руб.</th><th width=11%>Аморти&shy;зация (износ), руб.</th>"
        .. "<th width=11%>Срок полез&shy;ного исполь&shy;зования, мес.</th><th width=17%>Подраз&shy;деление</th></tr>"
        .. table.concat(lines) .. "</table>"
end
