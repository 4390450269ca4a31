-- Demo data of tariffication and personnel: positions, categories, kinds of
-- orders, time-sheet marks, the tariff scale, thirty employees in three
-- departments with a vacancy, their position assignments and a month of
-- time-sheet marks. Dates follow the calendar: the demo year and the working
-- month are the current ones.

SET @y = YEAR(CURDATE());

INSERT INTO ssv (id, name, kat, raz, vr, gr) VALUES
  (1, 'Заведующий', 'высшая', '14', NULL, 2),
  (2, 'Главный бухгалтер', NULL, '13', NULL, 2),
  (3, 'Воспитатель', 'первая', '11', NULL, 1),
  (4, 'Младший воспитатель', NULL, '5', NULL, 1),
  (5, 'Повар', NULL, '6', 12.00, 1),
  (6, 'Кухонный рабочий', NULL, '2', 12.00, 1),
  (7, 'Музыкальный руководитель', 'первая', '10', NULL, 1),
  (8, 'Медицинская сестра', 'вторая', '9', 15.00, 1),
  (9, 'Делопроизводитель', NULL, '6', NULL, 1),
  (10, 'Дворник', NULL, '1', NULL, 1),
  (11, 'Рабочий по обслуживанию здания', NULL, '3', 4.00, 1),
  (12, 'Кладовщик', NULL, '4', NULL, 1),
  (13, 'Педагог-психолог', 'вторая', '11', NULL, 1),
  (14, 'Инструктор по физической культуре', NULL, '9', NULL, 1),
  (15, 'Сторож', NULL, '2', NULL, 1);

-- Two salary groups and the pay statements; the positions' rates per
-- statement: the main staff under statement 1, second positions under 2, paid
-- services under 3, a contract under 5, and one row of statement 4, which the
-- position book leaves alone.
INSERT INTO spr_venz_gr (id, s) VALUES (1, 9000.00), (2, 14500.00);

INSERT INTO nv (id, name) VALUES
  (1, 'Основной персонал'),
  (2, 'Совместители'),
  (3, 'Платные услуги'),
  (4, 'Гражданско-правовые договоры'),
  (5, 'Целевые средства');

INSERT INTO ssv1 (id, nv, st, s) VALUES
  (1, 1, 1.00, NULL), (2, 1, 1.00, NULL), (3, 1, 12.00, NULL), (4, 1, 6.00, NULL), (5, 1, 3.00, NULL),
  (6, 1, 3.00, NULL), (7, 1, 1.50, NULL), (8, 1, 1.00, NULL), (9, 1, 1.00, NULL), (10, 1, 1.00, NULL),
  (11, 1, 2.00, NULL), (12, 1, 1.00, NULL), (13, 1, 1.00, NULL), (14, 1, 0.50, NULL), (15, 1, 2.00, NULL),
  (3, 2, 2.00, NULL), (4, 2, 1.50, NULL), (6, 2, 0.50, NULL), (7, 2, 0.25, NULL), (11, 2, 0.50, NULL),
  (3, 3, 1.00, 18000.00), (7, 3, 0.50, 9000.00),
  (10, 4, NULL, 6000.00),
  (8, 5, 0.50, 12500.00);

INSERT INTO spr_paymar_kat (id, name) VALUES
  (1, 'Педагогические работники'),
  (2, 'Прочий персонал');

-- Marks of the time sheets; payroll counts "ф", "фч", "к" and "в" as worked.
INSERT INTO uo (id, name) VALUES
  ('ф', 'Фактически отработано'),
  ('фч', 'Фактически отработанные часы'),
  ('к', 'Командировка'),
  ('в', 'Работа в выходной день'),
  ('б', 'Болезнь'),
  ('о', 'Ежегодный отпуск'),
  ('а', 'Отпуск без сохранения заработной платы'),
  ('п', 'Прогул');

-- Departments in the order the lists show them.
UPDATE spr_prd SET Real_npp = id;

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

-- The working month's first day (the demo follows the calendar).
SET @m1 = DATE_FORMAT(CURDATE(), '%Y-%m-01');

