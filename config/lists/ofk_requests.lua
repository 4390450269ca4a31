-- The list of treasury cash requests of the working period, newest first;
-- choosing a row opens the request.
function Fill(kind, parameter)
    return Ledger.document_list("ledmark_dov_pol_den",
        "real_id as \"Код\", number as \"Номер\", d as \"Дата\", icn as \"Кому выдана\", s as \"Сумма\"")
end

function Choose(key)
    app.open_document("заявка на пол.ден.", tonumber(key), 20)
end
