-- Waybills of fixed assets (ledmark_os_nakl) and of material values
-- (ledmark_mat_nakl): the items handed from a sender (kred with its analytic
-- values and KBK) to a recipient (deb with its analytic values and KBK), the
-- items grid as a text, s the total of its sums. id is the document id of the
-- postings, -1 for a waybill kept without postings.
CREATE TABLE ledmark_os_nakl (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT -1,
  number VARCHAR(30) NULL,
  d DATE NULL,
  icn VARCHAR(250) NULL,
  prim VARCHAR(250) NULL,
  deb VARCHAR(20) NULL,
  sb1_deb VARCHAR(30) NULL,
  sb2_deb VARCHAR(30) NULL,
  sb3_deb VARCHAR(30) NULL,
  kbk_deb INT NULL,
  kred VARCHAR(20) NULL,
  sb1_kred VARCHAR(30) NULL,
  sb2_kred VARCHAR(30) NULL,
  sb3_kred VARCHAR(30) NULL,
  kbk_kred INT NULL,
  s DECIMAL(18,2) NULL,
  grid MEDIUMTEXT NULL,
  fil_id INT NOT NULL DEFAULT 1,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  KEY ledmark_os_nakl_id (id),
  KEY ledmark_os_nakl_d (d)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE ledmark_mat_nakl LIKE ledmark_os_nakl;
