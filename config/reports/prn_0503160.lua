-- The explanatory note 0503160: its title part, section headings and signatures.
-- PrepareTheReport(from, to, sources, branches) as the form "prn_0503160" calls it.

function PrepareTheReport(from, to, sources, branches)
    return Ledger.note_page(from, to, sources, branches)
end
