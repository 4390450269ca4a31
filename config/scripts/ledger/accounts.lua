-- Accounts of the chart: existence, analytic dimensions, quantities, off-balance
-- accounts, names, printed forms and the full code of a short one.

local L = Ledger

-- Reference-book number of analytic dimension n (1..3) of an account; 0 = none.
function GL_Get_SB(account, n)
    n = L.integer(n)
    local code = L.account_code(account)
    if not code or not n or n < 1 or n > 3 then
        return 0
    end
    local row = L.describe_account(code)
    return row and row.sb[n] or 0
end

function GL_IsZab(account)
    local code = L.account_code(account)
    local row = code and L.describe_account(code)
    return (row and row.zab) and 1 or 0
end

function GL_Should_Have_Kol(account)
    local code = L.account_code(account)
    local row = code and L.describe_account(code)
    return (row and row.kol) and 1 or 0
end

-- Whether the side (1 debit, 2 credit, anything else: either) may use the row.
local function side_allows(row, side)
    return row.tp == 3 or (side ~= 1 and side ~= 2) or row.tp == side
end

-- 1 when the account may be posted: a full code of the chart under a source of
-- financing; with `short` set a synthetic code (3 digits) of the chart is
-- accepted too; with `side` 1 or 2 the KOSGU code must be one of that side.
function GL_Valid_Sch0(account, short, side)
    local text = L.text(account)
    if (L.integer(short) or 0) ~= 0 and L.is_digits(text, 3) then
        return db.count(string.format(
            "select count(*) as cnt from spr_plan_sch where col0=0 and col1='%s' and col2='00' and col3='000'",
            text)) > 0 and 1 or 0
    end
    local code = L.account_code(text)
    if not code or code:sub(1, 1) == "0" then
        return 0
    end
    local row = L.posting_account(code)
    return (row and side_allows(row, L.integer(side))) and 1 or 0
end

function GL_Valid_Sch(account, short, side)
    return GL_Valid_Sch0(account, short, side)
end

