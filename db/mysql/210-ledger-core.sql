-- Tables of the ledger core's own forms. Loaded after the ledger's reference
-- books and postings (200-ledger.sql); demo rows are in 920-ledger-core-demo.sql.

-- Manual operations: one row per operation. Its lines are not kept here: they
-- are the postings (ledmark_provodki) that carry the operation's id. The closing
-- operations and the depreciation run write rows of this table too.
--   id        document id shared with the postings (the one document counter)
--   number    operation number as typed
--   s         amount typed in the header (not the total of the lines)
--   prim      name of the operation document ("Справка" for a new one)
--   m0, d0    creator and moment of creation; m1, d1 last editor and moment
CREATE TABLE ledmark_oper_by_hand (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  d DATE NULL,
  number VARCHAR(30) NULL,
  s DECIMAL(18,2) NULL,
  prim VARCHAR(250) NULL,
  fil_id INT NOT NULL DEFAULT 1,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  KEY ledmark_oper_by_hand_id (id),
  KEY ledmark_oper_by_hand_d (d),
  -- a new operation's save looks its proposed number up in the working year
  -- while it holds the document counter
  KEY ledmark_oper_by_hand_number (number, d)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Treasury cash requests: one row per application for cash by cheque. The
-- request makes no postings: id stays 0 (the core's delete reads it).
--   tn        the employee who receives the cash under a power of attorney
--   icn       the employee's full name as the form showed it
--   ser, n    series and number of the cheque; d_pol the date of receipt
--   cpec      special instruction; ls the personal account (spr_ls)
--   grid      the amounts table (ФКР, ЭКР, Сумма) serialized; s its total
CREATE TABLE ledmark_dov_pol_den (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  prim VARCHAR(250) NULL,
  tn INT NULL,
  cpec VARCHAR(250) NULL,
  ser VARCHAR(10) NULL,
  n INT NULL,
  d_pol DATE NULL,
  icn VARCHAR(250) NULL,
  grid TEXT NULL,
  s DECIMAL(18,2) NULL,
  fil_id INT NOT NULL DEFAULT 1,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  ls INT NULL,
  KEY ledmark_dov_pol_den_d (d)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Product groups of the stock items (spr_stovan_mat.gr).
CREATE TABLE grup (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  name VARCHAR(250) NOT NULL,
  dt_del DATE NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Allowance categories of the catering (children by age, staff); a category
-- with dt_del is no longer in force from that date.
CREATE TABLE spr_kat_dovolstv (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  name VARCHAR(250) NOT NULL,
  dt_del DATE NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Food norms in versions by date: the norm s of product Real_npp
-- (spr_stovan_mat) for category kat at the version of date d. A missing row
-- is no norm.
CREATE TABLE spr_norm_spis_produktov (
  d DATE NOT NULL,
  Real_npp INT NOT NULL,
  kat INT NOT NULL,
  s DECIMAL(18,3) NOT NULL,
  PRIMARY KEY (d, Real_npp, kat)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;