-- Employees beside the demo user (1), and the row the vacancies are held by.
INSERT INTO tn (tn, f, i, o, pol, dr, prd, dol) VALUES
  (2, 'Иванова', 'Мария', 'Петровна', 'Жен', '1985-04-12', 3, 3),
  (3, 'Смирнова', 'Елена', 'Викторовна', 'Жен', '1971-09-03', 1, 1),
  (4, 'Кузнецова', 'Ольга', 'Ивановна', 'Жен', '1979-01-25', 2, 5),
  (5, 'Попова', 'Наталья', 'Александровна', 'Жен', '1990-07-30', 3, 3),
  (6, 'Васильева', 'Татьяна', 'Николаевна', 'Жен', '1983-11-18', 3, 3),
  (7, 'Соколова', 'Ирина', 'Михайловна', 'Жен', '1975-02-08', 3, 4),
  (8, 'Михайлова', 'Светлана', 'Юрьевна', 'Жен', '1988-06-21', 3, 4),
  (9, 'Новикова', 'Людмила', 'Андреевна', 'Жен', '1969-03-14', 2, 5),
  (10, 'Фёдорова', 'Галина', 'Петровна', 'Жен', '1966-10-02', 2, 6),
  (11, 'Морозова', 'Екатерина', 'Сергеевна', 'Жен', '1992-12-09', 1, 8),
  (12, 'Волкова', 'Юлия', 'Олеговна', 'Жен', '1995-05-27', 1, 9),
  (13, 'Алексеева', 'Марина', 'Владимировна', 'Жен', '1986-08-16', 3, 3),
  (14, 'Лебедева', 'Анастасия', 'Игоревна', 'Жен', '1997-01-04', 3, 3),
  (15, 'Семёнова', 'Оксана', 'Викторовна', 'Жен', '1981-04-29', 3, 4),
  (16, 'Егорова', 'Валентина', 'Ивановна', 'Жен', '1964-07-11', 2, 5),
  (17, 'Павлова', 'Дарья', 'Сергеевна', 'Жен', '1993-09-23', 3, 3),
  (18, 'Козлова', 'Вера', 'Николаевна', 'Жен', '1972-03-01', 3, 4),
  (19, 'Степанова', 'Людмила', 'Павловна', 'Жен', '1967-12-19', 3, 3),
  (20, 'Николаева', 'Елена', 'Геннадьевна', 'Жен', '1984-02-17', 3, 7),
  (21, 'Орлова', 'Наталья', 'Васильевна', 'Жен', '1989-10-06', 3, 3),
  (22, 'Андреева', 'Ольга', 'Петровна', 'Жен', '1977-05-09', 3, 4),
  (23, 'Макарова', 'Татьяна', 'Алексеевна', 'Жен', '1980-11-30', 3, 3),
  (24, 'Никитина', 'Анна', 'Викторовна', 'Жен', '1991-06-15', 2, 6),
  (25, 'Захарова', 'Ирина', 'Сергеевна', 'Жен', '1987-08-02', 3, 3),
  (26, 'Зайцев', 'Сергей', 'Петрович', 'Муж', '1962-01-20', 1, 10),
  (27, 'Соловьёв', 'Андрей', 'Николаевич', 'Муж', '1976-04-07', 1, 11),
  (28, 'Борисова', 'Светлана', 'Ивановна', 'Жен', '1974-09-12', 2, 12),
  (29, 'Яковлева', 'Надежда', 'Фёдоровна', 'Жен', '1982-12-24', 3, 3),
  (30, 'Григорьева', 'Маргарита', 'Юрьевна', 'Жен', '1994-03-08', 1, 13),
  (31, 'Вакансия', '', '', NULL, NULL, NULL, NULL);

-- The full name as the personal card writes it: the blanks stay when a part is empty.
UPDATE tn SET fio_r = CONCAT(IFNULL(f, ''), ' ', IFNULL(i, ''), ' ', IFNULL(o, ''));
UPDATE tn SET pol = 'Жен', dr = '1978-05-14' WHERE tn = 1;
-- Employee 19 leaves on the working month's first day.
UPDATE tn SET du = @m1, PU = 'По собственному желанию' WHERE tn = 19;

