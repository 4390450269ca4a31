-- The cash documents: the pieces of the printed receipt and expense cash
-- orders, and the journal of cash documents of a period.

local L = Ledger

-- The stored order `id` of `table_name` (ledmark_pko, ledmark_rko) with its
-- number as text, or nil.
function L.cash_order(table_name, id)
    return L.stored_row(table_name, "*," .. L.as_text("number") .. " as num", id)
end

-- The accounting lines of an order, one per line of its table: the division,
-- the account of the other side printed with its analytic values, the
-- amount and the target purpose, with the order's own account (`main`, its
-- KBK `kbk`) first (receipt: the debit) or last (expense: the credit); and
-- their total.
function L.cash_order_lines(row, main, kbk, main_first)
    local main_cell = "<td align=center nowrap>" .. L.html(GL_Printable0(main, kbk, 0)) .. "</td>"
    local lines, total = {}, 0
    local rows = L.grid_rows(row.grid)
    -- An order written before orders had lines: its one account of the other side.
    if #rows == 0 and L.text(row.sch1) ~= "" then
        rows[1] = {main_first and row.kbk_kred or row.kbk_deb, row.sch1, "", "", "", row.s}
    end
    for _, cells in ipairs(rows) do
        local amount = L.number(cells[6], 0) or 0
        total = total + amount
        local values = {}
        for k = 3, 5 do
            if L.text(cells[k]) ~= "" then
                values[#values + 1] = L.html(cells[k])
            end
        end
        lines[#lines + 1] = string.format("<tr>%s<td align=center>%s</td><td align=center nowrap>%s</td>"
            .. "<td align=center>%s</td><td align=right nowrap>%s</td><td align=center>%s</td>%s</tr>",
            main_first and main_cell or "", L.html(row.prd0), L.html(GL_Printable0(cells[2], cells[1], 0)),
            table.concat(values, " / "), L.money(amount), L.html(row.cn), main_first and "" or main_cell)
    end
    return table.concat(lines), total
end

-- The head of an order: the organisation, the division and the form's code.
function L.cash_order_head(row, code)
    local division = L.text(row.prd0) ~= "" and
        db.string(string.format("select name as str from spr_prd where id=%d", L.integer(row.prd0) or 0)) or ""
    return L.form_code(code)
        .. "<p>" .. L.html(db.constant("ORG_NAME")) .. "<br><small>(организация)</small></p>"
        .. "<p>" .. L.html(division) .. "<br><small>(структурное подразделение)</small></p>"
end

-- The number and date box under the title.
function L.cash_order_number(title, row)
    return "<table border=1 cellspacing=0 cellpadding=3 align=center><tr><td rowspan=2><b>" .. L.html(title)
        .. "</b></td><td align=center>Номер документа</td><td align=center>Дата составления</td></tr>"
        .. "<tr><td align=center><b>" .. L.html(row.num) .. "</b></td><td align=center><b>" .. L.html(row.d)
        .. "</b></td></tr></table>"
end

-- An amount in words, or "" for none.
function L.cash_in_words(total)
    return L.html(app.in_words(total))
end

-- The journal of cash documents: the receipt and expense orders from `from`
-- to `to` (dd.mm.yyyy) of the listed branches (all for an empty list), by
-- date, receipts first.
function L.cash_journal_page(from_text, to_text, branches_text)
    local from, to = L.date(from_text), L.date(to_text)
    if not from or not to then
        error("Журнал кассовых документов: неверный период " .. L.text(from_text) .. " - " .. L.text(to_text))
    end
    local branches = L.integer_list(branches_text)
    if not branches then
        error("Журнал кассовых документов: неверный список филиалов \"" .. L.text(branches_text) .. "\"")
    end
    local filter = branches ~= "" and (" and fil_id in (" .. branches .. ")") or ""
    local function part(kind, table_name)
        return string.format("select %d as kind,d,%s as num,s,fio,icn,real_id from %s where d>=%s and d<=%s%s",
            kind, L.as_text("number"), table_name, L.sql_date(from), L.sql_date(to), filter)
    end
    local sql = part(1, "ledmark_pko") .. " union all " .. part(2, "ledmark_rko") .. " order by d,kind,real_id"
    local lines, totals = {}, {0, 0}
    for row in db.rows(sql) do
        local kind = L.integer(row.kind)
        local amount = L.number(row.s, 0) or 0
        totals[kind] = totals[kind] + amount
        local receipt, expense = "", ""
        if kind == 1 then receipt = L.money(amount) else expense = L.money(amount) end
        lines[#lines + 1] = string.format("<tr><td align=center>%s</td><td align=center>%s</td>"
            .. "<td align=right nowrap>%s</td><td>%s</td><td align=center>%s</td><td align=center>%s</td>"
            .. "<td align=right nowrap>%s</td><td>%s</td><td></td></tr>",
            kind == 1 and L.html(row.d) or "", kind == 1 and L.html(row.num) or "", receipt,
            kind == 1 and L.html(L.text(row.icn) ~= "" and row.icn or row.fio) or "",
            kind == 2 and L.html(row.d) or "", kind == 2 and L.html(row.num) or "", expense,
            kind == 2 and L.html(L.text(row.icn) ~= "" and row.icn or row.fio) or "")
    end
    if #lines == 0 then
        lines[1] = "<tr><td colspan=9 align=center>Кассовых документов за период нет</td></tr>"
    end
    return "<html><body>"
        .. L.form_code("0310003")
        .. "<p>" .. L.html(db.constant("ORG_NAME")) .. "<br><small>(организация)</small></p>"
        .. (branches ~= "" and ("<p>" .. L.html(GetFilName0(branches)) .. "</p>") or "")
        .. "<h3 align=center>ЖУРНАЛ<br>регистрации приходных и расходных кассовых документов</h3>"
        .. "<p align=center>за период с " .. L.date_text(from) .. " по " .. L.date_text(to) .. "</p>"
        .. "<table border=1 cellspacing=0 cellpadding=3 width=100%>"
        .. "<tr><th colspan=4>Приход</th><th colspan=5>Расход</th></tr>"
        .. "<tr><th>Дата</th><th>Номер</th><th>Сумма, руб. коп.</th><th>Примечание</th>"
        .. "<th>Дата</th><th>Номер</th><th>Сумма, руб. коп.</th><th>Примечание</th><th>Подпись</th></tr>"
        .. "<tr><th>1</th><th>2</th><th>3</th><th>4</th><th>5</th><th>6</th><th>7</th><th>8</th><th>9</th></tr>"
        .. table.concat(lines)
        .. string.format("<tr><td colspan=2><b>Итого</b></td><td align=right><b>%s</b></td><td></td>"
            .. "<td colspan=2></td><td align=right><b>%s</b></td><td colspan=2></td></tr>",
            L.money(totals[1]), L.money(totals[2]))
        .. "</table>"
        .. "<p>Кассир _____________ " .. L.html(db.constant("ORG_KASSIR")) .. "</p>"
        .. "<p>Главный бухгалтер _____________ " .. L.html(db.constant("ORG_GL_BUH")) .. "</p>"
        .. "</body></html>"
end
