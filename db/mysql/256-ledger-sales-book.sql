-- The VAT sales book: one entry per invoice issued, with its buyer, dates,
-- total and its split by VAT rate. An entry has no number of its own, no
-- lines and no postings (its `id` stays 0). Demo rows are in
-- 956-ledger-sales-book-demo.sql.
--   iff          source of financing, 1..4
--   d            date of the entry in the book
--   number, d_sf the invoice's number and date; do the date of payment
--   org          the buyer (spr_contr), icn its name as shown
--   nosNN, sNN   amount without VAT and the VAT at NN %; s00 the amount at
--                0 %, s0 the sales exempt from VAT
CREATE TABLE ledmark_kniga_prod (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  iff INT NOT NULL DEFAULT 1,
  d DATE NULL,
  number VARCHAR(30) NULL,
  s DECIMAL(18,2) NULL,
  d_sf DATE NULL,
  do DATE NULL,
  org INT NULL,
  icn VARCHAR(250) NULL,
  nos18 DECIMAL(18,2) NULL,
  s18 DECIMAL(18,2) NULL,
  nos10 DECIMAL(18,2) NULL,
  s10 DECIMAL(18,2) NULL,
  nos20 DECIMAL(18,2) NULL,
  s20 DECIMAL(18,2) NULL,
  s0 DECIMAL(18,2) NULL,
  s00 DECIMAL(18,2) NULL,
  fil_id INT NOT NULL DEFAULT 1,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  KEY ledmark_kniga_prod_d (d, real_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;
