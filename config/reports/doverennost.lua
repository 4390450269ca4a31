-- The printed power of attorney for goods (form 0315001): the employee with
-- the passport, the supplier, the supplier's document and the goods, their
-- quantities also in words when the document asks for it.
-- PrepareTheReport("real_id"); a document not yet stored prints a page that
-- says so.
local L = Ledger

local function quantity(text, in_words)
    local number = L.number(text, nil)
    if number == nil then
        return L.html(text)
    end
    local figures = L.quantity(number)
    if in_words and number == math.floor(number) then
        return figures .. " (" .. L.html(app.in_words(number, true)) .. ")"
    end
    return figures
end

function PrepareTheReport(id)
    local row = L.stored_row("ledmark_dov", "*," .. L.as_text("number") .. " as num", id)
    if not row then
        return L.unsaved_page("Доверенность")
    end
    local person = L.employee(row.tn)
    local supplier = L.row(string.format("select name,inn,adres from spr_org where id=%d", L.integer(row.org) or 0)) or {}
    local in_words = L.integer(row.r) == 1
    local lines = {}
    for index, cells in ipairs(L.grid_rows(row.grid)) do
        lines[#lines + 1] = string.format("<tr><td align=center>%d</td><td>%s</td><td align=center>%s</td>"
            .. "<td>%s</td></tr>", index, L.html(cells[2]), L.html(cells[3]), quantity(cells[4], in_words))
    end
    return "<html><body>" .. L.form_code("0315001")
        .. "<p>Организация: " .. L.html(db.constant("ORG_NAME")) .. "</p>"
        .. "<h3 align=center>ДОВЕРЕННОСТЬ № " .. L.html(row.num) .. "</h3>"
        .. "<p>Дата выдачи: " .. L.date_in_words(row.d) .. "<br>"
        .. "Доверенность действительна по: " .. L.date_in_words(row.d2) .. "</p>"
        .. "<p>Доверенность выдана " .. L.html(person.dol) .. " " .. L.html(person.fio) .. "<br>"
        .. "Паспорт серии " .. L.html(person.serp) .. " № " .. L.html(person.nop) .. "<br>"
        .. "Кем выдан " .. L.html(person.kv1) .. " " .. L.html(person.kv2) .. "<br>"
        .. "Дата выдачи " .. L.html(person.dvpus) .. "</p>"
        .. "<p>На получение от " .. L.html(supplier.name) .. " материальных ценностей по "
        .. L.html(row.docName) .. " № " .. L.html(row.docNumber) .. " от " .. L.html(row.docDate) .. "</p>"
        .. "<p align=center>Перечень товарно-материальных ценностей, подлежащих получению</p>"
        .. "<table border=1 cellspacing=0 cellpadding=2 width=100%>"
        .. "<tr><th>Номер по порядку</th><th>Материальные ценности</th><th>Единица измерения</th>"
        .. "<th>Количество (прописью)</th></tr>"
        .. table.concat(lines) .. "</table>"
        .. "<p>Подпись лица, получившего доверенность _____________ удостоверяем.</p>"
        .. "<p>Руководитель _____________ " .. L.html(GetFilRuk(L.integer(row.fil_id) or 1, 1)) .. "</p>"
        .. "<p>Главный бухгалтер _____________ " .. L.html(db.constant("ORG_GL_BUH")) .. "</p>"
        .. (L.text(row.prim) ~= "" and ("<p>" .. L.html(row.prim) .. "</p>") or "")
        .. "</body></html>"
end
