-- The form's own report: the closing reference 0503110.
-- PrepareTheReport(from, to, sources, branches, expand) as the form "prn_0503130_sb"
-- calls it, expand 1 breaking the accounts down by KOSGU.

local edition = {code = "0503110", title = "СПРАВКА ПО ЗАКЛЮЧЕНИЮ СЧЕТОВ БЮДЖЕТНОГО УЧЕТА ОТЧЕТНОГО ФИНАНСОВОГО ГОДА", edition = nil}

function PrepareTheReport(from, to, sources, branches, expand)
    return Ledger.closing_page(edition, from, to, sources, branches, expand)
end
