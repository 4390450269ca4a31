-- Branches and their heads, default codes and wordings, journals of operations
-- and the closing list. The head institution has no branch row: its name and
-- head are the database constants ORG_NAME, ORG_RUK and ORG_RUK_DOL.

local L = Ledger

local function branch_column(id, column)
    id = L.integer(id)
    if not id or id <= 0 then
        return ""
    end
    return db.string(string.format("select %s as str from spr_fil where id=%d", column, id))
end

-- A column of the branch, or the institution's constant when it has none.
local function branch_or_institution(id, column, constant)
    local value = branch_column(id, column)
    if value == "" then
        return db.constant(constant)
    end
    return value
end

-- Condition on the postings' branch for a branch list, with its own leading
-- connective: " and fil_id in (1,3)"; "" for an empty list or all branches (-2).
function GetFilsSql(branches)
    local list = L.integer_list(branches)
    if not list then
        error("GetFilsSql: неверный список филиалов \"" .. L.text(branches) .. "\"")
    end
    if list == "" or list == "-2" then
        return ""
    end
    return " and fil_id in (" .. list .. ")"
end

-- Name of a branch; the institution's name for all branches or no branch.
function GetFilName(id)
    return branch_or_institution(id, "name", "ORG_NAME")
end

-- Names of the branches of a list joined by ", "; the institution's name for an
-- empty list or all branches.
function GetFilName0(branches)
    local list = L.integer_list(branches)
    if not list or list == "" or list == "-2" then
        return db.constant("ORG_NAME")
    end
    local names = {}
    for row in db.rows("select name from spr_fil where id in (" .. list .. ") order by id") do
        names[#names + 1] = L.text(row.name)
    end
    if #names == 0 then
        return db.constant("ORG_NAME")
    end
    return table.concat(names, ", ")
end

-- Head of a branch: with `short` non-zero the name as printed under a signature,
-- else the full name; the institution's head when the branch has none.
function GetFilRuk(id, short)
    local column = (L.integer(short) or 0) ~= 0 and "coalesce(ruk_s,ruk)" or "ruk"
    return branch_or_institution(id, column, "ORG_RUK")
end

-- Head of the branch of a one-branch list; the institution's head otherwise.
function GetFilRuk0(branches)
    local list = L.integer_list(branches)
    if list and L.integer(list) then
        return GetFilRuk(list, 1)
    end
    return db.constant("ORG_RUK")
end

function GetFilRukDol(id)
    return branch_or_institution(id, "rukdol", "ORG_RUK_DOL")
end

function GetFilAdres(id)
    return branch_column(id, "adres")
end

-- Default budget classification code of an account's source for a branch: the
-- code marked default among those of the branch and source, else the only one.
-- A `current` code is kept.
function GL_GetDefKBK(account, branch, current, flag)
    if L.text(current) ~= "" then
        return L.text(current)
    end
    local source = L.text(account):sub(1, 1)
    local id = L.integer(branch)
    if not L.is_digits(source, 1) or not id then
        return ""
    end
    local where = "dt_del is null"
    if id ~= -2 then
        where = where .. " and " .. L.branch_list_holds("fil_id", id)
    end
    if source ~= "0" then
        where = where .. " and isf=" .. source
    end
    local rows = L.rows("select id,def from spr_kbk where " .. where .. " order by def desc,id")
    if #rows == 0 or (#rows > 1 and L.integer(rows[1].def) ~= 1) then
        return ""
    end
    return L.text(rows[1].id)
end

-- Default wording of an operation by its accounts: the typical operation whose
-- account masks match, the most precise one first.
function GetDefSO(debit, credit)
    local deb, kred = L.account_code(debit), L.account_code(credit)
    if not deb or not kred then
        return ""
    end
    deb, kred = deb:sub(2, 6), kred:sub(2, 6)
    local best, best_length = "", -1
    for row in db.rows("select deb,kred,name from spr_so") do
        local mask_deb, mask_kred = L.text(row.deb), L.text(row.kred)
        if deb:sub(1, #mask_deb) == mask_deb and kred:sub(1, #mask_kred) == mask_kred
            and #mask_deb + #mask_kred > best_length then
            best, best_length = L.text(row.name), #mask_deb + #mask_kred
        end
    end
    return best
end

-- Number of the journal of operations that a posting belongs to: the journal
-- whose accounts hold the credit account, else the one that holds the debit.
function GL_JRN_GetNumber(debit, credit, branch)
    local function journal_of(code)
        if not code then
            return ""
        end
        local _, synthetic, analytic, kosgu = L.parts(code)
        return db.string(string.format("select spr_jrn_oper.num as str from spr_jrn_oper "
            .. "join spr_jrn_oper1 on spr_jrn_oper1.id=spr_jrn_oper.id where spr_jrn_oper1.col1='%s' "
            .. "and (spr_jrn_oper1.col2 is null or spr_jrn_oper1.col2='' or spr_jrn_oper1.col2='00' or spr_jrn_oper1.col2='%s') "
            .. "and (spr_jrn_oper1.col3 is null or spr_jrn_oper1.col3='' or spr_jrn_oper1.col3='000' or spr_jrn_oper1.col3='%s') "
            .. "order by spr_jrn_oper.id", synthetic, analytic, kosgu))
    end
    local number = journal_of(L.account_code(credit))
    if number == "" then
        number = journal_of(L.account_code(debit))
    end
    return number
end

-- The accounts closed at the end of the year and where their balances go:
-- income and expenses of the year onto the result of past periods.
function GetZaklSch()
    return "040101000:040103000,040102000:040103000"
end
