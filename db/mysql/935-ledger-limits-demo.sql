-- Demo year of the limits of budget obligations, from January to the current
-- month, for the budget (KBK 1 and 2) and the paid services (KBK 3 and 4):
-- assignments for the year and the quarters, the limits of each month with
-- changes in the last month of each quarter, obligations accepted, financing
-- received and cash expenses, each month's postings of a kind in one manual
-- operation. Document ids follow the counter.

SET @y = YEAR(CURDATE());
SET @months = MONTH(CURDATE());
SET @doc = (SELECT last_id FROM system_doc_counter WHERE id = 1);
SET @row = CONVERT(CHAR(1) USING utf8mb4) COLLATE utf8mb4_unicode_ci;
SET @cell = CONVERT(CHAR(2) USING utf8mb4) COLLATE utf8mb4_unicode_ci;
SET @empty = CONVERT('' USING utf8mb4) COLLATE utf8mb4_unicode_ci;

-- The monthly limit of each source, KBK and economic code.
CREATE TEMPORARY TABLE demo_lbo (src INT, kbk INT, ekr INT, amount DECIMAL(18,2));
INSERT INTO demo_lbo VALUES
  (1, 1, 211000, 120000.00), (1, 1, 213000, 36000.00), (1, 2, 225000, 15000.00), (1, 2, 226000, 6000.00),
  (1, 2, 340000, 40000.00), (2, 3, 211000, 20000.00), (2, 4, 226000, 3000.00), (2, 4, 340000, 10000.00);

-- Assignments: the year on 1 January and a change on 15 March, each quarter
-- on the first day of its first month, per source and KBK.
CREATE TEMPORARY TABLE demo_lbo_docs (n INT, d DATE, tiplim INT, share DECIMAL(6,3));
INSERT INTO demo_lbo_docs VALUES
  (1, MAKEDATE(@y, 1), 2, 12), (2, DATE(CONCAT(@y, '-03-15')), 2, 0.5), (3, MAKEDATE(@y, 1), 1, 3),
  (4, DATE(CONCAT(@y, '-04-01')), 1, 3), (5, DATE(CONCAT(@y, '-07-01')), 1, 3), (6, DATE(CONCAT(@y, '-10-01')), 1, 3);
CREATE TEMPORARY TABLE demo_lbo_heads (k INT, src INT, kbk INT);
INSERT INTO demo_lbo_heads VALUES (1, 1, 1), (2, 1, 2), (3, 2, 3), (4, 2, 4);

INSERT INTO ledmark_budg_assig (id, number, d, tiplim, ifin, kbk_deb, kbk_kred, icn, s, grid, fil_id, m0, d0)
SELECT @doc + 6 * (h.k - 1) + d.n, CONCAT('Л-', h.k, '-', d.n), d.d, d.tiplim, h.src, h.kbk, h.kbk,
       'Уведомление о бюджетных ассигнованиях',
       (SELECT SUM(l.amount) * d.share FROM demo_lbo l WHERE l.kbk = h.kbk),
       CONCAT((SELECT REPLACE(GROUP_CONCAT(CONCAT_WS(@cell, l.ekr, ROUND(l.amount * d.share, 2), @empty) ORDER BY l.ekr SEPARATOR '~'),
                              '~', @row)
               FROM demo_lbo l WHERE l.kbk = h.kbk), @row, @cell, @cell),
       1, 1, NOW()
FROM demo_lbo_docs d CROSS JOIN demo_lbo_heads h;

-- The postings of a month by kind: 1 limits (on the 1st; on the 15th a
-- change in March, June, September, December), 2 obligations (10th),
-- 3 financing received (5th), 4 cash expenses (20th).
CREATE TEMPORARY TABLE demo_lbo_kinds (kind INT, day INT, share DECIMAL(6,3), deb CHAR(5), kred CHAR(5), icn VARCHAR(60));
INSERT INTO demo_lbo_kinds VALUES
  (1, 1, 1, '50105', '50103', 'Доведены лимиты бюджетных обязательств'),
  (2, 10, 0.9, '50103', '50201', 'Приняты бюджетные обязательства'),
  (3, 5, 0.8, '30404', '20101', 'Получено финансирование'),
  (4, 20, 0.7, '30234', '30405', 'Кассовый расход'),
  (5, 15, 0.05, '50105', '50103', 'Изменение лимитов бюджетных обязательств');
CREATE TEMPORARY TABLE demo_lbo_ops (id INT, m INT, kind INT, d DATE);
INSERT INTO demo_lbo_ops
SELECT @doc + 24 + 5 * (s.seq - 1) + k.kind, s.seq, k.kind, DATE(CONCAT(@y, '-', s.seq, '-', k.day))
FROM seq_1_to_12 s CROSS JOIN demo_lbo_kinds k
WHERE s.seq <= @months AND (k.kind <> 5 OR s.seq MOD 3 = 0) AND DATE(CONCAT(@y, '-', s.seq, '-', k.day)) <= CURDATE();

INSERT INTO ledmark_oper_by_hand (id, d, number, s, prim, fil_id, m0, d0)
SELECT o.id, o.d, CONCAT('ЛБО-', o.id - @doc), (SELECT SUM(l.amount) * k.share FROM demo_lbo l), k.icn, 1, 1, NOW()
FROM demo_lbo_ops o JOIN demo_lbo_kinds k ON k.kind = o.kind;

-- Financing is received against 304.04 as a whole; the other sides carry the KOSGU of the code.
-- Each side keeps the values its account's dimensions ask: 501.03 the economic
-- code and the department, 502.01 the code, the contract and the department,
-- a cash expense on 302.34 (KOSGU 830) the supplier, the code and the contract.
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, deb_sb3, kbk_deb, kred0, kred1,
                              kred2, kred3, kred_sb1, kred_sb2, kred_sb3, kbk_kred, s, prim, fil_id)
SELECT o.id, ROW_NUMBER() OVER (PARTITION BY o.id ORDER BY l.src, l.kbk, l.ekr), o.d,
       l.src, LEFT(k.deb, 3), RIGHT(k.deb, 2),
       CASE WHEN k.kind = 3 THEN '000' WHEN k.kind = 4 THEN '830' ELSE LEFT(l.ekr, 3) END,
       CASE WHEN k.kind = 3 THEN NULL WHEN k.kind = 4 THEN '1' ELSE l.ekr END,
       CASE WHEN k.deb = '50103' THEN '1' WHEN k.kind = 4 THEN l.ekr END,
       CASE WHEN k.kind = 4 THEN IF(l.ekr = 340000, '2', '4') END, l.kbk,
       l.src, LEFT(k.kred, 3), RIGHT(k.kred, 2), LEFT(l.ekr, 3), l.ekr,
       CASE WHEN k.kred = '50103' THEN '1' WHEN k.kred = '50201' THEN IF(l.ekr = 340000, '2', '4') END,
       CASE WHEN k.kred = '50201' THEN '1' END, l.kbk, ROUND(l.amount * k.share, 2), k.icn, 1
FROM demo_lbo_ops o JOIN demo_lbo_kinds k ON k.kind = o.kind CROSS JOIN demo_lbo l;

UPDATE system_doc_counter SET last_id = GREATEST(last_id, @doc + 24 + 5 * 12 + 5) WHERE id = 1;

DROP TEMPORARY TABLE demo_lbo, demo_lbo_docs, demo_lbo_heads, demo_lbo_kinds, demo_lbo_ops;
