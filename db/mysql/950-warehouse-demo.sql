-- Demo data of the warehouse: three departments of the stock room, the
-- statements' sources of financing, twelve materials in three groups with their units and decimals,
-- cabinets, kinds of work and treatment methods, two storekeeping employees,
-- and receipts over the working month and the month before from two
-- organisations, with one return from an employee. Dates follow the calendar.

SET @m1 = DATE_FORMAT(CURDATE(), '%Y-%m-01');
SET @p1 = DATE_FORMAT(CURDATE() - INTERVAL 1 MONTH, '%Y-%m-01');

INSERT INTO spr_stovan_prd (id, name) VALUES
  (1, 'Хозяйственный склад'),
  (2, 'Пищеблок'),
  (3, 'Медицинский кабинет');

-- The statements of the staff demo the stock is kept under.
UPDATE nv SET isf = 1, kbk = '07010000000000000' WHERE id = 1;
UPDATE nv SET isf = 2, kbk = '07010000000000130' WHERE id IN (3, 5);

INSERT INTO grup (id, name) VALUES (3, 'Медицинские материалы');
INSERT INTO spr_stovan_mat (name, ei, gr, ekr, sch) VALUES
  ('Бинт стерильный', 1, 3, 340000, '210534000'),
  ('Спирт этиловый', 3, 3, 340000, '210534000'),
  ('Перчатки медицинские', 5, 3, 340000, '210534000');
-- Weighed and poured materials are counted to grams and millilitres.
UPDATE spr_stovan_mat SET okr = 3 WHERE ei IN (2, 3);

INSERT INTO kab (id, name) VALUES
  ('11', 'Кабинет заведующей'),
  ('20', 'Медицинский кабинет'),
  ('41', 'Группа «Ромашка»'),
  ('43', 'Группа «Колокольчик»'),
  ('49', 'Прачечная');

INSERT INTO spr_stovan_vr (id, name) VALUES
  (1, 'Текущий ремонт'),
  (2, 'Уборка помещений'),
  (3, 'Приготовление пищи');

INSERT INTO spr_vl (id, name) VALUES
  (1, 'Перевязка'),
  (2, 'Обработка раны'),
  (3, 'Вакцинация');

INSERT INTO spr_org (name, inn, kpp, adres) VALUES
  ('ООО "Медснаб"', '7705566778', '770501001', 'г. Ольмарск, ул. Аптечная, д. 2');

-- Employees who take materials from the stock room and bring them back.
INSERT INTO tn (tn, f, i, o, dol, prd) VALUES
  (51, 'Иванов', 'Пётр', 'Сергеевич', 11, 1),
  (52, 'Римская Корсакова', 'Алла', 'Борисовна', 8, 1)
ON DUPLICATE KEY UPDATE tn = tn;

-- Receipts: the month before from both suppliers, two on one day of the
-- working month at the kitchen, and a return of lamps by an employee.
INSERT INTO stovan_prx0 (d, prd, nv, npp, ndoc, org, tn) VALUES
  (@p1 + INTERVAL 4 DAY, 2, 3, 1, 'ТН-1021', 1, NULL),
  (@p1 + INTERVAL 11 DAY, 1, 1, 1, 'ТН-77', 4, NULL),
  (@m1 + INTERVAL 2 DAY, 2, 3, 1, 'ТН-1102', 1, NULL),
  (@m1 + INTERVAL 2 DAY, 2, 3, 2, 'ТН-1103', 1, NULL),
  (@m1 + INTERVAL 2 DAY, 1, 1, 1, 'ТН-81', 4, NULL),
  (@m1 + INTERVAL 5 DAY, 1, 1, 1, NULL, NULL, 51);

INSERT INTO stovan_prx1 (d, prd, nv, npp, id, price, kol, s) VALUES
  (@p1 + INTERVAL 4 DAY, 2, 3, 1, 3, 45.00, 120, 5400.00),
  (@p1 + INTERVAL 4 DAY, 2, 3, 1, 4, 78.50, 60, 4710.00),
  (@p1 + INTERVAL 11 DAY, 1, 1, 1, 1, 350.00, 10, 3500.00),
  (@p1 + INTERVAL 11 DAY, 1, 1, 1, 2, 120.00, 12, 1440.00),
  (@p1 + INTERVAL 11 DAY, 1, 1, 1, 5, 210.00, 20, 4200.00),
  (@m1 + INTERVAL 2 DAY, 2, 3, 1, 3, 47.00, 80.5, 3783.50),
  (@m1 + INTERVAL 2 DAY, 2, 3, 2, 4, 79.00, 40, 3160.00),
  (@m1 + INTERVAL 2 DAY, 1, 1, 1, 2, 125.00, 6, 750.00),
  (@m1 + INTERVAL 5 DAY, 1, 1, 1, 5, NULL, 2, NULL);
INSERT INTO stovan_prx1 (d, prd, nv, npp, id, price, kol, s)
SELECT @m1 + INTERVAL 2 DAY, 2, 3, 1, id, 52.00, 15.25, 793.00 FROM spr_stovan_mat WHERE name = 'Хлеб пшеничный';

-- Requisitions of both months: departments 1 and 2 share number 1 in each
-- month; to employees and to an organisation, for several cabinets.
INSERT INTO stovan_rsx0 (ntreb, d, prd, nv, kab, org, tn) VALUES
  (1, @p1 + INTERVAL 14 DAY, 1, 1, '11', NULL, 12),
  (1, @p1 + INTERVAL 15 DAY, 2, 3, '49', NULL, 4),
  (1, @m1 + INTERVAL 3 DAY, 1, 1, '41', NULL, 5),
  (1, @m1 + INTERVAL 3 DAY, 2, 3, '43', 1, NULL),
  (2, @m1 + INTERVAL 6 DAY, 1, 1, '20', NULL, 11);
INSERT INTO stovan_rsx1 (ntreb, d, prd, nv, id, kol, ost) VALUES
  (1, @p1 + INTERVAL 14 DAY, 1, 1, 1, 2, 8),
  (1, @p1 + INTERVAL 14 DAY, 1, 1, 2, 3, 9),
  (1, @p1 + INTERVAL 15 DAY, 2, 3, 3, 30, 90),
  (1, @m1 + INTERVAL 3 DAY, 1, 1, 5, 4, 16),
  (1, @m1 + INTERVAL 3 DAY, 2, 3, 4, 10, 50),
  (2, @m1 + INTERVAL 6 DAY, 1, 1, 2, 2, 13);

-- Write-offs from the employees responsible for materials: before and within
-- the working month.
INSERT INTO stovan_spis_mol_mat (id, kol, dpv, prd, nv, tns) VALUES
  (5, 1, @p1 + INTERVAL 20 DAY, 1, 1, 12),
  (2, 1, @m1 + INTERVAL 8 DAY, 1, 1, 11);
