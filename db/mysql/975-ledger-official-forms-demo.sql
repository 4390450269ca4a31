-- What the official reporting forms of the demo data still lack: the demo's
-- opening balances (registers, materials, fixed assets, waybills) stand
-- against the opening account 000 00 000 with nothing on its other side, so
-- the balance's assets would exceed its liabilities. Here the opening
-- account is brought to nothing on each day, source, branch and KBK against
-- the result of past periods (401 03), so assets equal liabilities at any date.

SET @doc = (SELECT last_id FROM system_doc_counter WHERE id = 1);

CREATE TEMPORARY TABLE forms_demo_opening (
  n INT NOT NULL PRIMARY KEY, d DATE NOT NULL, c0 VARCHAR(1) NOT NULL, fil INT NOT NULL, kbk INT NULL,
  net DECIMAL(18,2) NOT NULL);

INSERT INTO forms_demo_opening (n, d, c0, fil, kbk, net)
SELECT ROW_NUMBER() OVER (ORDER BY d, c0, fil, kbk), d, c0, fil, kbk, SUM(amount)
FROM (SELECT d, deb0 AS c0, fil_id AS fil, kbk_deb AS kbk, s AS amount FROM ledmark_provodki WHERE deb1 = '000'
      UNION ALL
      SELECT d, kred0, fil_id, kbk_kred, -s FROM ledmark_provodki WHERE kred1 = '000') q
GROUP BY d, c0, fil, kbk
HAVING ABS(SUM(amount)) >= 0.005;

INSERT INTO ledmark_oper_by_hand (id, d, number, s, prim, fil_id, m0, d0)
SELECT @doc + 1, MIN(d), 'Р-00', SUM(ABS(net)), 'Финансовый результат прошлых отчетных периодов', 1, 1, NOW()
FROM forms_demo_opening HAVING COUNT(*) > 0;

-- A debit balance of the opening account is credited against 401 03, a
-- credit balance debited.
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, kbk_deb, kred0, kred1, kred2, kred3, kbk_kred,
                              s, prim, fil_id)
SELECT @doc + 1, n, d, c0, IF(net > 0, '401', '000'), IF(net > 0, '03', '00'), '000', kbk,
       c0, IF(net > 0, '000', '401'), IF(net > 0, '00', '03'), '000', kbk,
       ABS(net), 'Финансовый результат прошлых отчетных периодов', fil
FROM forms_demo_opening;

UPDATE system_doc_counter SET last_id = GREATEST(last_id, @doc + 1) WHERE id = 1;

DROP TEMPORARY TABLE forms_demo_opening;