-- What the chart says of several accounts, each as GL_IsZab, GL_Valid_Sch(account,
-- 0, -1), GL_Should_Have_Kol and GL_Get_SB(account, 1..3) say it: one line
-- "zab valid kol book1 book2 book3" per account, in the order given. Inside a
-- read cache the rows of all the accounts are read in one query first, so the
-- checks of a document's lines ask the chart once.
function GL_AccountFacts(...)
    local accounts = {...}
    local count = select("#", ...)
    local codes = {}
    for i = 1, count do
        codes[#codes + 1] = L.account_code(accounts[i])
    end
    L.read_posting_rows(codes)
    local lines = {}
    for i = 1, count do
        local account = accounts[i]
        -- The account's row is looked up once for the facts GL_IsZab,
        -- GL_Should_Have_Kol and GL_Get_SB take from it.
        local code = L.account_code(account)
        local row = code and L.describe_account(code)
        local sb = row and row.sb or {0, 0, 0}
        lines[i] = string.format("%d %d %d %d %d %d", (row and row.zab) and 1 or 0, GL_Valid_Sch(account, 0, -1),
            (row and row.kol) and 1 or 0, sb[1], sb[2], sb[3])
    end
    return table.concat(lines, "\n")
end

-- Checks an analytic value of dimension k against the account's row. Returns nil
-- when it is good, else the text of the refusal.
function L.analytic_fault(code, row, k, value, side_name)
    local book = L.book(row.sb[k])
    if not book then
        return nil
    end
    local text = L.text(value)
    local function what()
        return string.format("субконто%d (%s) %s %s", k, L.text(book.caption), side_name, code)
    end
    if text == "" or text == "<...>" then
        return "Укажите " .. what()
    end
    if not L.book_has(book, text) then
        return string.format("Нет значения \"%s\" в справочнике: %s", text, what())
    end
    return nil
end

-- 0 when the account exists and its analytic values are given and exist in their
-- reference books; 1 = the account is at fault, 2..4 = analytic value 1..3.
-- With `mode` non-zero the user is told why.
function GL_TestSch(account, value1, value2, value3, mode, side)
    local refuse = L.refusal(mode)
    local code = L.account_code(account)
    local row = code and code:sub(1, 1) ~= "0" and L.posting_account(code)
    if not row then
        return refuse(1, "Нет такого счета: " .. L.text(account))
    end
    if not side_allows(row, L.integer(side)) then
        return refuse(1, string.format("Счет %s не используется по %s", code,
            L.integer(side) == 1 and "дебету" or "кредиту"))
    end
    local values = {value1, value2, value3}
    for k = 1, 3 do
        local fault = L.analytic_fault(code, row, k, values[k], "счета")
        if fault then
            return refuse(k + 1, fault)
        end
    end
    return 0
end

-- Name of an account: of its KOSGU row, else of its analytic or synthetic account.
function GetSchName(account)
    local code = L.account_code(account)
    local row = code and L.describe_account(code)
    return row and row.name or ""
end

-- Kind of the account: "А" active, "П" passive, "АП" active-passive.
function GL_Get_AP(account)
    local code = L.account_code(account)
    local row = code and L.describe_account(code)
    return row and row.ap or ""
end

-- The account as registers print it: "2 304 05 000"; an off-balance account by
-- its number ("17"); a text that is no account code as it is.
function GL_Printable(account)
    local code = L.account_code(account)
    if not code then
        return L.text(account)
    end
    local source, synthetic, analytic, kosgu = L.parts(code)
    if synthetic:sub(1, 1) == "0" and analytic == "00" and kosgu == "000" and GL_IsZab(code) == 1 then
        return tostring(tonumber(synthetic))
    end
    return string.format("%s %s %s %s", source, synthetic, analytic, kosgu)
end

-- The printed account preceded by the code of its budget classification (an
-- spr_kbk id); without a code the account alone.
function GL_Printable0(account, kbk, flag)
    local printable = GL_Printable(account)
    local id = L.integer(kbk)
    if not id then
        return printable
    end
    local rasx = db.string(string.format("select rasx as str from spr_kbk where id=%d", id))
    if rasx == "" then
        return printable
    end
    return rasx .. " " .. printable
end

function GL_Printable1(account, kbk, flag)
    return GL_Printable0(account, kbk, flag)
end

-- The code made of its four parts, each padded with zeros to its width.
function GL_Get_SCH(source, synthetic, analytic, kosgu)
    local function pad(value, width)
        local text = L.text(value)
        return string.rep("0", width - #text) .. text
    end
    local parts = {pad(source, 1), pad(synthetic, 3), pad(analytic, 2), pad(kosgu, 3)}
    for _, part in ipairs(parts) do
        if not L.is_digits(part) then
            return ""
        end
    end
    return table.concat(parts)
end

-- The full code of an account typed short on the debit (1) or credit (2) side:
-- source, synthetic and analytic account (6 digits) get the first KOSGU code
-- of the chart that the side may use; the point form becomes a code; any other
-- text comes back as typed.
local function full_account(text, side)
    text = L.text(text)
    local code = L.account_code(text)
    if code and not L.is_digits(text, 3) and not L.is_digits(text, 2) and not L.is_digits(text, 1) then
        return code
    end
    if not L.is_digits(text, 6) then
        return text
    end
    local kosgu = db.string(string.format(
        "select min(col3) as str from spr_plan_sch where col0=%d and col1='%s' and col2='%s' and (tp=%d or tp=3)",
        tonumber(text:sub(1, 1)), text:sub(2, 4), text:sub(5, 6), side))
    if kosgu == "" then
        return text
    end
    return text .. kosgu
end

function GL_GetFullSchDeb(text)
    return full_account(text, 1)
end

function GL_GetFullSchKred(text)
    return full_account(text, 2)
end

-- Name of an analytic value of dimension n of an account.
function GL_SB_Name(account, n, value)
    local book = L.book(GL_Get_SB(account, n))
    if not book or L.text(value) == "" then
        return ""
    end
    return L.book_name(book, value)
end

-- Unit of measure of an item of a reference book that keeps units (column ei).
function GL_Get_EI(table_name, code)
    local name = L.identifier(table_name)
    if not name or L.text(code) == "" then
        return ""
    end
    return db.string(string.format(
        "select spr_ei.name as str from %s left join spr_ei on spr_ei.id=%s.ei where %s.id=%s",
        name, name, name, L.sql_text(code)))
end

-- SQL condition on the postings of an account on either side.
function GetWhere(account)
    local code = L.account_code(account)
    if not code then
        return "1=0"
    end
    return "(" .. L.side_match("deb", code) .. " or " .. L.side_match("kred", code) .. ")"
end

-- A wider filter of journal accounts than the one a journal row gives: the
-- analytic account for a KOSGU code, the synthetic account for an analytic one.
function local_get_filter(col1, col2, col3)
    local synthetic, analytic, kosgu = L.text(col1), L.text(col2), L.text(col3)
    if not L.is_digits(synthetic, 3) then
        return "1=0"
    end
    local filter = string.format("spr_jrn_oper1.col1='%s'", synthetic)
    if L.is_digits(analytic, 2) and analytic ~= "00" and L.is_digits(kosgu, 3) and kosgu ~= "000" then
        return filter .. string.format(" and spr_jrn_oper1.col2='%s' and spr_jrn_oper1.col3='000'", analytic)
    end
    return filter .. " and spr_jrn_oper1.col2='00' and spr_jrn_oper1.col3='000'"
end
