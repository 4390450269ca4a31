-- Demo of vacation pay: the paid services' sheet indexed, the indexation
-- coefficients of two months before the working month, and a vacation of
-- employee 1 from the working month's first day, 28 days of the main
-- vacation (code 30) and 3 of the additional one (code 31), averaged on the
-- main staff's sheet (with the quarterly premium) and on the paid services'
-- sheet, where she also earned 2500.00 a month, stored with its pay and its
-- calculation's records as the form computes them: twelve months of 29.4
-- days (each month's plan met), each sheet's earnings and premium times the
-- month's coefficient where the sheet is indexed, in kopecks.

SET @m1 = DATE_FORMAT(CURDATE(), '%Y-%m-01');

UPDATE nv SET indexir = 1 WHERE id = 3;
INSERT INTO spr_paymar_otp_kof (g, ms, kof) VALUES
  (YEAR(@m1 - INTERVAL 3 MONTH), MONTH(@m1 - INTERVAL 3 MONTH), 1.1000),
  (YEAR(@m1 - INTERVAL 2 MONTH), MONTH(@m1 - INTERVAL 2 MONTH), 1.0500);

CREATE TEMPORARY TABLE demo_vacation_months (k INT NOT NULL PRIMARY KEY, g INT NOT NULL, ms INT NOT NULL);
INSERT INTO demo_vacation_months (k, g, ms)
SELECT n.k, YEAR(@m1 - INTERVAL n.k MONTH), MONTH(@m1 - INTERVAL n.k MONTH)
FROM (SELECT 1 AS k UNION ALL SELECT 2 UNION ALL SELECT 3 UNION ALL SELECT 4 UNION ALL SELECT 5 UNION ALL SELECT 6
      UNION ALL SELECT 7 UNION ALL SELECT 8 UNION ALL SELECT 9 UNION ALL SELECT 10 UNION ALL SELECT 11
      UNION ALL SELECT 12) n;

INSERT INTO paymar_nuz (g, ms, tn, npp, nv, kou, s)
SELECT g, ms, 1, 1, 3, 1, 2500.00 FROM demo_vacation_months;

-- Each sheet's month: the earnings of code 30's group less the premium
-- codes, the premium, the coefficient and the total, all in kopecks.
CREATE TEMPORARY TABLE demo_vacation_sheets (
  nv INT NOT NULL, g INT NOT NULL, ms INT NOT NULL, e DECIMAL(15,2), p DECIMAL(15,2), k DECIMAL(9,4), t DECIMAL(15,2),
  PRIMARY KEY (nv, g, ms));
INSERT INTO demo_vacation_sheets (nv, g, ms, e, p, k)
SELECT s.nv, m.g, m.ms,
       (SELECT COALESCE(SUM(n.s), 0) FROM paymar_nuz n JOIN spr_tvx x ON x.id = n.kou AND x.kou = 30 AND x.id <= 200
        WHERE n.tn = 1 AND n.g = m.g AND n.ms = m.ms AND n.nv = s.nv
          AND n.kou NOT IN (SELECT Real_npp FROM spr_paymar_prem)),
       (SELECT COALESCE(SUM(n.s), 0) FROM paymar_nuz n
        WHERE n.tn = 1 AND n.g = m.g AND n.ms = m.ms AND n.nv = s.nv
          AND n.kou IN (SELECT Real_npp FROM spr_paymar_prem
                        WHERE dt_del IS NULL OR dt_del >= MAKEDATE(m.g, 1) + INTERVAL (m.ms - 1) MONTH)),
       COALESCE(NULLIF((SELECT o.kof * v.indexir FROM spr_paymar_otp_kof o JOIN nv v ON v.id = s.nv
                        WHERE o.g = m.g AND o.ms = m.ms), 0), 1)
FROM demo_vacation_months m JOIN (SELECT 1 AS nv UNION ALL SELECT 3) s;
UPDATE demo_vacation_sheets SET t = ROUND(e * k, 2) + ROUND(p * k, 2);

SET @days = 12 * 29.4;
CREATE TEMPORARY TABLE demo_vacation_pay (nv INT NOT NULL PRIMARY KEY, t DECIMAL(15,2), a DECIMAL(15,2),
                                          s1 DECIMAL(15,2), s2 DECIMAL(15,2));
INSERT INTO demo_vacation_pay (nv, t) SELECT nv, SUM(t) FROM demo_vacation_sheets GROUP BY nv;
UPDATE demo_vacation_pay SET a = ROUND(t / @days, 2);
UPDATE demo_vacation_pay SET s1 = ROUND(a * 28, 2), s2 = ROUND(a * 3, 2);

-- The month, sheet and pay records the form keeps, as its save writes them.
SELECT GROUP_CONCAT(CONCAT(m.g, ':', m.ms, ':29.4:', CAST(m.e AS DECIMAL(15,2)), ':', CAST(m.p AS DECIMAL(15,2)))
                    ORDER BY m.g, m.ms SEPARATOR ';') INTO @mes
FROM (SELECT g, ms, SUM(ROUND(e * k, 2)) AS e, SUM(ROUND(p * k, 2)) AS p FROM demo_vacation_sheets GROUP BY g, ms) m;
SELECT GROUP_CONCAT(CONCAT(nv, ':', g, ':', ms, ':', e, ':', p, ':',
                           TRIM(TRAILING '.' FROM TRIM(TRAILING '0' FROM CAST(k AS CHAR))), ':', t)
                    ORDER BY nv, g, ms SEPARATOR ';') INTO @nv_s
FROM demo_vacation_sheets;
SELECT GROUP_CONCAT(CONCAT(nv, ':', s1, ':', a, ':', t) ORDER BY nv SEPARATOR ';'),
       GROUP_CONCAT(CONCAT(nv, ':', s2, ':', a, ':', t) ORDER BY nv SEPARATOR ';') INTO @sovokup, @sovokup2
FROM demo_vacation_pay;

INSERT INTO paymar_otpusk (g, ms, tn, npp, calc, dn, dn2, d1, d2, kou, kou2, period, number, d, nv, nv2, tip, osn,
                           mes, mes2, nv_s, nv_s2, sovokup, sovokup2)
VALUES (YEAR(@m1), MONTH(@m1), 1, 1, 1, 28, 3, @m1, @m1 + INTERVAL 30 DAY, 30, 31,
        CONCAT(YEAR(@m1) - 1, '-', YEAR(@m1)), '118-о', @m1 - INTERVAL 14 DAY, '1,3', '1,3', 0,
        'График отпусков', @mes, @mes, @nv_s, @nv_s, @sovokup, @sovokup2);
INSERT INTO paymar_otpusk1 (g, ms, tn, npp, nv, s, kou)
SELECT YEAR(@m1), MONTH(@m1), 1, 1, nv, s1, 30 FROM demo_vacation_pay WHERE s1 <> 0;
INSERT INTO paymar_otpusk1 (g, ms, tn, npp, nv, s, kou)
SELECT YEAR(@m1), MONTH(@m1), 1, 1, nv, s2, 31 FROM demo_vacation_pay WHERE s2 <> 0;

DROP TEMPORARY TABLE demo_vacation_pay;
DROP TEMPORARY TABLE demo_vacation_sheets;
DROP TEMPORARY TABLE demo_vacation_months;
