-- The year's service operations of the ledger: the closing of a year to
-- editing, and the move of balances from one source of financing or KBK to
-- another.

local L = Ledger

-- The number of days of a month.
local function days_in_month(year, month)
    return os.date("*t", os.time({year = year, month = month + 1, day = 0, hour = 12})).day
end

-- Closes the year of `date_text`: postings dated up to that day may no longer
-- change (the actuality date), and the periods of the next year are made when
-- it has none. 1 when done, 0 with the reason shown.
function L.close_year(date_text)
    local date = L.date(date_text)
    if not date then
        return L.refuse(0, "Неверная дата: " .. L.text(date_text))
    end
    local actual = L.actual_date()
    if actual and L.date_key(actual) >= L.date_key(date) then
        return L.refuse(0, string.format("Период по %s уже закрыт", L.date_text(actual)))
    end
    if not app.question(string.format("Закрыть %d год? Проводки по %s включительно изменять будет нельзя.",
            date.y, L.date_text(date))) then
        return 0
    end
    local batch = {}
    local next_year = date.y + 1
    if db.count(string.format("select count(*) as cnt from otp where g=%d", next_year)) == 0 then
        for month = 1, 12 do
            batch[#batch + 1] = string.format("insert into otp (g,ms,d1,d2) values (%d,%d,%s,%s)", next_year, month,
                L.sql_date({y = next_year, m = month, d = 1}),
                L.sql_date({y = next_year, m = month, d = days_in_month(next_year, month)}))
        end
    end
    batch[#batch + 1] = "delete from system_const where name='system_actual_date'"
    batch[#batch + 1] = string.format("insert into system_const (name,val) values ('system_actual_date',%s)",
        db.str(L.date_text(date)))
    return db.execute(table.concat(batch, "\n")) and 1 or 0
end

-- What a move of balances changes: the source of financing (the account's
-- first digit) or the KBK of the postings.
local moves = {
    source = {book = "spr_if", what = "источник финансирования", note = "Смена источника финансирования"},
    kbk = {book = "spr_kbk", what = "КБК", note = "Смена КБК"},
}

-- The balances of a branch held under the giving code on `date`: account,
-- analytic values and KBK with the debit balance (negative for a credit one).
local function giving_balances(kind, sql_date, branch, giving)
    local deb, kred = "deb0='" .. giving .. "'", "kred0='" .. giving .. "'"
    if kind == "kbk" then
        deb, kred = "kbk_deb=" .. giving, "kbk_kred=" .. giving
    end
    local sql = string.format(
        "select col0,col1,col2,col3,sb1,sb2,sb3,kbk,sum(s) as s from ("
        .. "select deb0 as col0,deb1 as col1,deb2 as col2,deb3 as col3,deb_sb1 as sb1,deb_sb2 as sb2,"
        .. "deb_sb3 as sb3,kbk_deb as kbk,s from ledmark_provodki where d<=%s and fil_id=%d and %s "
        .. "union all "
        .. "select kred0 as col0,kred1 as col1,kred2 as col2,kred3 as col3,kred_sb1 as sb1,kred_sb2 as sb2,"
        .. "kred_sb3 as sb3,kbk_kred as kbk,-s as s from ledmark_provodki where d<=%s and fil_id=%d and %s"
        .. ") q group by col0,col1,col2,col3,sb1,sb2,sb3,kbk having sum(s)<>0 "
        .. "order by col0,col1,col2,col3,kbk,sb1,sb2,sb3",
        sql_date, branch, deb, sql_date, branch, kred)
    local rows = {}
    for row in db.rows(sql) do
        rows[#rows + 1] = row
    end
    return rows
end

-- The account of one side (1 debit, 2 credit) of a move: the balance's own
-- account where the chart keeps it on that side; else the same account with
-- the first KOSGU code that side may use, as an increase kept on the debit
-- (106.04.340) leaves the giving code through its decrease (106.04.440).
local function side_account(account, side)
    local row = L.posting_account(account)
    if not row or row.tp == 3 or row.tp == side then
        return account
    end
    local full = side == 1 and GL_GetFullSchDeb(account:sub(1, 6)) or GL_GetFullSchKred(account:sub(1, 6))
    return L.is_digits(full, 9) and full or account
end

-- Moves every balance held under the giving code to the receiving one: per
-- branch one manual operation on the date, all of them in one transaction.
-- 1 when done (also when there was nothing to move), 0 with the reason shown.
function L.move_balances(kind, date_text, giving_text, receiving_text)
    local move = moves[kind]
    local date = L.date(date_text)
    if not date then
        return L.refuse(0, "Неверная дата: " .. L.text(date_text))
    end
    local giving, receiving = L.integer(giving_text), L.integer(receiving_text)
    for _, code in ipairs({{giving, giving_text}, {receiving, receiving_text}}) do
        if not code[1] or (kind == "source" and (code[1] < 1 or code[1] > 9))
            or db.count(string.format("select count(*) as cnt from %s where id=%d", move.book, code[1])) == 0 then
            return L.refuse(0, string.format("Нет такого кода (%s): %s", move.what, L.text(code[2])))
        end
    end
    if giving == receiving then
        return L.refuse(0, "Коды отправителя и приемника совпадают")
    end
    if GL_Verify_Date(L.date_text(date), 1) == 0 then
        return 0
    end
    local sql_date = L.sql_date(date)
    local number = L.integer(GL_NextNumber("ledmark_oper_by_hand", 0)) or 1
    local batch = {}
    local branches = {}
    for branch in db.rows("select id from spr_fil order by id") do
        branches[#branches + 1] = L.integer(branch.id)
    end
    for _, fil in ipairs(branches) do
        local rows = giving_balances(kind, sql_date, fil, giving)
        if #rows > 0 then
            local id = db.next_document_id()
            if id <= 0 then
                return 0
            end
            local total = 0
            for npp, row in ipairs(rows) do
                local account = L.text(row.col0) .. L.text(row.col1) .. L.text(row.col2) .. L.text(row.col3)
                local moved, kbk_from, kbk_to = account, L.text(row.kbk), L.text(row.kbk)
                if kind == "source" then
                    moved = tostring(receiving) .. account:sub(2)
                else
                    kbk_to = tostring(receiving)
                end
                local amount = tonumber(row.s) or 0
                local debit, kbk_debit, credit, kbk_credit = moved, kbk_to, account, kbk_from
                if amount < 0 then
                    debit, kbk_debit, credit, kbk_credit = account, kbk_from, moved, kbk_to
                end
                debit, credit = side_account(debit, 1), side_account(credit, 2)
                local statement = GL_InsertProvodka0(id, npp, L.date_text(date), debit, row.sb1, row.sb2, row.sb3,
                    credit, row.sb1, row.sb2, row.sb3, L.money(math.abs(amount)), "", move.note, kbk_debit,
                    kbk_credit, fil, 0)
                if statement == "" then
                    return 0
                end
                batch[#batch + 1] = statement
                total = total + math.abs(amount)
            end
            batch[#batch + 1] = string.format("insert into ledmark_oper_by_hand (id,d,number,s,prim,fil_id,m0,d0) "
                .. "values (%d,%s,%s,%s,%s,%d,%d,%s)", id, sql_date, db.str(tostring(number)), L.money(total),
                db.str(move.note), fil, L.integer(db.user().tn) or 0, db.today())
        end
        number = number + 1
    end
    if #batch == 0 then
        app.message("Остатков по коду " .. L.text(giving_text) .. " на " .. L.date_text(date) .. " нет")
        return 1
    end
    return db.execute(table.concat(batch, "\n")) and 1 or 0
end
