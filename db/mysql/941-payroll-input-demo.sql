-- Demo data of the payroll's monthly input on the demo payroll: an allowance,
-- and the working month's time sheets of two departments with the hours of the
-- positions paid by the hour.

SET @y = YEAR(CURDATE());
SET @m = MONTH(CURDATE());

-- The hazard allowance of employee 7's position row on the main sheet.
INSERT INTO paymar_dopl (tn, npp, nv, kou, pr, s, d1, d2, pr_okl) VALUES
  (7, 1, 1, 10, 12.000, 612.00, MAKEDATE(@y, 1), NULL, NULL);

-- The month's days of the administration and the kitchen: per employee with
-- the calendar days, and per position row.
INSERT INTO paymar_trv (tn, g, ms, dn, kl)
SELECT tn.tn, @y, @m, IF(tn.tn = 12, 20.5, 21), DAY(LAST_DAY(CURDATE())) FROM tn
WHERE tn.prd IN (1, 2) AND tn.kat IS NOT NULL AND (tn.du IS NULL OR tn.du >= DATE_FORMAT(CURDATE(), '%Y-%m-01'));
INSERT INTO paymar_trv_dol (tn, npp, g, ms, dn)
SELECT b.tn, b.npp, @y, @m, IF(b.osn = 1, 21, 10) FROM paymar_bux b
WHERE b.prd IN (1, 2) AND (b.d2 IS NULL OR b.d2 >= DATE_FORMAT(CURDATE(), '%Y-%m-01'));

-- The hours of the positions paid by the hour, on each employee's main sheet.
INSERT INTO paymar_trv_chas (tn, npp, g, ms, nv, ch, pl)
SELECT b.tn, b.npp, @y, @m, tn.nv, 36, 40 FROM paymar_bux b JOIN tn ON tn.tn = b.tn
WHERE b.staj = 1 AND tn.nv IS NOT NULL;
