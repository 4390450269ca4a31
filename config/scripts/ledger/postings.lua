-- Posting rules: open dates, document numbers, the test of a posting and the
-- statement that writes it into ledmark_provodki.

local L = Ledger

-- The actuality date (database constant "system_actual_date"): postings dated on
-- or before it may no longer be written or changed. nil when none is set.
function L.actual_date()
    return L.date(db.constant("system_actual_date"))
end

-- nil when documents of `date` may be written, else the reason.
function L.closed_date_fault(date)
    local actual = L.actual_date()
    if actual and L.date_key(date) <= L.date_key(actual) then
        return string.format("Период по %s закрыт: проводки с датой %s изменять нельзя",
            L.date_text(actual), L.date_text(date))
    end
    return nil
end

-- 1 when a stored document of that date may still be changed.
function GL_Verify_Date0(date_text)
    local date = L.date(date_text)
    if not date then
        return L.refuse(0, "Неверная дата: " .. L.text(date_text))
    end
    local fault = L.closed_date_fault(date)
    if fault then
        return L.refuse(0, fault)
    end
    return 1
end

-- 1 when documents may be written on that date: after the actuality date and,
-- with `mode` non-zero, inside the user's working year.
function GL_Verify_Date(date_text, mode)
    if GL_Verify_Date0(date_text) == 0 then
        return 0
    end
    local date = L.date(date_text)
    local year = L.working_year()
    if (L.integer(mode) or 0) ~= 0 and year ~= 0 and date.y ~= year then
        return L.refuse(0, string.format("Дата %s не входит в рабочий год %d", L.date_text(date), year))
    end
    return 1
end

-- The next number of a document table: one more than the highest number of its
-- documents dated in the user's working year (numbers that are not whole numbers
-- count by their leading digits). Both modes number through the year, so the
-- closing and the manual operations of one table never repeat a number.
function GL_NextNumber(table_name, mode)
    local highest = db.string(GL_HighestNumberQuery(table_name))
    return tostring((L.integer(highest) or 0) + 1)
end

-- The query of the highest number GL_NextNumber counts from, among the
-- documents dated in `year` (the working year when none is given): a save
-- that checks its proposed number asks it of the year of its own date.
function GL_HighestNumberQuery(table_name, year)
    local name = L.identifier(table_name)
    if not name then
        error("Неверное имя таблицы документов: " .. L.text(table_name))
    end
    local where = ""
    year = L.integer(year) or 0
    if year == 0 then
        year = L.working_year()
    end
    if year ~= 0 then
        where = string.format(" where d>=%s and d<=%s",
            L.sql_date({y = year, m = 1, d = 1}), L.sql_date({y = year, m = 12, d = 31}))
    end
    return string.format("select max(%s) as str from %s%s", L.leading_number("number"), name, where)
end

-- The accounts of a posting as checked codes and chart rows. Returns the codes
-- (nil for an absent side) and their rows, or a result code and the reason.
local function posting_accounts(debit, credit)
    local codes = {}
    for index, text in ipairs({L.text(debit), L.text(credit)}) do
        if text ~= "" then
            codes[index] = L.account_code(text)
            if not codes[index] or codes[index]:sub(1, 1) == "0" then
                return nil, index == 1 and 2 or 6, "Нет такого счета по " .. (index == 1 and "дебету: " or "кредиту: ") .. text
            end
        end
    end
    if not codes[1] and not codes[2] then
        return nil, 2, "Укажите счет дебета или кредита"
    end
    local rows = L.posting_accounts(codes[1], codes[2])
    for index = 1, 2 do
        local code = codes[index]
        if code and not rows[code] then
            return nil, index == 1 and 2 or 6, "Нет такого счета по " .. (index == 1 and "дебету: " or "кредиту: ") .. code
        end
        if code and rows[code].tp ~= 3 and rows[code].tp ~= index then
            return nil, index == 1 and 2 or 6, string.format("Счет %s не используется по %s", code,
                index == 1 and "дебету" or "кредиту")
        end
    end
    return {codes[1], codes[2]}, {codes[1] and rows[codes[1]], codes[2] and rows[codes[2]]}
