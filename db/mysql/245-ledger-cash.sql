-- Cash: the receipt and expense cash orders, and the accounts the cash book
-- reads. Loaded after the settlements tables (240-ledger-settlements.sql);
-- demo rows are in 945-ledger-cash-demo.sql.

-- The cash account 201.04 and the salary account 302.01 the cash book names:
-- 201.04 without dimensions (510 receipts, 610 payments), 302.01 by employee
-- (730 accrued, 830 paid out).
CREATE TEMPORARY TABLE cash_acc (
  col1 CHAR(3), col2 CHAR(2), name VARCHAR(250), sb1 INT, ap VARCHAR(2)
);
INSERT INTO cash_acc (col1, col2, name, sb1, ap) VALUES
  ('201', '04', 'Касса учреждения', 0, 'А'),
  ('302', '01', 'Расчеты по оплате труда', 11, 'П');
CREATE TEMPORARY TABLE cash_kosgu (col1 CHAR(3), code CHAR(3), name VARCHAR(250), tp INT);
INSERT INTO cash_kosgu (col1, code, name, tp) VALUES
  ('201', '510', 'Поступление денежных средств', 1),
  ('201', '610', 'Выбытие денежных средств', 2),
  ('302', '730', 'Увеличение кредиторской задолженности', 2),
  ('302', '830', 'Уменьшение кредиторской задолженности', 1);

INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT 0, col1, col2, '000', name, sb1, 0, 0, 3, 0, NULL, ap FROM cash_acc;
INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT 0, a.col1, a.col2, k.code, k.name, a.sb1, 0, 0, k.tp, 0, NULL, a.ap
  FROM cash_acc a JOIN cash_kosgu k ON k.col1 = a.col1;
INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT i.id, a.col1, a.col2, k.code, k.name, a.sb1, 0, 0, k.tp, 0, NULL, a.ap
  FROM cash_acc a JOIN cash_kosgu k ON k.col1 = a.col1 CROSS JOIN spr_if i;
DROP TEMPORARY TABLE cash_acc;
DROP TEMPORARY TABLE cash_kosgu;

-- Receipt cash orders: one row per order; the credit lines are the serialized
-- `grid` (KBK, account, three analytic values, amount) and the postings under
-- `id`, each debiting the order's main account.
--   sch0       the main account (debit), a cash account
--   prd0, prd1 the main and the correspondent division (spr_prd)
--   cn, icn    the target purpose (spr_cn, below 20000) and its name as shown
--   tn, fio    the employee the money came from and the payer's name
--   osn, pril  basis and attachment; prim the comment
--   kbk_deb    the KBK of the main account
--   sch1, kbk_kred  the one credit account of orders written before the lines
--              existed, read to open such an order with one line
CREATE TABLE ledmark_pko (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  sch0 VARCHAR(20) NULL,
  sch1 VARCHAR(20) NULL,
  prd0 INT NULL,
  prd1 INT NULL,
  cn INT NULL,
  icn VARCHAR(250) NULL,
  tn INT NULL,
  fio VARCHAR(250) NULL,
  osn VARCHAR(250) NULL,
  pril VARCHAR(250) NULL,
  prim VARCHAR(500) NULL,
  s DECIMAL(18,2) NULL,
  kbk_deb INT NULL,
  kbk_kred INT NULL,
  grid MEDIUMTEXT NULL,
  fil_id INT NOT NULL DEFAULT 1,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  KEY ledmark_pko_id (id),
  KEY ledmark_pko_d (d)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Expense cash orders: the columns of the receipt order with the sides
-- turned: the main account is credited and each line debits its account.
--   kbk_kred   the KBK of the main account
--   doc        the recipient's identity document
--   sch1, kbk_deb  the one debit account of orders written before the lines
--              existed
CREATE TABLE ledmark_rko (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  sch0 VARCHAR(20) NULL,
  sch1 VARCHAR(20) NULL,
  prd0 INT NULL,
  prd1 INT NULL,
  cn INT NULL,
  icn VARCHAR(250) NULL,
  tn INT NULL,
  fio VARCHAR(250) NULL,
  doc VARCHAR(250) NULL,
  osn VARCHAR(250) NULL,
  pril VARCHAR(250) NULL,
  prim VARCHAR(500) NULL,
  s DECIMAL(18,2) NULL,
  kbk_deb INT NULL,
  kbk_kred INT NULL,
  grid MEDIUMTEXT NULL,
  fil_id INT NOT NULL DEFAULT 1,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  KEY ledmark_rko_id (id),
  KEY ledmark_rko_d (d)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;
