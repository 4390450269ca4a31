-- Demo rows of the transfers between responsible persons: what the
-- responsible persons of both branches hold at the start of the year, and a
-- stored transfer of each kind.
--
-- Branch 2's storekeeper (9) holds paper under the branch's own KBK (5) and
-- detergent under the common one (1). The kitchen's storekeeper (4) holds the
-- fixed assets of branch 1 on 101 and, moved off balance, the children's
-- chairs on 021; the caretaker (2) the refrigerator of branch 2; the caretaker
-- of branch 1 (3) a wardrobe and household gloves in personal use on 027.
-- A card already posted by another part of the demo keeps its postings.
SET @y = YEAR(CURDATE());
SET @year_start = MAKEDATE(@y, 1);
SET @move_day = LEAST(CURDATE(), MAKEDATE(@y, 28));
SET @doc = (SELECT last_id FROM system_doc_counter WHERE id = 1);

INSERT INTO spr_osn_sr (name, code, fil_id, kol, first_price, ekr, sch, sch_iz, kbk_deb, kbk_kred, iznos_all, mol,
                        prd, vrasx, nach_izn, d_post, d_ekspl, norm_izn)
VALUES ('Шкаф для одежды', '101360011', 1, 1.000, 9400.00, 310000, '110136310', '110436410', 2, 2, 0.00, 3, 1, 1, 0,
        MAKEDATE(@y - 1, 90), MAKEDATE(@y - 1, 90), 84);
SET @wardrobe = LAST_INSERT_ID();

-- The opening balances of branch 2's storekeeper.
INSERT INTO ledmark_mat_prix_0 (id, number, d, sch_deb, sch_kred, kbk_deb, kbk_kred, tn, prim, s, b106, b501,
                                fil_id, m0, d0)
VALUES (@doc + 1, '3', @year_start, '210536340', '200000000', 5, 5, 9, 'Ввод начальных остатков МЦ', 3680.00, 0, 0, 2,
        1, NOW());
SET @opening = LAST_INSERT_ID();
CREATE TEMPORARY TABLE demo_hold (src CHAR(1), col2 CHAR(2), item VARCHAR(250), kbk INT, kol DECIMAL(18,3),
                                  s DECIMAL(18,2));
INSERT INTO demo_hold (src, col2, item, kbk, kol, s) VALUES
  ('2', '36', 'Бумага офисная А4', 5, 10, 3500.00),
  ('1', '36', 'Моющее средство', 1, 4, 180.00);
INSERT INTO ledmark_mat_prix_01 (real_id, id, kol1, sum1, kol, price, s, kol2, sum2, ekr)
SELECT @opening, m.id, 0, 0, h.kol, ROUND(h.s / h.kol, 2), h.s, h.kol, h.s, m.ekr
FROM demo_hold h JOIN spr_stovan_mat m ON m.name = h.item;
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, kbk_deb, kred0, kred1, kred2,
                              kred3, kbk_kred, kol, s, fil_id)
SELECT @doc + 1, ROW_NUMBER() OVER (ORDER BY m.id), @year_start, h.src, '105', h.col2, '340', m.id, 9, h.kbk, h.src,
       '000', '00', '000', h.kbk, h.kol, h.s, 2
FROM demo_hold h JOIN spr_stovan_mat m ON m.name = h.item;
DROP TEMPORARY TABLE demo_hold;

-- The assets held at the start of the year, one manual operation per branch.
INSERT INTO ledmark_oper_by_hand (id, d, number, s, prim, fil_id, m0, d0) VALUES
  (@doc + 2, @year_start, '3', NULL, 'Остатки основных средств и имущества в пользовании МОЛ', 1, 1, NOW()),
  (@doc + 3, @year_start, '4', NULL, 'Остатки основных средств МОЛ', 2, 1, NOW());
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, deb_sb3, kbk_deb, kred0, kred1,
                              kred2, kred3, kbk_kred, kol, s, prim, fil_id)
SELECT IF(c.fil_id = 1, @doc + 2, @doc + 3), ROW_NUMBER() OVER (PARTITION BY c.fil_id ORDER BY c.id), @year_start,
       SUBSTRING(c.sch, 1, 1), SUBSTRING(c.sch, 2, 3), SUBSTRING(c.sch, 5, 2), SUBSTRING(c.sch, 7, 3), c.id, c.mol,
       c.prd, c.kbk_deb, SUBSTRING(c.sch, 1, 1), '000', '00', '000', c.kbk_deb, c.kol, c.first_price,
       'Остатки основных средств', c.fil_id
FROM spr_osn_sr c
WHERE (c.id IN (1, 2, 3, 4) OR c.id = @wardrobe)
  AND NOT EXISTS (SELECT 1 FROM ledmark_provodki p WHERE p.deb1 = '101' AND p.deb_sb1 = c.id);
