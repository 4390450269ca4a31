-- The figures of the official reporting forms: what a form's parameter
-- window hands to "PrepareTheReport" (the period, the checked sources of
-- financing with their KBK, the branches) checked, and from the postings of
-- those sources and branches, per account, KBK and KOSGU, the balances at the
-- period's start and end and the turnovers of the period. Every official
-- report takes its figures here.

local L = Ledger

-- The choice of a form's call: {from, to, fils, sources = {{source, kbk,
-- extra}}}, or nil and the reason to tell the user. Every code is checked to
-- be a number before it reaches SQL; no checked source is a refusal, as a form
-- without sources has no figures.
function L.form_choice(from_text, to_text, list_text, branches_text)
    local from, to = L.date(from_text), L.date(to_text)
    if not from or not to then
        return nil, string.format("Неверный период \"%s\" - \"%s\"", L.text(from_text), L.text(to_text))
    end
    if L.date_key(from) > L.date_key(to) then
        return nil, "Начало периода позже его конца"
    end
    local fils = L.integer_list(branches_text)
    if not fils then
        return nil, "Неверный список филиалов \"" .. L.text(branches_text) .. "\""
    end
    local sources, reason = L.checked_source_list(list_text)
    if not sources then
        return nil, reason
    end
    if #sources == 0 then
        return nil, "Выберите источники финансирования"
    end
    return {from = from, to = to, fils = fils, sources = sources}
end

