-- Tables of the ledger registers. Loaded after the postings (200-ledger.sql).

-- The scratch rows of the turnover-and-balance sheet: the workplace script
-- fn_ledmark_prn_osv writes the figures of one group of the sheet here and the
-- sheet reads them back. Every user writes into this one table; user_id, the
-- server's id of the writer's connection, keeps each connection's rows apart,
-- and the script clears its connection's rows before it writes.
--   sch0..sch3   the account: source digit, synthetic (3), analytic (2),
--                KOSGU code (3; '000' at the analytic level)
--   db0, kr0     opening balance, debit and credit
--   db, kr       turnovers of the period, debit and credit
--   db2, kr2     closing balance, debit and credit (before netting)
CREATE TABLE tmp_0 (
  id BIGINT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  user_id BIGINT NOT NULL,
  sch0 CHAR(1) NULL,
  sch1 CHAR(3) NULL,
  sch2 CHAR(2) NULL,
  sch3 CHAR(3) NULL,
  db0 DECIMAL(18,2) NOT NULL DEFAULT 0,
  kr0 DECIMAL(18,2) NOT NULL DEFAULT 0,
  db DECIMAL(18,2) NOT NULL DEFAULT 0,
  kr DECIMAL(18,2) NOT NULL DEFAULT 0,
  db2 DECIMAL(18,2) NOT NULL DEFAULT 0,
  kr2 DECIMAL(18,2) NOT NULL DEFAULT 0,
  KEY tmp_0_user (user_id)
) ENGINE=InnoDB;
