-- Demo rows of the depreciation of fixed assets: three more cards of the first
-- branch (below the lower limit of 3,000 roubles a unit, between it and the
-- upper limit of 20,000, above it without a useful life), the opening
-- balances of both branches' cards on the first day of the year loaded by
-- the stored procedure, and the depreciation run of the previous month in
-- both branches with its manual operations, register rows and postings (when
-- the previous month is of this year).

SET @y = YEAR(CURDATE());
INSERT INTO spr_osn_sr (id, name, code, fil_id, kol, first_price, ekr, sch, sch_old, sch_iz, kbk_deb, kbk_kred,
                        iznos_all, mol, prd, vrasx, nach_izn, d_post, d_ekspl, norm_izn, d_vybit, no_vybit, PrichVyb)
VALUES
  (371, 'Табурет детский', '101360371', 1, 4.000, 9600.00, 310000, '110136310', NULL, '110436410', 2, 2,
   0.00, 3, 3, 1, 1, MAKEDATE(@y - 1, 300), MAKEDATE(@y - 1, 300), 60, NULL, NULL, NULL),
  (372, 'Шкаф для одежды', '101360372', 1, 1.000, 24000.00, 310000, '110136310', NULL, '110436410', 2, 2,
   0.00, 3, 3, 1, 1, MAKEDATE(@y - 1, 330), MAKEDATE(@y - 1, 331), NULL, NULL, NULL, NULL),
  (373, 'Пылесос', '101340373', 1, 1.000, 12500.00, 310000, '110134310', NULL, '110434410', 2, 2,
   0.00, 3, 1, 1, 1, MAKEDATE(@y - 1, 340), MAKEDATE(@y - 1, 340), 36, NULL, NULL, NULL);

