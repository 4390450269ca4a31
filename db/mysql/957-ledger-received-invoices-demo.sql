-- Demo received invoices of the current month: two posted against their
-- suppliers on 302.26 and 302.21 of source 2 (counterparty, economic code,
-- contract), one of them carried into the purchase book, and one kept
-- without postings.

-- The costs of works and services, kept by department (109.60 with the KOSGU
-- codes of the expenses, every source). 501.03 and 502.01 keep departments,
-- which the supplier accounts 302.xx have no room for: an invoice's line on
-- these costs names the department its pair through them is posted with.
INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap) VALUES
  (0, '109', '00', '000', 'Затраты на изготовление готовой продукции, выполнение работ, услуг', 8, 0, 0, 3, 0, NULL, 'А'),
  (0, '109', '60', '000', 'Себестоимость готовой продукции, работ, услуг', 8, 0, 0, 3, 0, NULL, 'А');
INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT e.col0, '109', '60', e.col3, e.name, 8, 0, 0, e.tp, 0, NULL, 'А'
  FROM spr_plan_sch e WHERE e.col1 = '401' AND e.col2 = '02' AND e.col3 <> '000';

SET @doc = (SELECT last_id FROM system_doc_counter WHERE id = 1);
SET @month_start = DATE_FORMAT(CURDATE(), '%Y-%m-01');
SET @row = CONVERT(CHAR(1) USING utf8mb4) COLLATE utf8mb4_unicode_ci;
SET @cell = CONVERT(CHAR(2) USING utf8mb4) COLLATE utf8mb4_unicode_ci;

INSERT INTO ledmark_kniga_pokupok (iff, d, number, s, d_sf, d_uch, org, icn, fil_id, m0, d0) VALUES
  ('2', @month_start + INTERVAL 3 DAY, 'Р-112', 18500.00, @month_start + INTERVAL 2 DAY,
   @month_start + INTERVAL 3 DAY, 1, 'ООО "Продторг"', 1, 1, NOW());
SET @book = LAST_INSERT_ID();

INSERT INTO ledmark_sch_fak_poluch (kp_id, id, d, date_sf, number, s, sch_kred, sb1, sb2, sb3, kbk_kred, txt, icn,
                                    grid, b501, fil_id, m0, d0) VALUES
  (@book, @doc + 1, @month_start + INTERVAL 3 DAY, @month_start + INTERVAL 2 DAY, 'Р-112', 18500.00, '230226730',
   '1', '226000', '2', 3, 'Ремонт кровли<br>материалы подрядчика', 'Ремонт кровли материалы подрядчика',
   CONCAT_WS(@cell, '3', '240102226', '', '', '', '', '18500', ''), 0, 1, 1, NOW()),
  (-1, @doc + 2, @month_start + INTERVAL 6 DAY, @month_start + INTERVAL 5 DAY, '7731', 2350.40, '230221730',
   '3', '221000', '4', 3, 'Услуги связи за месяц', 'Услуги связи за месяц',
   CONCAT_WS(@cell, '3', '240102221', '', '', '', '', '2350.40', ''), 0, 1, 1, NOW()),
  (-1, 0, @month_start + INTERVAL 8 DAY, @month_start + INTERVAL 8 DAY, '45', 1200.00, '230220730',
   NULL, NULL, NULL, NULL, 'Продукты питания: ждет акта приемки', 'Продукты питания: ждет акта приемки',
   NULL, 1, 1, 1, NOW());

INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, deb_sb3, kbk_deb,
                              kred0, kred1, kred2, kred3, kred_sb1, kred_sb2, kred_sb3, kbk_kred,
                              kol, s, prim, fil_id) VALUES
  (@doc + 1, 1, @month_start + INTERVAL 3 DAY, '2', '401', '02', '226', NULL, NULL, NULL, 3, '2', '302', '26', '730',
   '1', '226000', '2', 3, NULL, 18500.00, '', 1),
  (@doc + 2, 1, @month_start + INTERVAL 6 DAY, '2', '401', '02', '221', NULL, NULL, NULL, 3, '2', '302', '21', '730',
   '3', '221000', '4', 3, NULL, 2350.40, '', 1);

UPDATE system_doc_counter SET last_id = GREATEST(last_id, @doc + 2) WHERE id = 1;
