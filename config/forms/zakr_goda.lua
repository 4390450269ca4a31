-- The year closing form: closes the year of the date to editing and makes the
-- periods of the next year.

function DoIt(date)
    return Ledger.close_year(date)
end
