-- Demo data of the hours and the time-based pay on the demo payroll: the
-- code of the night allowance, the working month's night hours of the nurse
-- and the caretaker, the plan hours of the positions paid by the hour on
-- their sheet, and last month's time-based pay of the groups (sheet 1) and
-- hours against the norm (sheet 2) under pay code 2, and the kitchen's hours
-- at two tariffs, for the copy into the working month.

SET @m1 = DATE_FORMAT(CURDATE(), '%Y-%m-01');
SET @y = YEAR(@m1);
SET @m = MONTH(@m1);
SET @py = YEAR(@m1 - INTERVAL 1 MONTH);
SET @pm = MONTH(@m1 - INTERVAL 1 MONTH);

INSERT IGNORE INTO spr_vou (id, name, alg) VALUES (13, 'Доплата за работу в ночное время', NULL);

-- The month's night hours: two lines of the nurse, one of the caretaker.
INSERT INTO paymar_noch (g, ms, tn, npp, ch, kou) VALUES
  (@y, @m, 11, 1, 16.00, 13),
  (@y, @m, 11, 1, 7.50, 13),
  (@y, @m, 27, 1, 8.00, 13);

-- Last month's hours of the positions paid by the hour on sheet 1: the plan,
-- the hours worked and the percentage of pay (one at half pay).
INSERT INTO paymar_povr (tn, npp, g, ms, nv, kou, plch, ch, pr)
SELECT b.tn, b.npp, @py, @pm, 1, 2, 40, IF(b.tn = 5, 20, 38), IF(b.tn = 5, 50, 100)
FROM paymar_bux b WHERE b.staj = 1;

-- Last month's hours against the norm of the positions with a norm on sheet 2.
INSERT INTO paymar_povr_chts (tn, npp, g, ms, nv, kou, ch)
SELECT b.tn, b.npp, @py, @pm, 2, 2, 24
FROM paymar_bux b JOIN spr_paymar_dol1 r ON r.id = b.dol AND r.nv = 2
WHERE r.chts > 0 AND b.prd = 3 AND b.d2 IS NULL;

-- Last month's hours of the kitchen at a junior and a senior tariff.
INSERT INTO paymar_povr0 (tn, npp, g, ms, nv, kou, ch1, ch2, tar1, tar2)
SELECT b.tn, b.npp, @py, @pm, 1, 2, 120, 40, 1.2, 1.5
FROM paymar_bux b WHERE b.prd = 2 AND b.d2 IS NULL;
