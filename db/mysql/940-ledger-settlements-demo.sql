-- Demo rows of the settlements documents: employees' departments, positions
-- and passports, the sources of cash deposits, a supplier whose
-- name has an apostrophe, and one cheque-book application, one power of
-- attorney for goods, one cash deposit announcement and two purchase book
-- entries of the current month.

SET @y = YEAR(CURDATE());
SET @month_start = DATE_FORMAT(CURDATE(), '%Y-%m-01');
SET @row = CONVERT(CHAR(1) USING utf8mb4) COLLATE utf8mb4_unicode_ci;
SET @cell = CONVERT(CHAR(2) USING utf8mb4) COLLATE utf8mb4_unicode_ci;

-- Employees who take advances and collect cheques and goods; an employee the
-- personnel records already keep only gets what is missing.
INSERT INTO tn (tn, f, i, o, dol, prd, serp, nop, kv1, kv2, dvpus) VALUES
  (2, 'Иванова', 'Мария', 'Петровна', 3, 3, '4511', '654321', 'Отделом УФМС России по г. Ольмарску',
   'в Ленинском районе', '2015-03-20'),
  (3, 'Смирнова', 'Елена', 'Викторовна', 1, 1, '4508', '112233', 'ОВД Центрального района г. Ольмарска', NULL,
   '2009-11-02'),
  (4, 'Кузнецова', 'Ольга', 'Ивановна', 6, 2, NULL, NULL, NULL, NULL, NULL)
ON DUPLICATE KEY UPDATE
  dol = COALESCE(tn.dol, VALUES(dol)), prd = COALESCE(tn.prd, VALUES(prd)),
  serp = COALESCE(tn.serp, VALUES(serp)), nop = COALESCE(tn.nop, VALUES(nop)),
  kv1 = COALESCE(tn.kv1, VALUES(kv1)), kv2 = COALESCE(tn.kv2, VALUES(kv2)),
  dvpus = COALESCE(tn.dvpus, VALUES(dvpus));

INSERT INTO spr_cn (id, name) VALUES
  (1, 'Выручка от оказания платных услуг'),
  (2, 'Родительская плата'),
  (3, 'Возврат неиспользованных подотчетных сумм'),
  (4, 'Возврат излишне выплаченной заработной платы'),
  (20001, 'Поступление наличных с лицевого счета');

INSERT INTO spr_org (name, inn, kpp, adres) VALUES
  ('ООО "Л''Этуаль"', '7706123456', '770601001', 'г. Ольмарск, ул. Цветочная, д. 12');

INSERT INTO ledmark_check_book (number, d, prim, tn, kol_k, kol_l, ser, n1, n2, icn, fil_id, m0, d0) VALUES
  ('1', @month_start, NULL, 1, 1, 25, 'НЧ', 1204501, 1204525, 'Петрова Анна Сергеевна', 1, 1, NOW());

INSERT INTO ledmark_dov (number, d, d2, docDate, docName, docNumber, org, tn, icn, prim, grid, r, fil_id, m0, d0)
VALUES
  ('1', @month_start, @month_start + INTERVAL 10 DAY, @month_start, 'Счет', '118', 1, 4,
   'Кузнецова Ольга Ивановна, ООО "Продторг"', '',
   CONCAT('1', @cell, 'Картофель', @cell, 'кг', @cell, '50', @row,
          '2', @cell, 'Молоко', @cell, 'л', @cell, '40'),
   1, 1, 1, NOW());

INSERT INTO ledmark_obyavl (number, d, ls, s, cn, icn, prim, org, fil_id, m0, d0) VALUES
  ('1', @month_start, 2, 12500.00, 1, NULL, NULL, 1, 1, 1, NOW());

INSERT INTO ledmark_kniga_pokupok (iff, d, number, s, d_sf, do, d_uch, org, gtd, nos18, s18, nos10, s10,
                                   nos20, s20, s0, s00, icn, fil_id, m0, d0) VALUES
  (2, @month_start, '1187', 12000.00, @month_start, @month_start, @month_start, 1, '', NULL, NULL, NULL, NULL,
   10000.00, 2000.00, NULL, NULL, 'ООО "Продторг"', 1, 1, NOW()),
  (2, @month_start + INTERVAL 2 DAY, '54', 5500.00, @month_start + INTERVAL 1 DAY, NULL,
   @month_start + INTERVAL 2 DAY, 3, '', NULL, NULL, 5000.00, 500.00, NULL, NULL, NULL, NULL,
   'ПАО "Связьтелеком"', 1, 1, NOW());
