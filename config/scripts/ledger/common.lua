-- Helpers shared by the ledger's scripts: reading the arguments of a call,
-- account codes, dates, numbers, SQL through the host, the chart of accounts
-- and the reference books of the analytic dimensions.
--
-- Values from callers reach SQL only as checked numbers, as codes checked to be
-- digits, or through the host's literal helpers (Ledger.sql_text, Ledger.sql_date).

Ledger = Ledger or {}
local L = Ledger

-- Arguments -------------------------------------------------------------------

-- The text of an argument: nil becomes "", numbers their text, blanks trimmed.
local function is_blank(byte)
    return byte == 32 or (byte ~= nil and byte >= 9 and byte <= 13)
end

function L.text(value)
    if value == nil then
        return ""
    end
    local text = tostring(value)
    -- Most arguments carry no blanks at either end: they are taken as they are.
    if not is_blank(text:byte(1)) and not is_blank(text:byte(-1)) then
        return text
    end
    return (text:gsub("^%s+", ""):gsub("%s+$", ""))
end

function L.is_digits(text, length)
    return text:match("^%d+$") ~= nil and (length == nil or #text == length)
end

-- A whole number written as text ("12", "-2"), or nil.
function L.integer(value)
    local text = L.text(value)
    if text:match("^%-?%d+$") then
        return math.tointeger(tonumber(text))
    end
    return nil
end

-- An amount or quantity: "" gives the default, "," is read as the decimal
-- point, anything else that is not a number gives nil.
function L.number(value, default)
    local text = L.text(value):gsub(",", ".")
    if text == "" then
        return default
    end
    if not text:match("^[-+]?%d*%.?%d*$") or not text:match("%d") then
        return nil
    end
    return tonumber(text)
end

-- A comma-separated list of whole numbers ("1,3,5") as checked SQL text, or nil
-- when an item is not a number. An empty list gives "".
function L.integer_list(value)
    local text = L.text(value)
    if text == "" then
        return ""
    end
    local items = {}
    for item in (text .. ","):gmatch("([^,]*),") do
        local number = L.integer(item)
        if number == nil then
            return nil
        end
        items[#items + 1] = tostring(number)
    end
    return table.concat(items, ",")
end

-- Money as the answers carry it: two decimals with ".", no grouping, rounded
-- to kopecks as the program rounds them (half away from zero: 2.675 is "2.68").
function L.money(value)
    return app.money(value or 0)
end

-- A quantity: up to three decimals, trailing zeros dropped.
function L.quantity(value)
    local text = string.format("%.3f", value or 0):gsub("0+$", ""):gsub("%.$", "")
    if text == "-0" then
        text = "0"
    end
    return text
end

-- Dates -----------------------------------------------------------------------

-- A date written dd.mm.yyyy (d.m.yyyy also) as {y, m, d}, or nil.
function L.date(value)
    local day, month, year = L.text(value):match("^(%d%d?)%.(%d%d?)%.(%d%d%d%d)$")
    if not day then
        return nil
    end
    day, month, year = tonumber(day), tonumber(month), tonumber(year)
    if month < 1 or month > 12 or day < 1 then
        return nil
    end
    local days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}
    if month == 2 and (year % 4 == 0 and (year % 100 ~= 0 or year % 400 == 0)) then
        days[2] = 29
    end
    if day > days[month] then
        return nil
    end
    return {y = year, m = month, d = day}
end

function L.date_text(date)
    return string.format("%02d.%02d.%04d", date.d, date.m, date.y)
end

function L.date_key(date)
    return date.y * 10000 + date.m * 100 + date.d
end

-- A report's period, its branch list and its KBK list as the form hands them
-- over: the dates and the two lists, or nil and the reason for the page.
function L.report_choices(from_text, to_text, branches, kbk)
    local from, to = L.date(from_text), L.date(to_text)
    if not from or not to then
        return nil, "неверный период \"" .. L.html(from_text) .. "\" - \"" .. L.html(to_text) .. "\""
    end
    if L.date_key(from) > L.date_key(to) then
        return nil, "начало периода позже его конца"
    end
    local fils = L.integer_list(branches)
    if not fils then
        return nil, "неверный список филиалов \"" .. L.html(branches) .. "\""
    end
    local kbks = L.integer_list(kbk)
    if not kbks then
        return nil, "неверный список КБК \"" .. L.html(kbk) .. "\""
    end
    return {from = from, to = to, fils = fils, kbks = kbks}
end

-- A date literal of the current SQL dialect.
function L.sql_date(date)
    return db.date(L.date_text(date))
end

-- An SQL date literal as callers pass it ('2024-01-31', or null), checked so that
-- nothing but a date goes into the statement.
function L.checked_date_literal(value)
    local text = L.text(value)
    if text:match("^'%d%d%d%d%-%d%d%-%d%d'$") or text:match("^'%d%d%d%d%d%d%d%d'$")
        or text:match("^{d '%d%d%d%d%-%d%d%-%d%d'}$") or text:lower() == "null" then
        return text
    end
    return nil
end

-- SQL through the host ------------------------------------------------------------

-- The rows of a query as a list of tables keyed by column name (NULL is nil).
function L.rows(sql)
    local list = {}
    for row in db.rows(sql) do
        list[#list + 1] = row
    end
    return list
end

-- The first row of a query, or nil.
function L.row(sql)
    for row in db.rows(sql) do
        return row
    end
    return nil
end

-- A text literal: quoted and escaped by the host; "" stays an empty text.
function L.sql_text(value)
    return db.str(L.text(value))
end

-- A text literal, or null for an empty text.
function L.sql_text_or_null(value)
    local text = L.text(value)
    if text == "" then
        return "null"
    end
    return L.sql_text(text)
end

-- SQL expression: the whole number that a text column begins with.
function L.leading_number(column)
    local driver = L.integer(db.driver())
    if driver == 2 then
        return string.format("cast(nullif(substring(cast(%s as varchar) from '^[0-9]+'),'') as bigint)", column)
    elseif driver == 0 or driver == 3 then
        return string.format("cast(left(%s,patindex('%%[^0-9]%%',cast(%s as varchar(30))+'x')-1) as bigint)",
            column, column)
    end
    return string.format("cast(%s as unsigned)", column)
end

-- An SQL identifier (a table name) given by a caller: letters, digits and "_".
function L.identifier(value)
    local text = L.text(value)
    if text:match("^[%a_][%w_]*$") then
        return text
    end
    return nil
end

-- Tells the user why something was refused and gives `answer` back.
function L.refuse(answer, text)
    app.warning(text)
    return answer
end

-- The refusal of a check that tells the user only when its mode asks for it
-- (mode non-zero; the callers pass 1).
function L.refusal(mode)
    local tell = (L.integer(mode) or 1) ~= 0
    return function(code, text)
        if tell then
            app.warning(text)
        end
        return code
    end
end

-- Account codes -------------------------------------------------------------------

-- The 9-digit code of an account given as a full code, in the point form
-- (304.05.2) or as a short off-balance synthetic code ("17"); nil otherwise.
function L.account_code(value)
    local text = L.text(value)
    if L.is_digits(text, 9) then
        return text
    end
    local synthetic, analytic, source = text:match("^(%d%d%d)%.(%d%d)%.(%d)$")
    if synthetic then
        return source .. synthetic .. analytic .. "000"
    end
    if L.is_digits(text) and #text <= 3 and #text > 0 then
        return "0" .. string.rep("0", 3 - #text) .. text .. "00000"
    end
    return nil
end

-- The parts of a code: source, synthetic, analytic, KOSGU.
function L.parts(code)
    return code:sub(1, 1), code:sub(2, 4), code:sub(5, 6), code:sub(7, 9)
end

-- Chart of accounts ----------------------------------------------------------------

local CHART_COLUMNS = "sb1,sb2,sb3,tp,kol,zab,ap,name"

-- What a script made of its reads, kept while the host's read cache holds
-- them (db.read_generation): inside the checks of a document's lines the
-- chart rows of an account pair are made once. Outside a read cache nothing
-- is kept. Callers must not change what they get.
local remembered = {generation = 0, values = {}}

function L.remembered(key, make)
    local generation = db.read_generation()
    if generation == 0 then
        return make()
    end
    if remembered.generation ~= generation then
        remembered = {generation = generation, values = {}}
    end
    local value = remembered.values[key]
    if value == nil then
        value = make()
        remembered.values[key] = value
    end
    return value
end

-- What is remembered under the key, without making it (nil when nothing is).
local function recalled(key)
    if db.read_generation() ~= remembered.generation then
        return nil
    end
    return remembered.values[key]
end

local function chart_row(fields)
    if not fields then
        return nil
    end
    return {
        sb = {L.integer(fields.sb1) or 0, L.integer(fields.sb2) or 0, L.integer(fields.sb3) or 0},
        tp = L.integer(fields.tp) or 3,
        kol = (L.integer(fields.kol) or 0) ~= 0,
        zab = L.text(fields.zab) == "+",
        ap = L.text(fields.ap),
        name = L.text(fields.name),
    }
end

-- The row of an account that may be posted: the exact code under its source.
-- Inside a read cache the rows that the posting test read for a pair of
-- accounts answer too (false stands for "no such row").
function L.posting_account(code)
    local row = L.remembered("posting_account|" .. code, function()
        local source, synthetic, analytic, kosgu = L.parts(code)
        return chart_row(L.row(string.format(
            "select %s from spr_plan_sch where col0=%d and col1='%s' and col2='%s' and col3='%s'",
            CHART_COLUMNS, tonumber(source), synthetic, analytic, kosgu))) or false
    end)
    return row or nil
end

-- The row that describes an account at the most precise level the chart has:
-- the code itself, then its analytic account, then its synthetic account (the
-- chart keeps the dimensions on every level). Used where the code may stand for
-- a whole level (source 0, analytic "00", KOSGU "000").
function L.describe_account(code)
    local row = L.posting_account(code)
    if row then
        return row
    end
    local _, synthetic, analytic, kosgu = L.parts(code)
    local levels = {{analytic, kosgu}, {analytic, "000"}, {"00", "000"}}
    for _, level in ipairs(levels) do
        row = chart_row(L.row(string.format(
            "select %s from spr_plan_sch where col0=0 and col1='%s' and col2='%s' and col3='%s'",
            CHART_COLUMNS, synthetic, level[1], level[2])))
        if row then
            return row
        end
    end
    return nil
end

-- The rows of several accounts in one query (absent ones skipped); keyed by code.
local function read_posting_accounts(codes)
    local found = {}
    local terms = {}
    -- not ipairs: it would stop at an absent first side (a credit-only posting)
    for _, code in pairs(codes) do
        local source, synthetic, analytic, kosgu = L.parts(code)
        terms[#terms + 1] = string.format("(col0=%d and col1='%s' and col2='%s' and col3='%s')",
            tonumber(source), synthetic, analytic, kosgu)
    end
    if #terms == 0 then
        return found
    end
    for fields in db.rows(string.format(
        "select col0,col1,col2,col3,%s from spr_plan_sch where %s", CHART_COLUMNS, table.concat(terms, " or "))) do
        found[L.text(fields.col0) .. L.text(fields.col1) .. L.text(fields.col2) .. L.text(fields.col3)] = chart_row(fields)
    end
    return found
end

-- Reads in one query the rows of the codes whose rows this read cache does not
-- hold yet, and keeps them (false for a code without a row) where
-- L.posting_account and the posting test find them: the accounts of a whole
-- document are then read at once instead of one or two at a time. Outside a
-- read cache it reads nothing, as nothing would be kept.
function L.read_posting_rows(codes)
    if db.read_generation() == 0 then
        return
    end
    local missing, seen = {}, {}
    for _, code in ipairs(codes) do
        if not seen[code] and recalled("posting_account|" .. code) == nil then
            seen[code] = true
            missing[#missing + 1] = code
        end
    end
    if #missing == 0 then
        return
    end
    local rows = read_posting_accounts(missing)
    for _, code in ipairs(missing) do
        L.remembered("posting_account|" .. code, function() return rows[code] or false end)
    end
end

function L.posting_accounts(first, second)
    return L.remembered("posting_accounts|" .. tostring(first) .. "|" .. tostring(second), function()
        -- Accounts whose rows were read one by one need no query of the pair.
        local rows, known = {}, true
        for _, code in pairs({first, second}) do
            local row = recalled("posting_account|" .. code)
            if row == nil then
                known = false
            elseif row then
                rows[code] = row
            end
        end
        if known then
            return rows
        end
        rows = read_posting_accounts({first, second})
        for _, code in pairs({first, second}) do
            L.remembered("posting_account|" .. code, function() return rows[code] or false end)
        end
        return rows
    end)
end

-- Reference books ---------------------------------------------------------------

-- The reference book of a number: {table, key, name, caption}, or nil.
-- The classes come from the configuration, which does not change while the
-- program runs: each is asked for once.
local known_books = {}

function L.book(number)
    if not number or number == 0 then
        return nil
    end
    local book = known_books[number]
    if book == nil then
        book = app.book(number)
        if not book or L.text(book.table) == "" then
            book = false
        end
        known_books[number] = book
    end
    return book or nil
end

-- The condition "the key of the book is `value`", compared as text: a number
-- column compared with a text would take the text's leading digits ("1 шт" as 1).
local function key_is(book, value)
    return string.format("concat(%s,'')=%s", book.key, L.sql_text(value))
end

-- Whether `value` is a key of the reference book.
function L.book_has(book, value)
    return db.count(string.format("select count(*) as cnt from %s where %s", book.table, key_is(book, value))) > 0
end

-- The name of `value` in the reference book ("" when there is none).
function L.book_name(book, value)
    return db.string(string.format("select %s as str from %s where %s", book.name, book.table, key_is(book, value)))
end

-- Branches --------------------------------------------------------------------------

-- SQL condition: the comma-separated branch list in `column` holds branch `id`.
function L.branch_list_holds(column, id)
    return string.format("(%s='%d' or %s like '%d,%%' or %s like '%%,%d,%%' or %s like '%%,%d')",
        column, id, column, id, column, id, column, id)
end

-- The user's working year (0 when the user has none).
function L.working_year()
    return L.integer(db.user().year) or 0
end
