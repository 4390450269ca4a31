-- The report by sources of financing ("hlam0"), report 1: the balances of
-- report 0, each by the analytic values of its account.
function prn(date, sources, branches)
    return Ledger.source_balances_page(date, sources, branches, true)
end
