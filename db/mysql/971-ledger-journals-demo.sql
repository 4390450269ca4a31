-- The accountable persons of the demo year, for the journal of settlements
-- with accountable persons broken down by employee: every month employee 2 is
-- advanced household expenses on the budget's KBK 1, reports them and returns
-- the rest; employee 3 is advanced the payment of services on KBK 2, reports
-- part of it and returns the rest early the next month, so the journal of a
-- month opens with her balance.

SET @y = YEAR(CURDATE());
SET @doc = (SELECT last_id FROM system_doc_counter WHERE id = 1);

CREATE TEMPORARY TABLE jrn_demo_lines (
  k INT NOT NULL PRIMARY KEY, day INT NOT NULL,
  deb VARCHAR(9) NOT NULL, dsb1 VARCHAR(30) NULL, kbkd INT NULL,
  kred VARCHAR(9) NOT NULL, ksb1 VARCHAR(30) NULL, kbkk INT NULL,
  s DECIMAL(18,2) NOT NULL, prim VARCHAR(250) NOT NULL);

INSERT INTO jrn_demo_lines (k, day, deb, dsb1, kbkd, kred, ksb1, kbkk, s, prim) VALUES
  (1, 8, '120812560', '2', 1, '120134610', NULL, 1, 5000.00, 'Выданы под отчет денежные средства на хозяйственные расходы'),
  (2, 16, '140102226', NULL, 1, '120812660', '2', 1, 4600.00, 'Принят авансовый отчет по хозяйственным расходам'),
  (3, 17, '120134510', NULL, 1, '120812660', '2', 1, 400.00, 'Возвращен остаток подотчетной суммы'),
  (4, 9, '120826560', '3', 2, '120134610', NULL, 2, 2500.00, 'Выданы под отчет денежные средства на оплату услуг'),
  (5, 23, '140102226', NULL, 2, '120826660', '3', 2, 2100.00, 'Принят авансовый отчет по оплате услуг'),
  (6, 2, '120134510', NULL, 2, '120826660', '3', 2, 400.00, 'Возвращен остаток подотчетной суммы прошлого месяца');

CREATE TEMPORARY TABLE jrn_demo_months (m INT NOT NULL PRIMARY KEY);
INSERT INTO jrn_demo_months (m) VALUES (1), (2), (3), (4), (5), (6), (7), (8), (9), (10), (11), (12);

INSERT INTO ledmark_oper_by_hand (id, d, number, s, prim, fil_id, m0, d0)
SELECT @doc + (m.m - 1) * 6 + l.k, MAKEDATE(@y, 1) + INTERVAL (m.m - 1) MONTH + INTERVAL (l.day - 1) DAY,
       CONCAT('Р-', 300 + (m.m - 1) * 6 + l.k), l.s, l.prim, 1, 1, NOW()
FROM jrn_demo_lines l CROSS JOIN jrn_demo_months m
WHERE NOT (l.k = 6 AND m.m = 1);

INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, kbk_deb,
                              kred0, kred1, kred2, kred3, kred_sb1, kbk_kred, kol, s, prim, fil_id)
SELECT @doc + (m.m - 1) * 6 + l.k, 1, MAKEDATE(@y, 1) + INTERVAL (m.m - 1) MONTH + INTERVAL (l.day - 1) DAY,
       SUBSTRING(l.deb, 1, 1), SUBSTRING(l.deb, 2, 3), SUBSTRING(l.deb, 5, 2), SUBSTRING(l.deb, 7, 3), l.dsb1, l.kbkd,
       SUBSTRING(l.kred, 1, 1), SUBSTRING(l.kred, 2, 3), SUBSTRING(l.kred, 5, 2), SUBSTRING(l.kred, 7, 3), l.ksb1,
       l.kbkk, NULL, l.s, l.prim, 1
FROM jrn_demo_lines l CROSS JOIN jrn_demo_months m
WHERE NOT (l.k = 6 AND m.m = 1);

DROP TEMPORARY TABLE jrn_demo_lines;
DROP TEMPORARY TABLE jrn_demo_months;

UPDATE system_doc_counter SET last_id = GREATEST(last_id, @doc + 72) WHERE id = 1;
