-- Demo data of the accrual run and the averages: twelve months of results and
-- days before the working month for every position row then in force, the
-- calendars of those months, the bonus code, a sick leave across a month's
-- end, day-by-day marks of the month before, an employee hired two months ago,
-- and two mothers on leave (every row closed) with a child under one and a
-- half, one of them with two children.

SET @m1 = DATE_FORMAT(CURDATE(), '%Y-%m-01');

-- The twelve months before the working month (k 1 is the month before).
CREATE TEMPORARY TABLE demo_months (k INT NOT NULL PRIMARY KEY, d1 DATE NOT NULL, g INT NOT NULL, ms INT NOT NULL);
INSERT INTO demo_months (k, d1, g, ms)
SELECT n.k, @m1 - INTERVAL n.k MONTH, YEAR(@m1 - INTERVAL n.k MONTH), MONTH(@m1 - INTERVAL n.k MONTH)
FROM (SELECT 1 AS k UNION ALL SELECT 2 UNION ALL SELECT 3 UNION ALL SELECT 4 UNION ALL SELECT 5 UNION ALL SELECT 6
      UNION ALL SELECT 7 UNION ALL SELECT 8 UNION ALL SELECT 9 UNION ALL SELECT 10 UNION ALL SELECT 11
      UNION ALL SELECT 12) n;

-- The calendars' months of the year before, as the demo year's are made.
INSERT IGNORE INTO spr_kl1 (id, g, ms, dn, bol, ch)
SELECT k.id, YEAR(d.day), MONTH(d.day), SUM(WEEKDAY(d.day) < k.days), COUNT(*),
       SUM(CASE WHEN WEEKDAY(d.day) < 5 THEN k.hours WHEN WEEKDAY(d.day) < k.days THEN 5 ELSE 0 END)
FROM (SELECT MAKEDATE(YEAR(CURDATE()) - 1, 1) + INTERVAL (a.n + 10 * b.n + 100 * c.n) DAY AS day
      FROM (SELECT 0 AS n UNION ALL SELECT 1 UNION ALL SELECT 2 UNION ALL SELECT 3 UNION ALL SELECT 4
            UNION ALL SELECT 5 UNION ALL SELECT 6 UNION ALL SELECT 7 UNION ALL SELECT 8 UNION ALL SELECT 9) a,
           (SELECT 0 AS n UNION ALL SELECT 1 UNION ALL SELECT 2 UNION ALL SELECT 3 UNION ALL SELECT 4
            UNION ALL SELECT 5 UNION ALL SELECT 6 UNION ALL SELECT 7 UNION ALL SELECT 8 UNION ALL SELECT 9) b,
           (SELECT 0 AS n UNION ALL SELECT 1 UNION ALL SELECT 2 UNION ALL SELECT 3) c) d
JOIN (SELECT 1 AS id, 5 AS days, 8 AS hours UNION ALL SELECT 2, 6, 7) k
WHERE YEAR(d.day) = YEAR(CURDATE()) - 1
GROUP BY k.id, YEAR(d.day), MONTH(d.day);

-- The quarterly bonus is code 11.
INSERT INTO spr_paymar_prem (id, name, ms, dt_del, Real_npp) VALUES (1, 'Премия', 1, NULL, 11);

-- An employee hired two months ago, and two mothers on leave since the
-- spring: their rows are closed. They work in no department, so the month's
-- input forms do not list them.
INSERT INTO tn (tn, f, i, o, pol, dr, nv, kat) VALUES
  (41, 'Щукина', 'Дарья', 'Сергеевна', 'Жен', '1999-02-11', 1, 1),
  (42, 'Шубина', 'Алина', 'Романовна', 'Жен', '1993-06-19', 1, 1),
  (43, 'Ярцева', 'Вера', 'Олеговна', 'Жен', '1990-10-03', 1, 1);
INSERT INTO paymar_bux (tn, npp, osn, kpz, prd, dol, kat, kou, kl, d1, d2, staj) VALUES
  (41, 1, 1, 1, NULL, 4, 1, 1, 1, @m1 - INTERVAL 2 MONTH + INTERVAL 9 DAY, NULL, 0),
  (42, 1, 1, 1, NULL, 3, 1, 1, 1, @m1 - INTERVAL 4 YEAR, @m1 - INTERVAL 7 MONTH + INTERVAL 19 DAY, 0),
  (43, 1, 1, 1, NULL, 3, 1, 1, 1, @m1 - INTERVAL 6 YEAR, @m1 - INTERVAL 5 MONTH - INTERVAL 1 DAY, 0);
