-- Helpers of the ledger's printed reports: texts made safe for an HTML page,
-- the source lists of the reports by sources of financing and the balances
-- they show.

local L = Ledger

local html_entities = {["&"] = "&amp;", ["<"] = "&lt;", [">"] = "&gt;", ['"'] = "&quot;"}

-- A text made safe inside an HTML page.
function L.html(value)
    return (L.text(value):gsub('[&<>"]', html_entities))
end

-- The sources of a report's list as the report forms pass it, one item per
-- checked source "<code>:<budget classification ids>:<further ids>", items
-- joined by ";" ("1:3,4:;2::"): a list of {source, kbk, extra}, or nil and
-- the reason when an item is not so (a code that is no number among them).
function L.checked_source_list(text)
    local list = {}
    text = L.text(text)
    if text == "" then
        return list
    end
    for item in (text .. ";"):gmatch("([^;]*);") do
        local source, codes, extra = item:match("^([^:]*):([^:]*):?(.*)$")
        local number = L.integer(source)
        local kbk = codes and L.integer_list(codes)
        local further = L.integer_list(extra or "")
        if not number or number < 0 or number > 9 or not kbk or not further then
            return nil, "Неверный список источников финансирования \"" .. text .. "\""
        end
        list[#list + 1] = {source = number, kbk = kbk, extra = further}
    end
    return list
end

-- The same list; an item that is not so stops the report with the reason.
function L.source_list(text)
    local list, reason = L.checked_source_list(text)
    if not list then
        error(reason)
    end
    return list
end

-- The condition on one side ("deb" or "kred") of the postings for a source
-- list, " and (...)"; no source gives a condition no posting meets.
function L.source_condition(side, sources)
    local parts = {}
    for _, item in ipairs(sources) do
        local part = string.format("%s0='%d'", side, item.source)
        if item.kbk ~= "" then
            part = string.format("(%s and kbk_%s in (%s))", part, side, item.kbk)
        end
        parts[#parts + 1] = part
    end
    if #parts == 0 then
        return " and (1=0)"
    end
    return " and (" .. table.concat(parts, " or ") .. ")"
end

-- Balances at `date` of the postings of the branches (a list of ids, "" all)
-- and the sources: one row per source, budget classification code and
-- account (with `analytic` also per analytic values 1-3) whose balance is not
-- zero, in that order: {source, kbk, account, sb = {1, 2, 3}, balance}.
function L.source_balances(date, sources, branches, analytic)
    local branch_condition = GetFilsSql(branches)
    local function side(name, sign)
        local values = ""
        if analytic then
            values = string.format(",%s_sb1 as sb1,%s_sb2 as sb2,%s_sb3 as sb3", name, name, name)
        end
        return string.format(
            "select %s0 as c0,%s1 as c1,%s2 as c2,%s3 as c3,kbk_%s as kbk%s,%ss as amount "
                .. "from ledmark_provodki where d<=%s and %s1 is not null%s%s",
            name, name, name, name, name, values, sign, L.sql_date(date), name, branch_condition,
            L.source_condition(name, sources))
    end
    local group = "c0,c1,c2,c3,kbk" .. (analytic and ",sb1,sb2,sb3" or "")
    local sql = "select " .. group .. ",sum(amount) as balance from (" .. side("deb", "") .. " union all "
        .. side("kred", "-") .. ") q group by " .. group .. " order by " .. group
    local rows = {}
    for row in db.rows(sql) do
        local balance = L.number(row.balance, 0)
        if math.abs(balance) >= 0.005 then
            rows[#rows + 1] = {
                source = L.text(row.c0),
                kbk = L.text(row.kbk),
                account = L.text(row.c0) .. L.text(row.c1) .. L.text(row.c2) .. L.text(row.c3),
                sb = {L.text(row.sb1), L.text(row.sb2), L.text(row.sb3)},
                balance = balance,
            }
        end
    end
    return rows
end

local function kbk_code(id)
    if id == "" then
        return ""
    end
    return L.remembered("kbk_rasx:" .. id, function()
        return db.string("select rasx as str from spr_kbk where id=" .. L.integer(id))
    end)
end

local function analytic_text(row)
    local names = {}
    for n = 1, 3 do
        if row.sb[n] ~= "" then
            local name = GL_SB_Name(row.account, n, row.sb[n])
            names[#names + 1] = row.sb[n] .. (name ~= "" and " " .. name or "")
        end
    end
    return table.concat(names, "; ")
end

local function money_cell(value, bold)
    if value <= 0 then
        return "<td></td>"
    end
    local text = L.money(value)
    return '<td align="right">' .. (bold and "<b>" .. text .. "</b>" or text) .. "</td>"
end

local function source_name(source)
    return db.string("select name as str from spr_if where id=" .. L.integer(source))
end

-- The page of the balances by sources of financing at a date: a table per
-- source with its budget classification codes and accounts, debit and credit
-- balances and the source's totals; with `analytic` a column of analytic values.
function L.source_balances_page(date_text, list_text, branches_text, analytic)
    local date = L.date(date_text)
    if not date then
        error("Неверная дата отчета \"" .. L.text(date_text) .. "\"")
    end
    local branches = L.integer_list(branches_text)
    if not branches then
        error("Неверный список филиалов \"" .. L.text(branches_text) .. "\"")
    end
    local sources = L.source_list(list_text)
    local rows = L.source_balances(date, sources, branches, analytic)
    local title = analytic and "Остатки по источникам финансирования и аналитике" or "Остатки по источникам финансирования"
    local page = {
        "<html><body>",
        "<h3 align=\"center\">" .. title .. " на " .. L.date_text(date) .. "</h3>",
        "<p align=\"center\">" .. L.html(GetFilName0(branches)) .. "</p>",
    }
    local head = "<tr><th>КБК</th><th>Счет</th><th>Наименование счета</th>"
        .. (analytic and "<th>Аналитика</th>" or "") .. "<th>Дебет</th><th>Кредит</th></tr>"
    local columns = analytic and 4 or 3
    local current, debit, credit
    local function close_source()
        if current then
            page[#page + 1] = string.format('<tr><td colspan="%d"><b>Итого по источнику</b></td>', columns)
                .. money_cell(debit, true) .. money_cell(credit, true) .. "</tr></table>"
        end
    end
    for _, row in ipairs(rows) do
        if row.source ~= current then
            close_source()
            current, debit, credit = row.source, 0, 0
            page[#page + 1] = "<p><b>" .. L.html(row.source .. " " .. source_name(row.source)) .. "</b></p>"
            page[#page + 1] = '<table border="1" cellspacing="0" cellpadding="3" width="100%">' .. head
        end
        if row.balance > 0 then
            debit = debit + row.balance
        else
            credit = credit - row.balance
        end
        page[#page + 1] = "<tr><td>" .. L.html(kbk_code(row.kbk)) .. "</td><td>" .. L.html(row.account)
            .. "</td><td>" .. L.html(GetSchName(row.account)) .. "</td>"
            .. (analytic and "<td>" .. L.html(analytic_text(row)) .. "</td>" or "")
            .. money_cell(row.balance) .. money_cell(-row.balance) .. "</tr>"
    end
    close_source()
    if #rows == 0 then
        page[#page + 1] = "<p>Остатков нет.</p>"
    end
    page[#page + 1] = "</body></html>"
    return table.concat(page, "\n")
end

-- The select text of a list of stored documents: the columns of `table`
-- (a select list naming the row's key first) for the documents dated in the
-- user's working period, newest first.
function L.document_list(table_name, columns)
    local name = L.identifier(table_name)
    if not name then
        error("Неверное имя таблицы документов: " .. L.text(table_name))
    end
    local user = db.user()
    local from, to = L.date(user.dpv1), L.date(user.dpv2)
    local period = ""
    if from and to then
        period = string.format(" where d between %s and %s", L.sql_date(from), L.sql_date(to))
    end
    return string.format("select %s from %s%s order by d desc, real_id desc", columns, name, period)
end

-- The short name of the user who prints: "Фамилия И.О.".
local function executor_name()
    local user = db.user()
    local row = L.row(string.format("select f,i,o from tn where tn=%d", L.integer(user.tn) or 0))
    if not row then
        return ""
    end
    local initials = ""
    for _, part in ipairs({row.i, row.o}) do
        local text = L.text(part)
        if text ~= "" then
            initials = initials .. utf8.char(utf8.codepoint(text, 1)) .. "."
        end
    end
    return L.text(row.f) .. (initials ~= "" and " " .. initials or "")
end

-- The rows under a register page (rows of its outer table): the chief
-- accountant (constant ORG_GL_BUH), the executor (the user who prints) and
-- the date line of `date` (dd.mm.yyyy).
function L.register_signatures(date)
    local gap = "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"
    return "<tr><td height=35 valign=bottom>" .. gap .. "Главный бухгалтер:" .. gap .. gap .. gap
        .. "_________________________" .. gap .. "(Ф.И.О.)" .. gap .. L.html(db.constant("ORG_GL_BUH")) .. "</td></tr>"
        .. "<tr><td height=35 valign=bottom>" .. gap .. "(Исполнитель) бухгалтер:" .. gap
        .. "_________________________" .. gap .. "(Ф.И.О.)" .. gap .. L.html(executor_name()) .. "</td></tr>"
        .. "<tr><td valign=top align=right>" .. gap .. "<font size=1>Дата:" .. gap .. " " .. date .. "</font></td></tr>"
end

-- The expense code of a KBK id as the registers print it; "без КБК" for none.
function L.kbk_text(id)
    if id == "" then
        return "без КБК"
    end
    return L.remembered("kbk_rasx:" .. id, function()
        return db.string("select rasx as str from spr_kbk where id=" .. (L.integer(id) or 0))
    end)
end