-- Forty assignments: every employee's main one, second positions held in
-- combination, employee 4's three (written 3, 1, 2; the first has ended),
-- employee 19's ending on the working month's first day and two vacancies.
-- The pay columns are the tariffication list's.
INSERT INTO perso_tn_nip (tn, npp, st, kpr, d1, d2, prd, kat, dol, noprik, Dprik, okl, kof) VALUES
  (1, 1, 1.00, 1, MAKEDATE(@y - 3, 32), NULL, 1, 2, 1, '12-к', MAKEDATE(@y - 3, 31), 12500.00, 2.242),
  (2, 1, 1.00, 1, MAKEDATE(@y - 2, 244), NULL, 3, 1, 3, '45-к', MAKEDATE(@y - 2, 243), 9800.00, 1.866),
  (3, 1, 1.00, 1, MAKEDATE(@y - 5, 10), NULL, 1, 1, 1, '3-к', MAKEDATE(@y - 5, 9), 15200.00, 2.618),
  (3, 2, 0.25, 3, MAKEDATE(@y, 15), NULL, 3, 1, 7, '8-к', MAKEDATE(@y, 14), 8900.00, 1.699),
  (4, 3, 0.50, 3, MAKEDATE(@y, 60), NULL, 2, 2, 6, '21-к', MAKEDATE(@y, 59), 4330.00, 1.000),
  (4, 1, 1.00, 1, MAKEDATE(@y - 1, 60), MAKEDATE(@y - 1, 31) + INTERVAL 11 MONTH, 3, 2, 4, '17-к',
   MAKEDATE(@y - 1, 59), 5100.00, 1.090),
  (4, 2, 1.00, 2, MAKEDATE(@y, 1), NULL, 2, 2, 5, '1-к', MAKEDATE(@y - 1, 365), 7400.00, 1.407),
  (5, 1, 1.00, 1, MAKEDATE(@y - 4, 250), NULL, 3, 1, 3, '51-к', MAKEDATE(@y - 4, 249), 9800.00, 1.866),
  (5, 2, 0.50, 3, MAKEDATE(@y, 32), NULL, 3, 2, 4, '9-к', MAKEDATE(@y, 31), 5100.00, 1.090),
  (6, 1, 1.00, 1, MAKEDATE(@y - 6, 245), NULL, 3, 1, 3, '60-к', MAKEDATE(@y - 6, 244), 9800.00, 1.866),
  (7, 1, 1.00, 1, MAKEDATE(@y - 8, 100), NULL, 3, 2, 4, '22-к', MAKEDATE(@y - 8, 99), 5100.00, 1.090),
  (8, 1, 1.00, 1, MAKEDATE(@y - 1, 200), NULL, 3, 2, 4, '40-к', MAKEDATE(@y - 1, 199), 5100.00, 1.090),
  (9, 1, 1.00, 1, MAKEDATE(@y - 10, 15), NULL, 2, 2, 5, '2-к', MAKEDATE(@y - 10, 14), 7400.00, 1.407),
  (9, 2, 0.25, 3, MAKEDATE(@y, 20), NULL, 2, 2, 6, '10-к', MAKEDATE(@y, 19), 4330.00, 1.000),
  (10, 1, 1.00, 1, MAKEDATE(@y - 7, 180), NULL, 2, 2, 6, '33-к', MAKEDATE(@y - 7, 179), 4330.00, 1.000),
  (11, 1, 1.00, 1, MAKEDATE(@y - 2, 60), NULL, 1, 2, 8, '14-к', MAKEDATE(@y - 2, 59), 8100.00, 1.546),
  (12, 1, 1.00, 1, MAKEDATE(@y - 1, 120), NULL, 1, 2, 9, '25-к', MAKEDATE(@y - 1, 119), 6200.00, 1.268),
  (13, 1, 1.00, 1, MAKEDATE(@y - 3, 240), NULL, 3, 1, 3, '47-к', MAKEDATE(@y - 3, 239), 9800.00, 1.866),
  (14, 1, 1.00, 1, MAKEDATE(@y - 1, 244), NULL, 3, 1, 3, '49-к', MAKEDATE(@y - 1, 243), 9800.00, 1.866),
  (15, 1, 1.00, 1, MAKEDATE(@y - 5, 300), NULL, 3, 2, 4, '58-к', MAKEDATE(@y - 5, 299), 5100.00, 1.090),
  (16, 1, 1.00, 1, MAKEDATE(@y - 12, 40), NULL, 2, 2, 5, '6-к', MAKEDATE(@y - 12, 39), 7400.00, 1.407),
  (17, 1, 1.00, 1, MAKEDATE(@y, 40), NULL, 3, 1, 3, '11-к', MAKEDATE(@y, 39), 9800.00, 1.866),
  (18, 1, 1.00, 1, MAKEDATE(@y - 9, 250), NULL, 3, 2, 4, '52-к', MAKEDATE(@y - 9, 249), 5100.00, 1.090),
  (19, 1, 1.00, 1, MAKEDATE(@y - 15, 245), @m1, 3, 1, 3, '44-к', MAKEDATE(@y - 15, 244), 9800.00, 1.866),
  (20, 1, 1.00, 1, MAKEDATE(@y - 4, 20), NULL, 3, 1, 7, '4-к', MAKEDATE(@y - 4, 19), 8900.00, 1.699),
  (20, 2, 0.50, 3, MAKEDATE(@y, 45), NULL, 3, 1, 3, '12-к', MAKEDATE(@y, 44), 9800.00, 1.866),
  (21, 1, 1.00, 1, MAKEDATE(@y - 2, 250), NULL, 3, 1, 3, '50-к', MAKEDATE(@y - 2, 249), 9800.00, 1.866),
  (22, 1, 1.00, 1, MAKEDATE(@y - 6, 90), NULL, 3, 2, 4, '19-к', MAKEDATE(@y - 6, 89), 5100.00, 1.090),
  (23, 1, 1.00, 1, MAKEDATE(@y - 11, 244), NULL, 3, 1, 3, '46-к', MAKEDATE(@y - 11, 243), 9800.00, 1.866),
  (24, 1, 1.00, 1, MAKEDATE(@y - 1, 300), NULL, 2, 2, 6, '57-к', MAKEDATE(@y - 1, 299), 4330.00, 1.000),
  (25, 1, 1.00, 1, MAKEDATE(@y - 3, 60), NULL, 3, 1, 3, '13-к', MAKEDATE(@y - 3, 59), 9800.00, 1.866),
  (26, 1, 1.00, 1, MAKEDATE(@y - 14, 100), NULL, 1, 2, 10, '21-к', MAKEDATE(@y - 14, 99), 4330.00, 1.000),
  (26, 2, 0.50, 3, MAKEDATE(@y, 50), NULL, 1, 2, 11, '13-к', MAKEDATE(@y, 49), 5100.00, 1.090),
  (27, 1, 1.00, 1, MAKEDATE(@y - 5, 150), NULL, 1, 2, 11, '30-к', MAKEDATE(@y - 5, 149), 5100.00, 1.090),
  (28, 1, 1.00, 1, MAKEDATE(@y - 7, 20), NULL, 2, 2, 12, '5-к', MAKEDATE(@y - 7, 19), 6200.00, 1.268),
  (29, 1, 1.00, 1, MAKEDATE(@y - 2, 10), NULL, 3, 1, 3, '3-к', MAKEDATE(@y - 2, 9), 9800.00, 1.866),
  (30, 1, 1.00, 1, MAKEDATE(@y - 1, 15), NULL, 1, 1, 13, '4-к', MAKEDATE(@y - 1, 14), 8900.00, 1.699),
  (30, 2, 0.25, 3, MAKEDATE(@y, 70), NULL, 3, 1, 3, '16-к', MAKEDATE(@y, 69), 9800.00, 1.866),
  (31, 1, 1.00, NULL, MAKEDATE(@y, 1), NULL, 3, 1, 3, NULL, NULL, 9800.00, 1.866),
  (31, 2, 0.50, NULL, MAKEDATE(@y, 1), NULL, 3, 2, 4, NULL, NULL, 5100.00, 1.090);

