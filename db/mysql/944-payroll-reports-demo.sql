-- Demo of the payroll reports, after the accrual run's demo year (whose
-- month before the working month it keeps as it stands).

-- Two computed months of the working year, the working month and the one
-- before it (February in January): each employee in post is paid the
-- position's salary on the main sheet, part-timers their second post on
-- sheet 2, with the income tax; the months' employees, the funds of the
-- departments and categories, and the contributions per employee. The rows
-- a month's run would write are kept when it has run already.
SET @y = YEAR(CURDATE());
SET @m = MONTH(CURDATE());
CREATE TEMPORARY TABLE demo_months (ms INT NOT NULL PRIMARY KEY);
INSERT INTO demo_months (ms) VALUES (@m), (IF(@m = 1, 2, @m - 1));

INSERT IGNORE INTO paymar_nuz (g, ms, tn, npp, nv, kou, s)
SELECT @y, dm.ms, b.tn, b.npp, IF(b.osn = 1, 1, 2), IF(b.osn = 1, 1, 3),
       IF(b.osn = 1, d1.okl, ROUND(d1.okl / 2, 2)) + IF(dm.ms = @m, 0, 150.50)
FROM paymar_bux b JOIN demo_months dm JOIN spr_paymar_dol1 d1 ON d1.id = b.dol AND d1.nv = IF(b.osn = 1, 1, 2)
WHERE b.d2 IS NULL OR b.d2 >= DATE_FORMAT(CURDATE(), '%Y-%m-01') - INTERVAL 1 MONTH;
INSERT IGNORE INTO paymar_nuz (g, ms, tn, npp, nv, kou, s)
SELECT g, ms, tn, npp, nv, 201, ROUND(s * 0.13, 2) FROM paymar_nuz
WHERE g = @y AND ms IN (SELECT ms FROM demo_months) AND kou <= 200;

INSERT IGNORE INTO paymar_m (g, ms, tn, kat, prd)
SELECT DISTINCT n.g, n.ms, n.tn, b.kat, b.prd FROM paymar_nuz n
JOIN paymar_bux b ON b.tn = n.tn AND b.osn = 1
WHERE n.g = @y AND n.ms IN (SELECT ms FROM demo_months);

INSERT IGNORE INTO paymar_kty1 (prd, kat, g, ms, nv, kou, s)
SELECT b.prd, b.kat, n.g, n.ms, n.nv, 27, ROUND(SUM(n.s) * 0.10, 2) FROM paymar_nuz n
JOIN paymar_bux b ON b.tn = n.tn AND b.npp = n.npp
WHERE n.g = @y AND n.ms IN (SELECT ms FROM demo_months) AND n.kou <= 200 AND b.prd IS NOT NULL AND b.kat IS NOT NULL
GROUP BY b.prd, b.kat, n.g, n.ms, n.nv;

INSERT IGNORE INTO paymar_per (g, ms, tn, nv, npp, s1, s2, tp, sov_tp)
SELECT n.g, n.ms, n.tn, n.nv, o.id, SUM(n.s), ROUND(SUM(n.s) * o.pr / 100, 2), 1, 0 FROM paymar_nuz n
JOIN spr_paymar_otchis o
WHERE n.g = @y AND n.ms IN (SELECT ms FROM demo_months) AND n.kou <= 200
GROUP BY n.g, n.ms, n.tn, n.nv, o.id, o.pr;
DROP TEMPORARY TABLE demo_months;
