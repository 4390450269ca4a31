-- Tables of materials and fixed assets: the register of fixed-asset cards,
-- the book of kinds of expense and the write-off norm of a stock item. Loaded
-- after the ledger's reference books (200-ledger.sql); demo rows are in
-- 950-ledger-assets-demo.sql.
--
-- Stock of materials and the value of a fixed asset are not kept here: they
-- are balances of the ledger, read by account and analytic value (a stock
-- item and its responsible person on 105, a card on 101 and 104).

-- Kinds of expense: an analytic value of the expense accounts, kept on a card.
CREATE TABLE spr_v_rasx (
  id INT NOT NULL PRIMARY KEY,
  name VARCHAR(250) NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- The write-off norm of a stock item, shown beside its rows on a write-off.
ALTER TABLE spr_stovan_mat ADD COLUMN norm DECIMAL(18,3) NULL;

-- Fixed-asset cards, one per asset (or per group of like items held as one
-- card with a quantity). The card's id is analytic value 1 of its asset
-- account (101) and of its depreciation account (104); the first six
-- characters of sch and sch_iz followed by "000" address its value and its
-- accumulated depreciation.
--   code         inventory number
--   kol          quantity held on the card; first_price the initial value
--   sch          the asset account, 9 digits; an asset moved off balance holds
--                its off-balance account (9 digits, or the 2-3 digit code of
--                the off-balance account) and its former account in sch_old
--   sch_iz       the depreciation account, 9 digits
--   iznos_all    depreciation accumulated when the asset was taken on
--   mol, prd     the responsible person and the department
--   vrasx        kind of expense (spr_v_rasx)
--   nach_izn     above 0: the monthly depreciation run takes the card
--   d_post, d_ekspl  taken on the books, put into service; norm_izn useful life in months
--   d_vybit, no_vybit, PrichVyb  disposal: date, document number, reason
-- The rules the balance reads rely on are the table's: a text that is no
-- account is refused. The book editor asks them before it writes and tells
-- the user the column's comment.
CREATE TABLE spr_osn_sr (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  name VARCHAR(250) NOT NULL,
  code VARCHAR(30) NULL,
  fil_id INT NOT NULL DEFAULT 1,
  kol DECIMAL(18,3) NULL,
  first_price DECIMAL(18,2) NULL,
  ekr INT NULL,
  sch VARCHAR(9) NULL COMMENT 'нужен код счета из 9 цифр (забалансового - из 2 или 3 цифр)',
  sch_old VARCHAR(9) NULL COMMENT 'нужен код счета из 9 цифр',
  sch_iz VARCHAR(9) NULL COMMENT 'нужен код счета из 9 цифр',
  kbk_deb INT NULL,
  kbk_kred INT NULL,
  iznos_all DECIMAL(18,2) NULL,
  mol INT NULL,
  prd INT NULL,
  vrasx INT NULL,
  nach_izn INT NULL,
  d_post DATE NULL,
  d_ekspl DATE NULL,
  norm_izn INT NULL,
  d_vybit DATE NULL,
  no_vybit VARCHAR(30) NULL,
  PrichVyb VARCHAR(250) NULL,
  KEY spr_osn_sr_fil (fil_id, name),
  KEY spr_osn_sr_mol (mol),
  CONSTRAINT spr_osn_sr_sch CHECK (sch IS NULL OR sch REGEXP '^([0-9]{9}|[0-9]{2,3})$'),
  CONSTRAINT spr_osn_sr_sch_old CHECK (sch_old IS NULL OR sch_old REGEXP '^[0-9]{9}$'),
  CONSTRAINT spr_osn_sr_sch_iz CHECK (sch_iz IS NULL OR sch_iz REGEXP '^[0-9]{9}$')
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- The material and asset documents read the balance of one stock item of one
-- responsible person, or of one card, per row: one index range per side of the
-- account by its first two analytic values, holding what the balance sums, so
-- a row's balance reads no posting rows.
ALTER TABLE ledmark_provodki
  ADD KEY ledmark_provodki_deb_sb (deb1, deb2, deb_sb1, deb_sb2, deb0, deb3, d, s, kol, fil_id, kbk_deb),
  ADD KEY ledmark_provodki_kred_sb (kred1, kred2, kred_sb1, kred_sb2, kred0, kred3, d, s, kol, fil_id, kbk_kred);

-- Receipts of material values (ledmark_mat_prix) and opening balances of
-- materials (ledmark_mat_prix_0): one header row per document, its lines in
-- the table of the same name followed by "1". A line keeps the item's balance
-- before and after as the form showed it when it was saved.
--   sch_deb, tn       the stock account and its responsible person
--   sch_kred, sb1-3   the supplier's account and its analytic values (the
--                     technical account of opening balances)
--   bnds, nds, nds_st the VAT: posted, its amount, the index of its rate
--   b106, b501        posted through 106.01; with the pair 501.03/502.01
--   sfp_id            the row of the received-invoice book (0 for none)
CREATE TABLE ledmark_mat_prix (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  sch_deb VARCHAR(9) NULL,
  sch_kred VARCHAR(9) NULL,
  kbk_deb INT NULL,
  kbk_kred INT NULL,
  tn INT NULL,
  prim TEXT NULL,
  s DECIMAL(18,2) NULL,
  sb1 INT NULL,
  sb2 INT NULL,
  sb3 INT NULL,
  bnds INT NOT NULL DEFAULT 0,
  nds DECIMAL(18,2) NULL,
  nds_st INT NOT NULL DEFAULT 0,
  b106 INT NOT NULL DEFAULT 0,
  b501 INT NOT NULL DEFAULT 0,
  sfp_id INT NOT NULL DEFAULT 0,
  fil_id INT NOT NULL DEFAULT 1,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  KEY ledmark_mat_prix_id (id),
  KEY ledmark_mat_prix_d (d, real_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE ledmark_mat_prix1 (
  npp INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  real_id INT NOT NULL,
  id INT NULL,
  kol1 DECIMAL(18,3) NULL,
  sum1 DECIMAL(18,2) NULL,
  kol DECIMAL(18,3) NULL,
  price DECIMAL(18,2) NULL,
  s DECIMAL(18,2) NULL,
  kol2 DECIMAL(18,3) NULL,
  sum2 DECIMAL(18,2) NULL,
  ekr INT NULL,
  KEY ledmark_mat_prix1_real (real_id, id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE ledmark_mat_prix_0 LIKE ledmark_mat_prix;
CREATE TABLE ledmark_mat_prix_01 LIKE ledmark_mat_prix1;

-- Write-offs of material values (ledmark_mat_spis): the stock of a
-- responsible person leaves the material account for the expense account at
-- the average price of the person's balance. The grid column keeps the
-- document's rows as the form showed them; ledmark_mat_spis1 keeps one row per
-- posted line, which a stored write-off adds back to the balance its rows are
-- computed from.
--   sch_deb, sb1-3    the expense account and its analytic values
--   sch_kred, tn      the material account and the responsible person
--   whom              the employee who received the materials
--   zab               the off-balance account each line is taken onto as well
CREATE TABLE ledmark_mat_spis (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  sch_deb VARCHAR(9) NULL,
  sch_kred VARCHAR(9) NULL,
  sb1 INT NULL,
  sb2 INT NULL,
  sb3 INT NULL,
  kbk_deb INT NULL,
  kbk_kred INT NULL,
  tn INT NULL,
  whom INT NULL,
  prim TEXT NULL,
  zab VARCHAR(9) NULL,
  s DECIMAL(18,2) NULL,
  fil_id INT NOT NULL DEFAULT 1,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  grid MEDIUMTEXT NULL,
  KEY ledmark_mat_spis_id (id),
  KEY ledmark_mat_spis_d (d, real_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE ledmark_mat_spis1 (
  npp INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  real_id INT NOT NULL,
  id INT NULL,
  kol1 DECIMAL(18,3) NULL,
  sum1 DECIMAL(18,2) NULL,
  kol DECIMAL(18,3) NULL,
  price DECIMAL(18,2) NULL,
  s DECIMAL(18,2) NULL,
  kol2 DECIMAL(18,3) NULL,
  sum2 DECIMAL(18,2) NULL,
  ekr INT NULL,
  whom INT NULL,
  KEY ledmark_mat_spis1_real (real_id, id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;
