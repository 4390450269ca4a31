-- The report by sources of financing ("hlam0"), report 0: the balances at the
-- date by source, budget classification code and account for the branches.
-- prn(date dd.mm.yyyy, sources "1:3,4:;2::", branches "1,2" or "" for all).
function prn(date, sources, branches)
    return Ledger.source_balances_page(date, sources, branches, false)
end
