-- Demo of the employees' payroll forms, after the computed months of the
-- accrual run's and the reports' demos: the union dues of the members and a
-- writ's deduction in every computed month of the working year, the bank of
-- the main staff's pay sheet, and the institution's own bank for the others.
SET @y = YEAR(CURDATE());

INSERT IGNORE INTO paymar_nuz (g, ms, tn, npp, nv, kou, s)
SELECT n.g, n.ms, n.tn, n.npp, n.nv, 202, ROUND(SUM(n.s) * 0.01, 2)
FROM paymar_nuz n JOIN tn ON tn.tn = n.tn AND tn.prof = 1
WHERE n.g = @y AND n.kou <= 200
GROUP BY n.g, n.ms, n.tn, n.npp, n.nv;

INSERT IGNORE INTO paymar_nuz (g, ms, tn, npp, nv, kou, s)
SELECT n.g, n.ms, n.tn, n.npp, n.nv, 203, ROUND(SUM(n.s) * 0.25, 2)
FROM paymar_nuz n
WHERE n.g = @y AND n.kou <= 200 AND n.tn = 6
GROUP BY n.g, n.ms, n.tn, n.npp, n.nv;

UPDATE nv SET rs = '40701810400001000001', ks = '30101810200000000604', bik = '040173604', inn = '2225012345'
WHERE id = 1;

INSERT INTO system_const (name, val) VALUES
  ('ORG_RS', '40102810045370000009'),
  ('ORG_KS', '30101810000000000001'),
  ('ORG_BIK', '040173001')
ON DUPLICATE KEY UPDATE val = VALUES(val);
