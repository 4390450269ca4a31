-- The powers of attorney to receive a cheque of the working period.
function Fill(kind, parameter)
    return Ledger.period_list("ledmark_dov_pol_cheka", {
        {"number", "Номер"}, {"d", "Дата"}, {"icn", "Кому выдана"}, {"n", "Чек №"}, {"s", "Сумма"}})
end

function Choose(first)
    Ledger.open_listed("Дов.пол.чека", first)
end
