-- Demo rows of materials and fixed assets: the accounts their documents post
-- (fixed assets 101 by card, responsible person and department, their
-- depreciation 104 by card, investments 106.01, stock 105.02, suppliers of
-- assets 302.19 and 302.20, VAT 210.01, settlements with the founder 210.06,
-- the KOSGU codes of 401.01 the documents use, the off-balance account 021 of
-- assets in use, and each source's technical account of opening balances),
-- kinds of expense, write-off norms of the stock items and fixed-asset cards
-- of both branches below, between and above the depreciation limits
-- (10,000 and 100,000 roubles).

-- Reference-book numbers of the dimensions: 7 sources (spr_if), 8 departments
-- (spr_prd), 11 employees (tn), 13 stock items (spr_stovan_mat), 14 fixed
-- assets (spr_osn_sr), 4 counterparties, 3 economic codes, 5 contracts.
CREATE TEMPORARY TABLE assets_acc (
  col1 CHAR(3), col2 CHAR(2), name VARCHAR(250),
  sb1 INT, sb2 INT, sb3 INT, kol INT, zab CHAR(1), ap VARCHAR(2), kosgu VARCHAR(100)
);
CREATE TEMPORARY TABLE assets_kosgu (code CHAR(3), name VARCHAR(250), tp INT);
CREATE TEMPORARY TABLE assets_plan (
  col0 INT, col1 CHAR(3), col2 CHAR(2), col3 CHAR(3), name VARCHAR(250),
  sb1 INT, sb2 INT, sb3 INT, tp INT, kol INT, zab CHAR(1), ap VARCHAR(2)
);

INSERT INTO assets_kosgu (code, name, tp) VALUES
  ('172', 'Доходы от операций с активами', 3),
  ('180', 'Прочие доходы', 3),
  ('241', 'Безвозмездные перечисления государственным и муниципальным организациям', 3),
  ('271', 'Расходы по амортизации основных средств', 3),
  ('272', 'Расходование материальных запасов', 3),
  ('310', 'Увеличение стоимости основных средств', 3),
  ('410', 'Уменьшение стоимости основных средств', 3),
  ('340', 'Увеличение стоимости материальных запасов', 1),
  ('440', 'Уменьшение стоимости материальных запасов', 2),
  ('560', 'Увеличение дебиторской задолженности', 1),
  ('660', 'Уменьшение дебиторской задолженности', 2),
  ('730', 'Увеличение кредиторской задолженности', 2),
  ('830', 'Уменьшение кредиторской задолженности', 1);

-- Synthetic accounts that the ledger's chart does not have yet.
INSERT INTO assets_acc (col1, col2, name, sb1, sb2, sb3, kol, zab, ap, kosgu) VALUES
  ('000', '00', 'Технический счет ввода остатков', 0, 0, 0, 1, NULL, 'АП', '000'),
  ('101', '00', 'Основные средства', 14, 11, 8, 1, NULL, 'А', NULL),
  ('104', '00', 'Амортизация', 14, 0, 0, 0, NULL, 'П', NULL),
  ('205', '00', 'Расчеты по доходам', 4, 0, 0, 0, NULL, 'А', NULL),
  ('021', '00', 'Основные средства в эксплуатации', 14, 11, 7, 1, '+', 'А', '000');

-- The technical account is no synthetic account of the chart's lists: it has
-- only the rows it is posted on, one per source.
INSERT INTO assets_plan (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT 0, col1, col2, '000', name, sb1, sb2, sb3, 3, kol, zab, ap FROM assets_acc WHERE col1 <> '000';
INSERT INTO assets_plan (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT i.id, a.col1, a.col2, '000', a.name, a.sb1, a.sb2, a.sb3, 3, a.kol, a.zab, a.ap
  FROM assets_acc a CROSS JOIN spr_if i WHERE a.kosgu = '000';
DELETE FROM assets_acc;

-- Analytic accounts with their dimensions and KOSGU codes.
INSERT INTO assets_acc (col1, col2, name, sb1, sb2, sb3, kol, zab, ap, kosgu) VALUES
  ('101', '34', 'Машины и оборудование', 14, 11, 8, 1, NULL, 'А', '310,410'),
  ('101', '36', 'Инвентарь производственный и хозяйственный', 14, 11, 8, 1, NULL, 'А', '310,410'),
  ('104', '34', 'Амортизация машин и оборудования', 14, 0, 0, 0, NULL, 'П', '410'),
  ('104', '36', 'Амортизация инвентаря производственного и хозяйственного', 14, 0, 0, 0, NULL, 'П', '410'),
  ('105', '02', 'Продукты питания пищеблока', 13, 11, 0, 1, NULL, 'А', '340,440'),
  ('106', '01', 'Вложения в основные средства', 0, 0, 0, 0, NULL, 'А', '310,410'),
  ('205', '31', 'Расчеты с плательщиками доходов от оказания платных работ, услуг', 4, 0, 0, 0, NULL, 'А', '560,660'),
  ('210', '01', 'Расчеты по налоговым вычетам по НДС', 4, 0, 0, 0, NULL, 'А', '560,660'),
  ('210', '06', 'Расчеты с учредителем', 0, 0, 0, 0, NULL, 'А', '560,660'),
  ('302', '19', 'Расчеты по приобретению основных средств', 4, 3, 5, 0, NULL, 'П', '730,830'),
  ('302', '20', 'Расчеты по приобретению продуктов питания', 4, 3, 5, 0, NULL, 'П', '730,830');

INSERT INTO assets_plan (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT 0, col1, col2, '000', name, sb1, sb2, sb3, 3, kol, zab, ap FROM assets_acc;
INSERT INTO assets_plan (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT 0, a.col1, a.col2, k.code, k.name, a.sb1, a.sb2, a.sb3, k.tp, a.kol, a.zab, a.ap
  FROM assets_acc a JOIN assets_kosgu k ON FIND_IN_SET(k.code, a.kosgu) > 0;
INSERT INTO assets_plan (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT i.id, a.col1, a.col2, k.code, k.name, a.sb1, a.sb2, a.sb3, k.tp, a.kol, a.zab, a.ap
  FROM assets_acc a JOIN assets_kosgu k ON FIND_IN_SET(k.code, a.kosgu) > 0 CROSS JOIN spr_if i;

-- The KOSGU codes of 401.01 that the asset and material documents post.
INSERT INTO assets_plan (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT c.col0, '401', '01', k.code, k.name, 0, 0, 0, k.tp, 0, NULL, 'АП'
  FROM assets_kosgu k
  CROSS JOIN (SELECT 0 AS col0 UNION ALL SELECT id FROM spr_if) c
  WHERE k.code IN ('172', '241', '271', '272');

-- Accounts another part of the chart already has keep their rows.
INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT n.col0, n.col1, n.col2, n.col3, n.name, n.sb1, n.sb2, n.sb3, n.tp, n.kol, n.zab, n.ap
  FROM assets_plan n
  WHERE NOT EXISTS (SELECT 1 FROM spr_plan_sch p
                    WHERE p.col0 = n.col0 AND p.col1 = n.col1 AND p.col2 = n.col2 AND p.col3 = n.col3);

DROP TEMPORARY TABLE assets_acc;
DROP TEMPORARY TABLE assets_kosgu;
DROP TEMPORARY TABLE assets_plan;

INSERT INTO spr_v_rasx (id, name) VALUES
  (1, 'Содержание учреждения'),
  (2, 'Питание воспитанников'),
  (3, 'Приносящая доход деятельность');

-- Write-off norms of the stock items (a month's use per group or person).
UPDATE spr_stovan_mat SET norm = 5.000 WHERE name = 'Бумага офисная А4';
UPDATE spr_stovan_mat SET norm = 2.000 WHERE name = 'Моющее средство';
UPDATE spr_stovan_mat SET norm = 4.000 WHERE name = 'Лампа светодиодная';
INSERT INTO spr_stovan_mat (name, ei, ekr, sch, norm) VALUES
  ('Перчатки хозяйственные', 1, 340000, '110536000', 10.000),
  ('Мыло туалетное', 1, 340000, '110536000', 6.000);

-- Fixed-asset cards. The first three are below, between and above the
-- depreciation limits; the fourth is of the second branch; the fifth was moved
-- off balance, the sixth disposed of last year.
SET @y = YEAR(CURDATE());
INSERT INTO spr_osn_sr (id, name, code, fil_id, kol, first_price, ekr, sch, sch_old, sch_iz, kbk_deb, kbk_kred,
                        iznos_all, mol, prd, vrasx, nach_izn, d_post, d_ekspl, norm_izn, d_vybit, no_vybit, PrichVyb)
VALUES
  (1, 'Стол письменный', '101360001', 1, 1.000, 6800.00, 310000, '110136310', NULL, '110436410', 2, 2,
   0.00, 4, 1, 1, 0, MAKEDATE(@y - 1, 60), MAKEDATE(@y - 1, 60), 84, NULL, NULL, NULL),
  (2, 'Ноутбук воспитателя', '101340001', 1, 1.000, 56000.00, 310000, '110134310', NULL, '110434410', 2, 2,
   0.00, 4, 3, 1, 1, MAKEDATE(@y - 1, 120), MAKEDATE(@y - 1, 121), 36, NULL, NULL, NULL),
  (3, 'Плита электрическая кухонная', '101340002', 1, 1.000, 184500.00, 310000, '110134310', NULL, '110434410', 2, 2,
   12300.00, 4, 2, 2, 1, MAKEDATE(@y - 2, 200), MAKEDATE(@y - 2, 210), 120, NULL, NULL, NULL),
  (4, 'Холодильник', '101340003', 2, 1.000, 72900.00, 310000, '210134310', NULL, '210434410', 5, 5,
   0.00, 2, 4, 3, 1, MAKEDATE(@y - 1, 32), MAKEDATE(@y - 1, 32), 84, NULL, NULL, NULL),
  (5, 'Стулья детские', '101360002', 1, 24.000, 21600.00, 310000, '102100000', '110136310', '110436410', 2, 2,
   0.00, 4, 3, 1, 0, MAKEDATE(@y - 3, 15), MAKEDATE(@y - 3, 15), 60, NULL, NULL, NULL),
  (6, 'Принтер лазерный', '101340004', 1, 1.000, 14900.00, 310000, '110134310', NULL, '110434410', 2, 2,
   0.00, 3, 1, 1, 1, MAKEDATE(@y - 6, 40), MAKEDATE(@y - 6, 40), 36, MAKEDATE(@y - 1, 300), '12',
   'Неисправен, ремонт нецелесообразен');

-- Opening balances of materials of two responsible persons (the storekeeper
-- of the kitchen, 4, and the caretaker, 3) on the first day of the year, and a
-- receipt of household goods from a supplier of the current year through the
-- pair 501.03/502.01 under its contract, with its row of the received-invoice
-- book. Document ids follow the counter.
SET @doc = (SELECT last_id FROM system_doc_counter WHERE id = 1);
SET @year_start = MAKEDATE(@y, 1);
SET @receipt_day = LEAST(CURDATE(), MAKEDATE(@y, 20));

INSERT INTO ledmark_mat_prix_0 (id, number, d, sch_deb, sch_kred, kbk_deb, kbk_kred, tn, prim, s, b106, b501,
                                fil_id, m0, d0)
VALUES
  (@doc + 1, '1', @year_start, '110536340', '100000000', 2, 2, 3, 'Ввод начальных остатков МЦ', 1140.00, 0, 0, 1,
   1, NOW()),
  (@doc + 2, '2', @year_start, '210532340', '200000000', 5, 5, 4, 'Ввод начальных остатков МЦ', 2310.00, 0, 0, 1,
   1, NOW());
SET @opening1 = (SELECT real_id FROM ledmark_mat_prix_0 WHERE id = @doc + 1);
SET @opening2 = (SELECT real_id FROM ledmark_mat_prix_0 WHERE id = @doc + 2);

CREATE TEMPORARY TABLE demo_mat (doc INT, item VARCHAR(250), kol DECIMAL(18,3), s DECIMAL(18,2));
INSERT INTO demo_mat (doc, item, kol, s) VALUES
  (1, 'Моющее средство', 12, 540.00),
  (1, 'Лампа светодиодная', 20, 600.00),
  (2, 'Картофель', 300, 1500.00),
  (2, 'Молоко', 90, 810.00);

INSERT INTO ledmark_mat_prix_01 (real_id, id, kol1, sum1, kol, price, s, kol2, sum2, ekr)
SELECT IF(d.doc = 1, @opening1, @opening2), m.id, 0, 0, d.kol, ROUND(d.s / d.kol, 2), d.s, d.kol, d.s, m.ekr
FROM demo_mat d JOIN spr_stovan_mat m ON m.name = d.item;

INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, kbk_deb, kred0, kred1, kred2,
                              kred3, kbk_kred, kol, s, fil_id)
SELECT @doc + d.doc, ROW_NUMBER() OVER (PARTITION BY d.doc ORDER BY m.id), @year_start,
       IF(d.doc = 1, '1', '2'), '105', IF(d.doc = 1, '36', '32'), '340', m.id, IF(d.doc = 1, 3, 4),
       IF(d.doc = 1, 2, 5), IF(d.doc = 1, '1', '2'), '000', '00', '000', IF(d.doc = 1, 2, 5), d.kol, d.s, 1
FROM demo_mat d JOIN spr_stovan_mat m ON m.name = d.item;

-- The receipt: soap and gloves from the sole trader under the repair contract.
INSERT INTO ledmark_sch_fak_poluch (txt, date_sf, d, sb1, sch_kred, number, s, icn, fil_id, m0, d0)
VALUES ('Поступление МЦ', @receipt_day, @receipt_day, '4', '130234730', '17', 960.00,
        'ИП Соколов Игорь Николаевич', 1, 1, NOW());
SET @book = LAST_INSERT_ID();
INSERT INTO ledmark_mat_prix (id, number, d, sch_deb, sch_kred, kbk_deb, kbk_kred, tn, prim, s, sb1, sb2, sb3,
                              bnds, nds, nds_st, b106, b501, sfp_id, fil_id, m0, d0)
VALUES (@doc + 3, '17', @receipt_day, '110536340', '130234730', 2, 2, 3, 'Поступление МЦ', 960.00, 4, 340000, 5,
        0, NULL, 0, 0, 1, @book, 1, 1, NOW());
SET @receipt = LAST_INSERT_ID();

DELETE FROM demo_mat;
INSERT INTO demo_mat (doc, item, kol, s) VALUES
  (3, 'Мыло туалетное', 40, 720.00),
  (3, 'Перчатки хозяйственные', 30, 240.00);
INSERT INTO ledmark_mat_prix1 (real_id, id, kol1, sum1, kol, price, s, kol2, sum2, ekr)
SELECT @receipt, m.id, 0, 0, d.kol, ROUND(d.s / d.kol, 2), d.s, d.kol, d.s, m.ekr
FROM demo_mat d JOIN spr_stovan_mat m ON m.name = d.item;
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, kbk_deb, kred0, kred1, kred2,
                              kred3, kred_sb1, kred_sb2, kred_sb3, kbk_kred, kol, s, fil_id)
SELECT @doc + 3, 2 * ROW_NUMBER() OVER (ORDER BY m.id) - 1, @receipt_day, '1', '105', '36', '340', m.id, 3, 2,
       '1', '302', '34', '730', '4', '340000', '5', 2, d.kol, d.s, 1
FROM demo_mat d JOIN spr_stovan_mat m ON m.name = d.item;
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, kbk_deb, kred0, kred1, kred2,
                              kred3, kred_sb1, kred_sb2, kred_sb3, kbk_kred, s, fil_id)
SELECT @doc + 3, 2 * ROW_NUMBER() OVER (ORDER BY m.id), @receipt_day, '1', '501', '03', '340', '340000',
       (SELECT prd FROM tn WHERE tn = 3), 2, '1', '502', '01', '340', '340000', '5', (SELECT prd FROM tn WHERE tn = 3),
       2, d.s, 1
FROM demo_mat d JOIN spr_stovan_mat m ON m.name = d.item;

DROP TEMPORARY TABLE demo_mat;
UPDATE system_doc_counter SET last_id = GREATEST(last_id, @doc + 3) WHERE id = 1;

-- Write-offs of materials. The expense account 401.01.272 of each source keeps
-- the economic code and the department of the expense; the write-off takes the
-- code from each of its rows. The caretaker (3) wrote off household goods
-- into production: a write-off of this system with its rows in `grid`, and an
-- earlier one kept only by its lines.
UPDATE spr_plan_sch SET sb1 = 3, sb2 = 8
WHERE col0 IN (1, 2, 3) AND col1 = '401' AND col2 = '01' AND col3 = '272';
-- Material values handed to employees for their use stay on the off-balance
-- account 027 by item, employee and source.
INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT c.col0, '027', '00', '000', 'Материальные ценности, выданные в личное пользование работникам', 13, 11, 7,
         3, 1, '+', 'А'
  FROM (SELECT 0 AS col0 UNION ALL SELECT id FROM spr_if) c;

SET @doc = (SELECT last_id FROM system_doc_counter WHERE id = 1);
SET @spis_day = LEAST(CURDATE(), MAKEDATE(@y, 25));
CREATE TEMPORARY TABLE demo_spis (doc INT, item VARCHAR(250), kol1 DECIMAL(18,3), sum1 DECIMAL(18,2),
                                  kol DECIMAL(18,3), price DECIMAL(18,2), s DECIMAL(18,2));
INSERT INTO demo_spis (doc, item, kol1, sum1, kol, price, s) VALUES
  (1, 'Моющее средство', 12, 540.00, 2, 45.00, 90.00),
  (1, 'Лампа светодиодная', 20, 600.00, 4, 30.00, 120.00),
  (2, 'Мыло туалетное', 40, 720.00, 1, 18.00, 18.00),
  (2, 'Перчатки хозяйственные', 30, 240.00, 3, 8.00, 24.00);

INSERT INTO ledmark_mat_spis (id, number, d, sch_deb, sch_kred, sb1, sb2, sb3, kbk_deb, kbk_kred, tn, whom, prim, zab,
                              s, fil_id, m0, d0, grid)
SELECT @doc + 1, '1', @spis_day, '140101272', '110536440', NULL, 3, NULL, 2, 2, 3, 2, 'МЦ в производство', NULL,
       210.00, 1, 1, NOW(),
       (SELECT GROUP_CONCAT(CONCAT_WS(CHAR(2), m.id, m.name, e.name, TRIM(TRAILING '.' FROM TRIM(TRAILING '0' FROM d.kol1)),
                                      d.sum1, TRIM(TRAILING '.' FROM TRIM(TRAILING '0' FROM d.kol)), d.price, d.s,
                                      TRIM(TRAILING '.' FROM TRIM(TRAILING '0' FROM d.kol1 - d.kol)), d.sum1 - d.s,
                                      COALESCE(TRIM(TRAILING '.' FROM TRIM(TRAILING '0' FROM m.norm)), ''), m.ekr, '')
                            ORDER BY m.id SEPARATOR 0x01)
        FROM demo_spis d JOIN spr_stovan_mat m ON m.name = d.item LEFT JOIN spr_ei e ON e.id = m.ei
        WHERE d.doc = 1);
SET @spis1 = LAST_INSERT_ID();
INSERT INTO ledmark_mat_spis (id, number, d, sch_deb, sch_kred, sb1, sb2, sb3, kbk_deb, kbk_kred, tn, whom, prim, zab,
                              s, fil_id, m0, d0, grid)
VALUES (@doc + 2, '2', @spis_day, '140101272', '110536440', NULL, 3, NULL, 2, 2, 3, NULL, 'Хозяйственные нужды',
        NULL, 42.00, 1, 1, NOW(), NULL);
SET @spis2 = LAST_INSERT_ID();

INSERT INTO ledmark_mat_spis1 (real_id, id, kol1, sum1, kol, price, s, kol2, sum2, ekr)
SELECT IF(d.doc = 1, @spis1, @spis2), m.id, d.kol1, d.sum1, d.kol, d.price, d.s, d.kol1 - d.kol, d.sum1 - d.s, m.ekr
FROM demo_spis d JOIN spr_stovan_mat m ON m.name = d.item;

INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, kbk_deb, kred0, kred1, kred2,
                              kred3, kred_sb1, kred_sb2, kbk_kred, kol, s, fil_id)
SELECT @doc + d.doc, ROW_NUMBER() OVER (PARTITION BY d.doc ORDER BY m.id), @spis_day, '1', '401', '01', '272', m.ekr, 3,
       2, '1', '105', '36', '440', m.id, 3, 2, d.kol, d.s, 1
FROM demo_spis d JOIN spr_stovan_mat m ON m.name = d.item;

DROP TEMPORARY TABLE demo_spis;
UPDATE system_doc_counter SET last_id = GREATEST(last_id, @doc + 2) WHERE id = 1;
