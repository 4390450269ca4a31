-- The agreements of full material liability of the working year, newest
-- first; choosing a row opens the stored agreement.
local L = Ledger

function Fill(kind, parameter)
    local year = L.integer(db.user().year) or 0
    return string.format("select real_id as %s,%s as %s,d as %s,tn as %s,icn as %s,job as %s "
        .. "from ledmark_dog_mat_otv where d>=%s and d<=%s order by d desc,real_id desc",
        L.caption("Код"), L.as_text("number"), L.caption("Номер"), L.caption("Дата"), L.caption("Таб.№"),
        L.caption("Сотрудник"), L.caption("Работа"),
        db.date(string.format("01.01.%04d", year)), db.date(string.format("31.12.%04d", year)))
end

function Choose(first)
    Ledger.open_listed("дог.мат.отв.", first)
end
