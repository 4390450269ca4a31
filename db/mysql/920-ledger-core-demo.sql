-- Demo manual operations of the current month with their postings, so the
-- postings journal shows something at once: cash received from the personal
-- account and an advance issued to the demo user.

SET @d = DATE_FORMAT(CURDATE(), '%Y-%m-01');

INSERT INTO ledmark_oper_by_hand (id, d, number, s, prim, fil_id, m0, d0) VALUES
  (1, @d, '1', 15000.00, 'Справка', 1, 1, NOW()),
  (2, @d, '2', 3000.00, 'Справка', 1, 1, NOW());

INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, deb_sb3, kbk_deb,
                              kred0, kred1, kred2, kred3, kred_sb1, kred_sb2, kred_sb3, kbk_kred,
                              kol, s, prim, fil_id) VALUES
  (1, 1, @d, '2', '201', '34', '510', NULL, NULL, NULL, 3, '2', '201', '11', '610', '2', NULL, NULL, 3,
   NULL, 15000.00, 'Получены наличные денежные средства в кассу с лицевого счета', 1),
  (2, 1, @d, '2', '208', '26', '560', '1', '226000', NULL, 4, '2', '201', '34', '610', NULL, NULL, NULL, 3,
   NULL, 3000.00, 'Выданы из кассы денежные средства под отчет', 1);

-- The document counter goes on after the demo documents.
UPDATE system_doc_counter SET last_id = GREATEST(last_id, 2) WHERE id = 1;

-- Food norms: the food products in their group, three allowance categories
-- and the norms (kg, l or pieces a day) from the first day of the year.
INSERT INTO grup (id, name) VALUES (1, 'Продукты питания'), (2, 'Хозяйственные товары');
INSERT INTO spr_kat_dovolstv (id, name) VALUES
  (1, 'Дети от 1 до 3 лет'), (2, 'Дети от 3 до 7 лет'), (3, 'Сотрудники');
UPDATE spr_stovan_mat SET gr = 1 WHERE name IN ('Картофель', 'Молоко');
UPDATE spr_stovan_mat SET gr = 2 WHERE name IN ('Бумага офисная А4', 'Моющее средство', 'Лампа светодиодная');
INSERT INTO spr_stovan_mat (name, ei, gr, ekr, sch) VALUES
  ('Хлеб пшеничный', 2, 1, 340000, '210532000'),
  ('Крупа гречневая', 2, 1, 340000, '210532000'),
  ('Масло сливочное', 2, 1, 340000, '210532000'),
  ('Яйцо куриное', 1, 1, 340000, '210532000');
INSERT INTO spr_norm_spis_produktov (d, Real_npp, kat, s)
SELECT MAKEDATE(YEAR(CURDATE()), 1), m.id, n.kat, n.s
FROM (SELECT 'Картофель' AS name, 1 AS kat, 0.120 AS s UNION ALL SELECT 'Картофель', 2, 0.185
      UNION ALL SELECT 'Картофель', 3, 0.250 UNION ALL SELECT 'Молоко', 1, 0.390
      UNION ALL SELECT 'Молоко', 2, 0.450 UNION ALL SELECT 'Хлеб пшеничный', 1, 0.060
      UNION ALL SELECT 'Хлеб пшеничный', 2, 0.080 UNION ALL SELECT 'Хлеб пшеничный', 3, 0.150
      UNION ALL SELECT 'Крупа гречневая', 1, 0.020 UNION ALL SELECT 'Крупа гречневая', 2, 0.030
      UNION ALL SELECT 'Масло сливочное', 1, 0.018 UNION ALL SELECT 'Масло сливочное', 2, 0.021
      UNION ALL SELECT 'Яйцо куриное', 1, 0.5 UNION ALL SELECT 'Яйцо куриное', 2, 0.6) n
JOIN spr_stovan_mat m ON m.name = n.name;
