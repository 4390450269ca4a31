-- Demo catering: the cook's stock of food on 105.32 received on 1 January,
-- norms of the three categories from 1 July beside those of 1 January, and a
-- stored menu requirement of today for the nursery, the kindergarten and the
-- staff with its write-off postings. Document ids follow the counter.

SET @y = YEAR(CURDATE());
SET @doc = (SELECT last_id FROM system_doc_counter WHERE id = 1);
SET @row = CONVERT(CHAR(1) USING utf8mb4) COLLATE utf8mb4_unicode_ci;

-- The products: receipt quantity and price, and today's quantities per category.
CREATE TEMPORARY TABLE demo_food (n INT, name VARCHAR(100), kol DECIMAL(18,3), price DECIMAL(18,2),
                                  q1 VARCHAR(10), q2 VARCHAR(10), q3 VARCHAR(10), t DECIMAL(18,3));
INSERT INTO demo_food VALUES
  (1, 'Картофель', 500, 40.00, '1.8', '7.4', '3', 12.2),
  (2, 'Молоко', 300, 80.00, '5.85', '18', '', 23.85),
  (3, 'Хлеб пшеничный', 200, 50.00, '0.9', '3.2', '1.8', 5.9),
  (4, 'Масло сливочное', 20, 700.00, '', '', '', 0),
  (5, 'Яйцо куриное', 500, 10.00, '', '', '', 0);
UPDATE demo_food f JOIN spr_stovan_mat m ON m.name = f.name SET f.n = f.n + 100 * m.id;

-- The receipt of the cook's stock (employee 1) from the food supplier.
INSERT INTO ledmark_oper_by_hand (id, d, number, s, prim, fil_id, m0, d0)
SELECT @doc + 1, MAKEDATE(@y, 1), 'ПП-1', SUM(kol * price), 'Поступили продукты питания на пищеблок', 1, 1, NOW()
FROM demo_food;
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, kred0, kred1, kred2, kred3,
                              kred_sb1, kred_sb2, kol, s, prim, fil_id)
SELECT @doc + 1, n MOD 100, MAKEDATE(@y, 1), '1', '105', '32', '340', n DIV 100, '1', '1', '302', '34', '730', 1,
       '340000', kol, kol * price, 'Поступили продукты питания', 1
FROM demo_food;

-- Norms from 1 July: a little more potato and bread for the kindergarten.
INSERT INTO spr_norm_spis_produktov (d, Real_npp, kat, s)
SELECT DATE(CONCAT(@y, '-07-01')), m.id, n.kat, n.s
FROM (SELECT 'Картофель' AS name, 2 AS kat, 0.200 AS s UNION ALL SELECT 'Хлеб пшеничный', 2, 0.090) n
JOIN spr_stovan_mat m ON m.name = n.name;

-- Today's requirement: 15 in the nursery, 40 in the kindergarten, 12 of the staff.
INSERT INTO ledmark_menu_treb (id, number, d, icn, deb, deb_sb1, deb_sb2, kred, tn, KatDov, grid, fil_id, s, m0, d0)
SELECT @doc + 2, '1', CURDATE(), 'Выписка меню-требование', '140101272', 340000, 2, '110532440', 1,
       '1:1:15:39.00:585.00:585.00|1:2:40:47.40:1896.00:1896.00|1:3:12:17.50:210.00:210.00',
       CONCAT(GROUP_CONCAT(CONCAT_WS('|', f.n DIV 100, TRIM(TRAILING '.' FROM TRIM(TRAILING '0' FROM f.kol)),
                                     CAST(f.kol * f.price AS DECIMAL(18,2)),
                                     CAST(f.t * f.price AS DECIMAL(18,2)),
                                     CONCAT(r.k, ':1:', f.q1, ':6:', f.price), CONCAT(r.k, ':2:', f.q2, ':7:', f.price),
                                     CONCAT(r.k, ':3:', f.q3, ':8:', f.price))
                           ORDER BY r.k SEPARATOR ';'), @row, @row, @row, @row),
       1, SUM(f.t * f.price), 1, NOW()
FROM demo_food f JOIN (SELECT n, ROW_NUMBER() OVER (ORDER BY n MOD 100) - 1 AS k FROM demo_food
                       WHERE t > 0) r ON r.n = f.n;
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, kred0, kred1, kred2, kred3,
                              kred_sb1, kred_sb2, kol, s, prim, fil_id)
SELECT @doc + 2, ROW_NUMBER() OVER (ORDER BY f.n MOD 100), CURDATE(), '1', '401', '01', '272', '340000', '2', '1', '105',
       '32', '440', f.n DIV 100, '1', f.t, f.t * f.price,
       'Списаны продукты питания по меню-требованию', 1
FROM demo_food f WHERE f.t > 0;

UPDATE system_doc_counter SET last_id = GREATEST(last_id, @doc + 2) WHERE id = 1;

DROP TEMPORARY TABLE demo_food;
