-- The cheque-book applications of the working period.
function Fill(kind, parameter)
    return Ledger.period_list("ledmark_check_book", {
        {"number", "Номер"}, {"d", "Дата"}, {"icn", "Кому выдана доверенность"}, {"kol_k", "Книжек"},
        {"kol_l", "Листов"}})
end

function Choose(first)
    Ledger.open_listed("Заявл.чек.кн.", first)
end
