-- The query of the postings journal and of the registers: the postings of a
-- period with the document that wrote each of them.

local L = Ledger

-- Documents whose postings the journal shows: the header table, the document
-- name of the form that opens it (docId), its kind for opening (DocType), its
-- kind number (doc_id), its title and the expression of its counterpart (icn);
-- `where` (optional) picks the kind's rows of a table that two kinds share.
-- Document issues add their kinds here; a kind whose table does not exist yet
-- is left out.
Ledger.document_kinds = {
    {table = "ledmark_oper_by_hand", docId = "<вручную>", docType = 0, id = 1, title = "prim", icn = "prim"},
    {table = "ledmark_rko", docId = "Расх.орд", docType = 0, id = 2, title = "'Расходный кассовый ордер'", icn = "fio"},
    {table = "ledmark_pko", docId = "Прих.орд.", docType = 0, id = 3, title = "'Приходный кассовый ордер'", icn = "fio"},
    {table = "ledmark_avans_otch", docId = "Аванс.отчет", docType = 0, id = 4, title = "'Авансовый отчет'", icn = "icn"},
    {table = "ledmark_bank_spis", docId = "Банк спис.", docType = 0, id = 5, title = "'Банковская выписка (списание)'", icn = "icn"},
    {table = "ledmark_bank_postup0", docId = "Финансир.", docType = 0, id = 6, title = "'Финансирование'", icn = "icn",
     where = "deb is null"},
    {table = "ledmark_bank_postup", docId = "Банк поступ.", docType = 0, id = 7,
     title = "'Банковская выписка (поступление)'", icn = "icn"},
    {table = "ledmark_bank_postup0", docId = "Банк поступ.", docType = 1, id = 8,
     title = "'Банковская выписка (поступление)'", icn = "icn", where = "deb is not null"},
    {table = "ledmark_sch_fak_poluch", docId = "сч.фак.получ.", docType = 0, id = 10, title = "'Счет-фактура полученный'", icn = "icn"},
    {table = "ledmark_rod_nuch", docId = "нач.род.платы", docType = 0, id = 11,
     title = "'Начисление родительской платы'", icn = "icn"},
    {table = "ledmark_rod_plata", docId = "нач.ост.род.платы", docType = 0, id = 12,
     title = "'Начальные остатки по родительской плате'", icn = "icn"},
    {table = "ledmark_rod_post", docId = "пост.род.платы", docType = 0, id = 13,
     title = "'Поступление родительской платы'", icn = "icn"},
    {table = "paymar_sch_fak", docId = "сч.фак.выд.", docType = 0, id = 9, title = "'Счет-фактура выданный'", icn = "icn"},
    {table = "ledmark_budg_assig", docId = "Бюдж.ассигн.", docType = 0, id = 14, title = "icn", icn = "prim"},
    {table = "ledmark_budg_obyaz", docId = "Бюдж.обяз-во", docType = 0, id = 15, title = "icn",
     icn = "(select name from spr_dogovora where spr_dogovora.id=ledmark_budg_obyaz.dogovor)"},
    {table = "ledmark_budg_zayavka", docId = "Бюдж.заявка", docType = 0, id = 16, title = "'Бюджетная заявка'", icn = "icn"},
    {table = "ledmark_mat_prix", docId = "пост.мат.", docType = 0, id = 60, title = "'Поступление материалов'", icn = "prim"},
    {table = "ledmark_mat_prix_0", docId = "нач.ост.МЗ", docType = 1, id = 61, title = "'Ввод начальных остатков МЗ'",
     icn = "prim"},
    {table = "ledmark_mat_spis", docId = "спис.мат.", docType = 0, id = 62, title = "'Списание материалов'", icn = "prim"},
    {table = "ledmark_os_spis", docId = "Спис.ОС", docType = 0, id = 64, title = "'Списание основных средств'",
     icn = "prim"},
    {table = "ledmark_os_nakl", docId = "Накладная по ОС", docType = 0, id = 67, title = "'Накладная по ОС'", icn = "icn"},
    {table = "ledmark_mat_nakl", docId = "Накладная по МЗ", docType = 1, id = 68, title = "'Накладная по МЗ'", icn = "icn"},
    {table = "ledmark_os_pokup", docId = "Поступл.ОС", docType = 0, id = 63, title = "'Поступление основных средств'",
     icn = "icn"},
    {table = "ledmark_menu_treb", docId = "МенюТреб.", docType = 0, id = 69, title = "'Меню-требование'", icn = "icn"},
    {table = "ledmark_mat_mol_to_mol", docId = "Внтр.пер.МЗ", docType = 0, id = 65,
     title = "'Внутреннее перемещение МЗ'", icn = "icn"},
    {table = "ledmark_os_mol_to_mol", docId = "Внтр.пер.ОС", docType = 0, id = 66,
     title = "'Внутреннее перемещение ОС'", icn = "icn"},
}

