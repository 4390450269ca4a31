-- The register of received invoices: prn(start, end, branch, source), dates
-- as dd.mm.yyyy, the branch -2 for all, the source 0 for all.
local L = Ledger

function prn(from, to, branch, source)
    app.report(L.received_invoices_page(from, to, branch, source), "Журнал полученных счетов-фактур")
end
