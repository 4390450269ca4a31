-- The form's own report: the financial results 0503121, a column per source of financing.
-- PrepareTheReport(from, to, sources, branches) as the form "prn_0503121" calls it.

local edition = {code = "0503121", title = "ОТЧЕТ О ФИНАНСОВЫХ РЕЗУЛЬТАТАХ ДЕЯТЕЛЬНОСТИ", split = "source", edition = nil}

function PrepareTheReport(from, to, sources, branches)
    return Ledger.results_page(edition, from, to, sources, branches)
end
