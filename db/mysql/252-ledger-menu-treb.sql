-- Catering menu requirements: the foodstuffs of a day written off a
-- responsible person's stock (kred, tn) to an expense account (deb with its
-- analytic values), with the categories of people fed (KatDov) and the
-- product rows of the five meals (grid) as texts; s is the total posted.
CREATE TABLE ledmark_menu_treb (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  icn VARCHAR(250) NULL,
  prim VARCHAR(250) NULL,
  deb VARCHAR(20) NULL,
  deb_sb1 INT NULL,
  deb_sb2 INT NULL,
  deb_sb3 INT NULL,
  kred VARCHAR(20) NULL,
  tn INT NULL,
  kbk_deb INT NULL,
  kbk_kred INT NULL,
  KatDov TEXT NULL,
  grid MEDIUMTEXT NULL,
  fil_id INT NOT NULL DEFAULT 1,
  s DECIMAL(18,2) NULL,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  KEY ledmark_menu_treb_id (id),
  KEY ledmark_menu_treb_d (d)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;
