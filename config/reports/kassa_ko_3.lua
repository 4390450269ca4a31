-- The journal of receipt and expense cash documents of a period (form
-- 0310003): prn(start, end, branches), dates as dd.mm.yyyy and the branch
-- ids separated by "," (all branches for none).
local L = Ledger

function prn(from, to, branches)
    return L.cash_journal_page(from, to, branches)
end
