-- Balances and turnovers of an account. Each answer is one SQL aggregate over
-- ledmark_provodki: one index range per side of the account, no work per posting
-- in the script.
--
-- An account code may stand for a whole level: source 0 = all sources,
-- analytic "00" = the whole synthetic account, KOSGU "000" = every KOSGU code.

local L = Ledger

-- SQL condition: the side ("deb" or "kred") of a posting is the account.
function L.side_match(side, code)
    local source, synthetic, analytic, kosgu = L.parts(code)
    local terms = {string.format("%s1='%s'", side, synthetic)}
    if analytic ~= "00" then
        terms[#terms + 1] = string.format("%s2='%s'", side, analytic)
    end
    if kosgu ~= "000" then
        terms[#terms + 1] = string.format("%s3='%s'", side, kosgu)
    end
    if source ~= "0" then
        terms[#terms + 1] = string.format("%s0='%s'", side, source)
    end
    return table.concat(terms, " and ")
end

-- The analytic codes of an argument as quoted texts: "12,15" restricts to
-- both codes (a filter of several codes), "12" to one; the columns deb_sb1...
-- hold text, so each code is compared as text.
local function analytic_codes(value)
    local text = L.text(value)
    local codes = {}
    if text == "" then
        return codes
    end
    if not text:find(",", 1, true) then
        codes[1] = L.sql_text(text)
        return codes
    end
    for item in (text .. ","):gmatch("([^,]*),") do
        local code = L.text(item)
        if code ~= "" then
            codes[#codes + 1] = L.sql_text(code)
        end
    end
    return codes
end

-- The filters of a balance or turnover call, checked, as SQL conditions per side.
-- Raises an error (the call fails and its caller reads no figures) on bad input.
local function filters(call, account, values, branches, kbk, document)
    local code = L.account_code(account)
    if not code then
        error(call .. ": неверный счет \"" .. L.text(account) .. "\"")
    end
    local fils = L.integer_list(branches)
    -- "null" stands for the postings without a KBK.
    local no_kbk = L.text(kbk):lower() == "null"
    local kbks = no_kbk and "" or L.integer_list(kbk)
    local skip = L.text(document)
    if not fils then
        error(call .. ": неверный список филиалов \"" .. L.text(branches) .. "\"")
    end
    if fils == "-2" then
        fils = ""
    end
    if not kbks then
        error(call .. ": неверный список КБК \"" .. L.text(kbk) .. "\"")
    end
    if skip ~= "" and not L.integer(skip) then
        error(call .. ": неверный номер документа \"" .. skip .. "\"")
    end
    local common = ""
    if fils ~= "" then
        common = common .. " and fil_id in (" .. fils .. ")"
    end
    if skip ~= "" then
        common = common .. " and id<>" .. L.integer(skip)
    end
    local sides = {}
    for _, side in ipairs({"deb", "kred"}) do
        local where = L.side_match(side, code) .. common
        for k = 1, 3 do
            local codes = analytic_codes(values[k])
            if #codes == 1 then
                where = where .. string.format(" and %s_sb%d=%s", side, k, codes[1])
            elseif #codes > 1 then
                where = where .. string.format(" and %s_sb%d in (%s)", side, k, table.concat(codes, ","))
            end
        end
        if no_kbk then
            where = where .. string.format(" and kbk_%s is null", side)
        elseif kbks ~= "" then
            where = where .. string.format(" and kbk_%s in (%s)", side, kbks)
        end
        sides[side] = where
    end
    return sides
end

-- Debit and credit sums and quantities of the postings that match, in one query.
local function turnovers(sides, period)
    local row = L.row(string.format(
        "select coalesce(sum(ds),0) as ds,coalesce(sum(ks),0) as ks,coalesce(sum(dq),0) as dq,coalesce(sum(kq),0) as kq from ("
        .. "select sum(s) as ds,0 as ks,sum(kol) as dq,0 as kq from ledmark_provodki where %s%s"
        .. " union all "
        .. "select 0,sum(s),0,sum(kol) from ledmark_provodki where %s%s) q",
        sides.deb, period, sides.kred, period))
    if not row then
        error("Остатки и обороты: запрос не выполнен")
    end
    return tonumber(row.ds) or 0, tonumber(row.ks) or 0, tonumber(row.dq) or 0, tonumber(row.kq) or 0
end

local function balance_figures(date_text, account, v1, v2, v3, branches, kbk, document)
    local date = L.date(date_text)
    if not date then
        error("GL_GetOst0: неверная дата \"" .. L.text(date_text) .. "\"")
    end
    local sides = filters("GL_GetOst0", account, {v1, v2, v3}, branches, kbk, document)
    return turnovers(sides, " and d<" .. L.sql_date(date))
end

-- Balance of the account at the start of `date` (dd.mm.yyyy), for the given
-- analytic values, branch list, KBK list, leaving out the postings of document
-- `document`: "debit@credit@debit quantity@credit quantity", where the sum of
-- the balance stands on its own side (a debit balance has credit 0 and the
-- other way round), and the quantity likewise.
function GL_GetOst0(date_text, account, v1, v2, v3, branches, kbk, document)
    local ds, ks, dq, kq = balance_figures(date_text, account, v1, v2, v3, branches, kbk, document)
    local sum, count = ds - ks, dq - kq
    return table.concat({
        L.money(sum > 0 and sum or 0), L.money(sum < 0 and -sum or 0),
        L.quantity(count > 0 and count or 0), L.quantity(count < 0 and -count or 0),
    }, "@")
end

-- The balance as one number: debit minus credit.
function GL_GetOst(date_text, account, v1, v2, v3, branches, kbk, document)
    local ds, ks = balance_figures(date_text, account, v1, v2, v3, branches, kbk, document)
    return L.money(ds - ks)
end

-- Turnovers of account A from `from` to `to` (dd.mm.yyyy, both included) for its
-- analytic values v1..v3, in correspondence with account B when one is given:
-- "debit turnover@credit turnover" of A. The KBK is a list of ids, or "null"
-- for the postings without a KBK on A's side.
function GL_GetOborot(from_text, to_text, account, v1, v2, v3, correspondent, branches, kbk, document)
    local from, to = L.date(from_text), L.date(to_text)
    if not from or not to then
        error("GL_GetOborot: неверный период \"" .. L.text(from_text) .. "\" - \"" .. L.text(to_text) .. "\"")
    end
    local sides = filters("GL_GetOborot", account, {v1, v2, v3}, branches, kbk, document)
    if L.text(correspondent) ~= "" then
        local other = L.account_code(correspondent)
        if not other then
            error("GL_GetOborot: неверный корреспондирующий счет \"" .. L.text(correspondent) .. "\"")
        end
        sides.deb = sides.deb .. " and " .. L.side_match("kred", other)
        sides.kred = sides.kred .. " and " .. L.side_match("deb", other)
    end
    local ds, ks = turnovers(sides, string.format(" and d>=%s and d<=%s", L.sql_date(from), L.sql_date(to)))
    return L.money(ds) .. "@" .. L.money(ks)
end
