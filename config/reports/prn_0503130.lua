-- The form's own report: the balance 0503130, a column per source of financing.
-- PrepareTheReport(from, to, sources, branches) as the form "prn_0503130" calls it.

local edition = {code = "0503130", title = "БАЛАНС ГЛАВНОГО РАСПОРЯДИТЕЛЯ, РАСПОРЯДИТЕЛЯ, ПОЛУЧАТЕЛЯ БЮДЖЕТНЫХ СРЕДСТВ, ГЛАВНОГО АДМИНИСТРАТОРА, АДМИНИСТРАТОРА ИСТОЧНИКОВ ФИНАНСИРОВАНИЯ ДЕФИЦИТА БЮДЖЕТА, ГЛАВНОГО АДМИНИСТРАТОРА, АДМИНИСТРАТОРА ДОХОДОВ БЮДЖЕТА", split = "source", edition = nil}

function PrepareTheReport(from, to, sources, branches)
    return Ledger.balance_page(edition, from, to, sources, branches)
end
