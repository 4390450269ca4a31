-- The statement of an off-balance account ("prn_zab_sch"): per value of the
-- account's first analytic dimension the opening balance, the receipts
-- (debit), the disposals (credit) and the closing balance of the period, the
-- totals and the signatures. Every figure comes from one aggregate statement
-- over the account's postings; the branch and the account reach SQL only as
-- checked numbers.

local L = Ledger
local CAPTION = "Ведомость по забалансовому счету"

local function refuse(text)
    return L.refuse("", CAPTION .. ": " .. text)
end

local function cell(value, bold)
    local text = L.money(value)
    return "<td align=right nowrap>" .. (bold and "<b>" .. text .. "</b>" or text) .. "&nbsp;</td>"
end

-- prn(from, to (dd.mm.yyyy), branch id ("-2" = every branch), account key:
-- the source digit and the synthetic account, "1017"): the page.
function prn(from_text, to_text, branch_text, key)
    local from, to = L.date(from_text), L.date(to_text)
    if not from or not to then
        return refuse("неверный период \"" .. L.text(from_text) .. "\" - \"" .. L.text(to_text) .. "\"")
    end
    local branch = L.integer(branch_text)
    if not branch then
        return refuse("неверный филиал \"" .. L.text(branch_text) .. "\"")
    end
    local account = L.text(key)
    if not account:match("^%d%d%d%d$") then
        return refuse("неверный счет \"" .. L.html(account) .. "\"")
    end
    local code = account .. "00000"
    local book = GL_Get_SB(code, 1)
    local fil = branch ~= -2 and string.format(" and fil_id=%d", branch) or ""
    local first, last = L.sql_date(from), L.sql_date(to)
    local sql = string.format(
        "select v,coalesce(sum(case when d<%s then ds-ks else 0 end),0) as o,"
        .. "coalesce(sum(case when d>=%s then ds else 0 end),0) as dt,"
        .. "coalesce(sum(case when d>=%s then ks else 0 end),0) as kt from ("
        .. "select %s as v,d,s as ds,0 as ks from ledmark_provodki where %s%s and d<=%s"
        .. " union all "
        .. "select %s,d,0,s from ledmark_provodki where %s%s and d<=%s) q group by v order by v",
        first, first, first, book > 0 and "coalesce(deb_sb1,'')" or "''", L.side_match("deb", code), fil, last,
        book > 0 and "coalesce(kred_sb1,'')" or "''", L.side_match("kred", code), fil, last)
    local head_value = book > 0 and L.html((L.book(book) or {}).caption or "Субконто") or "Счет"
    local parts = {
        "<html><body><table width=100% cellpadding=0 cellspacing=0 border=0>",
        "<tr><td align=center><b>" .. CAPTION .. " " .. L.html(GL_Printable(code)) .. " "
            .. L.html(GetSchName(code)) .. "</b></td></tr>",
        "<tr><td align=center>за период с " .. L.date_text(from) .. " по " .. L.date_text(to) .. "</td></tr>",
        "<tr><td align=center>" .. L.html(GetFilName0(branch == -2 and "" or tostring(branch))) .. "</td></tr>",
        "<tr><td><br><table width=100% cellpadding=2 cellspacing=0 border=1>",
        "<tr bgcolor='#CCCCFF'><td align=center>" .. head_value .. "</td><td align=center width=100>Остаток на начало</td>"
            .. "<td align=center width=100>Поступление</td><td align=center width=100>Выбытие</td>"
            .. "<td align=center width=100>Остаток на конец</td></tr>",
    }
    local totals = {0, 0, 0, 0}
    for row in db.rows(sql) do
        local opening, debit, credit = tonumber(row.o) or 0, tonumber(row.dt) or 0, tonumber(row.kt) or 0
        if opening ~= 0 or debit ~= 0 or credit ~= 0 then
            local value = L.text(row.v)
            local shown = L.html(GL_Printable(code))
            if book > 0 then
                local name = value ~= "" and GL_SB_Name(code, 1, value) or ""
                shown = value == "" and "(не указано)" or L.html(value) .. (name ~= "" and " " .. L.html(name) or "")
            end
            local figures = {opening, debit, credit, opening + debit - credit}
            local line = "<tr><td>&nbsp;" .. shown .. "</td>"
            for i, figure in ipairs(figures) do
                line = line .. cell(figure, false)
                totals[i] = totals[i] + figure
            end
            parts[#parts + 1] = line .. "</tr>"
        end
    end
    local line = "<tr bgcolor='#CCCCFF'><td align=center><b>Итого:</b></td>"
    for _, figure in ipairs(totals) do
        line = line .. cell(figure, true)
    end
    parts[#parts + 1] = line .. "</tr></table></td></tr>"
    parts[#parts + 1] = L.register_signatures(os.date("%d.%m.%Y")) .. "</table></body></html>"
    return table.concat(parts)
end
