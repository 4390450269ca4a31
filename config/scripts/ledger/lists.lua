-- Lists of the stored documents of the working period, as the configuration's
-- grid forms show them: the row key first (the list opens the chosen row by
-- it), then the columns named for the bookkeeper, newest first.

local L = Ledger

-- A column caption as an alias of the current SQL dialect.
function L.caption(text)
    local driver = db.driver()
    if driver == 2 then
        return '"' .. text .. '"'
    elseif driver == 0 or driver == 3 then
        return "[" .. text .. "]"
    end
    return "`" .. text .. "`"
end

-- The working period as SQL date literals.
function L.period_literals()
    local user = db.user()
    return db.date(user.dpv1), db.date(user.dpv2)
end

-- The query of a list: the documents of `table_name` dated in the working
-- period; `columns` a list of {expression, caption}.
function L.period_list(table_name, columns)
    local parts = {"real_id as " .. L.caption("Код")}
    for _, column in ipairs(columns) do
        parts[#parts + 1] = column[1] .. " as " .. L.caption(column[2])
    end
    local from, to = L.period_literals()
    return string.format("select %s from %s where d>=%s and d<=%s order by d desc,real_id desc",
        table.concat(parts, ","), table_name, from, to)
end

-- Opens the chosen row (its first cell the key) in the form of document
-- `name`; a row without a key (a total) opens nothing.
function L.open_listed(name, first)
    local id = L.integer(first)
    if id then
        app.open_document(name, id)
    end
end

-- An expression as text in the current SQL dialect.
function L.as_text(expression)
    local driver = db.driver()
    if driver == 2 then
        return "cast(" .. expression .. " as varchar)"
    elseif driver == 0 or driver == 3 then
        return "cast(" .. expression .. " as nvarchar(100))"
    end
    return "cast(" .. expression .. " as char)"
end

-- A column whose name the dialect reserves ("do").
function L.reserved(name)
    local driver = db.driver()
    if driver == 2 then
        return '"' .. name .. '"'
    elseif driver == 0 or driver == 3 then
        return "[" .. name .. "]"
    end
    return name
end
