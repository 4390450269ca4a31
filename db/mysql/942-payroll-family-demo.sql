-- Demo: the employees' children and a disabled employee. Employee 10, whose
-- only position ended with the month before, is a mother on leave whose
-- younger child reaches one and a half years on the 10th of the working
-- month (this month); 2 has two school children, 13 a child under three.

SET @m0 = DATE_FORMAT(CURDATE(), '%Y-%m-01');

INSERT INTO paymar_iz (tn, npp, dr, b15, b3) VALUES
  (10, 1, @m0 - INTERVAL 8 YEAR + INTERVAL 3 DAY, 0, 0),
  (10, 2, @m0 - INTERVAL 18 MONTH + INTERVAL 9 DAY, 1, 1),
  (2, 1, @m0 - INTERVAL 12 YEAR + INTERVAL 20 DAY, 0, 0),
  (2, 2, @m0 - INTERVAL 5 YEAR - INTERVAL 2 MONTH, 0, 0),
  (13, 1, @m0 - INTERVAL 26 MONTH + INTERVAL 14 DAY, 0, 1);

UPDATE tn SET m_o = 1 WHERE tn = 10;

INSERT INTO paymar_inv (tn, gr, ser, number, d) VALUES
  (16, 3, 'МСЭ-2015', '0412874', @m0 - INTERVAL 3 YEAR + INTERVAL 11 DAY);

-- The income-tax benefits book: fixed sums, and one typed for each employee.
INSERT INTO spr_paymar_lgoty (id, name, s, ss) VALUES
  (104, 'Вычет на налогоплательщика', 500.00, NULL),
  (126, 'На первого ребенка', 1400.00, NULL),
  (127, 'На второго ребенка', 1400.00, NULL),
  (128, 'На третьего и каждого последующего ребенка', 3000.00, NULL),
  (311, 'Имущественный вычет', NULL, 'Да');

-- The parents' standing benefits, and a property deduction of this month.
INSERT INTO paymar_lgoty (tn, tip, s, d1, d2) VALUES
  (2, 126, 1400.00, NULL, NULL), (2, 127, 1400.00, NULL, NULL),
  (10, 126, 1400.00, NULL, NULL), (10, 127, 1400.00, NULL, NULL),
  (13, 126, 1400.00, NULL, NULL);
INSERT INTO paymar_m_ (g, ms, tn, lg, s) VALUES (YEAR(@m0), MONTH(@m0), 5, 311, 3000.00);

-- Two writs: alimony of a quarter of the pay, paid these three months, and a
-- fixed monthly deduction to the bailiffs, not paid yet.
INSERT INTO paymar_isp (tn, npp, pu, nd, kou, sv, ov, s, pr, ch, d1, d2, vp, fil, ls, one) VALUES
  (26, 1, 1, 'ВС 012345678', 203, 60000.00, 60000.00, NULL, 25.000, NULL, @m0 - INTERVAL 3 MONTH, NULL, 1,
   '8598/0012', '40817810500001234567', 0),
  (7, 1, 1, 'ФС 045678123', 204, 15000.00, 15000.00, 1500.00, NULL, NULL, @m0, @m0 + INTERVAL 10 MONTH - INTERVAL 1 DAY,
   3, '8598/0040', '03212643000000017300', 1);
INSERT INTO paymar_isp1 (tn, npp, g, ms, s)
SELECT 26, 1, YEAR(d), MONTH(d), 2500.00
FROM (SELECT @m0 - INTERVAL 3 MONTH AS d UNION ALL SELECT @m0 - INTERVAL 2 MONTH UNION ALL SELECT @m0 - INTERVAL 1 MONTH) m;