-- The figures of a choice: one row per source, account and KBK posted up to
-- the period's end, {source (number), kbk (id text, "" none), synthetic,
-- analytic, kosgu, account (nine characters), opening and closing (debit
-- balance before the period's first day and after its last; a credit balance
-- is negative), debit and credit (the period's turnovers), closing_debit and
-- closing_credit}. `options`: `synthetic`, a list of the synthetic accounts to
-- read ("401"; all when absent); `closing`, the entries closing 401 01 and
-- 401 02 onto 401 03 counted apart in closing_debit and closing_credit and
-- left out of debit and credit (they read the other side of each posting,
-- so only the forms that show results ask for them). Off-balance accounts
-- are posted on one side and come with their balances too; the forms choose
-- the accounts they print.
function L.form_figures(choice, options)
    options = options or {}
    local from = L.sql_date(choice.from)
    local fils = GetFilsSql(choice.fils)
    local accounts = ""
    if options.synthetic then
        local codes = {}
        for _, code in ipairs(options.synthetic) do
            if not L.is_digits(code, 3) then
                error("Неверный синтетический счет \"" .. L.text(code) .. "\"")
            end
            codes[#codes + 1] = "'" .. code .. "'"
        end
        accounts = " in (" .. table.concat(codes, ",") .. ")"
    end
    -- Each side is summed on its own (its index gives the sums) and the few
    -- sums of both are added up.
    local function side(name, other, sign)
        local period = "d>=" .. from
        local closing = "0"
        if options.closing then
            closing = string.format("%s1='401' and %s2='03'", other, other)
            period = string.format("%s and not (%s)", period, closing)
        end
        local turnover = string.format("sum(case when %s then s else 0 end)", period)
        local closed = options.closing and string.format("sum(case when d>=%s and %s then s else 0 end)", from, closing)
            or "0"
        local debit, credit = turnover, "0"
        local closing_debit, closing_credit = closed, "0"
        if sign == "-" then
            debit, credit, closing_debit, closing_credit = "0", turnover, "0", closed
        end
        return string.format(
            "select %s0 as c0,%s1 as c1,%s2 as c2,%s3 as c3,kbk_%s as kbk,"
                .. "%ssum(case when d<%s then s else 0 end) as opening,%ssum(s) as closing,%s as debit,%s as credit,"
                .. "%s as closing_debit,%s as closing_credit "
                .. "from ledmark_provodki where d<=%s and %s1 %s%s%s group by %s0,%s1,%s2,%s3,kbk_%s",
            name, name, name, name, name, sign, from, sign, debit, credit, closing_debit, closing_credit,
            L.sql_date(choice.to), name, accounts ~= "" and accounts or "is not null", fils,
            L.source_condition(name, choice.sources), name, name, name, name, name)
    end
    local sql = "select c0,c1,c2,c3,kbk,sum(opening) as opening,sum(closing) as closing,sum(debit) as debit,"
        .. "sum(credit) as credit,sum(closing_debit) as closing_debit,sum(closing_credit) as closing_credit"
        .. " from (" .. side("deb", "kred", "") .. " union all " .. side("kred", "deb", "-")
        .. ") q group by c0,c1,c2,c3,kbk order by c0,c1,c2,c3,kbk"
    local rows = {}
    for row in db.rows(sql) do
        local synthetic, analytic, kosgu = L.text(row.c1), L.text(row.c2), L.text(row.c3)
        rows[#rows + 1] = {
            source = L.integer(row.c0) or 0,
            kbk = L.text(row.kbk),
            synthetic = synthetic,
            analytic = analytic,
            kosgu = kosgu,
            account = L.text(row.c0) .. synthetic .. analytic .. kosgu,
            opening = L.number(row.opening, 0),
            closing = L.number(row.closing, 0),
            debit = L.number(row.debit, 0),
            credit = L.number(row.credit, 0),
            closing_debit = L.number(row.closing_debit, 0),
            closing_credit = L.number(row.closing_credit, 0),
        }
    end
    return rows
end

-- Whether a row's account begins with one of the prefixes of its synthetic
-- and analytic code ("101", "20134").
function L.figure_account_in(row, prefixes)
    local code = row.synthetic .. row.analytic
    for _, prefix in ipairs(prefixes) do
        if code:sub(1, #prefix) == prefix then
            return true
        end
    end
    return false
end

-- The sum of value(row) over the rows that match, per column key (see
-- L.form_columns) and in total: {[key] = sum, total = sum}.
function L.figure_sums(rows, columns, match, value)
    local sums = {total = 0}
    for _, column in ipairs(columns) do
        sums[column.key] = 0
    end
    for _, row in ipairs(rows) do
        if match(row) then
            local amount = value(row)
            sums.total = sums.total + amount
            for _, column in ipairs(columns) do
                if column.takes(row) then
                    sums[column.key] = sums[column.key] + amount
                end
            end
        end
    end
    return sums
end

local function source_name(source)
    return L.remembered("spr_if:" .. source, function()
        return L.text(db.string("select name as str from spr_if where id=" .. source))
    end)
end

-- The name of a checked source with its KBK: "1 Бюджет (КБК 07020000000000001)".
function L.form_source_text(item)
    local text = item.source .. " " .. source_name(item.source)
    if item.kbk ~= "" then
        local codes = {}
        for id in (item.kbk .. ","):gmatch("([^,]*),") do
            codes[#codes + 1] = L.kbk_text(id)
        end
        text = text .. " (КБК " .. table.concat(codes, ", ") .. ")"
    end
    return text
end

-- The columns of a form's figures: "source" one per checked source, "kbk"
-- one per source and KBK posted, "total" none (the total alone). Each is
-- {key, caption, takes(row)}.
function L.form_columns(choice, rows, split)
    local columns = {}
    if split == "source" then
        for _, item in ipairs(choice.sources) do
            columns[#columns + 1] = {
                key = "s" .. item.source,
                caption = item.source .. " " .. source_name(item.source),
                takes = function(row) return row.source == item.source end,
            }
        end
    elseif split == "kbk" then
        local seen = {}
        for _, row in ipairs(rows) do
            local key = "s" .. row.source .. "k" .. row.kbk
            if not seen[key] then
                seen[key] = true
                local source, kbk = row.source, row.kbk
                columns[#columns + 1] = {
                    key = key,
                    caption = source .. " " .. source_name(source) .. ", " .. L.kbk_text(kbk),
                    takes = function(r) return r.source == source and r.kbk == kbk end,
                }
            end
        end
    end
    return columns
end

-- The day after a date, as the forms date a balance ("на 1 января").
function L.next_day(date)
    local t = os.time({year = date.y, month = date.m, day = date.d + 1, hour = 12})
    local next = os.date("*t", t)
    return {y = next.year, m = next.month, d = next.day}
end

-- A report of an official form: the call's arguments checked into a choice
-- and `build(choice)` made into the page; a refused choice is told and shows
-- no page.
function L.form_report(from_text, to_text, list_text, branches_text, build)
    local choice, reason = L.form_choice(from_text, to_text, list_text, branches_text)
    if not choice then
        app.warning(reason)
        return ""
    end
    return build(choice)
end
