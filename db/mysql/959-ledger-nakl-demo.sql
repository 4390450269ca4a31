-- Demo waybills. Soft inventory 105.35 is kept by item, responsible person
-- and department, so a waybill names the recipient's department; the fixed
-- assets 101 are kept by card, responsible person and department already.
-- A posted materials waybill hands household goods from the caretaker (3,
-- 105.36) to the storekeeper of the kitchen (4, 105.35, department 2): each
-- line takes the items on the recipient's account and off the sender's. The
-- items are ones the caretaker still holds that day (her lamps went to the
-- cook by the internal movement), at her average price. An
-- asset waybill of the writing desk from the storekeeper to the caretaker is
-- kept without postings (id -1).
INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT c.col0, '105', '35', k.code, IF(k.code = '000', 'Мягкий инвентарь', k.name), 13, 11, 8, k.tp, 1, NULL, 'А'
  FROM (SELECT 0 AS col0 UNION ALL SELECT id FROM spr_if) c
  CROSS JOIN (SELECT '000' AS code, '' AS name, 3 AS tp
              UNION ALL SELECT '340', 'Увеличение стоимости материальных запасов', 1
              UNION ALL SELECT '440', 'Уменьшение стоимости материальных запасов', 2) k
  WHERE NOT EXISTS (SELECT 1 FROM spr_plan_sch p
                    WHERE p.col0 = c.col0 AND p.col1 = '105' AND p.col2 = '35' AND p.col3 = k.code);

SET @y = YEAR(CURDATE());
SET @doc = (SELECT last_id FROM system_doc_counter WHERE id = 1);
SET @nakl_day = LEAST(CURDATE(), MAKEDATE(@y, 28));

CREATE TEMPORARY TABLE demo_nakl (item VARCHAR(250), kol DECIMAL(18,3), price DECIMAL(18,2));
INSERT INTO demo_nakl (item, kol, price) VALUES
  ('Моющее средство', 2, 45.00),
  ('Перчатки хозяйственные', 4, 8.00);

INSERT INTO ledmark_mat_nakl (id, number, d, icn, prim, deb, sb1_deb, sb2_deb, sb3_deb, kbk_deb, kred, sb1_kred,
                              sb2_kred, sb3_kred, kbk_kred, s, grid, fil_id, m0, d0)
SELECT @doc + 1, '1', @nakl_day, 'Выписка накладной', 'Моющие средства и перчатки на пищеблок', '110535340', NULL,
       '4', '2', 2, '110536340', NULL, '3', NULL, 2, 122.00,
       (SELECT GROUP_CONCAT(CONCAT_WS(CHAR(2), m.id, m.name, TRIM(TRAILING '.' FROM TRIM(TRAILING '0' FROM d.kol)),
                                      TRIM(TRAILING '.' FROM TRIM(TRAILING '0' FROM d.kol)), d.price,
                                      CAST(CAST(d.kol * d.price AS DECIMAL(18,2)) AS CHAR))
                            ORDER BY m.id SEPARATOR 0x01)
        FROM demo_nakl d JOIN spr_stovan_mat m ON m.name = d.item),
       1, 1, NOW();

INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, deb_sb3, kbk_deb, kred0, kred1,
                              kred2, kred3, kbk_kred, kol, s, fil_id)
SELECT @doc + 1, 2 * ROW_NUMBER() OVER (ORDER BY m.id) - 1, @nakl_day, '1', '105', '35', '340', m.id, '4', '2', 2,
       '1', '000', '00', '000', 2, d.kol, d.kol * d.price, 1
FROM demo_nakl d JOIN spr_stovan_mat m ON m.name = d.item;
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, deb_sb3, kbk_deb, kred0, kred1,
                              kred2, kred3, kbk_kred, kol, s, fil_id)
SELECT @doc + 1, 2 * ROW_NUMBER() OVER (ORDER BY m.id), @nakl_day, '1', '105', '36', '340', m.id, '3', NULL, 2,
       '1', '000', '00', '000', 2, -d.kol, -d.kol * d.price, 1
FROM demo_nakl d JOIN spr_stovan_mat m ON m.name = d.item;

DROP TEMPORARY TABLE demo_nakl;
UPDATE system_doc_counter SET last_id = GREATEST(last_id, @doc + 1) WHERE id = 1;

INSERT INTO ledmark_os_nakl (id, number, d, icn, prim, deb, sb1_deb, sb2_deb, sb3_deb, kbk_deb, kred, sb1_kred,
                             sb2_kred, sb3_kred, kbk_kred, s, grid, fil_id, m0, d0)
VALUES (-1, '1', @nakl_day, 'Выписка накладной', 'Стол в группу', '110136310', NULL, '3', '3', 2, '110136310', NULL,
        '4', '1', 2, 6800.00, CONCAT_WS(CHAR(2), '1', 'Стол письменный', '1', '1', '6800.00', '6800.00'), 1, 1,
        NOW());
