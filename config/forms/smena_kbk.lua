-- The change of the KBK: every balance held under the giving KBK moves to the
-- receiving one.

function SmenaKBK(date, giving, receiving)
    return Ledger.move_balances("kbk", date, giving, receiving)
end
