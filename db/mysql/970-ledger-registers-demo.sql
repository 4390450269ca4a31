-- A year of postings for the ledger registers: manual operations of every
-- month of the current year in both branches, on two sources of financing
-- (the budget on KBK 1, paid services on KBK 3): financing received on the
-- treasury account, cash drawn and paid out, salary accrued, taxed and paid,
-- food bought from a supplier and used (with quantities), an advance for
-- energy settled by the supplier's act, an accountable person's advance and
-- report, parents' fees for paid services and the off-balance account 17 of
-- receipts. The opening balances stand on the last day of last year against
-- the opening account 000 00 000, as the opening-balance forms post them.

SET @y = YEAR(CURDATE());
SET @doc = (SELECT last_id FROM system_doc_counter WHERE id = 1);
SET @food = (SELECT MIN(id) FROM spr_stovan_mat);

CREATE TEMPORARY TABLE reg_demo_lines (
  k INT NOT NULL PRIMARY KEY, day INT NOT NULL, fil INT NOT NULL,
  deb VARCHAR(9) NOT NULL, dsb1 VARCHAR(30) NULL, kbkd INT NULL,
  kred VARCHAR(9) NULL, ksb1 VARCHAR(30) NULL, kbkk INT NULL,
  kol DECIMAL(18,3) NULL, s DECIMAL(18,2) NOT NULL, prim VARCHAR(250) NOT NULL);

INSERT INTO reg_demo_lines (k, day, fil, deb, dsb1, kbkd, kred, ksb1, kbkk, kol, s, prim) VALUES
  (1, 3, 1, '120111510', NULL, 1, '130405000', '211000', 1, NULL, 190000.00, 'Поступило финансирование на лицевой счет'),
  (2, 3, 1, '101700000', '130000', 1, NULL, NULL, NULL, NULL, 190000.00, 'Поступления на лицевой счет'),
  (3, 5, 1, '140102211', NULL, 1, '130211730', '5', 1, NULL, 120000.00, 'Начислена заработная плата'),
  (4, 5, 1, '130211830', '5', 1, '130301730', NULL, 1, NULL, 15600.00, 'Удержан налог на доходы физических лиц'),
  (5, 6, 1, '120134510', NULL, 1, '120111610', NULL, 1, NULL, 107400.00, 'Получены наличные в кассу с лицевого счета'),
  (6, 6, 1, '130211830', '5', 1, '120134610', NULL, 1, NULL, 104400.00, 'Выплачена заработная плата из кассы'),
  (7, 7, 1, '130301830', NULL, 1, '120111610', NULL, 1, NULL, 15600.00, 'Перечислен налог на доходы физических лиц'),
  (8, 10, 1, '110532340', @food, 1, '130234730', '1', 1, 400.000, 24000.00, 'Поступили продукты питания от поставщика'),
  (9, 12, 1, '130234830', '1', 1, '120111610', NULL, 1, NULL, 24000.00, 'Оплачены продукты питания поставщику'),
  (10, 20, 1, '140102272', NULL, 1, '110532440', @food, 1, 350.000, 21000.00, 'Списаны продукты питания по меню-требованию'),
  (11, 13, 1, '120623560', '2', 1, '120111610', NULL, 1, NULL, 8000.00, 'Перечислен аванс за электроэнергию'),
  (12, 26, 1, '140102223', NULL, 1, '130223730', '2', 1, NULL, 8000.00, 'Принят акт за электроэнергию'),
  (13, 26, 1, '130223830', '2', 1, '120623660', '2', 1, NULL, 8000.00, 'Зачтен аванс за электроэнергию'),
  (14, 14, 1, '120834560', '1', 1, '120134610', NULL, 1, NULL, 3000.00, 'Выданы денежные средства под отчет'),
  (15, 18, 1, '110536340', @food, 1, '120834660', '1', 1, 12.000, 2800.00, 'Приняты к учету материалы по авансовому отчету'),
  (16, 18, 1, '120134510', NULL, 1, '120834660', '1', 1, NULL, 200.00, 'Возвращен остаток подотчетной суммы'),
  (17, 4, 2, '120111510', NULL, 1, '130405000', '211000', 1, NULL, 70000.00, 'Поступило финансирование на лицевой счет'),
  (18, 5, 2, '140102211', NULL, 1, '130211730', '5', 1, NULL, 60000.00, 'Начислена заработная плата'),
  (19, 6, 2, '130211830', '5', 1, '120111610', NULL, 1, NULL, 60000.00, 'Перечислена заработная плата на карты'),
  (20, 15, 1, '220531560', '5', 3, '240101130', NULL, 3, NULL, 30000.00, 'Начислена плата за платные услуги'),
  (21, 22, 1, '220111510', NULL, 3, '220531660', '5', 3, NULL, 28000.00, 'Поступила плата за платные услуги'),
  (22, 22, 1, '201700000', '130000', 3, NULL, NULL, NULL, NULL, 28000.00, 'Поступления на лицевой счет'),
  (23, 24, 1, '240102226', NULL, 3, '230226730', '4', 3, NULL, 9000.00, 'Приняты услуги по договору'),
  (24, 27, 1, '230226830', '4', 3, '220111610', NULL, 3, NULL, 9000.00, 'Оплачены услуги по договору');

