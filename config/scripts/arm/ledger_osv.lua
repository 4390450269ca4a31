-- Workplace "Бухгалтерия" (ЛЕДМАРК): the figures of the turnover-and-balance
-- sheet. The sheet calls fn_ledmark_prn_osv once per group (a KBK and an
-- account down to the analytic level) and reads the rows this call wrote into
-- tmp_0 under its connection's id.

local L = Ledger

local function refuse(text)
    return L.refuse(0, "Оборотно-сальдовая ведомость: " .. text)
end

-- fn_ledmark_prn_osv(from, to, mode, condition, user_id, kbk, branches):
-- from and to dd.mm.yyyy; mode 0 gives one row per account at the analytic
-- level (sch3 '000'), mode 1 one row per KOSGU code; condition is the group's
-- SQL condition on the debit side of the postings (" and (deb0=1 and
-- deb1='201' and deb2='34') and kbk_deb=1" and the branch fragment), built by
-- the sheet from checked codes; the credit side is the same text with "deb"
-- replaced by "kred". kbk is the group's KBK id, or null (nil) for the
-- postings without a KBK; the condition already holds it, as it holds the
-- branches.
--
-- The rows of this connection are removed first, so rows left under a reused
-- id by a program that ended abruptly never count; then the opening balance
-- before `from`, the turnovers of the period and the closing balance at `to`
-- (debit and credit each, not netted) are written by one aggregate statement,
-- in one transaction with the removal. Answers 1, or 0 after telling why.
function fn_ledmark_prn_osv(from_text, to_text, mode, condition, user_id, kbk, branches)
    local from, to = L.date(from_text), L.date(to_text)
    if not from or not to then
        return refuse("неверный период \"" .. L.text(from_text) .. "\" - \"" .. L.text(to_text) .. "\"")
    end
    if L.date_key(from) > L.date_key(to) then
        return refuse("начало периода позже его конца")
    end
    local level = L.integer(mode)
    if level ~= 0 and level ~= 1 then
        return refuse("неверный режим " .. L.text(mode))
    end
    local id = L.integer(user_id)
    if not id or id <= 0 then
        return refuse("неверный номер соединения \"" .. L.text(user_id) .. "\"")
    end
    -- The bare argument null arrives as nil: the postings without a KBK.
    local group_kbk = L.text(kbk)
    if group_kbk ~= "" and group_kbk:lower() ~= "null" and not L.integer(group_kbk) then
        return refuse("неверный КБК \"" .. group_kbk .. "\"")
    end
    local debit = L.text(condition)
    if debit:find(";", 1, true) then
        return refuse("неверное условие отбора проводок")
    end
    local credit = debit:gsub("deb", "kred")
    local kosgu_deb, kosgu_kred = "'000'", "'000'"
    if level == 1 then
        kosgu_deb, kosgu_kred = "deb3", "kred3"
    end
    local start, finish = L.sql_date(from), L.sql_date(to)
    local insert = string.format(
        "insert into tmp_0 (user_id,sch0,sch1,sch2,sch3,db0,kr0,db,kr,db2,kr2) "
        .. "select %d,sch0,sch1,sch2,sch3,"
        .. "coalesce(sum(case when d<%s then ds else 0 end),0),coalesce(sum(case when d<%s then ks else 0 end),0),"
        .. "coalesce(sum(case when d>=%s then ds else 0 end),0),coalesce(sum(case when d>=%s then ks else 0 end),0),"
        .. "coalesce(sum(ds),0),coalesce(sum(ks),0) from ("
        .. "select deb0 as sch0,deb1 as sch1,deb2 as sch2,%s as sch3,d,s as ds,0 as ks from ledmark_provodki "
        .. "where d<=%s %s"
        .. " union all "
        .. "select kred0,kred1,kred2,%s,d,0,s from ledmark_provodki where d<=%s %s"
        .. ") q group by sch0,sch1,sch2,sch3",
        id, start, start, start, start, kosgu_deb, finish, debit, kosgu_kred, finish, credit)
    local batch = {string.format("delete from tmp_0 where user_id=%d", id), insert}
    if not db.execute(table.concat(batch, "\n")) then
        return refuse("остатки и обороты не записаны")
    end
    return 1
end
