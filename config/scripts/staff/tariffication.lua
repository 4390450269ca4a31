-- The tariffication rules the modules ask by name: the coefficient of a pay
-- grade and the number of decimals of salaries, each in force at a date.
-- Arguments reach SQL only as checked numbers and dates (Ledger's helpers).

local L = Ledger

-- A date argument dd.mm.yyyy as an SQL literal; an error names a bad one.
local function date_literal(value, what)
    local date = L.date(value)
    if not date then
        error(string.format("%s: неверная дата «%s»", what, L.text(value)), 0)
    end
    return L.sql_date(date)
end

-- GetKof(grade, date): the coefficient of the pay grade in force at the date
-- (spr_venz_kof: the row of the grade with the latest d not after the date).
-- A grade without a coefficient at that date is an error naming both.
function GetKof(grade, date)
    local raz = L.integer(grade)
    if not raz then
        error(string.format("GetKof: неверный разряд «%s»", L.text(grade)), 0)
    end
    local at = date_literal(date, "GetKof")
    local kof = db.string(string.format(
        "select kof from spr_venz_kof where raz=%d and d=(select max(d) from spr_venz_kof where raz=%d and d<=%s)",
        raz, raz, at))
    if kof == "" then
        error(string.format("Нет коэффициента %d разряда на %s", raz, L.text(date)), 0)
    end
    return tonumber(kof)
end

-- GetDigitFormatOkl(date): how many decimals salaries keep at the date
-- (spr_venz_okl: digits of the row with the latest d not after the date);
-- 2 when no row is in force.
function GetDigitFormatOkl(date)
    local at = date_literal(date, "GetDigitFormatOkl")
    local digits = db.string(string.format(
        "select digits from spr_venz_okl where d=(select max(d) from spr_venz_okl where d<=%s)", at))
    return L.integer(digits) or 2
end
