-- Parents' fees: the children book, the accruals (ledmark_rod_nuch), the
-- opening balances (ledmark_rod_plata with a line per child in
-- ledmark_rod_plata1) and the receipts (ledmark_rod_post), and the accounts
-- they post on. Loaded after the ledger's chart (200-ledger.sql), the budget
-- accounts (230-ledger-obligations.sql) and the bank accounts
-- (250-ledger-bank.sql).

-- The children of the institution: the fee (s) an accrual charges in full,
-- the teacher's personnel number (tnp, 0 or null when none) and the date the
-- child leaves (dt_del, null while the child stays). Each child has a
-- counterparty row (spr_contr, tip 3, id_tip = id).
CREATE TABLE spr_deti (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  name VARCHAR(250) NOT NULL,
  s DECIMAL(18,2) NULL,
  tnp INT NULL,
  dt_del DATE NULL,
  KEY spr_deti_name (name)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- An accrual: the settlement account (deb), the accrual account (kred) with
-- its analytic codes (sb1..sb3); `grid` holds five cells a row (child code,
-- name, fee, amount accrued, teacher).
CREATE TABLE ledmark_rod_nuch (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  deb VARCHAR(20) NULL,
  kred VARCHAR(20) NULL,
  prim VARCHAR(250) NULL,
  s DECIMAL(18,2) NULL,
  sb1 INT NULL,
  sb2 INT NULL,
  sb3 INT NULL,
  icn VARCHAR(250) NULL,
  grid MEDIUMTEXT NULL,
  kbk_deb INT NULL,
  kbk_kred INT NULL,
  fil_id INT NOT NULL DEFAULT 1,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  KEY ledmark_rod_nuch_id (id),
  KEY ledmark_rod_nuch_d (d)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- A receipt: the columns of an accrual, the receiving account (deb) with its
-- analytic codes, the settlement account (kred), and b210 = 1 when each row
-- passes through the transit account 201.03.
CREATE TABLE ledmark_rod_post (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  deb VARCHAR(20) NULL,
  kred VARCHAR(20) NULL,
  prim VARCHAR(250) NULL,
  s DECIMAL(18,2) NULL,
  sb1 INT NULL,
  sb2 INT NULL,
  sb3 INT NULL,
  icn VARCHAR(250) NULL,
  grid MEDIUMTEXT NULL,
  kbk_deb INT NULL,
  kbk_kred INT NULL,
  fil_id INT NOT NULL DEFAULT 1,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  b210 INT NOT NULL DEFAULT 0,
  KEY ledmark_rod_post_id (id),
  KEY ledmark_rod_post_d (d)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Opening balances: the settlement account (sch), the net balance (s).
CREATE TABLE ledmark_rod_plata (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  sch VARCHAR(20) NULL,
  prim VARCHAR(250) NULL,
  icn VARCHAR(250) NULL,
  s DECIMAL(18,2) NULL,
  kbk_deb INT NULL,
  fil_id INT NOT NULL DEFAULT 1,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  KEY ledmark_rod_plata_id (id),
  KEY ledmark_rod_plata_d (d)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- A child's balance in an opening-balances document (real_id of its header):
-- the underpayment s1 (the parents' debt), the overpayment s2 (their
-- advance), the teacher.
CREATE TABLE ledmark_rod_plata1 (
  line_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  real_id INT NOT NULL,
  id INT NOT NULL,
  s1 DECIMAL(18,2) NULL,
  s2 DECIMAL(18,2) NULL,
  tnp INT NULL,
  KEY ledmark_rod_plata1_doc (real_id, id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Under paid activities (source 2) 205.03 keeps the parents' fee settlements,
-- by the child's counterparty and the teacher: accrued with KOSGU 560, paid
-- with 660, and as a whole ("000", the account of the opening balances).
UPDATE spr_plan_sch SET sb1 = 4, sb2 = 11, sb3 = 0
  WHERE col0 = 2 AND col1 = '205' AND col2 = '03' AND col3 = '560';
INSERT IGNORE INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap) VALUES
  (0, '205', '03', '660', 'Уменьшение дебиторской задолженности', 4, 11, 0, 2, 0, NULL, 'А'),
  (2, '205', '03', '560', 'Увеличение дебиторской задолженности', 4, 11, 0, 1, 0, NULL, 'А'),
  (2, '205', '03', '660', 'Уменьшение дебиторской задолженности', 4, 11, 0, 2, 0, NULL, 'А'),
  (2, '205', '03', '000', 'Расчеты по родительской плате', 4, 11, 0, 0, 0, NULL, 'А');

-- The cash desk of the institution (201.04) receives the fees paid in cash.
INSERT IGNORE INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap) VALUES
  (0, '201', '04', '000', 'Касса учреждения', 0, 0, 0, 3, 0, NULL, 'А'),
  (0, '201', '04', '510', 'Поступления денежных средств', 0, 0, 0, 1, 0, NULL, 'А'),
  (0, '201', '04', '610', 'Выбытия денежных средств', 0, 0, 0, 2, 0, NULL, 'А');
INSERT IGNORE INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT i.id, n.col1, n.col2, n.col3, n.name, n.sb1, n.sb2, n.sb3, n.tp, 0, NULL, n.ap
  FROM spr_plan_sch n CROSS JOIN spr_if i
  WHERE n.col0 = 0 AND n.col1 = '201' AND n.col2 = '04' AND n.col3 <> '000';

-- The balance-entry account of each source (the source digit and eight
-- zeros): the opening balances are posted against it.
INSERT IGNORE INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT i.id, '000', '00', '000', 'Счет ввода остатков', 0, 0, 0, 3, 0, NULL, 'АП' FROM spr_if i;
