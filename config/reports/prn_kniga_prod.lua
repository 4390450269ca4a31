-- The VAT sales book: prn(start, end, branch, source), dates as dd.mm.yyyy,
-- the branch -2 for all, the source 0 for all.
local L = Ledger

function prn(from, to, branch, source)
    return L.sales_book_page(from, to, branch, source)
end
