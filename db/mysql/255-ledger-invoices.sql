-- Issued invoices: the invoice to a buyer for paid services with its lines of
-- services. Loaded after the bank tables (250-ledger-bank.sql, which makes the
-- kinds of business activity); demo rows are in 955-ledger-invoices-demo.sql.

-- One row per invoice; its number starts anew in each year of `d`.
--   id          document id of its one posting; NULL when it is not posted
--   nv          personal account (spr_ls), org the buyer and org2 the
--               consignee (spr_org), icn the buyer's name as shown
--   sch0, sch1  debit (receivable) and credit (income) accounts, sb1..sb3 the
--               credit account's analytic values, sb_deb2 the kind of activity
--   no_doc, date_doc  the payment document the invoice refers to
--   obrazec, vnim     print the sample payment order (its text, "<br>" for
--                     line breaks) on the invoice
--   do          the date of payment
CREATE TABLE paymar_sch_fak (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NULL,
  d DATE NULL,
  number VARCHAR(30) NULL,
  s DECIMAL(18,2) NULL,
  nv INT NULL,
  org INT NULL,
  org2 INT NULL,
  sch0 VARCHAR(20) NULL,
  sch1 VARCHAR(20) NULL,
  sb1 INT NULL,
  sb2 INT NULL,
  sb3 INT NULL,
  no_doc VARCHAR(50) NULL,
  date_doc DATE NULL,
  prim VARCHAR(500) NULL,
  obrazec INT NOT NULL DEFAULT 0,
  vnim TEXT NULL,
  fil_id INT NOT NULL DEFAULT 1,
  kbk_deb INT NULL,
  kbk_kred INT NULL,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  icn VARCHAR(250) NULL,
  sb_deb2 VARCHAR(20) NULL,
  do DATE NULL,
  KEY paymar_sch_fak_id (id),
  KEY paymar_sch_fak_d (d, real_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- The services of an invoice, npp1 0, 1, 2 ... in the order written.
CREATE TABLE paymar_sch_fak1 (
  real_id INT NOT NULL,
  npp1 INT NOT NULL,
  discr VARCHAR(500) NULL,
  ei VARCHAR(50) NULL,
  kol DECIMAL(18,3) NULL,
  s DECIMAL(18,2) NULL,
  PRIMARY KEY (real_id, npp1)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;
