-- The sales book of the working period ("ОтчКнигПродаж"): its entries in the
-- order of their dates with a row of totals; the chosen entry opens in its
-- form, and the print gives the list with its totals.
local L = Ledger

local vat = "coalesce(s20,0)+coalesce(s18,0)+coalesce(s10,0)"

function Fill(kind, parameter)
    local from, to = L.period_literals()
    local entries = {
        {L.as_text("real_id"), "Код"}, {"d", "Дата записи"}, {"number", "Счет-фактура №"},
        {"d_sf", "От"}, {"icn", "Покупатель"}, {"iff", "ИФ"}, {"s", "Сумма"}, {vat, "НДС"}, {"s0", "Без НДС"},
    }
    local total = {"''", "null", "''", "null", "'Итого'", "null", "sum(s)", "sum(" .. vat .. ")", "sum(s0)"}
    local inner, outer = {}, {}
    for _, column in ipairs(entries) do
        inner[#inner + 1] = column[1] .. " as " .. L.caption(column[2])
        outer[#outer + 1] = L.caption(column[2])
    end
    local period = string.format("from ledmark_kniga_prod where d>=%s and d<=%s", from, to)
    return string.format("select %s from (select %s,0 as grp,d as sd,real_id as sid %s "
        .. "union all select %s,1,null,null %s) q order by grp,sd,sid",
        table.concat(outer, ","), table.concat(inner, ","), period, table.concat(total, ","), period)
end

function Choose(first)
    L.open_listed("книга продаж", first)
end

-- The book of the working period, every branch and source.
function prn()
    local user = db.user()
    return L.sales_book_page(user.dpv1, user.dpv2, "-2", "0")
end
