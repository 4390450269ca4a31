-- The powers of attorney for goods of the working period.
function Fill(kind, parameter)
    return Ledger.period_list("ledmark_dov", {
        {"number", "Номер"}, {"d", "Дата"}, {"d2", "Действительна по"}, {"icn", "Сотрудник, поставщик"}})
end

function Choose(first)
    Ledger.open_listed("Доверенность", first)
end
