-- The turnover statement by account ("PrnOborotSchView"): for every account of
-- the form's grid, the opening balance, the debit and credit turnovers and the
-- closing balance of the period, broken down by the values of up to three
-- analytic dimensions chosen by their reference books and, when asked, by KBK;
-- the totals of each account and the signatures.
--
-- Every figure of an account comes from one aggregate statement over its
-- postings (both sides at once); the values, KBK and branches typed on the
-- form reach SQL only as checked numbers or quoted literals.

local L = Ledger
local CAPTION = "Оборотная ведомость по счету"

local function refuse(text)
    return L.refuse(0, CAPTION .. ": " .. text)
end

-- The codes typed into a value edit ("5, 7"): a list of texts, empty for none.
local function value_list(text)
    local values = {}
    for item in (L.text(text) .. ","):gmatch("([^,]*),") do
        item = L.text(item)
        if item ~= "" then
            values[#values + 1] = item
        end
    end
    return values
end

-- The dimension (1-3) of the account that uses reference book `book`, or nil.
local function dimension_of(account, book)
    for n = 1, 3 do
        if GL_Get_SB(account, n) == book then
            return n
        end
    end
    return nil
end

local function amount_cell(value, bold)
    local text = L.money(value)
    return "<td align=right nowrap>" .. (bold and "<b>" .. text .. "</b>" or text) .. "&nbsp;</td>"
end

-- A debit and credit pair netted onto one side.
local function netted(debit, credit)
    local rest = debit - credit
    if rest >= 0 then
        return rest, 0
    end
    return 0, -rest
end

-- The rows of one account: {keys = {kbk, v1, ...}, figures = {opening debit,
-- opening credit, debit, credit, closing debit, closing credit}} in key order.
local function account_rows(code, dims, split, period, filters)
    local keys_deb, keys_kred, names = {}, {}, {}
    if split then
        keys_deb[#keys_deb + 1], keys_kred[#keys_kred + 1] = "kbk_deb", "kbk_kred"
        names[#names + 1] = "kbk"
    end
    for i, dim in ipairs(dims) do
        keys_deb[#keys_deb + 1] = "deb_sb" .. dim.n
        keys_kred[#keys_kred + 1] = "kred_sb" .. dim.n
        names[#names + 1] = "v" .. i
    end
    local function select_list(keys)
        local list = {}
        for i, key in ipairs(keys) do
            list[#list + 1] = key .. " as " .. names[i]
        end
        return #list > 0 and table.concat(list, ",") .. "," or ""
    end
    local group = #names > 0 and " group by " .. table.concat(names, ",") .. " order by " .. table.concat(names, ",")
        or ""
    local sides = {}
    for _, side in ipairs({"deb", "kred"}) do
        local where = L.side_match(side, code) .. filters.common .. string.format(filters.kbk, side)
        for _, dim in ipairs(dims) do
            if #dim.values > 0 then
                local literals = {}
                for _, value in ipairs(dim.values) do
                    literals[#literals + 1] = L.sql_text(value)
                end
                where = where .. string.format(" and %s_sb%d in (%s)", side, dim.n, table.concat(literals, ","))
            end
        end
        sides[side] = where
    end
    local sql = string.format(
        "select %scoalesce(sum(case when d<%s then ds-ks else 0 end),0) as o,"
        .. "coalesce(sum(case when d>=%s then ds else 0 end),0) as dt,"
        .. "coalesce(sum(case when d>=%s then ks else 0 end),0) as kt from ("
        .. "select %sd,s as ds,0 as ks from ledmark_provodki where %s and d<=%s"
        .. " union all "
        .. "select %sd,0,s from ledmark_provodki where %s and d<=%s) q%s",
        #names > 0 and table.concat(names, ",") .. "," or "", period.from, period.from, period.from,
        select_list(keys_deb), sides.deb, period.to, select_list(keys_kred), sides.kred, period.to, group)
    local rows = {}
    for row in db.rows(sql) do
        local opening = tonumber(row.o) or 0
        local debit, credit = tonumber(row.dt) or 0, tonumber(row.kt) or 0
        local od, oc = netted(opening, 0)
        local cd, ck = netted(opening + debit - credit, 0)
        local keys = {}
        for i, name in ipairs(names) do
            keys[i] = row[name] or ""
        end
        if opening ~= 0 or debit ~= 0 or credit ~= 0 then
            rows[#rows + 1] = {keys = keys, figures = {od, oc, debit, credit, cd, ck}}
        end
    end
    return rows
end

local function value_text(account, n, value)
    if value == "" then
        return "(не указано)"
    end
    local name = GL_SB_Name(account, n, value)
    return L.html(value) .. (name ~= "" and " " .. L.html(name) or "")
end

local function account_table(account, dims, split, rows)
    local parts = {}
    local heads = {}
    if split then
        heads[#heads + 1] = "КБК"
    end
    for _, dim in ipairs(dims) do
        heads[#heads + 1] = L.html(dim.name)
    end
    parts[#parts + 1] = string.format(
        "<tr><td><br><b>Счет %s</b> %s</td></tr><tr><td><table width=100%% cellpadding=2 cellspacing=0 border=1>",
        L.html(GL_Printable(account)), L.html(GetSchName(account)))
    local head = "<tr bgcolor='#CCCCFF'>"
    if #heads == 0 then
        heads[1] = "Счет"
    end
    for _, text in ipairs(heads) do
        head = head .. "<td align=center rowspan=2>" .. text .. "</td>"
    end
    head = head .. "<td align=center colspan=2>сальдо на начало периода</td><td align=center colspan=2>обороты за период</td>"
        .. "<td align=center colspan=2>сальдо на конец периода</td></tr><tr bgcolor='#CCCCFF'>"
        .. string.rep("<td align=center width=80>дебет</td><td align=center width=80>кредит</td>", 3) .. "</tr>"
    parts[#parts + 1] = head
    local totals = {0, 0, 0, 0, 0, 0}
    local colour = "#dddddd"
    for _, row in ipairs(rows) do
        colour = colour == "#eeeeee" and "#dddddd" or "#eeeeee"
        local line = "<tr bgcolor=" .. colour .. ">"
        local k = 1
        if split then
            line = line .. "<td nowrap>&nbsp;" .. L.html(L.kbk_text(row.keys[1])) .. "</td>"
            k = 2
        end
        for i, dim in ipairs(dims) do
            line = line .. "<td>&nbsp;" .. value_text(account, dim.n, row.keys[k + i - 1]) .. "</td>"
        end
        if #dims == 0 and not split then
            line = line .. "<td nowrap>&nbsp;" .. L.html(GL_Printable(account)) .. "</td>"
        end
        for i, value in ipairs(row.figures) do
            line = line .. amount_cell(value, false)
            totals[i] = totals[i] + value
        end
        parts[#parts + 1] = line .. "</tr>"
    end
    totals[1], totals[2] = netted(totals[1], totals[2])
    totals[5], totals[6] = netted(totals[5], totals[6])
    local line = string.format("<tr bgcolor=#CCCCFF><td align=center colspan=%d><b>Итого по счету:</b></td>",
        math.max(#heads, 1))
    for _, value in ipairs(totals) do
        line = line .. amount_cell(value, true)
    end
    parts[#parts + 1] = line .. "</tr></table></td></tr>"
    return table.concat(parts)
end

-- The statement as a page, or nil and the reason why it cannot be made.
local function statement_page(from_text, to_text, source, grid, indexes, books, values, kbk, branches, split)
    local choices, why = L.report_choices(from_text, to_text, branches, kbk)
    if not choices then
        return nil, why
    end
    local from, to, fils, kbks = choices.from, choices.to, choices.fils, choices.kbks
    local digit = L.integer(source)
    if not digit or digit < 0 or digit > 4 then
        return nil, "неверный источник финансирования \"" .. L.text(source) .. "\""
    end
    local accounts = {}
    for _, cells in ipairs(L.grid_rows(grid)) do
        local synthetic = L.text(cells[1])
        if synthetic ~= "" then
            local code = GL_Get_SCH(digit, synthetic, L.text(cells[2]), L.text(cells[3]))
            if code == "" then
                return nil, "неверный счет \"" .. L.html(synthetic .. " " .. L.text(cells[2]) .. " "
                    .. L.text(cells[3])) .. "\""
            end
            accounts[#accounts + 1] = code
        end
    end
    if #accounts == 0 then
        return nil, "не указан ни один счет"
    end
    -- The kinds chosen: a selected entry (index above 0) with its book.
    local kinds = {}
    for k = 1, 3 do
        local index, book = L.integer(indexes[k]) or 0, L.integer(books[k]) or -1
        if index > 0 and book > 0 then
            kinds[#kinds + 1] = {book = book, values = value_list(values[k])}
        end
    end
    local filters = {common = "", kbk = ""}
    if fils ~= "" and fils ~= "-2" then
        filters.common = " and fil_id in (" .. fils .. ")"
    end
    if kbks ~= "" then
        filters.kbk = " and kbk_%s in (" .. kbks .. ")"
    end
    local period = {from = L.sql_date(from), to = L.sql_date(to)}
    local by_kbk = (L.integer(split) or 0) ~= 0
    local body = {}
    for _, account in ipairs(accounts) do
        local dims = {}
        for _, kind in ipairs(kinds) do
            local n = dimension_of(account, kind.book)
            if n then
                local book = L.book(kind.book)
                dims[#dims + 1] = {n = n, values = kind.values, name = book and book.caption or ""}
            end
        end
        body[#body + 1] = account_table(account, dims, by_kbk, account_rows(account, dims, by_kbk, period, filters))
    end
    local heading = "с " .. L.date_text(from) .. " по " .. L.date_text(to)
    return "<html><body><table width=100% cellpadding=0 cellspacing=0 border=0>"
        .. "<tr><td align=center><font color=brown><b>О Б О Р О Т Н А Я&nbsp;&nbsp;&nbsp;В Е Д О М О С Т Ь"
        .. "&nbsp;&nbsp;&nbsp;П О&nbsp;&nbsp;&nbsp;С Ч Е Т У " .. heading .. "</b></font></td></tr>"
        .. "<tr><td align=center>" .. L.html(GetFilName0(fils)) .. "</td></tr>"
        .. table.concat(body) .. L.register_signatures(os.date("%d.%m.%Y")) .. "</table></body></html>"
end

-- OK of the form: from, to (dd.mm.yyyy), source (0-4), the accounts grid
-- serialized, the selected index of kind lists 1-3 (0 for none), the book of
-- each selected entry (-1 for none), the value texts of the three rows, the
-- KBK list, the branch list and the split by KBK (0/1).
function OnOk(from, to, source, grid, i1, i2, i3, b1, b2, b3, v1, v2, v3, kbk, branches, split)
    local page, reason = statement_page(from, to, source, grid, {i1, i2, i3}, {b1, b2, b3}, {v1, v2, v3},
        kbk, branches, split)
    if not page then
        return refuse(reason)
    end
    app.report(page, CAPTION)
    return 1
end
