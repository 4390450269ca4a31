-- Demo data of tariffication and personnel: positions, kinds of orders, the
-- tariff scale, employees and their position assignments. Dates follow the
-- calendar: the demo year is the current one.

SET @y = YEAR(CURDATE());

INSERT INTO ssv (id, name) VALUES
  (1, 'Заведующий'),
  (2, 'Главный бухгалтер'),
  (3, 'Воспитатель'),
  (4, 'Младший воспитатель'),
  (5, 'Повар'),
  (6, 'Кухонный рабочий'),
  (7, 'Музыкальный руководитель'),
  (8, 'Медицинская сестра'),
  (9, 'Делопроизводитель'),
  (10, 'Дворник');

INSERT INTO spr_paymar_prikaz (id, name) VALUES
  (1, 'Прием на работу'),
  (2, 'Перевод на другую должность'),
  (3, 'Совмещение должностей'),
  (4, 'Увольнение');

-- The tariff scale: the coefficients of grades 1 to 18 in force from the start
-- of last year, revised from the start of the demo year.
INSERT INTO spr_venz_kof (raz, d, kof) VALUES
  (1, MAKEDATE(@y - 1, 1), 1.000), (2, MAKEDATE(@y - 1, 1), 1.030), (3, MAKEDATE(@y - 1, 1), 1.070),
  (4, MAKEDATE(@y - 1, 1), 1.120), (5, MAKEDATE(@y - 1, 1), 1.240), (6, MAKEDATE(@y - 1, 1), 1.380),
  (7, MAKEDATE(@y - 1, 1), 1.510), (8, MAKEDATE(@y - 1, 1), 1.660), (9, MAKEDATE(@y - 1, 1), 1.820),
  (10, MAKEDATE(@y - 1, 1), 2.000), (11, MAKEDATE(@y - 1, 1), 2.190), (12, MAKEDATE(@y - 1, 1), 2.370),
  (13, MAKEDATE(@y - 1, 1), 2.560), (14, MAKEDATE(@y - 1, 1), 2.750), (15, MAKEDATE(@y - 1, 1), 2.970),
  (16, MAKEDATE(@y - 1, 1), 3.190), (17, MAKEDATE(@y - 1, 1), 3.430), (18, MAKEDATE(@y - 1, 1), 4.400),
  (1, MAKEDATE(@y, 1), 1.000), (2, MAKEDATE(@y, 1), 1.040), (3, MAKEDATE(@y, 1), 1.090),
  (4, MAKEDATE(@y, 1), 1.142), (5, MAKEDATE(@y, 1), 1.268), (6, MAKEDATE(@y, 1), 1.407),
  (7, MAKEDATE(@y, 1), 1.546), (8, MAKEDATE(@y, 1), 1.699), (9, MAKEDATE(@y, 1), 1.866),
  (10, MAKEDATE(@y, 1), 2.047), (11, MAKEDATE(@y, 1), 2.242), (12, MAKEDATE(@y, 1), 2.423),
  (13, MAKEDATE(@y, 1), 2.618), (14, MAKEDATE(@y, 1), 2.813), (15, MAKEDATE(@y, 1), 3.036),
  (16, MAKEDATE(@y, 1), 3.259), (17, MAKEDATE(@y, 1), 3.510), (18, MAKEDATE(@y, 1), 4.500);

-- The salary of grade 1 from the start of the demo year, in whole roubles.
INSERT INTO spr_venz_okl (d, okl1, digits) VALUES (MAKEDATE(@y, 1), 4330.00, 0);

-- Employees beside the demo user (1): one, two and three assignments.
INSERT INTO tn (tn, f, i, o) VALUES
  (2, 'Иванова', 'Мария', 'Петровна'),
  (3, 'Смирнова', 'Елена', 'Викторовна'),
  (4, 'Кузнецова', 'Ольга', 'Ивановна');

-- Assignments; employee 4's are written in the order 3, 1, 2 and her first
-- one has ended.
INSERT INTO perso_tn_nip (tn, npp, st, kpr, d1, d2, prd, kat, dol, noprik, Dprik, okl, kof) VALUES
  (1, 1, 1.00, 1, MAKEDATE(@y - 3, 32), NULL, 1, NULL, 2, '12-к', MAKEDATE(@y - 3, 31), 12500.00, 2.242),
  (2, 1, 1.00, 1, MAKEDATE(@y - 2, 244), NULL, 3, NULL, 3, '45-к', MAKEDATE(@y - 2, 243), 9800.00, 1.866),
  (3, 1, 1.00, 1, MAKEDATE(@y - 5, 10), NULL, 1, NULL, 1, '3-к', MAKEDATE(@y - 5, 9), 15200.00, 2.618),
  (3, 2, 0.25, 3, MAKEDATE(@y, 15), NULL, 3, NULL, 7, '8-к', MAKEDATE(@y, 14), 8900.00, 1.699),
  (4, 3, 0.50, 3, MAKEDATE(@y, 60), NULL, 2, NULL, 6, '21-к', MAKEDATE(@y, 59), 4330.00, 1.000),
  (4, 1, 1.00, 1, MAKEDATE(@y - 1, 60), MAKEDATE(@y - 1, 31) + INTERVAL 11 MONTH, 3, NULL, 4, '17-к',
   MAKEDATE(@y - 1, 59), 5100.00, 1.090),
  (4, 2, 1.00, 2, MAKEDATE(@y, 1), NULL, 2, NULL, 5, '1-к', MAKEDATE(@y - 1, 365), 7400.00, 1.407);
