-- Demo data of the payroll on the demo staff: pay and deduction codes, two
-- calendars, the reference books of contributions and postings, the positions,
-- and every employee's pay positions: a main one each, a second one for three
-- employees who combine posts, the employee who leaves on the working month's
-- first day, and one employee whose every position ended before the month.

-- The working month's first day (the demo follows the calendar).
SET @m1 = DATE_FORMAT(CURDATE(), '%Y-%m-01');

INSERT INTO spr_vou (id, name, alg) VALUES
  (1, 'Оклад', NULL),
  (2, 'Сдельная оплата', NULL),
  (3, 'Почасовая оплата', NULL),
  (4, 'Оплата по договору', NULL),
  (5, 'Оплата больничного листа', 1),
  (6, 'Оплата больничного листа за счет работодателя', 2),
  (10, 'Доплата за вредные условия труда', NULL),
  (11, 'Премия', NULL),
  (21, 'Пособие по уходу за ребенком до 1,5 лет', NULL),
  (27, 'Оплата по коэффициенту трудового участия', NULL),
  (30, 'Оплата ежегодного отпуска', NULL),
  (31, 'Оплата дополнительного отпуска', NULL),
  (35, 'Оплата по среднему заработку', NULL),
  (201, 'Налог на доходы физических лиц', NULL),
  (202, 'Профсоюзные взносы', NULL),
  (203, 'Алименты по исполнительному листу', NULL),
  (204, 'Удержание по исполнительному листу', NULL);

INSERT INTO spr_kl (id, name) VALUES
  (1, 'Пятидневная рабочая неделя'),
  (2, 'Шестидневная рабочая неделя');

INSERT INTO spr_paymar_kcn (id, name) VALUES
  (1, 'Обязательное пенсионное страхование'),
  (2, 'Обязательное социальное страхование'),
  (3, 'Обязательное медицинское страхование'),
  (4, 'Страхование от несчастных случаев на производстве');

INSERT INTO spr_paymar_vp (id, name) VALUES
  (1, 'Физическое лицо'),
  (2, 'Организация'),
  (3, 'Служба судебных приставов');

INSERT INTO spr_paymar_otchis (id, name, kcn, pr, poits) VALUES
  (1, 'Взносы на обязательное пенсионное страхование', 1, 22.000, 2),
  (2, 'Взносы на обязательное социальное страхование', 2, 2.900, 2),
  (3, 'Взносы на обязательное медицинское страхование', 3, 5.100, 2),
  (4, 'Взносы от несчастных случаев на производстве', 4, 0.200, 2);

-- The payroll's postings on the demo chart: the earnings and the income tax
-- per employee through 302.01 (kept by employee), the contributions charged
-- on the earnings in one posting onto 303.10.
INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap) VALUES
  (0, '303', '10', '000', 'Расчеты по страховым взносам на обязательное пенсионное страхование', 0, 0, 0, 3, 0,
   NULL, 'П');
INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT e.col0, '303', '10', e.col3, e.name, 0, 0, 0, e.tp, 0, NULL, 'П'
  FROM spr_plan_sch e WHERE e.col1 = '303' AND e.col2 = '01' AND e.col3 <> '000';

INSERT INTO spr_paymar_5pr (id, name, pr, d, k, ekr, sb_deb, sb_kred, bman, poits) VALUES
  (1, 'Начисление заработной платы', 100.000, '140102211', '130201730', 211000, NULL, NULL, 1, 2),
  (2, 'Удержание налога на доходы', 100.000, '130201830', '130301730', NULL, NULL, NULL, 1, 2),
  (3, 'Начисление страховых взносов', 30.200, '140102213', '130310730', 213000, NULL, NULL, 0, 2);

-- The payroll's positions are the staff positions, with the teachers'
-- category allowance and the nurse's district allowance.
INSERT INTO spr_paymar_dol (id, name, kat, raz, vr, vr2, vr3, vr4)
SELECT id, name, kat, raz, vr, NULL, NULL, NULL FROM ssv;
UPDATE spr_paymar_dol SET vr2 = 15.00 WHERE id IN (3, 7, 13);
UPDATE spr_paymar_dol SET vr3 = 30.00 WHERE id = 8;
UPDATE spr_paymar_dol SET vr4 = 20.00 WHERE id IN (1, 2);

