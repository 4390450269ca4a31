-- The month's accruals of the payroll run: every position row in force gets
-- its basic pay on each pay sheet where its position has a salary, for the
-- days it worked, the standing allowances in force, and the sick pay, the
-- payments by average earnings and the vacation pay entered for the month as
-- their forms split them by pay sheet. The whole month is written anew, so a second run gives
-- the same month. Set-based: a few
-- statements for the whole staff, never one per employee. The run calls
-- r_nach inside its transaction; the deductions follow in sp_paymar_ru.

local function whole(value)
    local n = math.tointeger(tonumber(value))
    if not n then
        error("Неверное число: " .. tostring(value))
    end
    return n
end

local function days_in_month(year, month)
    return os.date("*t", os.time({year = year, month = month + 1, day = 0, hour = 12})).day
end

-- The statements of the month's accruals, one a line.
function r_nach_sql(year, month)
    local y, m = whole(year), whole(month)
    local first = db.date(string.format("01.%02d.%04d", m, y))
    local last = db.date(string.format("%02d.%02d.%04d", days_in_month(y, m), m, y))
    local in_force = string.format("(b.d1 is null or b.d1<=%s) and (b.d2 is null or b.d2>=%s) and (tn.du is null or tn.du>=%s)",
        last, first, first)
    local days = string.format("left join paymar_trv_dol td on td.tn=b.tn and td.npp=b.npp and td.g=%d and td.ms=%d "
        .. "left join paymar_trv t on t.tn=b.tn and t.g=%d and t.ms=%d "
        .. "left join spr_kl1 k on k.id=b.kl and k.g=%d and k.ms=%d", y, m, y, m, y, m)
    local worked = "coalesce(td.dn,t.dn)/nullif(k.dn,0)"
    local salaries = "select b.tn,b.npp,r.nv,b.kou,round(r.okl*" .. worked .. ",2) as s from paymar_bux b "
        .. "join tn on tn.tn=b.tn join spr_paymar_dol1 r on r.id=b.dol and r.okl<>0 " .. days
        .. " where " .. in_force .. " and b.kou is not null"
    local function allowances(tab)
        return "select a.tn,a.npp,a.nv,a.kou,coalesce(a.s,round(r.okl*a.pr/100*" .. worked .. ",2)) as s from "
            .. tab .. " a join paymar_bux b on b.tn=a.tn and b.npp=a.npp join tn on tn.tn=b.tn "
            .. "left join spr_paymar_dol1 r on r.id=b.dol and r.nv=a.nv " .. days
            .. " where " .. in_force
            .. string.format(" and (a.d1 is null or a.d1<=%s) and (a.d2 is null or a.d2>=%s)", last, first)
    end
    -- The employee's main position row, or his first one; 0 when he has none,
    -- so that a payment already entered is never dropped.
    local function position_row(alias)
        return string.format("coalesce((select min(x.npp) from paymar_bux x where x.tn=%s.tn and x.osn=1),"
            .. "(select min(x.npp) from paymar_bux x where x.tn=%s.tn),0)", alias, alias)
    end
    -- Sick pay under the certificate's pay code, on its position row.
    local sick_pay = "select p.tn,coalesce(c.npp_bux," .. position_row("p") .. ") as npp,p.nv,c.vou as kou,p.s "
        .. "from paymar_bol2 p join paymar_bol c on c.g=p.g and c.ms=p.ms and c.tn=p.tn and c.npp=p.npp "
        .. string.format("where p.g=%d and p.ms=%d", y, m)
    local average_pay = "select a.tn," .. position_row("a") .. " as npp,a.nv,a.kou,a.s from paymar_sred1 a "
        .. string.format("where a.g=%d and a.ms=%d", y, m)
    -- Vacation pay under each part's code, on the employee's main row.
    local vacation_pay = "select v.tn," .. position_row("v") .. " as npp,v.nv,v.kou,v.s from paymar_otpusk1 v "
        .. string.format("where v.g=%d and v.ms=%d", y, m)
    return table.concat({
        string.format("delete from paymar_nu where g=%d and ms=%d", y, m),
        string.format("insert into paymar_nu (g,ms,tn,npp,nv,kou,s) select %d,%d,q.tn,q.npp,q.nv,q.kou,sum(q.s) from (", y, m)
            .. salaries .. " union all " .. allowances("paymar_dopl") .. " union all " .. allowances("paymar_doplz")
            .. " union all " .. sick_pay .. " union all " .. average_pay .. " union all " .. vacation_pay
            .. ") q group by q.tn,q.npp,q.nv,q.kou having sum(q.s)<>0",
    }, "\n")
end

-- Runs the month's accruals: 1 when they were written, 0 on a failure.
function r_nach(year, month)
    local ok, sql = pcall(r_nach_sql, year, month)
    if not ok then
        return 0
    end
    return db.execute(sql) and 1 or 0
end