-- The forms of tariffication, one of each type, and the pay data of the
-- assignments: the teachers' form with their category allowance, the heads'
-- with a supplement, the others' plain; the head's main assignment also
-- counts as a district post.
INSERT INTO spr_venz_vf (id, name, tp) VALUES
  (1, 'Педагогические работники', 1),
  (2, 'Медицинские работники', 2),
  (3, 'Руководители', 3),
  (4, 'Прочие работники', 4);

UPDATE perso_tn_nip SET vf = CASE WHEN dol IN (1, 2) THEN 3 WHEN kat = 1 THEN 1 ELSE 4 END;
UPDATE perso_tn_nip SET plus_kat = 15.00, raz1 = 1.00, date_kat = MAKEDATE(@y - 2, 120), no_kat = '112-п'
  WHERE kat = 1 AND d1 < MAKEDATE(@y - 1, 1);
UPDATE perso_tn_nip SET plus_dopl = 20.00, premiya = 25.00 WHERE vf = 3;
UPDATE perso_tn_nip SET uch = 1, plus_opas = 4.00 WHERE tn = 20 AND npp = 1;

-- For the tariffication list: the nurse is a district post under the medical
-- form, with district seniority and interruption days on her card; a few
-- teachers take their coefficient from the scale (no kof of their own); one
-- assignment does not count seniority; medical seniority of 2, 4 and 6
-- years and more.
UPDATE perso_tn_nip SET vf = 2, uch = 1, zasVR = 10.00 WHERE tn = 11 AND npp = 1;
UPDATE perso_tn_nip SET kof = NULL, okl = NULL WHERE tn IN (2, 5, 6) AND npp = 1;
UPDATE perso_tn_nip SET UchStaj = 1 WHERE tn = 12 AND npp = 1;
-- The vacancies are staffed by the order kind the list takes, so it shows them.
UPDATE perso_tn_nip SET kpr = 1 WHERE tn = 31;
UPDATE tn SET nsr = CURDATE() - INTERVAL 2 YEAR - INTERVAL 40 DAY WHERE tn = 2;
UPDATE tn SET nsr = CURDATE() - INTERVAL 4 YEAR - INTERVAL 3 MONTH WHERE tn = 5;
UPDATE tn SET nsr = CURDATE() - INTERVAL 6 YEAR - INTERVAL 2 MONTH - INTERVAL 11 DAY WHERE tn = 6;
UPDATE tn SET nsr = CURDATE() - INTERVAL 9 YEAR, nsr_u = CURDATE() - INTERVAL 7 YEAR - INTERVAL 20 DAY,
              dnbs = 45, dnbs_u = 10 WHERE tn = 11;