-- The positions' salaries on the main staff's sheet 1, the part-timers' sheet
-- 2 and the paid services' sheet 3; the nurse's therapeutic rate and night
-- rate; the contracts' sheet 4 holds one rate, which the books leave alone.
INSERT INTO spr_paymar_dol1 (id, nv, okl, Rlech, Rdet, Rort, nch, kontr, chts, okl2)
SELECT id, 1, 12000 + 750 * id, NULL, NULL, NULL, NULL, NULL, NULL, NULL FROM spr_paymar_dol;
INSERT INTO spr_paymar_dol1 (id, nv, okl, Rlech, Rdet, Rort, nch, kontr, chts, okl2)
SELECT id, 2, 6000 + 375 * id, NULL, NULL, NULL, NULL, NULL, 95.5, NULL FROM spr_paymar_dol WHERE id IN (3, 7, 8, 13);
INSERT INTO spr_paymar_dol1 (id, nv, okl, Rlech, Rdet, Rort, nch, kontr, chts, okl2) VALUES
  (3, 3, 4500.00, NULL, NULL, NULL, NULL, 2500.00, NULL, NULL),
  (8, 3, 5200.00, 0.250, NULL, NULL, 35.5, NULL, NULL, NULL),
  (1, 4, 3000.00, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
UPDATE spr_paymar_dol1 SET Rlech = 0.500, nch = 40.00 WHERE id = 8 AND nv = 1;

-- Each employee's main position from the staff's current assignment (the
-- kitchen on the six-day calendar), and the second posts of employees 3, 5
-- and 20, paid by the hour.
INSERT INTO paymar_bux (tn, npp, osn, kpz, dprik, nprik, prd, dol, kat, kou, kl, d1, d2, plav, staj)
SELECT p.tn, 1, 1, 1, p.Dprik, p.noprik, p.prd, p.dol, p.kat, 1, IF(p.prd = 2, 2, 1), p.d1, p.d2, NULL, 0
FROM perso_tn_nip p WHERE p.tn BETWEEN 1 AND 30 AND p.npp = IF(p.tn = 4, 2, 1);

INSERT INTO paymar_bux (tn, npp, osn, kpz, dprik, nprik, prd, dol, kat, kou, kl, d1, d2, plav, staj)
SELECT p.tn, 2, 0, 3, p.Dprik, p.noprik, p.prd, p.dol, p.kat, 3, 1, p.d1, NULL, NULL, 1
FROM perso_tn_nip p WHERE (p.tn = 3 AND p.npp = 2) OR (p.tn = 5 AND p.npp = 2) OR (p.tn = 20 AND p.npp = 2);

-- Employee 10's only position ended on the last day of the month before.
UPDATE paymar_bux SET d2 = @m1 - INTERVAL 1 DAY WHERE tn = 10;

-- The planned advance of the main staff.
UPDATE paymar_bux SET plav = 3000 WHERE osn = 1 AND prd IN (1, 3);

-- The employees' pay columns: category, main pay sheet, union membership and
-- the allowance for length of service.
UPDATE tn JOIN paymar_bux b ON b.tn = tn.tn AND b.osn = 1 SET tn.kat = b.kat, tn.nv = 1;
UPDATE tn SET prof = 1 WHERE tn IN (2, 3, 5, 9, 11, 13, 16, 20, 23, 26);
UPDATE tn SET stj = 10 WHERE tn IN (3, 9, 10, 16, 19, 23, 26);
UPDATE tn SET stj = 20 WHERE tn IN (6, 18, 28);

-- The calendars' months of the demo year: the five-day week of 8 hours a day,
-- the six-day week of 40 hours (7 on weekdays, 5 on Saturdays); sick pay
-- counts every day of the month.
INSERT INTO spr_kl1 (id, g, ms, dn, bol, ch)
SELECT k.id, YEAR(d.day), MONTH(d.day), SUM(WEEKDAY(d.day) < k.days), COUNT(*),
       SUM(CASE WHEN WEEKDAY(d.day) < 5 THEN k.hours WHEN WEEKDAY(d.day) < k.days THEN 5 ELSE 0 END)
FROM (SELECT MAKEDATE(YEAR(CURDATE()), 1) + INTERVAL (a.n + 10 * b.n + 100 * c.n) DAY AS day
      FROM (SELECT 0 AS n UNION ALL SELECT 1 UNION ALL SELECT 2 UNION ALL SELECT 3 UNION ALL SELECT 4
            UNION ALL SELECT 5 UNION ALL SELECT 6 UNION ALL SELECT 7 UNION ALL SELECT 8 UNION ALL SELECT 9) a,
           (SELECT 0 AS n UNION ALL SELECT 1 UNION ALL SELECT 2 UNION ALL SELECT 3 UNION ALL SELECT 4
            UNION ALL SELECT 5 UNION ALL SELECT 6 UNION ALL SELECT 7 UNION ALL SELECT 8 UNION ALL SELECT 9) b,
           (SELECT 0 AS n UNION ALL SELECT 1 UNION ALL SELECT 2 UNION ALL SELECT 3) c) d
JOIN (SELECT 1 AS id, 5 AS days, 8 AS hours UNION ALL SELECT 2, 6, 7) k
WHERE YEAR(d.day) = YEAR(CURDATE())
GROUP BY k.id, YEAR(d.day), MONTH(d.day);

-- The pay-code groups: the earnings base of sick pay (5), of the child-care
-- allowance (21), of the vacation codes (30, 31) and of the labour
-- participation pay (27).
INSERT INTO spr_tvx (kou, id)
SELECT o.kou, m.id FROM (SELECT 5 AS kou UNION ALL SELECT 21 UNION ALL SELECT 30 UNION ALL SELECT 31) o
JOIN spr_vou m ON m.id IN (1, 2, 3, 10, 11, 27);
INSERT INTO spr_tvx (kou, id) VALUES (27, 1), (27, 11);

-- The contributions are charged on the earnings; the posting lines cover the
-- earnings, the income tax and the earnings again for the contributions.
INSERT INTO spr_paymar_otchis1 (id, kou)
SELECT o.id, v.id FROM spr_paymar_otchis o JOIN spr_vou v ON v.id IN (1, 2, 3, 4, 10, 11, 27, 30, 31, 35);
INSERT INTO spr_paymar_5pr1 (id, kou)
SELECT 1, id FROM spr_vou WHERE id <= 200 AND id NOT IN (5, 21);
INSERT INTO spr_paymar_5pr1 (id, kou) VALUES (2, 201);
INSERT INTO spr_paymar_5pr1 (id, kou)
SELECT 3, id FROM spr_vou WHERE id IN (1, 2, 3, 4, 10, 11, 27, 30, 31, 35);
