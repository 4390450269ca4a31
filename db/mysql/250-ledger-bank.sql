-- Bank statements: receipts (ledmark_bank_postup; a second table,
-- ledmark_bank_postup0, keeps the receipts of the other mode and the
-- financing received), payments (ledmark_bank_spis) and the payment orders
-- they pay (plpor); the kinds of activity a row may name; and the accounts the
-- statements post on. Loaded after the ledger's reference books
-- (200-ledger.sql) and the budget accounts (230-ledger-obligations.sql).

-- Kinds of activity (the book of class 25).
CREATE TABLE spr_vid_pred_deyat (
  id INT NOT NULL PRIMARY KEY,
  name VARCHAR(250) NOT NULL,
  dt_del DATE NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

INSERT INTO spr_vid_pred_deyat (id, name) VALUES
  (1, 'Деятельность, осуществляемая за счет средств бюджета'),
  (2, 'Приносящая доход деятельность'),
  (3, 'Средства во временном распоряжении'),
  (4, 'Субсидии на иные цели');

-- A statement of receipts: one row per statement; `grid` holds its rows
-- (eleven cells: economic code, credit account, its three analytic values,
-- sum, content, KBK of the debit and of the credit, quantity, kind of
-- activity).
--   deb       the main account the money arrived on (9 characters)
--   b210      1 when the receipts pass through account 201.03
--   ls, sb2   personal account (spr_ls) and counterparty (spr_contr)
CREATE TABLE ledmark_bank_postup (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  prim VARCHAR(250) NULL,
  icn VARCHAR(250) NULL,
  grid MEDIUMTEXT NULL,
  b210 INT NOT NULL DEFAULT 0,
  s DECIMAL(18,2) NULL,
  deb VARCHAR(20) NULL,
  kbk_deb INT NULL,
  kbk_kred INT NULL,
  fil_id INT NOT NULL DEFAULT 1,
  ls INT NULL,
  sb2 INT NULL,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  KEY ledmark_bank_postup_id (id),
  KEY ledmark_bank_postup_d (d)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- The receipts of the second mode, with the columns of a statement, and the
-- financing received (no main account: `deb` is null), which writes `isf` (the
-- source of financing) and `kbk`; `grid` of financing holds four cells a row
-- (economic code, sum, KBK, content). One number counter for both.
CREATE TABLE ledmark_bank_postup0 (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  prim VARCHAR(250) NULL,
  icn VARCHAR(250) NULL,
  grid MEDIUMTEXT NULL,
  b210 INT NOT NULL DEFAULT 0,
  s DECIMAL(18,2) NULL,
  deb VARCHAR(20) NULL,
  kbk_deb INT NULL,
  kbk_kred INT NULL,
  isf INT NULL,
  kbk INT NULL,
  fil_id INT NOT NULL DEFAULT 1,
  ls INT NULL,
  sb2 INT NULL,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  KEY ledmark_bank_postup0_id (id),
  KEY ledmark_bank_postup0_d (d)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- A statement of payments; `grid` holds twelve cells a row (economic code,
-- debit account, its three analytic values, sum, wording, payment order,
-- KBK of the debit and of the credit, quantity, kind of activity).
--   kred      the main account the money left (9 characters)
--   b501      1 when the rows paying a contract write the 501.03/502.01 pair
CREATE TABLE ledmark_bank_spis (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  prim VARCHAR(250) NULL,
  icn VARCHAR(250) NULL,
  grid MEDIUMTEXT NULL,
  b501 INT NOT NULL DEFAULT 0,
  s DECIMAL(18,2) NULL,
  kred VARCHAR(20) NULL,
  kbk_deb INT NULL,
  kbk_kred INT NULL,
  fil_id INT NOT NULL DEFAULT 1,
  ls INT NULL,
  sb2 INT NULL,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  KEY ledmark_bank_spis_id (id),
  KEY ledmark_bank_spis_d (d)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Payment orders, with the columns the ledger reads: the key (`npp`, which a
-- payment's row keeps), date, number, sum and the receiving organisation.
-- The documents that write payment orders add their own columns.
CREATE TABLE plpor (
  npp INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  d DATE NULL,
  number VARCHAR(30) NULL,
  s DECIMAL(18,2) NULL,
  org INT NULL,
  KEY plpor_d (d),
  KEY plpor_org (org, d)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- The accounts of the bank statements. 201.01 (the institution's bank
-- account) and 304.04 (internal settlements) are kept by economic code and
-- counterparty; 201.03 (money in transit) has no dimensions; 205.31 (income
-- receivable from paid services) by counterparty.
CREATE TEMPORARY TABLE bank_acc (
  col1 CHAR(3), col2 CHAR(2), name VARCHAR(250), sb1 INT, sb2 INT, sb3 INT, ap VARCHAR(2), kosgu VARCHAR(100)
);
INSERT INTO bank_acc (col1, col2, name, sb1, sb2, sb3, ap, kosgu) VALUES
  ('201', '01', 'Денежные средства учреждения на банковских счетах', 3, 4, 0, 'А', '510,610'),
  ('201', '03', 'Денежные средства в пути', 0, 0, 0, 'А', '510,610'),
  ('205', '31', 'Расчеты по доходам от оказания платных услуг', 4, 0, 0, 'А', '560,660'),
  ('304', '04', 'Внутриведомственные расчеты', 3, 4, 0, 'П', '000');

INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT 0, col1, col2, '000', name, sb1, sb2, sb3, 3, 0, NULL, ap FROM bank_acc;
INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT 0, a.col1, a.col2, k.col3, k.name, a.sb1, a.sb2, a.sb3, k.tp, 0, NULL, a.ap
  FROM bank_acc a JOIN spr_plan_sch k ON k.col0 = 0 AND k.col1 = '201' AND k.col2 = '11'
    AND FIND_IN_SET(k.col3, a.kosgu) > 0 AND a.col1 = '201';
INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT 0, a.col1, a.col2, k.col3, k.name, a.sb1, a.sb2, a.sb3, k.tp, 0, NULL, a.ap
  FROM bank_acc a JOIN spr_plan_sch k ON k.col0 = 0 AND k.col1 = '206' AND k.col2 = '21'
    AND FIND_IN_SET(k.col3, a.kosgu) > 0 AND a.col1 = '205';
-- Each source's accounts that may be posted; an account kept by KOSGU code
-- also has its row "000" (tp 0), which names the account as a whole: the main
-- account of a statement is chosen so, and each row posts it with the KOSGU
-- code of its economic code.
INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT i.id, n.col1, n.col2, n.col3, n.name, n.sb1, n.sb2, n.sb3,
         CASE WHEN n.col3 = '000' AND a.kosgu <> '000' THEN 0 ELSE n.tp END, 0, NULL, n.ap
  FROM spr_plan_sch n JOIN bank_acc a ON n.col0 = 0 AND n.col1 = a.col1 AND n.col2 = a.col2
  CROSS JOIN spr_if i;
DROP TEMPORARY TABLE bank_acc;

-- The settlements for fixed assets bought (302.31) are kept by supplier,
-- contract and department, so a payment of them writes the budget
-- obligation it settles (501.03 against 502.01 need the department).
INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT i.id, '302', '31', k.col3, k.name, 4, 5, 8, k.tp, 0, NULL, 'П'
  FROM spr_plan_sch k CROSS JOIN (SELECT 0 AS id UNION ALL SELECT id FROM spr_if) i
  WHERE k.col0 = 0 AND k.col1 = '302' AND k.col2 = '11' AND k.col3 IN ('730', '830');
INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap) VALUES
  (0, '302', '31', '000', 'Расчеты по приобретению основных средств', 4, 5, 8, 3, 0, NULL, 'П');

-- Typical wordings of the statements' operations.
INSERT INTO spr_so (deb, kred, name) VALUES
  ('20101', '205', 'Поступила оплата от заказчика на банковский счет'),
  ('20101', '401', 'Поступили доходы на банковский счет'),
  ('30405', '205', 'Поступила оплата от заказчика на лицевой счет'),
  ('30405', '401', 'Поступили доходы на лицевой счет'),
  ('20111', '205', 'Поступила оплата от заказчика на лицевой счет'),
  ('20103', '205', 'Денежные средства в пути: оплата заказчика'),
  ('20103', '401', 'Денежные средства в пути: доходы'),
  ('30405', '20103', 'Зачислены на лицевой счет денежные средства в пути'),
  ('20101', '20103', 'Зачислены на банковский счет денежные средства в пути'),
  ('30405', '30404', 'Получено финансирование из бюджета'),
  ('20101', '304', 'Получено финансирование на банковский счет'),
  ('302', '30405', 'Оплачено поставщику с лицевого счета'),
  ('302', '20101', 'Оплачено поставщику с банковского счета'),
  ('206', '30405', 'Перечислен аванс поставщику с лицевого счета'),
  ('206', '20101', 'Перечислен аванс поставщику с банковского счета'),
  ('303', '30405', 'Перечислены налоги в бюджет'),
  ('303', '20101', 'Перечислены налоги в бюджет');
