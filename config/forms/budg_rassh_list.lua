-- The list of contract breakdowns: those of the working period, newest first.
-- Choosing a row opens the breakdown in its form.

function Fill(kind, parameter)
    local user = db.user()
    return string.format(
        "select real_id as 'Код',cast(number as char) as '№',date_format(d,'%%d.%%m.%%Y') as 'Дата',"
        .. "icn as 'Договор, поставщик',s as 'Сумма',prim as 'Примечание' from ledmark_budg_rassh "
        .. "where d between %s and %s order by d desc,real_id desc",
        db.date(user.dpv1), db.date(user.dpv2))
end

function Choose(key)
    local id = Ledger.integer(key)
    return id ~= nil and app.open_document("расш.к договору", id)
end