end

-- The posting rules for the accounts a posting names: an account the chart has
-- is kept on the side it stands on. nil, or the field at fault and the reason.
local function side_fault(debit, credit)
    local codes = {}
    for index, text in ipairs({L.text(debit), L.text(credit)}) do
        local code = text ~= "" and L.account_code(text)
        codes[index] = code and code:sub(1, 1) ~= "0" and code or nil
    end
    if not codes[1] and not codes[2] then
        return nil
    end
    local rows = L.posting_accounts(codes[1], codes[2])
    for index = 1, 2 do
        local row = codes[index] and rows[codes[index]]
        if row and row.tp ~= 3 and row.tp ~= index then
            return index == 1 and 2 or 6, string.format("Счет %s не используется по %s", codes[index],
                index == 1 and "дебету" or "кредиту")
        end
    end
    return nil
end

-- The test of a posting against the posting rules: the date and its period, the
-- side an account is kept on, numbers for amount and quantity, the KBK and the
-- branch. Sides left empty, accounts the chart does not have and analytic values
-- are the document's own checks, each with its message in its order (a document
-- without such checks of its own asks TestPostingAccounts below). 0 when the
-- posting may be written; otherwise the field at fault, and the user is told
-- why: 1 date, 2 debit account, 6 credit account, 10 quantity, 11 amount,
-- 12 debit KBK, 13 credit KBK, 14 branch.
function GL_TestProvodka(date_text, debit, d1, d2, d3, credit, k1, k2, k3, amount, quantity, mode, kbk_deb, kbk_kred, branch)
    local refuse = L.refusal(mode)
    local date = L.date(date_text)
    if not date then
        return refuse(1, "Неверная дата проводки: " .. L.text(date_text))
    end
    local fault = L.closed_date_fault(date)
    if fault then
        return refuse(1, fault)
    end
    local field, text = side_fault(debit, credit)
    if field then
        return refuse(field, text)
    end
    if L.number(quantity, 0) == nil then
        return refuse(10, "Количество не число: " .. L.text(quantity))
    end
    if L.number(amount, 0) == nil then
        return refuse(11, "Сумма не число: " .. L.text(amount))
    end
    local kbks = {kbk_deb, kbk_kred}
    for side = 1, 2 do -- not ipairs: an absent debit code would end it
        local kbk = kbks[side]
        if L.text(kbk) ~= "" then
            local id = L.integer(kbk)
            if not id or db.count(string.format("select count(*) as cnt from spr_kbk where id=%d", id)) == 0 then
                return refuse(11 + side, string.format("Нет такого КБК по %s: %s", side == 1 and "дебету" or "кредиту", L.text(kbk)))
            end
        end
    end
    local fil = L.integer(branch)
    if not fil or db.count(string.format("select count(*) as cnt from spr_fil where id=%d", fil)) == 0 then
        return refuse(14, "Нет такого филиала: " .. L.text(branch))
    end
    return 0
end

-- The accounts of a posting and their analytic values, for a document that has
-- no checks of its own for them and tests its postings before its question:
-- at least one account, accounts of the chart, and every analytic value an
-- account requires given and found in its reference book. 0 when sound;
-- otherwise the field at fault (2 debit account, 3..5 debit analytic values
-- 1..3, 6 credit account, 7..9 credit analytic values), and the user is told why.
function TestPostingAccounts(debit, d1, d2, d3, credit, k1, k2, k3, mode)
    local refuse = L.refusal(mode)
    local codes, rows, text = posting_accounts(debit, credit)
    if not codes then
        return refuse(rows, text)
    end
    local values = {{d1, d2, d3}, {k1, k2, k3}}
    for side = 1, 2 do
        if codes[side] then
            for k = 1, 3 do
                local fault = L.analytic_fault(codes[side], rows[side], k, values[side][k],
                    side == 1 and "счета дебета" or "счета кредита")
                if fault then
                    return refuse((side - 1) * 4 + k + 2, fault)
                end
            end
        end
    end
    return 0
