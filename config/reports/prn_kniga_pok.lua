-- The VAT purchase book: prn(start, end, branch, source), dates as
-- dd.mm.yyyy, the branch -2 for all, the source 0 for all.
local L = Ledger

function prn(from, to, branch, source)
    local id = L.integer(branch)
    if not id then
        error("Книга покупок: неверный филиал \"" .. L.text(branch) .. "\"")
    end
    return L.purchase_book_page(from, to, id == -2 and "" or tostring(id), source)
end
