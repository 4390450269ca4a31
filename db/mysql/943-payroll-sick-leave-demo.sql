-- Demo of sick pay: the monthly maxima of several dates for both sick-pay
-- algorithms, and a certificate of the working month of employee 5, ill
-- from the 25th of the month before to the 5th of this one at 100 %, stored
-- with its pay as the form computes it from the months before (the results
-- of the accrual run's demo year) and split on her main sheet; and a
-- payment by average earnings of the month.

SET @m1 = DATE_FORMAT(CURDATE(), '%Y-%m-01');
SET @y = YEAR(@m1);

INSERT INTO spr_paymar_bol_max (dt, alg, s) VALUES
  (MAKEDATE(@y - 2, 1), 1, 72500.00), (MAKEDATE(@y - 1, 1), 1, 80500.00), (MAKEDATE(@y, 1), 1, 86500.00),
  (MAKEDATE(@y - 2, 1), 2, 36250.00), (MAKEDATE(@y - 1, 1), 2, 40250.00), (MAKEDATE(@y, 1), 2, 43250.00);

SET @tn = 5;
SET @d1 = @m1 - INTERVAL 1 MONTH + INTERVAL 24 DAY;
SET @d2 = @m1 + INTERVAL 4 DAY;
-- The months the average is taken from: the twelve before the month of
-- the first day of illness.
SET @from = (YEAR(@d1) * 12 + MONTH(@d1)) - 12;
SET @to = (YEAR(@d1) * 12 + MONTH(@d1)) - 1;

-- Earnings of the sick-pay base (code 5's group), the bonus and the months'
-- calendar days (each demo month's days are the calendar's norm).
SELECT COALESCE(SUM(n.s), 0) INTO @e FROM paymar_nuz n JOIN spr_tvx t ON t.id = n.kou AND t.kou = 5 AND t.id <= 200
WHERE n.tn = @tn AND n.g * 12 + n.ms BETWEEN @from AND @to;
SELECT COALESCE(SUM(n.s), 0) INTO @b FROM paymar_nuz n JOIN spr_paymar_prem p ON p.Real_npp = n.kou AND p.ms = 1
WHERE n.tn = @tn AND n.g * 12 + n.ms BETWEEN @from AND @to;
SELECT COALESCE(SUM(DAY(LAST_DAY(MAKEDATE(m.g, 1) + INTERVAL (m.ms - 1) MONTH))), 0) INTO @days
FROM (SELECT DISTINCT n.g, n.ms FROM paymar_nuz n JOIN spr_tvx t ON t.id = n.kou AND t.kou = 5 AND t.id <= 200
      WHERE n.tn = @tn AND n.g * 12 + n.ms BETWEEN @from AND @to) m;
SET @avg = IF(@days = 0, 0, ROUND(((@days / 365.0) * @b + @e) / @days, 2));
SELECT s INTO @max FROM spr_paymar_bol_max WHERE dt <= @d1 AND alg = 1 ORDER BY dt DESC LIMIT 1;
SET @days1 = DATEDIFF(LAST_DAY(@d1), @d1) + 1;
SET @days2 = DAY(@d2);
SET @amount = @days1 * ROUND(LEAST(@avg, @max / DAY(LAST_DAY(@d1))), 2)
            + @days2 * ROUND(LEAST(@avg, @max / DAY(LAST_DAY(@d2))), 2);

INSERT INTO paymar_bol (g, ms, tn, npp, vou, BOLs, npp_bux)
SELECT @y, MONTH(@m1), @tn, 1, 5, @d1, npp FROM paymar_bux WHERE tn = @tn AND osn = 1;
INSERT INTO paymar_bol1 (g, ms, tn, npp, d1, d2, dn, pr, npp1)
SELECT @y, MONTH(@m1), @tn, 1, @d1, @d2,
       DATEDIFF(@d2, @d1) + 1 - (SELECT COUNT(DISTINCT d) FROM (SELECT d FROM spr_vix_prazd UNION SELECT d FROM spr_sub) o
                                 WHERE o.d BETWEEN @d1 AND @d2),
       100, 1;
INSERT INTO paymar_bol2 (g, ms, tn, npp, nv, s)
SELECT @y, MONTH(@m1), @tn, 1, nv, @amount FROM tn WHERE tn = @tn AND nv IS NOT NULL AND @amount > 0;

-- A payment by average earnings of the working month: employee 3 paid five
-- days from the 10th under code 35, averaged as the form does over the
-- twelve months before (the earnings of code 35's group on the sheets his
-- department keeps, over the whole days worked), all on his main sheet,
-- where the demo year's results stand.
INSERT INTO spr_tvx (kou, id) SELECT 35, id FROM spr_vou WHERE id IN (1, 2, 3, 10, 11, 27);
SET @tn = 3;
SET @dr = @m1 + INTERVAL 9 DAY;
SET @from = (YEAR(@dr) * 12 + MONTH(@dr)) - 12;
SET @to = (YEAR(@dr) * 12 + MONTH(@dr)) - 1;
SELECT prd INTO @prd FROM tn WHERE tn = @tn;
SELECT COALESCE(SUM(q.s), 0), COALESCE(SUM(q.dn), 0) INTO @e, @days FROM (
  SELECT n.g, n.ms, SUM(n.s) AS s,
         (SELECT FLOOR(MAX(t.dn)) FROM paymar_trv t WHERE t.tn = @tn AND t.g = n.g AND t.ms = n.ms) AS dn
  FROM paymar_nuz n JOIN spr_tvx x ON x.id = n.kou AND x.kou = 35 AND x.id <= 200
  WHERE n.tn = @tn AND n.g * 12 + n.ms BETWEEN @from AND @to
    AND NOT (n.nv = 2 AND COALESCE(@prd, 0) IN (1, 2, 4, 6, 7)) AND NOT (n.nv = 1 AND COALESCE(@prd, 0) = 3)
  GROUP BY n.g, n.ms) q;
SET @avg = IF(@days = 0, 0, ROUND(@e / @days, 2));
INSERT INTO paymar_sred (g, ms, tn, kou, dr, d)
SELECT YEAR(@m1), MONTH(@m1), @tn, 35, @dr, 5.00 FROM DUAL WHERE @avg > 0;
INSERT INTO paymar_sred1 (g, ms, tn, nv, kou, s)
SELECT YEAR(@m1), MONTH(@m1), @tn, nv, 35, ROUND(5 * @avg, 2) FROM tn WHERE tn = @tn AND nv IS NOT NULL AND @avg > 0;
