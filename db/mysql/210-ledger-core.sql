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
  KEY ledmark_oper_by_hand_d (d)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;
