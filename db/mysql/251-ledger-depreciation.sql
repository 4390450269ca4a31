-- The depreciation of fixed assets and their opening balances. Loaded after
-- the register of fixed-asset cards (250-ledger-assets.sql); demo rows are in
-- 958-ledger-depreciation-demo.sql.

-- The register of a month's depreciation run: one row per card the run took,
-- with the figures its amount came from.
--   d         the card's start date (taken on the books or put into service)
--   kol       quantity on the asset account
--   g, ms     year and month of the run
--   id        the card (spr_osn_sr.id)
--   s_bal     book value, s_iz depreciation accumulated before the run,
--   s         the month's amount
--   mes_ost   months of useful life left, the run's month included; 0 when
--             the card is written off whole
--   deb, kred the accounts of the posting
CREATE TABLE ledmark_prn_iz (
  npp INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  d DATE NULL,
  kol DECIMAL(18,3) NULL,
  g INT NOT NULL,
  ms INT NOT NULL,
  id INT NULL,
  s_bal DECIMAL(18,2) NULL,
  s_iz DECIMAL(18,2) NULL,
  s DECIMAL(18,2) NULL,
  mes_ost INT NULL,
  deb VARCHAR(9) NULL,
  kred VARCHAR(9) NULL,
  kbk_deb INT NULL,
  kbk_kred INT NULL,
  fil_id INT NOT NULL,
  KEY ledmark_prn_iz_run (g, ms, fil_id, id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- One row per month and branch that has a run: the document id of its
-- manual operation and postings, by which a second run finds the first. The
-- key keeps two runs of one month and branch from both being written.
CREATE TABLE ledmark_prn_iz1 (
  g INT NOT NULL,
  ms INT NOT NULL,
  fil_id INT NOT NULL,
  doc_id INT NOT NULL,
  PRIMARY KEY (g, ms, fil_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- The opening balances of fixed assets loaded for a branch on a date: the
-- document id their postings carry, by which a second load replaces the first.
CREATE TABLE ledmark_os_nach_ost (
  d DATE NOT NULL,
  fil_id INT NOT NULL,
  doc_id INT NOT NULL,
  PRIMARY KEY (d, fil_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- The opening balances of the fixed assets of branch p_fil on date p_d, from
-- their cards: per card with a value on a balance account of the chart, not
-- disposed of before the date, its initial value and quantity on the debit of
-- its asset account (by card, responsible person and department) against the
-- technical account of the account's source (digit followed by "00000000"),
-- and the depreciation it came with on the credit of its depreciation
-- account. The postings carry one document id per branch and date, taken
-- from the document counter for the first load; a second load of the same
-- branch and date replaces the first under the same id. Cards moved off
-- balance take no opening posting here.
DELIMITER //
CREATE PROCEDURE sproc_ledmark_vvod_noos(IN p_d DATE, IN p_fil INT)
BEGIN
  DECLARE v_doc INT DEFAULT NULL;
  IF p_d IS NULL OR p_fil IS NULL THEN
    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'sproc_ledmark_vvod_noos: date and branch are required';
  END IF;
  SELECT MAX(doc_id) INTO v_doc FROM ledmark_os_nach_ost WHERE d = p_d AND fil_id = p_fil FOR UPDATE;
  IF v_doc IS NULL THEN
    UPDATE system_doc_counter SET last_id = last_id + 1 WHERE id = 1;
    SELECT last_id INTO v_doc FROM system_doc_counter WHERE id = 1;
    INSERT INTO ledmark_os_nach_ost (d, fil_id, doc_id) VALUES (p_d, p_fil, v_doc);
  ELSE
    DELETE FROM ledmark_provodki WHERE id = v_doc;
  END IF;

  CREATE TEMPORARY TABLE IF NOT EXISTS os_nach_ost_cards (
    npp INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
    card INT NOT NULL,
    sch VARCHAR(9) NOT NULL,
    sch_iz VARCHAR(9) NULL,
    mol INT NULL,
    prd INT NULL,
    kbk_deb INT NULL,
    kbk_kred INT NULL,
    kol DECIMAL(18,3) NULL,
    s DECIMAL(18,2) NOT NULL,
    iznos DECIMAL(18,2) NULL
  ) ENGINE=InnoDB;
  DELETE FROM os_nach_ost_cards;
  INSERT INTO os_nach_ost_cards (card, sch, sch_iz, mol, prd, kbk_deb, kbk_kred, kol, s, iznos)
    SELECT c.id, c.sch, c.sch_iz, c.mol, c.prd, c.kbk_deb, c.kbk_kred, c.kol, c.first_price, c.iznos_all
    FROM spr_osn_sr c
    JOIN spr_plan_sch p ON p.col0 = CAST(LEFT(c.sch, 1) AS UNSIGNED) AND p.col1 = SUBSTRING(c.sch, 2, 3)
                       AND p.col2 = SUBSTRING(c.sch, 5, 2) AND p.col3 = SUBSTRING(c.sch, 7, 3)
    WHERE c.fil_id = p_fil AND LENGTH(c.sch) = 9 AND p.zab IS NULL
      AND c.first_price IS NOT NULL AND c.first_price <> 0
      AND (c.d_vybit IS NULL OR c.d_vybit >= p_d)
    ORDER BY c.id;

  INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, deb_sb3, kbk_deb,
                                kred0, kred1, kred2, kred3, kbk_kred, kol, s, prim, fil_id)
    SELECT v_doc, 2 * npp - 1, p_d, LEFT(sch, 1), SUBSTRING(sch, 2, 3), SUBSTRING(sch, 5, 2), SUBSTRING(sch, 7, 3),
           card, mol, prd, kbk_deb, LEFT(sch, 1), '000', '00', '000', kbk_kred, kol, s,
           'Ввод начальных остатков ОС', p_fil
    FROM os_nach_ost_cards;
  INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, kbk_deb,
                                kred0, kred1, kred2, kred3, kred_sb1, kbk_kred, s, prim, fil_id)
    SELECT v_doc, 2 * npp, p_d, LEFT(sch_iz, 1), '000', '00', '000', kbk_deb,
           LEFT(sch_iz, 1), SUBSTRING(sch_iz, 2, 3), SUBSTRING(sch_iz, 5, 2), SUBSTRING(sch_iz, 7, 3), card,
           kbk_kred, iznos, 'Ввод начальных остатков ОС', p_fil
    FROM os_nach_ost_cards
    WHERE iznos IS NOT NULL AND iznos <> 0 AND LENGTH(sch_iz) = 9;
  DROP TEMPORARY TABLE os_nach_ost_cards;
END //
DELIMITER ;