local function existing_tables(names)
    local quoted = {}
    for _, name in ipairs(names) do
        quoted[#quoted + 1] = L.sql_text(name)
    end
    local found = {}
    for row in db.rows("select lower(table_name) as name from information_schema.tables "
        .. "where table_schema=database() and lower(table_name) in (" .. table.concat(quoted, ",") .. ")") do
        found[L.text(row.name)] = true
    end
    return found
end

-- The names of stored documents ("Накладная по МЗ № 1") whatever kind wrote
-- them, read in one query: {[id] = name} for the ids of `ids` (a list of whole
-- numbers) that a kind holds. The kinds' tables are looked up once per call.
function L.documents_named(ids)
    local named = {}
    if #ids == 0 then
        return named
    end
    local names = {}
    for _, kind in ipairs(Ledger.document_kinds) do
        names[#names + 1] = kind.table
    end
    local present = existing_tables(names)
    local list = table.concat(ids, ",")
    local parts = {}
    for _, kind in ipairs(Ledger.document_kinds) do
        if present[kind.table] then
            parts[#parts + 1] = string.format(
                "select id,%s as title,cast(number as char) as num from %s where id in (%s)%s",
                kind.title, kind.table, list, kind.where and (" and (" .. kind.where .. ")") or "")
        end
    end
    if #parts == 0 then
        return named
    end
    -- The first kind that holds an id names it (none when its title is empty).
    local seen = {}
    for _, row in ipairs(L.rows(table.concat(parts, " union all "))) do
        local id = L.integer(row.id)
        if id and not seen[id] then
            seen[id] = true
            if L.text(row.title) ~= "" then
                named[id] = L.text(row.title) .. " № " .. L.text(row.num)
            end
        end
    end
    return named
end

-- The names the kinds give the documents of `ids` ("234,235"), for the
-- printouts built outside the scripts: one line "id=name" per id that a kind
-- holds, a name kept on its line.
function L.document_names(ids)
    local keys = {}
    for id in string.gmatch(L.text(ids), "%d+") do
        keys[#keys + 1] = math.tointeger(tonumber(id))
    end
    local named = L.documents_named(keys)
    local lines = {}
    for _, id in ipairs(keys) do
        if named[id] then
            lines[#lines + 1] = id .. "=" .. named[id]:gsub("[\r\n]+", " ")
        end
    end
    return table.concat(lines, "\n")
end

-- The index of each present kind's table that begins with id, where the server
-- names it (MariaDB): {[table] = index name}.
local function id_indexes(present)
    local indexes = {}
    if db.driver() ~= 1 then
        return indexes
    end
    local quoted = {}
    for name in pairs(present) do
        quoted[#quoted + 1] = L.sql_text(name)
    end
    if #quoted == 0 then
        return indexes
    end
    for row in db.rows("select lower(table_name) as name,index_name from information_schema.statistics "
        .. "where table_schema=database() and seq_in_index=1 and lower(column_name)='id' and lower(table_name) in ("
        .. table.concat(quoted, ",") .. ") order by index_name") do
        local name = L.text(row.name)
        indexes[name] = indexes[name] or L.text(row.index_name)
    end
    return indexes
end

-- Each posting's document is looked up kind by kind through the kind's index on
-- id, so a screen of the journal reads its own postings' documents only, at the
-- same cost over any number of documents (a union of all documents joined to
-- the postings is made whole for every screen). Each kind is a derived table of
-- its own columns under names of its own (doc<N>_...), so a clause naming the
-- postings' columns bare (fil_id, d, s) meets no document column of the same
-- name. Gives the joins and, per document column, the expression that takes it
-- from the first kind holding the posting's id.
local function documents_joined()
    local names = {}
    for _, kind in ipairs(Ledger.document_kinds) do
        names[#names + 1] = kind.table
    end
    local present = existing_tables(names)
    local indexes = id_indexes(present)
    local joins = {}
    local columns = {doc_name = {}, number = {}, icn = {}, doc_id = {}, real_id = {}, docId = {}, DocType = {},
                     d0 = {}, d1 = {}}
    for n, kind in ipairs(Ledger.document_kinds) do
        if present[kind.table] then
            local a = "doc" .. n
            local hint = indexes[kind.table] and (" force index (" .. indexes[kind.table] .. ")") or ""
            joins[#joins + 1] = string.format("left join (select id as %s_id,real_id as %s_real_id,"
                .. "cast(number as char) as %s_number,d0 as %s_d0,d1 as %s_d1,%s as %s_doc_name,%s as %s_icn "
                .. "from %s%s where id>0%s) %s on %s_id=ledmark_provodki.id", a, a, a, a, a, kind.title, a, kind.icn,
                a, kind.table, hint, kind.where and (" and (" .. kind.where .. ")") or "", a, a)
            local when = " when " .. a .. "_id is not null then "
            for _, column in ipairs({"doc_name", "number", "icn", "real_id", "d0", "d1"}) do
                columns[column][#columns[column] + 1] = when .. a .. "_" .. column
            end
            columns.docId[#columns.docId + 1] = when .. L.sql_text(kind.docId)
            columns.DocType[#columns.DocType + 1] = when .. kind.docType
            columns.doc_id[#columns.doc_id + 1] = when .. kind.id
        end
    end
    local expressions = {}
    for column, cases in pairs(columns) do
        expressions[column] = #cases == 0 and "null" or ("case" .. table.concat(cases) .. " end")
    end
    return table.concat(joins, " "), expressions
end

-- The postings from `from` to `to` (SQL date literals) that satisfy `condition`
-- (empty, or a text beginning "where "), with their documents, in the order of
-- dates, documents and lines. The condition may name ledmark_provodki's columns,
-- d0 and d1 of the documents and the account expressions of the postings.
function GL_SqlProvodki(from, to, condition, flag)
    local first, last = L.checked_date_literal(from), L.checked_date_literal(to)
    if not first or not last then
        error("GL_SqlProvodki: неверный период " .. L.text(from) .. " - " .. L.text(to))
    end
    local where = L.text(condition)
    if where ~= "" then
        local body = where:match("^[Ww][Hh][Ee][Rr][Ee]%s+(.*)$")
        if not body then
            error("GL_SqlProvodki: условие должно начинаться с where")
        end
        where = "where (" .. body .. ") and "
    else
        where = "where "
    end
    local joins, docs = documents_joined()
    -- The creation and change dates of the documents the clause may name.
    where = where:gsub("%f[%w_.]d0%f[^%w_]", docs.d0):gsub("%f[%w_.]d1%f[^%w_]", docs.d1)
    where = where .. string.format("ledmark_provodki.d>=%s and ledmark_provodki.d<=%s", first, last)
    local function concat(columns)
        return "concat(ledmark_provodki." .. table.concat(columns, ",ledmark_provodki.") .. ")"
    end
    return "select ledmark_provodki.fil_id,ledmark_provodki.d," .. docs.doc_name .. " as doc_name,"
        .. docs.number .. " as number,ledmark_provodki.npp,"
        .. "ledmark_provodki.kbk_deb," .. concat({"deb0", "deb1", "deb2", "deb3"}) .. " as dbt,"
        .. "ledmark_provodki.deb_sb1,ledmark_provodki.deb_sb2,ledmark_provodki.deb_sb3,ledmark_provodki.kbk_kred,"
        .. concat({"kred0", "kred1", "kred2", "kred3"}) .. " as krdt,"
        .. "ledmark_provodki.kred_sb1,ledmark_provodki.kred_sb2,ledmark_provodki.kred_sb3,"
        .. "ledmark_provodki.kol,ledmark_provodki.s,ledmark_provodki.prim as so,ledmark_provodki.prim,"
        -- A counterpart kept in a TEXT column (an invoice's, a receipt's note) would make
        -- the whole column unbounded and the journal read row by row; no printed cell
        -- shows more than its first thousand characters.
        .. "cast(" .. docs.icn .. " as char(1000)) as icn," .. docs.doc_id .. " as doc_id," .. docs.real_id .. " as real_id,"
        .. docs.docId .. " as docId," .. docs.DocType .. " as DocType,ledmark_provodki.id "
        .. "from ledmark_provodki " .. joins .. " "
        .. where .. " order by ledmark_provodki.d,ledmark_provodki.id,ledmark_provodki.npp"
end
