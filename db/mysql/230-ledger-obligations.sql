-- Tables of the budget obligations: assignments and limits, obligations under
-- contracts, contract breakdowns by month and budget requests, with the
-- accounts they post on: the 501/502/503 groups, and 205.03 against 401.01
-- for the subvention a budget request asks for. Loaded after the ledger's
-- reference books (200-ledger.sql); demo rows are in 930-ledger-obligations-demo.sql.

-- Budget assignments and limits: one row per document, the amounts per
-- economic code in `grid` (cells: economic code, amount with ".", text).
--   tiplim    0 monthly limits, 1 quarterly assignments, 2 assignments for the year
--   ifin      source of financing 1..4
--   deb, kred the accounts as the form shows them (KOSGU "000"; none for kind 1)
--   prd       department (spr_prd)
--   d         the first day of a month: the plan of the period; any other day: changes
CREATE TABLE ledmark_budg_assig (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  tiplim INT NOT NULL DEFAULT 0,
  ifin INT NOT NULL DEFAULT 1,
  deb VARCHAR(20) NULL,
  kred VARCHAR(20) NULL,
  kbk_deb INT NULL,
  kbk_kred INT NULL,
  prd INT NULL,
  icn VARCHAR(250) NULL,
  prim VARCHAR(250) NULL,
  s DECIMAL(18,2) NULL,
  grid MEDIUMTEXT NULL,
  fil_id INT NOT NULL DEFAULT 1,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  KEY ledmark_budg_assig_id (id),
  KEY ledmark_budg_assig_d (d)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Budget obligations: one row per obligation under a contract for one
-- economic code; `grid` holds twelve rows (month number, month name, amount).
CREATE TABLE ledmark_budg_obyaz (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  dogovor INT NULL,
  ekr INT NULL,
  deb VARCHAR(20) NULL,
  kred VARCHAR(20) NULL,
  kbk_deb INT NULL,
  kbk_kred INT NULL,
  prd INT NULL,
  icn VARCHAR(250) NULL,
  prim VARCHAR(250) NULL,
  s DECIMAL(18,2) NULL,
  grid MEDIUMTEXT NULL,
  fil_id INT NOT NULL DEFAULT 1,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  KEY ledmark_budg_obyaz_id (id),
  KEY ledmark_budg_obyaz_d (d),
  KEY ledmark_budg_obyaz_dogovor (dogovor)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Contract breakdowns: the plan of a supplier contract by month; `grid` holds
-- one row per line, fifteen cells: economic code, January to December,
-- source of financing ("1".."4"), KBK. No document id (0) and no postings.
--   icn       the contract's name, ", " and the supplier's name when saved
CREATE TABLE ledmark_budg_rassh (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  dogovor INT NULL,
  icn VARCHAR(500) NULL,
  prim VARCHAR(250) NULL,
  s DECIMAL(18,2) NULL,
  grid MEDIUMTEXT NULL,
  fil_id INT NOT NULL DEFAULT 1,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  KEY ledmark_budg_rassh_d (d),
  KEY ledmark_budg_rassh_dogovor (dogovor)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Budget requests for the transfer of a subvention; `grid` holds the
-- indicators (name, quantity, amount per unit, sum, tax, total in thousands)
-- and `s` the grand total of the request's one posting.
--   icn       the content of the operation, also the note of the posting
CREATE TABLE ledmark_budg_zayavka (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  sch_deb VARCHAR(20) NULL,
  sb1_deb INT NULL,
  sb2_deb INT NULL,
  sb3_deb INT NULL,
  sch_kred VARCHAR(20) NULL,
  sb1_kred INT NULL,
  sb2_kred INT NULL,
  sb3_kred INT NULL,
  kbk_deb INT NULL,
  kbk_kred INT NULL,
  icn VARCHAR(500) NULL,
  prim VARCHAR(250) NULL,
  s DECIMAL(18,2) NULL,
  grid MEDIUMTEXT NULL,
  fil_id INT NOT NULL DEFAULT 1,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  KEY ledmark_budg_zayavka_id (id),
  KEY ledmark_budg_zayavka_d (d)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- ---------------------------------------------------------------------------
-- The accounts of the budget obligations. 501.01, 501.05 and 503.01 join the
-- chart beside 501.03 and 502.01, with the same KOSGU codes; their first
-- analytic dimension is the economic code.
CREATE TEMPORARY TABLE budget_acc (col1 CHAR(3), col2 CHAR(2), name VARCHAR(250), sb1 INT, sb2 INT, sb3 INT);
INSERT INTO budget_acc (col1, col2, name, sb1, sb2, sb3) VALUES
  ('501', '01', 'Доведенные лимиты бюджетных обязательств', 3, 0, 0),
  ('501', '05', 'Полученные лимиты бюджетных обязательств', 3, 0, 0),
  ('503', '01', 'Доведенные бюджетные ассигнования', 3, 0, 0);

INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT 0, col1, col2, '000', name, sb1, sb2, sb3, 3, 0, NULL, 'АП' FROM budget_acc;
INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT 0, a.col1, a.col2, k.col3, k.name, a.sb1, a.sb2, a.sb3, 3, 0, NULL, 'АП'
  FROM budget_acc a JOIN spr_plan_sch k ON k.col0 = 0 AND k.col1 = '501' AND k.col2 = '03' AND k.col3 <> '000';
INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT i.id, n.col1, n.col2, n.col3, n.name, n.sb1, n.sb2, n.sb3, 3, 0, NULL, 'АП'
  FROM spr_plan_sch n JOIN budget_acc a ON n.col0 = 0 AND n.col1 = a.col1 AND n.col2 = a.col2 AND n.col3 <> '000'
  CROSS JOIN spr_if i;
DROP TEMPORARY TABLE budget_acc;

-- Both sides take every KOSGU code of the budget accounts: an economic code of
-- stocks (340) keeps its own tail on the credit of 501.03 too.
UPDATE spr_plan_sch SET tp = 3 WHERE col1 IN ('501', '502', '503') AND col3 <> '000';

-- The budget documents keep their accounts with KOSGU "000" (the account as a
-- whole): such a row of each source names the account, with its dimensions,
-- and is never posted (tp 0); each posting takes its KOSGU from the row's
-- economic code.
INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT i.id, n.col1, n.col2, '000', n.name, n.sb1, n.sb2, n.sb3, 0, 0, NULL, n.ap
  FROM spr_plan_sch n CROSS JOIN spr_if i
  WHERE n.col0 = 0 AND n.col3 = '000' AND n.col2 <> '00'
    AND CONCAT(n.col1, n.col2) IN ('50101', '50103', '50105', '50201', '50301');

-- The accounts of a budget request: the receivable of the subvention (205.03,
-- KOSGU 560, held by counterparty and contract) against the income from other
-- budgets (401.01, KOSGU 151).
INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap) VALUES
  (0, '205', '00', '000', 'Расчеты по доходам', 4, 5, 0, 3, 0, NULL, 'А'),
  (0, '205', '03', '000', 'Расчеты по поступлениям от других бюджетов', 4, 5, 0, 3, 0, NULL, 'А'),
  (0, '205', '03', '560', 'Увеличение дебиторской задолженности', 4, 5, 0, 1, 0, NULL, 'А'),
  (0, '401', '01', '151', 'Поступления от других бюджетов бюджетной системы', 0, 0, 0, 3, 0, NULL, 'П');
INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT i.id, n.col1, n.col2, n.col3, n.name, n.sb1, n.sb2, n.sb3, n.tp, 0, NULL, n.ap
  FROM spr_plan_sch n CROSS JOIN spr_if i
  WHERE n.col0 = 0 AND ((n.col1 = '205' AND n.col2 = '03' AND n.col3 = '560') OR (n.col1 = '401' AND n.col2 = '01' AND n.col3 = '151'));
