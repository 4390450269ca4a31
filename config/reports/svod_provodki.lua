-- The summary of postings of one account ("svod_provodki"): the account's
-- postings of the period summed by correspondent account and, when a
-- dimension is chosen, by its values, debit and credit, split by KBK when
-- asked, with the totals and the signatures, shown in the report window.
-- One aggregate statement over both sides of the account; the KBK and branch
-- lists reach SQL only as checked numbers.

local L = Ledger
local CAPTION = "Свод проводок по счету"

local function refuse(text)
    return L.refuse(0, CAPTION .. ": " .. text)
end

local function cell(value, bold)
    local text = L.money(value)
    return "<td align=right nowrap>" .. (bold and "<b>" .. text .. "</b>" or text) .. "&nbsp;</td>"
end

-- The page, or nil and the reason why it cannot be made.
local function summary_page(from_text, to_text, account, kbk, dimension, branches, split)
    local choices, why = L.report_choices(from_text, to_text, branches, kbk)
    if not choices then
        return nil, why
    end
    local from, to, fils, kbks = choices.from, choices.to, choices.fils, choices.kbks
    local code = L.account_code(account)
    if not code then
        return nil, "неверный счет \"" .. L.html(account) .. "\""
    end
    local n = L.integer(dimension) or -1
    local book = (n >= 1 and n <= 3) and GL_Get_SB(code, n) or 0
    local by_kbk = (L.integer(split) or 0) ~= 0
    local common = string.format(" and d>=%s and d<=%s", L.sql_date(from), L.sql_date(to))
    if fils ~= "" and fils ~= "-2" then
        common = common .. " and fil_id in (" .. fils .. ")"
    end
    local function side(mine, other, debit)
        local where = L.side_match(mine, code) .. common
        if kbks ~= "" then
            where = where .. string.format(" and kbk_%s in (%s)", mine, kbks)
        end
        return string.format("select %s as kbk,%s as v,concat(%s0,%s1,%s2,%s3) as corr,%s from ledmark_provodki where %s",
            by_kbk and ("coalesce(concat(kbk_" .. mine .. ",''),'')") or "''",
            book > 0 and string.format("coalesce(%s_sb%d,'')", mine, n) or "''",
            other, other, other, other, debit and "s as dt,0 as kt" or "0 as dt,s as kt", where)
    end
    local sql = "select kbk,v,corr,sum(dt) as dt,sum(kt) as kt from (" .. side("deb", "kred", true) .. " union all "
        .. side("kred", "deb", false) .. ") q group by kbk,v,corr order by kbk,v,corr"
    local heads = {}
    if by_kbk then
        heads[#heads + 1] = "КБК"
    end
    if book > 0 then
        local found = L.book(book)
        heads[#heads + 1] = L.html(found and found.caption or "Субконто")
    end
    heads[#heads + 1] = "Корр. счет"
    local head = "<tr bgcolor='#CCCCFF'>"
    for _, text in ipairs(heads) do
        head = head .. "<td align=center>" .. text .. "</td>"
    end
    head = head .. "<td align=center width=110>Дебет</td><td align=center width=110>Кредит</td></tr>"
    local parts = {
        "<html><body><table width=100% cellpadding=0 cellspacing=0 border=0>",
        "<tr><td align=center><b>" .. CAPTION .. " " .. L.html(GL_Printable(code)) .. " " .. L.html(GetSchName(code))
            .. "</b></td></tr>",
        "<tr><td align=center>за период с " .. L.date_text(from) .. " по " .. L.date_text(to) .. "</td></tr>",
        "<tr><td align=center>" .. L.html(GetFilName0(fils == "-2" and "" or fils)) .. "</td></tr>",
        "<tr><td><br><table width=100% cellpadding=2 cellspacing=0 border=1>", head,
    }
    local debit_total, credit_total = 0, 0
    for row in db.rows(sql) do
        local debit, credit = tonumber(row.dt) or 0, tonumber(row.kt) or 0
        local line = "<tr>"
        if by_kbk then
            line = line .. "<td nowrap>&nbsp;" .. L.html(L.kbk_text(L.text(row.kbk))) .. "</td>"
        end
        if book > 0 then
            local value = L.text(row.v)
            local name = value ~= "" and GL_SB_Name(code, n, value) or ""
            line = line .. "<td>&nbsp;" .. (value == "" and "(не указано)"
                or L.html(value) .. (name ~= "" and " " .. L.html(name) or "")) .. "</td>"
        end
        local corr = L.text(row.corr)
        line = line .. "<td nowrap>&nbsp;" .. (corr == "" and "без корреспонденции" or L.html(GL_Printable(corr)))
            .. "</td>" .. cell(debit, false) .. cell(credit, false) .. "</tr>"
        parts[#parts + 1] = line
        debit_total, credit_total = debit_total + debit, credit_total + credit
    end
    parts[#parts + 1] = string.format("<tr bgcolor='#CCCCFF'><td align=center colspan=%d><b>Итого:</b></td>", #heads)
        .. cell(debit_total, true) .. cell(credit_total, true) .. "</tr></table></td></tr>"
    parts[#parts + 1] = L.register_signatures(os.date("%d.%m.%Y")) .. "</table></body></html>"
    return table.concat(parts)
end

-- OK of the form: from, to (dd.mm.yyyy), the account, the KBK list, the
-- dimension to break down by (1-3, -1 for none), the branch list and the
-- split by KBK (0/1).
function prn(from, to, account, kbk, dimension, branches, split)
    local page, reason = summary_page(from, to, account, kbk, dimension, branches, split)
    if not page then
        return refuse(reason)
    end
    app.report(page, CAPTION)
    return 1
end