CREATE TEMPORARY TABLE reg_demo_months (m INT NOT NULL PRIMARY KEY);
INSERT INTO reg_demo_months (m) VALUES (1), (2), (3), (4), (5), (6), (7), (8), (9), (10), (11), (12);

-- Each line of each month is a manual operation of its own.
INSERT INTO ledmark_oper_by_hand (id, d, number, s, prim, fil_id, m0, d0)
SELECT @doc + (m.m - 1) * 24 + l.k, MAKEDATE(@y, 1) + INTERVAL (m.m - 1) MONTH + INTERVAL (l.day - 1) DAY,
       CONCAT('Р-', (m.m - 1) * 24 + l.k), l.s, l.prim, l.fil, 1, NOW()
FROM reg_demo_lines l CROSS JOIN reg_demo_months m;

INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, kbk_deb,
                              kred0, kred1, kred2, kred3, kred_sb1, kbk_kred, kol, s, prim, fil_id)
SELECT @doc + (m.m - 1) * 24 + l.k, 1, MAKEDATE(@y, 1) + INTERVAL (m.m - 1) MONTH + INTERVAL (l.day - 1) DAY,
       SUBSTRING(l.deb, 1, 1), SUBSTRING(l.deb, 2, 3), SUBSTRING(l.deb, 5, 2), SUBSTRING(l.deb, 7, 3), l.dsb1, l.kbkd,
       SUBSTRING(l.kred, 1, 1), SUBSTRING(l.kred, 2, 3), SUBSTRING(l.kred, 5, 2), SUBSTRING(l.kred, 7, 3), l.ksb1,
       l.kbkk, l.kol, l.s, l.prim, l.fil
FROM reg_demo_lines l CROSS JOIN reg_demo_months m;

-- Opening balances on the last day of last year.
INSERT INTO ledmark_oper_by_hand (id, d, number, s, prim, fil_id, m0, d0) VALUES
  (@doc + 289, MAKEDATE(@y, 1) - INTERVAL 1 DAY, 'Р-0', 70000.00, 'Ввод начальных остатков', 1, 1, NOW());

INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, kbk_deb,
                              kred0, kred1, kred2, kred3, kred_sb1, kbk_kred, kol, s, prim, fil_id) VALUES
  (@doc + 289, 1, MAKEDATE(@y, 1) - INTERVAL 1 DAY, '1', '201', '34', '510', NULL, 1,
   '1', '000', '00', '000', NULL, 1, NULL, 2500.00, 'Остаток кассы', 1),
  (@doc + 289, 2, MAKEDATE(@y, 1) - INTERVAL 1 DAY, '1', '201', '11', '510', NULL, 1,
   '1', '000', '00', '000', NULL, 1, NULL, 45000.00, 'Остаток на лицевом счете', 1),
  (@doc + 289, 3, MAKEDATE(@y, 1) - INTERVAL 1 DAY, '1', '105', '32', '340', @food, 1,
   '1', '000', '00', '000', NULL, 1, 100.000, 6000.00, 'Остаток продуктов питания', 1),
  (@doc + 289, 4, MAKEDATE(@y, 1) - INTERVAL 1 DAY, '2', '201', '11', '510', NULL, 3,
   '2', '000', '00', '000', NULL, 3, NULL, 16500.00, 'Остаток на лицевом счете', 1);

DROP TEMPORARY TABLE reg_demo_lines;
DROP TEMPORARY TABLE reg_demo_months;

UPDATE system_doc_counter SET last_id = GREATEST(last_id, @doc + 289) WHERE id = 1;
