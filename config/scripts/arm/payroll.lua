-- Workplace "Заработная плата" (ПАЙМАР): start and end of a session in this workplace.
-- Functions defined here are seen only in the context "Arm.ПАЙМАР"; every global
-- function of scripts/global.lua is seen here too.

function Load()
  app.log("Рабочее место \"Заработная плата\" открыто")
  return 1
end

function UnLoad()
  app.log("Рабочее место \"Заработная плата\" закрыто")
  return 1
end

-- Posting 5: the month's payroll handed to the ledger ----------------------------

local L = Ledger

local month_names = {"январь", "февраль", "март", "апрель", "май", "июнь", "июль", "август", "сентябрь",
    "октябрь", "ноябрь", "декабрь"}

-- The months of a condition as the payroll's forms write it ("and
-- (paymar_NUz.ms=1 or paymar_NUz.ms=3)"): a list of month numbers, {} for the
-- empty condition (every month), nil for any other text, which never reaches
-- SQL.
local function condition_months(text)
    text = L.text(text)
    if text == "" then
        return {}
    end
    local inner = text:match("^and%s*%((.*)%)$")
    if not inner then
        return nil
    end
    local months = {}
    for term in (inner .. " or "):gmatch("(.-)%s+or%s+") do
        local month = L.integer(term:lower():match("^%s*paymar_nuz%.ms%s*=%s*(%-?%d+)%s*$"))
        if not month or month < 1 or month > 12 then
            return nil
        end
        months[#months + 1] = month
    end
    return #months > 0 and months or nil
end

-- The branch the payroll's operations are written in: the organisation's one
-- branch; of several, the one named as the organisation (the name the status
-- bar shows), else the first.
local function payroll_branch()
    local first, named
    local organisation = L.text(db.constant("ORG_NAME"))
    for row in db.rows("select id,name from spr_fil order by id") do
        first = first or L.integer(row.id)
        if not named and organisation ~= "" and L.text(row.name) == organisation then
            named = L.integer(row.id)
        end
    end
    return named or first
end

-- The figures of posting 5 in the working year and the months: per entry of
-- spr_paymar_5pr (in id order) the sum of its pay codes in paymar_nuz times its
-- percentage, per employee where the entry says so, rounded to the entry's
-- decimals. Rows of {entry, tn, amount}, amounts as text; nil after a failure.
local function figures(year, months)
    local in_months = ""
    if #months > 0 then
        local list = {}
        for _, month in ipairs(months) do
            list[#list + 1] = tostring(month)
        end
        in_months = " and n.ms in (" .. table.concat(list, ",") .. ")"
    end
    local entries, order = {}, {}
    for row in db.rows("select id,name,d,k,ekr,sb_deb,sb_kred,bman,poits from spr_paymar_5pr order by id") do
        local entry = {id = L.integer(row.id), name = L.text(row.name), d = L.text(row.d), k = L.text(row.k),
            ekr = L.text(row.ekr), sb_deb = L.text(row.sb_deb), sb_kred = L.text(row.sb_kred),
            bman = L.integer(row.bman) == 1, poits = math.min(math.max(L.integer(row.poits) or 2, 0), 2)}
        entries[entry.id] = entry
        order[#order + 1] = entry
    end
    local rows = {}
    local sql = string.format("select e.id as id,if(e.bman=1,n.tn,0) as tn,cast(sum(n.s)*e.pr/100 as char) as s "
        .. "from spr_paymar_5pr e join spr_paymar_5pr1 c on c.id=e.id join paymar_nuz n on n.kou=c.kou "
        .. "where n.g=%d%s group by e.id,if(e.bman=1,n.tn,0) order by e.id,2", year, in_months)
    for row in db.rows(sql) do
        local entry = entries[L.integer(row.id)]
        local amount = app.money(L.text(row.s) == "" and "0" or row.s, entry.poits)
        if tonumber(amount) ~= 0 then
            rows[#rows + 1] = {entry = entry, tn = L.integer(row.tn), amount = amount}
        end
    end
    return rows, order
end

local function months_text(months, names)
    if L.text(names) ~= "" then
        return L.text(names)
    end
    if #months == 0 then
        return "все месяцы"
    end
    local list = {}
    for _, month in ipairs(months) do
        list[#list + 1] = month_names[month]
    end
    return table.concat(list, ", ")
end

-- The figures of chosen months as a page: per entry its accounts and amount.
local function show_figures(year, months, names)
    local rows, order = figures(year, months)
    local totals = {}
    for _, row in ipairs(rows) do
        totals[row.entry.id] = (totals[row.entry.id] or 0) + tonumber(row.amount)
    end
    local html = {string.format("<h3>Проводка 5 (заработная плата) за %s %d г.</h3>",
        L.html(months_text(months, names)), year),
        "<table border=1 cellpadding=2 cellspacing=0><tr bgcolor=#CCCCFF><td><b>Наименование</b></td>"
        .. "<td><b>Дебет</b></td><td><b>Кредит</b></td><td><b>Сумма</b></td></tr>"}
    local any = false
    for _, entry in ipairs(order) do
        if totals[entry.id] then
            any = true
            html[#html + 1] = string.format("<tr><td>%s</td><td>%s</td><td>%s</td><td align=right>%s</td></tr>",
                L.html(entry.name), L.html(entry.d), L.html(entry.k), app.money(totals[entry.id]))
        end
    end
    if not any then
        html[#html + 1] = "<tr><td colspan=4>Начислений нет</td></tr>"
    end
    html[#html + 1] = "</table>"
    app.report(table.concat(html), "Проводка 5")
    return 1
end

-- Replaces the month's transfer in the ledger: one manual operation on the
-- date in the payroll's branch with one posting per entry (per employee where
-- the entry says so), written with the removal of the month's previous
-- transfer and its record in paymar_prov5 as one batch. A posting refused
-- refuses the transfer and the previous one stays.
local function transfer(year, month, months, date)
    if #months ~= 1 or months[1] ~= month then
        return L.refuse(0, "Проводка 5 переносится за один месяц: " .. tostring(month))
    end
    local previous
    for row in db.rows(string.format("select id,d from paymar_prov5 where g=%d and ms=%d", year, month)) do
        previous = {id = L.integer(row.id), d = L.date(row.d)}
    end
    if previous and previous.d then
        local fault = L.closed_date_fault(previous.d)
        if fault then
            return L.refuse(0, string.format("Проводка 5 за %s %d г. уже перенесена %s: %s", month_names[month],
                year, L.date_text(previous.d), fault))
        end
    end
    local branch = payroll_branch()
    if not branch then
        return L.refuse(0, "Нет ни одного филиала (справочник филиалов пуст)")
    end
    local rows = figures(year, months)
    if #rows == 0 then
        return L.refuse(0, string.format("За %s %d г. нет начислений для проводки 5", month_names[month], year))
    end
    local id = db.next_document_id()
    if id <= 0 then
        return 0
    end
    local note = string.format("Заработная плата за %s %d г.", month_names[month], year)
    local batch = {}
    if previous then
        batch[#batch + 1] = string.format("delete from ledmark_provodki where id=%d", previous.id)
        batch[#batch + 1] = string.format("delete from ledmark_oper_by_hand where id=%d", previous.id)
        batch[#batch + 1] = string.format("delete from paymar_prov5 where g=%d and ms=%d", year, month)
    end
    local total = 0
    for npp, row in ipairs(rows) do
        local entry = row.entry
        local debit_value, credit_value = entry.sb_deb, entry.sb_kred
        if entry.bman then
            debit_value = debit_value ~= "" and debit_value or tostring(row.tn)
            credit_value = credit_value ~= "" and credit_value or tostring(row.tn)
        end
        local posting_note = entry.ekr ~= "" and (entry.name .. ", ЭКР " .. entry.ekr) or entry.name
        local statement = GL_InsertProvodka0(id, npp, L.date_text(date), entry.d, debit_value, "", "", entry.k,
            credit_value, "", "", row.amount, "", posting_note, "", "", branch, 0)
        if statement == "" then
            return 0
        end
        batch[#batch + 1] = statement
        total = total + tonumber(row.amount)
    end
    local number = L.integer(GL_NextNumber("ledmark_oper_by_hand", 0)) or 1
    batch[#batch + 1] = string.format("insert into ledmark_oper_by_hand (id,d,number,s,prim,fil_id,m0,d0) "
        .. "values (%d,%s,%s,%s,%s,%d,%d,%s)", id, L.sql_date(date), db.str(tostring(number)), L.money(total),
        db.str(note), branch, L.integer(db.user().tn) or 0, db.today())
    batch[#batch + 1] = string.format("insert into paymar_prov5 (g,ms,id,d) values (%d,%d,%d,%s)", year, month, id,
        L.sql_date(date))
    return db.execute(table.concat(batch, "\n")) and 1 or 0
end

-- Prov_5(condition, names, month, date): with a date, the transfer of the
-- month's posting 5 to the ledger on that date; without, the figures of the
-- months of the condition (every month of the working year when it is empty)
-- as a page. 1 when done, 0 with the reason shown.
function Prov_5(condition, names, month, date_text)
    local months = condition_months(condition)
    if not months then
        return L.refuse(0, "Неверное условие отбора месяцев: " .. L.text(condition))
    end
    local year = L.working_year()
    if L.text(date_text) == "" then
        return show_figures(year, months, names)
    end
    local date = L.date(date_text)
    if not date then
        return L.refuse(0, "Неверная дата: " .. L.text(date_text))
    end
    if GL_Verify_Date(L.date_text(date), 1) == 0 then
        return 0
    end
    local number = L.integer(month)
    if not number or number < 1 or number > 12 then
        return L.refuse(0, "Неверный месяц проводки: " .. L.text(month))
    end
    return transfer(year, number, months, date)
end
