-- Tables of the cash, bank and settlements documents: advance reports, powers
-- of attorney (to receive a cheque, for goods), cheque-book applications, cash
-- deposit announcements, purchase book entries and received invoices, with the
-- book of the sources of cash deposits. Loaded after the ledger's reference books
-- (200-ledger.sql); demo rows are in 940-ledger-settlements-demo.sql.
--
-- Every table keeps the columns of a stored document: real_id (row key), id
-- (document id of the postings; 0 for the documents that post nothing), the
-- branch fil_id, the creator m0/d0 and the last editor m1/d1.

-- Sources of cash deposits and of cash receipts ("целевое назначение"); the
-- deposit announcement offers the codes below 20000.
CREATE TABLE spr_cn (
  id INT NOT NULL PRIMARY KEY,
  name VARCHAR(250) NOT NULL,
  dt_del DATE NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Advance reports: one row per report; its expense lines are the serialized
-- `grid` (14 cells a line) and the postings under `id`.
--   sch        the report's account (the default credit of the lines)
--   tn, prd    the accountable person and the department
--   pred_av    the previous advance, s the sum of the report
--   g1..g9     the received advances, three rows of (from whom, date, amount)
--   b501       1: each line is posted also through 501.03 and 502.01
CREATE TABLE ledmark_avans_otch (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  sch VARCHAR(20) NULL,
  tn INT NULL,
  prd INT NULL,
  icn VARCHAR(250) NULL,
  prim VARCHAR(500) NULL,
  pred_av DECIMAL(18,2) NULL,
  s DECIMAL(18,2) NULL,
  g1 VARCHAR(250) NULL,
  g2 DATE NULL,
  g3 DECIMAL(18,2) NULL,
  g4 VARCHAR(250) NULL,
  g5 DATE NULL,
  g6 DECIMAL(18,2) NULL,
  g7 VARCHAR(250) NULL,
  g8 DATE NULL,
  g9 DECIMAL(18,2) NULL,
  grid MEDIUMTEXT NULL,
  kbk_deb INT NULL,
  kbk_kred INT NULL,
  fil_id INT NOT NULL DEFAULT 1,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  b501 INT NOT NULL DEFAULT 0,
  KEY ledmark_avans_otch_id (id),
  KEY ledmark_avans_otch_d (d),
  KEY ledmark_avans_otch_tn (tn, d)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Powers of attorney to receive a cheque: the employee, the cheque and the
-- breakdown by personal account and economic code (`grid`, total `s`).
CREATE TABLE ledmark_dov_pol_cheka (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  prim VARCHAR(500) NULL,
  tn INT NULL,
  icn VARCHAR(250) NULL,
  ser VARCHAR(20) NULL,
  n INT NULL,
  d_ch DATE NULL,
  d_pol DATE NULL,
  grid MEDIUMTEXT NULL,
  s DECIMAL(18,2) NULL,
  s0 DECIMAL(18,2) NULL,
  fil_id INT NOT NULL DEFAULT 1,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  KEY ledmark_dov_pol_cheka_d (d)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Applications for cheque books: how many books of how many leaves, the
-- employee who collects them, and the series and numbers of the books issued.
CREATE TABLE ledmark_check_book (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  prim VARCHAR(500) NULL,
  tn INT NULL,
  kol_k INT NULL,
  kol_l INT NULL,
  ser VARCHAR(20) NULL,
  n1 INT NULL,
  n2 INT NULL,
  icn VARCHAR(250) NULL,
  fil_id INT NOT NULL DEFAULT 1,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  KEY ledmark_check_book_d (d)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Powers of attorney for goods: valid until d2, the supplier org, the
-- employee tn, the supplier's document and the goods lines (`grid`: line
-- number, name, unit name, quantity); r 1 prints the quantities in words.
CREATE TABLE ledmark_dov (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  d2 DATE NULL,
  docDate DATE NULL,
  docName VARCHAR(250) NULL,
  docNumber VARCHAR(30) NULL,
  org INT NULL,
  tn INT NULL,
  icn VARCHAR(500) NULL,
  prim VARCHAR(500) NULL,
  grid MEDIUMTEXT NULL,
  r INT NOT NULL DEFAULT 1,
  fil_id INT NOT NULL DEFAULT 1,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  KEY ledmark_dov_d (d)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Announcements of cash deposits to a personal account (ls): the sum, the
-- source as a code of spr_cn (cn) or a free text (icn), the organisation.
CREATE TABLE ledmark_obyavl (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  ls INT NULL,
  s DECIMAL(18,2) NULL,
  cn INT NULL,
  icn VARCHAR(250) NULL,
  prim VARCHAR(500) NULL,
  org INT NULL,
  fil_id INT NOT NULL DEFAULT 1,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  KEY ledmark_obyavl_d (d)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Entries of the VAT purchase book: one received invoice each, its amounts by
-- rate. d and d_uch are both the date of acceptance for accounting; d_sf the
-- invoice date, `do` the date of payment; iff the source of financing 1..4.
CREATE TABLE ledmark_kniga_pokupok (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  iff INT NOT NULL DEFAULT 1,
  d DATE NULL,
  number VARCHAR(30) NULL,
  s DECIMAL(18,2) NULL,
  d_sf DATE NULL,
  do DATE NULL,
  d_uch DATE NULL,
  org INT NULL,
  gtd VARCHAR(250) NULL,
  nos18 DECIMAL(18,2) NULL,
  s18 DECIMAL(18,2) NULL,
  nos10 DECIMAL(18,2) NULL,
  s10 DECIMAL(18,2) NULL,
  nos20 DECIMAL(18,2) NULL,
  s20 DECIMAL(18,2) NULL,
  s0 DECIMAL(18,2) NULL,
  s00 DECIMAL(18,2) NULL,
  icn VARCHAR(250) NULL,
  fil_id INT NOT NULL DEFAULT 1,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  KEY ledmark_kniga_pokupok_d (d, real_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Received invoices: one row per supplier's invoice. id is the document id of
-- its postings (0: kept without postings); kp_id the invoice's row in the
-- purchase book (-1: none). sch_kred is the supplier's account with its
-- analytic values sb1..sb3 and credit KBK; txt the goods, works or services
-- with "<br>" for each line break, icn the same on one line; grid the debit
-- lines (KBK, account, three analytic values, quantity, sum, EKR); b501 1: each
-- line is posted also through 501.03 and 502.01. The materials and
-- fixed-asset purchases write rows of their own here without kp_id, id,
-- grid or b501, so those take their defaults.
CREATE TABLE ledmark_sch_fak_poluch (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  kp_id INT NOT NULL DEFAULT -1,
  id INT NOT NULL DEFAULT 0,
  d DATE NULL,
  date_sf DATE NULL,
  number VARCHAR(30) NULL,
  s DECIMAL(18,2) NULL,
  sch_kred VARCHAR(9) NULL,
  sb1 VARCHAR(30) NULL,
  sb2 VARCHAR(30) NULL,
  sb3 VARCHAR(30) NULL,
  kbk_kred INT NULL,
  txt TEXT NULL,
  icn TEXT NULL,
  grid MEDIUMTEXT NULL DEFAULT NULL,
  b501 INT NOT NULL DEFAULT 0,
  fil_id INT NOT NULL DEFAULT 1,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  KEY ledmark_sch_fak_poluch_id (id),
  KEY ledmark_sch_fak_poluch_d (d, real_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;
