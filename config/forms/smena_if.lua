-- The change of the source of financing: every balance held under the giving
-- source moves to the receiving one.

function SmenaIF(date, giving, receiving)
    return Ledger.move_balances("source", date, giving, receiving)
end