UPDATE tn SET nsr = CURDATE() - INTERVAL 12 YEAR WHERE tn IN (3, 13, 21);

-- A month of marks: on each weekday of the working month every assignment in
-- force that day has its hours (eight for a whole rate, four for a part), with
-- a few days of sick leave, holiday and a business trip given as codes.
-- Vacancies have no marks.
INSERT INTO perso_trv (tn, npp, d, t)
SELECT a.tn, a.npp, days.d,
       CASE
         WHEN a.tn = 13 AND DAY(days.d) BETWEEN 3 AND 7 THEN 'б'
         WHEN a.tn = 6 AND DAY(days.d) BETWEEN 10 AND 21 THEN 'о'
         WHEN a.tn = 11 AND DAY(days.d) IN (14, 15) THEN 'к'
         WHEN a.st < 1 THEN '4.00'
         ELSE '8.00'
       END
FROM perso_tn_nip a
JOIN (SELECT @m1 + INTERVAL (tens.n * 10 + units.n) DAY AS d
      FROM (SELECT 0 AS n UNION ALL SELECT 1 UNION ALL SELECT 2 UNION ALL SELECT 3) tens
      CROSS JOIN (SELECT 0 AS n UNION ALL SELECT 1 UNION ALL SELECT 2 UNION ALL SELECT 3 UNION ALL SELECT 4
                  UNION ALL SELECT 5 UNION ALL SELECT 6 UNION ALL SELECT 7 UNION ALL SELECT 8 UNION ALL SELECT 9) units
      WHERE tens.n * 10 + units.n < DAY(LAST_DAY(@m1))) days
  ON a.d1 <= days.d AND (a.d2 IS NULL OR a.d2 >= days.d)
WHERE WEEKDAY(days.d) < 5 AND a.tn <> 31;

-- The days off and public holidays of the working year: every Saturday and
-- Sunday, the New Year holidays and the public holidays.
INSERT INTO spr_vix_prazd (d)
WITH RECURSIVE days AS (
  SELECT MAKEDATE(@y, 1) AS d
  UNION ALL
  SELECT d + INTERVAL 1 DAY FROM days WHERE d < MAKEDATE(@y + 1, 1) - INTERVAL 1 DAY
)
SELECT d FROM days
WHERE DAYOFWEEK(d) IN (1, 7)
   OR (MONTH(d) = 1 AND DAY(d) <= 8)
   OR (MONTH(d), DAY(d)) IN ((2, 23), (3, 8), (5, 1), (5, 9), (6, 12), (11, 4));

