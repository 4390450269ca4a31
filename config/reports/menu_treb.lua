-- The menu requirement of one stored catering document: the categories of
-- people fed with their numbers, the planned cost by the food norms and the
-- actual cost; the products of each meal with the quantity issued to each
-- category, the quantity and sum written off; the signatures.
-- PrepareTheReport(real_id); a document not yet stored prints a page that says so.
local L = Ledger

local meal_names = {"Завтрак", "Обед", "Полдник", "Ужин", "Обсл.персонал"}

local function split(text, separator)
    local parts = {}
    for part in (L.text(text) .. separator):gmatch("(.-)" .. separator:gsub("%p", "%%%0")) do
        parts[#parts + 1] = part
    end
    return parts
end

local function book_names(table_name, ids)
    local list = {}
    for id in pairs(ids) do
        list[#list + 1] = tostring(id)
    end
    local names = {}
    if #list > 0 then
        for row in db.rows(string.format("select id,name from %s where id in (%s)", table_name,
            table.concat(list, ","))) do
            names[L.integer(row.id)] = L.text(row.name)
        end
    end
    return names
end

function PrepareTheReport(id)
    local row = L.stored_row("ledmark_menu_treb", "*," .. L.as_text("number") .. " as num", id)
    if not row then
        return L.unsaved_page("Меню-требование")
    end
    -- The categories: check:id:people:planned a day:planned in total:actual.
    local categories, category_ids = {}, {}
    for _, entry in ipairs(split(row.KatDov, "|")) do
        local f = split(entry, ":")
        local kat = L.integer(f[2])
        if kat and f[1] == "1" then
            categories[#categories + 1] = {id = kat, people = f[3] or "", day = f[4] or "", total = f[5] or "",
                fact = f[6] or ""}
            category_ids[kat] = true
        end
    end
    local category_names = book_names("spr_kat_dovolstv", category_ids)
    -- The meals: rows of code|stock quantity|stock sum|sum written off|index:category:quantity:column:price...
    local meals, product_ids = {}, {}
    for m, meal in ipairs(split(row.grid, "\1")) do
        local rows = {}
        if meal ~= "" then
            for _, line in ipairs(split(meal, ";")) do
                local f = split(line, "|")
                local code = L.integer(f[1])
                if code then
                    local item = {code = code, sum = f[4] or "", quantity = 0, by_category = {}, price = ""}
                    for k = 5, #f do
                        local c = split(f[k], ":")
                        local kat = L.integer(c[2])
                        if kat then
                            item.by_category[kat] = c[3] or ""
                            item.quantity = item.quantity + (L.number(c[3], 0) or 0)
                            item.price = c[5] or item.price
                        end
                    end
                    rows[#rows + 1] = item
                    product_ids[code] = true
                end
            end
        end
        meals[m] = rows
    end
    local product_names = book_names("spr_stovan_mat", product_ids)

    local head = "<tr><th>Код</th><th>Наименование</th><th>Цена</th>"
    for _, kat in ipairs(categories) do
        head = head .. "<th>" .. L.html(category_names[kat.id]) .. "</th>"
    end
    head = head .. "<th>Кол-во</th><th>Сумма</th></tr>"
    local parts, total = {}, 0
    for m, rows in ipairs(meals) do
        if #rows > 0 then
            parts[#parts + 1] = "<h4>" .. meal_names[m] .. "</h4><table border=1 cellspacing=0 cellpadding=3 width=100%>"
                .. head
            for _, item in ipairs(rows) do
                local cells = ""
                for _, kat in ipairs(categories) do
                    cells = cells .. "<td align=right>" .. L.html(item.by_category[kat.id]) .. "</td>"
                end
                total = total + (L.number(item.sum, 0) or 0)
                parts[#parts + 1] = string.format("<tr><td>%d</td><td>%s</td><td align=right>%s</td>%s"
                    .. "<td align=right>%s</td><td align=right>%s</td></tr>", item.code,
                    L.html(product_names[item.code]), L.print_money(item.price), cells, L.html(tostring(item.quantity)),
                    L.print_money(item.sum))
            end
            parts[#parts + 1] = "</table>"
        end
    end
    local people = {}
    for _, kat in ipairs(categories) do
        people[#people + 1] = string.format("<tr><td>%s</td><td align=right>%s</td><td align=right>%s</td>"
            .. "<td align=right>%s</td><td align=right>%s</td></tr>", L.html(category_names[kat.id]), L.html(kat.people),
            L.print_money(kat.day), L.print_money(kat.total), L.print_money(kat.fact))
    end
    local mol = L.employee(row.tn)
    return "<html><body>"
        .. "<p>" .. L.html(db.constant("ORG_NAME")) .. "</p>"
        .. "<h3 align=center>МЕНЮ-ТРЕБОВАНИЕ НА ВЫДАЧУ ПРОДУКТОВ ПИТАНИЯ № " .. L.html(row.num) .. "</h3>"
        .. "<p align=center>" .. L.date_in_words(row.d) .. "</p>"
        .. "<p>Материально ответственное лицо: <u>" .. L.html(mol.fio) .. "</u></p>"
        .. "<table border=1 cellspacing=0 cellpadding=3>"
        .. "<tr><th>Категория довольствующихся</th><th>Количество</th><th>Плановая стоимость 1 дня</th>"
        .. "<th>Плановая стоимость всего</th><th>Фактическая стоимость</th></tr>"
        .. table.concat(people) .. "</table>"
        .. table.concat(parts)
        .. "<p><b>Итого списано на сумму " .. L.money(total) .. "</b></p>"
        .. "<p>Руководитель _____________ " .. L.html(GetFilRuk(L.integer(row.fil_id) or 1, 1)) .. "</p>"
        .. "<p>Продукты выдал _____________ " .. L.html(mol.fio) .. "</p>"
        .. "<p>Продукты получил (повар) _____________</p>"
        .. "<p>Главный бухгалтер _____________ " .. L.html(db.constant("ORG_GL_BUH")) .. "</p>"
        .. "</body></html>"
end