INSERT INTO paymar_iz (tn, npp, dr, b15, b3, du) VALUES
  (42, 1, @m1 - INTERVAL 7 MONTH + INTERVAL 22 DAY, 1, 1, NULL),
  (43, 1, @m1 - INTERVAL 5 MONTH + INTERVAL 3 DAY, 1, 1, NULL),
  (43, 2, '2019-04-14', 0, 0, NULL);

-- The months' days and results of every position row in force then: the
-- salary of its position on the employee's main sheet for the calendar's
-- norm, the bonus in the last month of each quarter and the income tax.
INSERT INTO paymar_trv (tn, g, ms, dn, kl)
SELECT DISTINCT b.tn, m.g, m.ms, k.dn, NULL
FROM paymar_bux b JOIN demo_months m ON (b.d1 IS NULL OR b.d1 <= LAST_DAY(m.d1)) AND (b.d2 IS NULL OR b.d2 >= m.d1)
JOIN spr_kl1 k ON k.id = 1 AND k.g = m.g AND k.ms = m.ms
WHERE b.osn = 1;

INSERT INTO paymar_nuz (g, ms, tn, npp, nv, kou, s)
SELECT m.g, m.ms, b.tn, b.npp, tn.nv, 1, r.okl
FROM paymar_bux b JOIN tn ON tn.tn = b.tn
JOIN demo_months m ON (b.d1 IS NULL OR b.d1 <= LAST_DAY(m.d1)) AND (b.d2 IS NULL OR b.d2 >= m.d1)
JOIN spr_paymar_dol1 r ON r.id = b.dol AND r.nv = tn.nv
WHERE b.osn = 1 AND tn.nv IS NOT NULL;
INSERT INTO paymar_nuz (g, ms, tn, npp, nv, kou, s)
SELECT g, ms, tn, npp, nv, 11, ROUND(s * 0.25, 2) FROM paymar_nuz WHERE kou = 1 AND ms IN (3, 6, 9, 12);
INSERT INTO paymar_nuz (g, ms, tn, npp, nv, kou, s)
SELECT g, ms, tn, npp, nv, 201, ROUND(SUM(s) * 0.13, 2) FROM paymar_nuz GROUP BY g, ms, tn, npp, nv;

-- Employee 7 was ill from the 25th three months ago to the 5th of the month after.
INSERT INTO paymar_bol1 (g, ms, tn, npp, d1, d2, dn, pr, npp1) VALUES
  (YEAR(@m1 - INTERVAL 2 MONTH), MONTH(@m1 - INTERVAL 2 MONTH), 7, 1,
   @m1 - INTERVAL 3 MONTH + INTERVAL 24 DAY, @m1 - INTERVAL 2 MONTH + INTERVAL 4 DAY, 11, 100, 1);

-- Employee 13's day-by-day marks of the month before: ill from the 3rd to the 7th.
INSERT INTO perso_trv (tn, npp, d, t)
SELECT 13, 1, days.d, IF(DAY(days.d) BETWEEN 3 AND 7, 'б', '8.00')
FROM (SELECT (@m1 - INTERVAL 1 MONTH) + INTERVAL (tens.n * 10 + units.n) DAY AS d
      FROM (SELECT 0 AS n UNION ALL SELECT 1 UNION ALL SELECT 2 UNION ALL SELECT 3) tens
      CROSS JOIN (SELECT 0 AS n UNION ALL SELECT 1 UNION ALL SELECT 2 UNION ALL SELECT 3 UNION ALL SELECT 4
                  UNION ALL SELECT 5 UNION ALL SELECT 6 UNION ALL SELECT 7 UNION ALL SELECT 8 UNION ALL SELECT 9) units
      WHERE tens.n * 10 + units.n < DAY(LAST_DAY(@m1 - INTERVAL 1 MONTH))) days
WHERE WEEKDAY(days.d) < 5;

DROP TEMPORARY TABLE demo_months;