-- The personal card's books: regions, nationalities, education, family status
-- and the kinds of address elements (the street's are of level 5).
INSERT INTO kreg (id, name) VALUES
  (1, 'Ольмарский край'),
  (2, 'Северная область');

INSERT INTO nash (id, name) VALUES
  (1, 'Русский'), (2, 'Татарин'), (3, 'Украинец'), (4, 'Башкир'), (5, 'Чуваш');

INSERT INTO ob (id, name) VALUES
  (1, 'Высшее'), (2, 'Неполное высшее'), (3, 'Среднее профессиональное'), (4, 'Среднее общее'),
  (5, 'Основное общее');

INSERT INTO spl (id, name) VALUES
  (1, 'Замужем (женат)'), (2, 'Не замужем (холост)'), (3, 'Разведена (разведен)'), (4, 'Вдова (вдовец)');

INSERT INTO ELEMadr (id, name, level) VALUES
  ('ул', 'улица', 5), ('пер', 'переулок', 5), ('пр-кт', 'проспект', 5), ('б-р', 'бульвар', 5),
  ('ш', 'шоссе', 5), ('пл', 'площадь', 5), ('проезд', 'проезд', 5),
  ('г', 'город', 4), ('с', 'село', 6), ('д', 'деревня', 6);

-- The region's two districts; its cities Ольмарск and Северогорск belong to no
-- district, while each district has a town of its own under the same code 1;
-- settlements of both districts and one of the region itself. A district of
-- the neighbouring region with a deleted settlement.
INSERT INTO spr_rayon (reg, rayon, r_name, g, g_name, s, s_name, dt_del) VALUES
  (1, 1, 'Заречный район', NULL, NULL, NULL, NULL, NULL),
  (1, 2, 'Лесной район', NULL, NULL, NULL, NULL, NULL),
  (1, NULL, NULL, 1, 'Ольмарск', NULL, NULL, NULL),
  (1, NULL, NULL, 2, 'Северогорск', NULL, NULL, NULL),
  (1, 1, 'Заречный район', 1, 'пгт Заречный', NULL, NULL, NULL),
  (1, 2, 'Лесной район', 1, 'Лесогорск', NULL, NULL, NULL),
  (1, 1, 'Заречный район', NULL, NULL, 1, 'с. Берёзовка', NULL),
  (1, 1, 'Заречный район', NULL, NULL, 2, 'д. Ключи', NULL),
  (1, 2, 'Лесной район', NULL, NULL, 1, 'пос. Сосновый', NULL),
  (1, NULL, NULL, NULL, NULL, 3, 'пос. Приозёрный', NULL),
  (2, 1, 'Полярный район', NULL, NULL, NULL, NULL, NULL),
  (2, NULL, NULL, 1, 'Северск', NULL, NULL, NULL),
  (2, 1, 'Полярный район', NULL, NULL, 1, 'д. Старая', CURDATE());

-- Employees' photos are copied into the folder "photos" under the user's
-- profile folder. The head's card is filled in whole, with her photo there
-- (tools/run puts the demo photos into the folder).
INSERT INTO system_const (name, val) VALUES ('pics_lich_kart', 'photos');

-- The tariffication commission: the head, the chief accountant and two teachers.
INSERT INTO system_const (name, val) VALUES ('venzol_chlens', '3,1,2,5');

UPDATE tn SET
  MRosn = 1, NN = 1, OB = 1, SPL = 1, MR1 = 'г. Ольмарск',
  SerP = '0405', NOp = '123456', KV1 = 'ОВД Центрального района г. Ольмарска', DVpus = '2016-09-20',
  inn = '770412345601', SNo = '112-233-445 95', TEL = '8 (3852) 22-14-07',
  da1 = '656000', DAreg = 1, da2 = 1, DAyl = 'Садовая ул', DAd = '12', DAkor = '', DAkv = '34',
  UZ1 = 'Ольмарский государственный педагогический университет', FAK = 'Дошкольного образования',
  GO = '1994', SP = 'Дошкольная педагогика и психология', KV = 'Преподаватель дошкольной педагогики и психологии',
  NO = 'ЭВ 123456', OT = '1994-06-28', OPR = 'Педагог',
  OS = '1994-08-15', NS = '1998-09-01', SRPS = '1994-08-15', SRPD = MAKEDATE(@y - 5, 10),
  PMR1 = 'Детский сад № 12, старший воспитатель', DRB = MAKEDATE(@y - 5, 9),
  image_path = 'photos/3.png'
WHERE tn = 3;
