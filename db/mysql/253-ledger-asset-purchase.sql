-- The purchase of fixed assets from a supplier and the agreements of full
-- material liability. Loaded after the asset register (250-ledger-assets.sql);
-- demo rows are in 953-ledger-asset-purchase-demo.sql.

-- Purchases of fixed assets: one row per document. The assets bought are the
-- rows of `grid` (the serialized table part: card id, name, quantity, value,
-- economic code, the debit account of the initial depreciation); the postings
-- carry the document id.
--   kred, sb1-3       the supplier's account and its analytic values
--   kbk_kred          the KBK of the supplier's side
--   icn               the operation text; prim the note
--   b106, b501        posted through 106.01; with the pair 501.03/502.01
--   bnds, nds, nds_st the VAT: posted, its amount, the index of its rate
--   sfp_id            the row of the received-invoice book (0 for none)
CREATE TABLE ledmark_os_pokup (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  kred VARCHAR(9) NULL,
  sb1 INT NULL,
  sb2 INT NULL,
  sb3 INT NULL,
  kbk_kred INT NULL,
  prim TEXT NULL,
  icn VARCHAR(500) NULL,
  s DECIMAL(18,2) NULL,
  grid MEDIUMTEXT NULL,
  b106 INT NOT NULL DEFAULT 0,
  b501 INT NOT NULL DEFAULT 0,
  bnds INT NOT NULL DEFAULT 0,
  nds DECIMAL(18,2) NULL,
  nds_st INT NOT NULL DEFAULT 0,
  fil_id INT NOT NULL DEFAULT 1,
  sfp_id INT NOT NULL DEFAULT 0,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  KEY ledmark_os_pokup_id (id),
  KEY ledmark_os_pokup_d (d, real_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Agreements of full material liability: the employee (`tn`, his name as
-- the form showed it in `icn`), the work the liability is tied to (`job`),
-- what it is tied to (`txt`) and a note. They post nothing: `id` stays 0.
CREATE TABLE ledmark_dog_mat_otv (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  tn INT NULL,
  icn VARCHAR(500) NULL,
  job VARCHAR(500) NULL,
  txt TEXT NULL,
  prim TEXT NULL,
  fil_id INT NOT NULL DEFAULT 1,
  KEY ledmark_dog_mat_otv_d (d, real_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;