end

-- The values of one side of a posting: the four parts of the code and the
-- analytic values of the account's dimensions (others are not kept).
local function side_values(code, row, values)
    if not code then
        return {"null", "null", "null", "null", "null", "null", "null"}
    end
    local result = {}
    for _, part in ipairs({L.parts(code)}) do
        result[#result + 1] = "'" .. part .. "'"
    end
    for k = 1, 3 do
        result[#result + 1] = row.sb[k] ~= 0 and L.sql_text_or_null(values[k]) or "null"
    end
    return result
end

-- The statement that writes one posting, or nil and the reason it may not be
-- written. Checks what keeps the postings sound: a document id and line number,
-- an open date, accounts of the chart, the analytic values their dimensions
-- require, numbers for amount, quantity, KBK and branch.
local function posting_statement(id, npp, date_text, debit, d1, d2, d3, credit, k1, k2, k3,
                                 amount, quantity, note, kbk_deb, kbk_kred, branch)
    id, npp = L.integer(id), L.integer(npp)
    if not id or id <= 0 or not npp or npp <= 0 then
        return nil, "Проводка без номера документа или строки не записывается"
    end
    local date = L.date(date_text)
    if not date then
        return nil, "Неверная дата проводки: " .. L.text(date_text)
    end
    local fault = L.closed_date_fault(date)
    if fault then
        return nil, fault
    end
    local codes, rows, text = posting_accounts(debit, credit)
    if not codes then
        return nil, text
    end
    local values = {{d1, d2, d3}, {k1, k2, k3}}
    for side = 1, 2 do
        for k = 1, 3 do
            local book = codes[side] and rows[side].sb[k] ~= 0
            local value = L.text(values[side][k])
            if book and (value == "" or value == "<...>") then
                return nil, string.format("Не указано субконто%d счета %s %s", k,
                    side == 1 and "дебета" or "кредита", codes[side])
            end
        end
    end
    local sum, count = L.number(amount, 0), L.number(quantity, nil)
    if sum == nil or (L.text(quantity) ~= "" and count == nil) then
        return nil, "Сумма и количество проводки должны быть числами"
    end
    local kbk, given = {}, {kbk_deb, kbk_kred}
    for side = 1, 2 do
        local value = given[side]
        kbk[side] = L.text(value) == "" and "null" or (L.integer(value) and tostring(L.integer(value)))
        if not kbk[side] then
            return nil, "Неверный КБК проводки: " .. L.text(value)
        end
    end
    local fil = L.integer(branch)
    if not fil then
        return nil, "Неверный филиал проводки: " .. L.text(branch)
    end
    local deb, kred = side_values(codes[1], rows[1], values[1]), side_values(codes[2], rows[2], values[2])
    return string.format("insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,deb_sb1,deb_sb2,deb_sb3,kbk_deb,"
        .. "kred0,kred1,kred2,kred3,kred_sb1,kred_sb2,kred_sb3,kbk_kred,kol,s,prim,fil_id) values "
        .. "(%d,%d,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%d)",
        id, npp, L.sql_date(date), deb[1], deb[2], deb[3], deb[4], deb[5], deb[6], deb[7], kbk[1],
        kred[1], kred[2], kred[3], kred[4], kred[5], kred[6], kred[7], kbk[2],
        count and L.quantity(count) or "null", L.money(sum), L.sql_text_or_null(note), fil)
end

-- The statement that writes one posting, for the caller's batch; "" when the
-- posting may not be written (the user is told why).
function GL_InsertProvodka0(id, npp, ...)
    local statement, reason = posting_statement(id, npp, ...)
    if not statement then
        return L.refuse("", "Проводка не записана: " .. reason)
    end
    return statement
end

-- Writes one posting: 1 when written, 0 when refused or the statement failed.
function GL_InsertProvodka(id, npp, ...)
    local statement = GL_InsertProvodka0(id, npp, ...)
    if statement == "" then
        return 0
    end
    return db.execute(statement) and 1 or 0
end