CALL sproc_ledmark_vvod_noos(MAKEDATE(@y, 1), 1);
CALL sproc_ledmark_vvod_noos(MAKEDATE(@y, 1), 2);
-- The procedure posts every card of the branch with a value; the cards taken
-- on the books in the year (the purchase's cabinet and computer) stand on
-- their accounts by their own purchase, so their opening postings go.
DELETE p FROM ledmark_provodki p
JOIN ledmark_os_nach_ost o ON o.doc_id = p.id AND o.d = MAKEDATE(@y, 1)
JOIN spr_osn_sr c ON c.id = COALESCE(p.deb_sb1, p.kred_sb1)
WHERE c.d_post >= MAKEDATE(@y, 1);

-- The run of the previous month, worked out as the run works it out from the
-- balances (the opening ones, or its purchase's for a card bought in the
-- year): the unit price P and its limits by the date taken on the books, the
-- months left R of a card depreciated monthly, the accumulated
-- depreciation per unit a, and the amount capped at the book value.
SET @run_end = LAST_DAY(CURDATE() - INTERVAL 1 MONTH);
SET @run_start = @run_end - INTERVAL (DAY(@run_end) - 1) DAY;
CREATE TEMPORARY TABLE demo_iz (
  id INT PRIMARY KEY, fil_id INT, d DATE, kol DECIMAL(18,3), v DECIMAL(18,2), a DECIMAL(18,2), p DECIMAL(18,2),
  hi DECIMAL(18,2), lo DECIMAL(18,2), s1 DATE, r INT, per_unit DECIMAL(18,2), x DECIMAL(18,2),
  sch_iz VARCHAR(9), kbk_deb INT, kbk_kred INT
);
INSERT INTO demo_iz (id, fil_id, d, kol, v, a, p, lo, hi, s1, sch_iz, kbk_deb, kbk_kred)
SELECT c.id, c.fil_id, c.d_post, c.kol, c.first_price, COALESCE(c.iznos_all, 0), ROUND(c.first_price / c.kol, 2),
       IF(c.d_post < '2009-01-01', 1000, 3000), IF(c.d_post < '2009-01-01', 10000, 20000),
       DATE_FORMAT(c.d_post + INTERVAL 1 MONTH, '%Y-%m-01'), c.sch_iz, c.kbk_deb, c.kbk_kred
FROM spr_osn_sr c
JOIN ledmark_os_nach_ost o ON o.fil_id = c.fil_id AND o.d = MAKEDATE(@y, 1)
WHERE MONTH(CURDATE()) > 1 AND c.nach_izn > 0 AND c.d_post <= @run_end AND LENGTH(c.sch) = 9
  AND c.sch NOT LIKE '_021%' AND c.d_vybit IS NULL AND c.kol > 0 AND c.first_price > 0
  AND EXISTS (SELECT 1 FROM ledmark_provodki p WHERE p.deb_sb1 = c.id AND p.deb1 = SUBSTRING(c.sch, 2, 3)
              AND p.d <= @run_end);
UPDATE demo_iz SET per_unit = ROUND(a / kol, 2),
                   r = IF(p >= hi, GREATEST(0, (SELECT COALESCE(norm_izn, 0) FROM spr_osn_sr WHERE spr_osn_sr.id = demo_iz.id)
                                                 - TIMESTAMPDIFF(MONTH, s1, @run_start)), 0);
DELETE FROM demo_iz WHERE p < lo OR a >= v OR p <= per_unit OR (p >= hi AND r > 0 AND @run_start < s1);
UPDATE demo_iz SET x = IF(p < hi OR r = 0, p * kol, ROUND((p - per_unit) / r, 2) * kol),
                   r = IF(p < hi OR r = 0, 0, r);
UPDATE demo_iz SET x = LEAST(x, v - a);

SET @doc = (SELECT last_id FROM system_doc_counter WHERE id = 1);
SET @number = (SELECT CAST(COALESCE(MAX(CAST(number AS UNSIGNED)), 0) AS SIGNED) FROM ledmark_oper_by_hand WHERE YEAR(d) = @y);
-- The transfers' demo, loaded after this file, numbers the year's opening
-- operations of fixed assets 3 and 4.
SET @number = GREATEST(@number, 4);
INSERT INTO ledmark_oper_by_hand (id, d, number, s, prim, fil_id, m0, d0)
SELECT @doc + fil_id, @run_end, CAST(CAST(@number AS SIGNED) + fil_id AS CHAR), SUM(x), 'НАЧИСЛЕНИЕ АМОРТИЗАЦИИ', fil_id, 1, NOW()
FROM demo_iz GROUP BY fil_id;
INSERT INTO ledmark_prn_iz1 (g, ms, doc_id, fil_id)
SELECT YEAR(@run_end), MONTH(@run_end), @doc + fil_id, fil_id FROM demo_iz GROUP BY fil_id;
INSERT INTO ledmark_prn_iz (d, kol, g, ms, id, s_bal, s_iz, s, mes_ost, deb, kred, kbk_deb, kbk_kred, fil_id)
SELECT d, kol, YEAR(@run_end), MONTH(@run_end), id, v, a, x, r,
       CONCAT(LEFT(sch_iz, 1), IF(LEFT(sch_iz, 1) = '2', '10604340', '40101271')), CONCAT(LEFT(sch_iz, 6), '410'),
       kbk_deb, kbk_kred, fil_id
FROM demo_iz ORDER BY id;
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, kbk_deb, kred0, kred1, kred2, kred3, kred_sb1,
                              kbk_kred, s, prim, fil_id)
SELECT @doc + fil_id, ROW_NUMBER() OVER (PARTITION BY fil_id ORDER BY id), @run_end, LEFT(sch_iz, 1),
       IF(LEFT(sch_iz, 1) = '2', '106', '401'), IF(LEFT(sch_iz, 1) = '2', '04', '01'),
       IF(LEFT(sch_iz, 1) = '2', '340', '271'), kbk_deb, LEFT(sch_iz, 1), SUBSTRING(sch_iz, 2, 3),
       SUBSTRING(sch_iz, 5, 2), '410', id, kbk_kred, x, 'начислена амортизация', fil_id
FROM demo_iz WHERE x <> 0;
UPDATE system_doc_counter SET last_id = GREATEST(last_id, @doc + (SELECT COALESCE(MAX(fil_id), 0) FROM demo_iz))
WHERE id = 1;
DROP TEMPORARY TABLE demo_iz;
