-- Demo budget documents of the current year: the assignments for the year,
-- the quarterly assignments and the limits of the current month on the
-- budget, each with its postings, two obligations under supplier contracts
-- split over the months, the breakdowns of two contracts by month, and a
-- budget request for a subvention of the founder. Document ids follow the
-- counter.

SET @y = YEAR(CURDATE());
SET @year_start = MAKEDATE(@y, 1);
SET @month_start = DATE_FORMAT(CURDATE(), '%Y-%m-01');
SET @doc = (SELECT last_id FROM system_doc_counter WHERE id = 1);
-- The serialized grid: rows separated by U+0001, the cells of a row by U+0002.
SET @row = CONVERT(CHAR(1) USING utf8mb4) COLLATE utf8mb4_unicode_ci;
SET @cell = CONVERT(CHAR(2) USING utf8mb4) COLLATE utf8mb4_unicode_ci;

-- The rows of the three assignment documents: kind (tiplim), row, code, amount, text.
CREATE TEMPORARY TABLE demo_limits (kind INT, n INT, ekr INT, amount DECIMAL(18,2), prim VARCHAR(100));
INSERT INTO demo_limits (kind, n, ekr, amount, prim) VALUES
  (2, 1, 211000, 1440000.00, 'Оплата труда'),
  (2, 2, 213000, 434880.00, 'Начисления на оплату труда'),
  (2, 3, 221000, 36000.00, ''),
  (2, 4, 223000, 260000.00, ''),
  (2, 5, 225000, 150000.00, 'Ремонт пищеблока'),
  (2, 6, 226000, 60000.00, ''),
  (2, 7, 340000, 520000.00, 'Продукты питания'),
  (1, 1, 211000, 360000.00, ''),
  (1, 2, 213000, 108720.00, ''),
  (1, 3, 340000, 130000.00, ''),
  (0, 1, 211000, 120000.00, ''),
  (0, 2, 213000, 36240.00, ''),
  (0, 3, 221000, 3000.00, ''),
  (0, 4, 223000, 21000.00, ''),
  (0, 5, 340000, 43000.00, 'Продукты питания');

-- Accounts of each kind (source 1, the budget): the year on 503.01/501.01, the
-- month's limits on 501.05/501.03 (held by department); the quarter posts nothing.
CREATE TEMPORARY TABLE demo_docs (kind INT, id INT, number VARCHAR(10), d DATE, deb CHAR(6), kred CHAR(6), prd INT, icn VARCHAR(100));
INSERT INTO demo_docs VALUES
  (2, @doc + 1, '1', @year_start, '150301', '150101', NULL, 'Уведомление о бюджетных ассигнованиях'),
  (1, @doc + 2, '2', @year_start, NULL, NULL, NULL, 'Уведомление о бюджетных ассигнованиях'),
  (0, @doc + 3, '3', @month_start, '150105', '150103', 1, 'Получены лимиты');

INSERT INTO ledmark_budg_assig (id, number, d, tiplim, ifin, deb, kred, prd, icn, prim, s, grid, fil_id, m0, d0)
SELECT d.id, d.number, d.d, d.kind, 1, CONCAT(d.deb, '000'), CONCAT(d.kred, '000'), d.prd, d.icn, NULL,
       (SELECT SUM(amount) FROM demo_limits l WHERE l.kind = d.kind), NULL, 1, 1, NOW()
FROM demo_docs d;

-- The grid: three cells a row, rows in order, and the empty row the form keeps at the end.
UPDATE ledmark_budg_assig a JOIN demo_docs d ON d.id = a.id
SET a.grid = CONCAT((SELECT REPLACE(GROUP_CONCAT(CONCAT_WS(@cell, l.ekr, l.amount, l.prim) ORDER BY l.n SEPARATOR '~'),
                                    '~', @row)
                     FROM demo_limits l WHERE l.kind = d.kind), @row, @cell, @cell);

INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, kred0, kred1, kred2, kred3,
                              kred_sb1, kred_sb2, s, prim, fil_id)
SELECT d.id, l.n, d.d, '1', SUBSTRING(d.deb, 2, 3), SUBSTRING(d.deb, 5, 2), LEFT(l.ekr, 3), l.ekr,
       '1', SUBSTRING(d.kred, 2, 3), SUBSTRING(d.kred, 5, 2), LEFT(l.ekr, 3), l.ekr, d.prd, l.amount,
       NULLIF(l.prim, ''), 1
FROM demo_docs d JOIN demo_limits l ON l.kind = d.kind
WHERE d.deb IS NOT NULL;

DROP TEMPORARY TABLE demo_limits;
DROP TEMPORARY TABLE demo_docs;

-- Obligations: food under contract 2 and communication services under
-- contract 4, by month, on 501.03 against 502.01.
CREATE TEMPORARY TABLE demo_months (m INT, name VARCHAR(20));
INSERT INTO demo_months VALUES
  (1, 'январь'), (2, 'февраль'), (3, 'март'), (4, 'апрель'), (5, 'май'), (6, 'июнь'), (7, 'июль'),
  (8, 'август'), (9, 'сентябрь'), (10, 'октябрь'), (11, 'ноябрь'), (12, 'декабрь');
