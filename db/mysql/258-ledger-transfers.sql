-- Transfers between responsible persons: what the sender (tn, branch fil_id)
-- holds passes to the receiver (tn2, branch fil_id2). The postings are derived
-- at the save from the sender's balances as of d; the row keeps what narrows
-- them: the chosen stock items (mats) or asset cards (os), the sender's KBKs
-- (kbk1), each a list of ids joined by ",", and the receiver's KBK (kbk2).
--   bVspom  0: against the source's empty account, 1: through 401.01
CREATE TABLE ledmark_mat_mol_to_mol (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  bVspom INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  prim VARCHAR(250) NULL,
  icn VARCHAR(250) NULL,
  tn INT NULL,
  tn2 INT NULL,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  fil_id INT NOT NULL DEFAULT 1,
  fil_id2 INT NOT NULL DEFAULT 1,
  mats TEXT NULL,
  kbk1 TEXT NULL,
  kbk2 VARCHAR(30) NULL,
  KEY ledmark_mat_mol_to_mol_id (id),
  KEY ledmark_mat_mol_to_mol_d (d, real_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE ledmark_os_mol_to_mol (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL DEFAULT 0,
  bVspom INT NOT NULL DEFAULT 0,
  number VARCHAR(30) NULL,
  d DATE NULL,
  prim VARCHAR(250) NULL,
  icn VARCHAR(250) NULL,
  tn INT NULL,
  tn2 INT NULL,
  m0 INT NULL,
  d0 DATETIME NULL,
  m1 INT NULL,
  d1 DATETIME NULL,
  fil_id INT NOT NULL DEFAULT 1,
  fil_id2 INT NOT NULL DEFAULT 1,
  os TEXT NULL,
  kbk1 TEXT NULL,
  kbk2 VARCHAR(30) NULL,
  KEY ledmark_os_mol_to_mol_id (id),
  KEY ledmark_os_mol_to_mol_d (d, real_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;