-- The chairs on the off-balance account of assets in use, by source; the
-- gloves in personal use by source.
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, deb_sb3, kbk_deb, kol, s, prim,
                              fil_id)
SELECT @doc + 2, 20, @year_start, '1', '021', '00', '000', c.id, c.mol, '1', c.kbk_deb, c.kol, c.first_price,
       'Основные средства в эксплуатации', 1
FROM spr_osn_sr c
WHERE c.id = 5 AND NOT EXISTS (SELECT 1 FROM ledmark_provodki p WHERE p.deb1 = '021' AND p.deb_sb1 = '5');
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, deb_sb3, kbk_deb, kol, s, prim,
                              fil_id)
SELECT @doc + 2, 21, @year_start, '1', '027', '00', '000', m.id, 3, '1', 2, 5, 40.00,
       'Выданы в личное пользование', 1
FROM spr_stovan_mat m WHERE m.name = 'Перчатки хозяйственные';
UPDATE ledmark_oper_by_hand o
SET s = (SELECT COALESCE(SUM(p.s), 0) FROM ledmark_provodki p WHERE p.id = o.id)
WHERE o.id IN (@doc + 2, @doc + 3);

-- The caretaker of branch 1 (3) handed her lamps to the cook (11): against
-- the source's empty account, by the balance as it stood that day.
INSERT INTO ledmark_mat_mol_to_mol (id, bVspom, number, d, prim, icn, tn, tn2, m0, d0, fil_id, fil_id2, mats, kbk1,
                                    kbk2)
SELECT @doc + 4, 0, '1', @move_day, 'Передача при смене МОЛ', 'Внутреннее перемещение МЗ', 3, 11, 1, NOW(), 1, 1,
       CAST(m.id AS CHAR), NULL, NULL
FROM spr_stovan_mat m WHERE m.name = 'Лампа светодиодная';
CREATE TEMPORARY TABLE demo_move (npp INT, tn INT, k INT);
INSERT INTO demo_move VALUES (1, 3, -1), (2, 11, 1);
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, kbk_deb, kred0, kred1, kred2,
                              kred3, kbk_kred, kol, s, fil_id)
SELECT @doc + 4, v.npp, @move_day, b.col0, '105', b.col2, '340', b.item, v.tn, b.kbk, b.col0, '000', '00', '000',
       b.kbk, v.k * b.kol, v.k * b.s, 1
FROM demo_move v
CROSS JOIN (SELECT q.col0, q.col2, q.item, q.kbk, SUM(q.kol) AS kol, SUM(q.s) AS s
            FROM (SELECT deb0 AS col0, deb2 AS col2, deb_sb1 AS item, kbk_deb AS kbk, kol, s FROM ledmark_provodki
                  WHERE deb1 = '105' AND deb_sb2 = '3' AND fil_id = 1 AND d <= @move_day
                  UNION ALL
                  SELECT kred0, kred2, kred_sb1, kbk_kred, -kol, -s FROM ledmark_provodki
                  WHERE kred1 = '105' AND kred_sb2 = '3' AND fil_id = 1 AND d <= @move_day) q
            WHERE q.item = (SELECT id FROM spr_stovan_mat WHERE name = 'Лампа светодиодная')
            GROUP BY q.col0, q.col2, q.item, q.kbk) b;
DROP TEMPORARY TABLE demo_move;

-- The same caretaker passed the wardrobe to the cook through 401.01; the card
-- is the cook's since.
INSERT INTO ledmark_os_mol_to_mol (id, bVspom, number, d, prim, icn, tn, tn2, m0, d0, fil_id, fil_id2, os, kbk1, kbk2)
VALUES (@doc + 5, 1, '1', @move_day, 'Передача при смене МОЛ', 'Внутреннее перемещение ОС', 3, 11, 1, NOW(), 1, 1,
        CAST(@wardrobe AS CHAR), NULL, NULL);
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, deb_sb3, kbk_deb, kred0, kred1,
                              kred2, kred3, kred_sb1, kred_sb2, kred_sb3, kbk_kred, kol, s, fil_id)
VALUES
  (@doc + 5, 1, @move_day, '1', '401', '01', '241', NULL, NULL, NULL, 2, '1', '101', '36', '410', @wardrobe, 3, 1, 2,
   1.000, 9400.00, 1),
  (@doc + 5, 2, @move_day, '1', '101', '36', '310', @wardrobe, 11, 1, 2, '1', '401', '01', '180', NULL, NULL, NULL, 2,
   1.000, 9400.00, 1);
UPDATE spr_osn_sr SET mol = 11 WHERE id = @wardrobe;

UPDATE system_doc_counter SET last_id = GREATEST(last_id, @doc + 5) WHERE id = 1;
