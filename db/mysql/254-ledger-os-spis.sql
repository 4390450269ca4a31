-- Write-offs of fixed assets (ledmark_os_spis): each asset listed leaves the
-- books with its accumulated depreciation and residual value, and its card
-- is marked disposed of or moved onto an off-balance account. The grid
-- column keeps the document's rows as the form showed them (card, name,
-- quantity).
--   deb, kbk_deb, ekr   the write-off account, its KBK and economic code
--   zab                 the off-balance account the assets stay in use on
--   prich, prik         the reason and the order
--   s                   the value written off
CREATE TABLE ledmark_os_spis (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  deb VARCHAR(9) NULL,
  kbk_deb INT NULL,
  ekr INT NULL,
  zab VARCHAR(9) NULL,
  prim TEXT NULL,
  prich VARCHAR(250) NULL,
  prik VARCHAR(250) NULL,
  icn TEXT NULL,
  s DECIMAL(18,2) NULL,
  fil_id INT NOT NULL DEFAULT 1,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  grid MEDIUMTEXT NULL,
  KEY ledmark_os_spis_id (id),
  KEY ledmark_os_spis_d (d, real_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;