CREATE TEMPORARY TABLE demo_obyaz (id INT, number VARCHAR(10), dogovor INT, ekr INT, prd INT, monthly DECIMAL(18,2));
INSERT INTO demo_obyaz VALUES
  (@doc + 4, '1', 2, 340000, 2, 40000.00),
  (@doc + 5, '2', 4, 221000, 1, 3000.00);

INSERT INTO ledmark_budg_obyaz (id, number, d, dogovor, ekr, deb, kred, prd, icn, s, grid, fil_id, m0, d0)
SELECT o.id, o.number, @year_start, o.dogovor, o.ekr, '150103000', '150201000', o.prd, 'Бюджетное обязательство',
       o.monthly * 12, NULL, 1, 1, NOW()
FROM demo_obyaz o;
UPDATE ledmark_budg_obyaz b JOIN demo_obyaz o ON o.id = b.id
SET b.grid = (SELECT REPLACE(GROUP_CONCAT(CONCAT_WS(@cell, m.m, m.name, o.monthly) ORDER BY m.m SEPARATOR '~'),
                             '~', @row)
              FROM demo_months m);

INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, kred0, kred1, kred2, kred3,
                              kred_sb1, kred_sb2, kred_sb3, s, prim, fil_id)
SELECT o.id, 1, @year_start, '1', '501', '03', LEFT(o.ekr, 3), o.ekr, o.prd, '1', '502', '01', LEFT(o.ekr, 3),
       o.ekr, o.dogovor, o.prd, o.monthly * 12, c.name, 1
FROM demo_obyaz o JOIN spr_dogovora c ON c.id = o.dogovor;

DROP TEMPORARY TABLE demo_months;
DROP TEMPORARY TABLE demo_obyaz;

-- Breakdowns of the food contract (budget and paid services) and of the
-- communication services contract: economic code, January to December,
-- source, KBK.
INSERT INTO ledmark_budg_rassh (id, number, d, dogovor, icn, prim, s, grid, fil_id, m0, d0) VALUES
  (0, '1', @month_start, 2, 'Поставка продуктов питания, ООО "Продторг"', NULL, 520000.00,
   CONCAT(CONCAT_WS(@cell, '340000', '40000.00', '40000.00', '40000.00', '40000.00', '40000.00', '40000.00',
                    '40000.00', '40000.00', '40000.00', '40000.00', '40000.00', '40000.00', '1', '2'), @row,
          CONCAT_WS(@cell, '340000', '', '', '', '', '', '', '', '', '10000.00', '10000.00', '10000.00', '10000.00',
                    '2', '4'), @row,
          REPEAT(@cell, 14)), 1, 1, NOW()),
  (0, '2', @month_start, 4, 'Услуги связи и интернет, ПАО "Связьтелеком"', NULL, 36000.00,
   CONCAT(CONCAT_WS(@cell, '221000', '3000.00', '3000.00', '3000.00', '3000.00', '3000.00', '3000.00', '3000.00',
                    '3000.00', '3000.00', '3000.00', '3000.00', '3000.00', '1', '2'), @row,
          REPEAT(@cell, 14)), 1, 1, NOW());

-- The founder grants a subvention under an agreement; the request asks for
-- the pay of the educators with its taxes.
INSERT INTO spr_org (name, inn, kpp, adres) VALUES
  ('Управление образования администрации г. Ольмарска', '7705123456', '770501001', 'г. Ольмарск, пл. Ленина, д. 1');
SET @founder = LAST_INSERT_ID();
INSERT INTO spr_contr (name, tip, id_tip) VALUES ('Управление образования администрации г. Ольмарска', 0, @founder);
SET @founder_contr = LAST_INSERT_ID();
INSERT INTO spr_dogovora (name, org, rn, number, d, sd, s, bFolder) VALUES
  ('Соглашение о предоставлении субвенции', @founder, '0001', '15-С', @year_start,
   MAKEDATE(@y + 1, 1) - INTERVAL 1 DAY, 530040.00, 0);
SET @agreement = LAST_INSERT_ID();

INSERT INTO ledmark_budg_zayavka (id, number, d, sch_deb, sb1_deb, sb2_deb, sch_kred, icn, s, grid, fil_id, m0, d0)
VALUES (@doc + 6, '1', @month_start, '320503560', @founder_contr, @agreement, '340101151',
        'Бюджетная заявка на перечисление субвенции', 530040.00,
        CONCAT(CONCAT_WS(@cell, 'Фонд оплаты труда воспитателей', '12', '25000.00', '300000', '78600', '378.6'), @row,
               CONCAT_WS(@cell, 'Фонд оплаты труда младших воспитателей', '8', '15000.00', '120000', '31440',
                         '151.44'), @row,
               REPEAT(@cell, 5)), 1, 1, NOW());
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, kred0, kred1, kred2, kred3,
                              s, prim, fil_id)
VALUES (@doc + 6, 1, @month_start, '3', '205', '03', '560', @founder_contr, @agreement, '3', '401', '01', '151',
        530040.00, 'Бюджетная заявка на перечисление субвенции', 1);

UPDATE system_doc_counter SET last_id = GREATEST(last_id, @doc + 6) WHERE id = 1;
