-- Demo cash: the cashier, the target purposes of payments, the cash received
-- from the personal accounts the day before the month (the opening balance of
-- both sources), then receipt and expense orders on several days of the
-- month on sources 1 and 2, with their postings; one receipt order is kept as
-- orders were before they had lines (one credit account, no `grid`).

SET @month_start = DATE_FORMAT(CURDATE(), '%Y-%m-01');
SET @eve = @month_start - INTERVAL 1 DAY;
SET @row = CONVERT(CHAR(1) USING utf8mb4) COLLATE utf8mb4_unicode_ci;
SET @cell = CONVERT(CHAR(2) USING utf8mb4) COLLATE utf8mb4_unicode_ci;
SET @doc = (SELECT last_id FROM system_doc_counter WHERE id = 1);

INSERT IGNORE INTO system_const (name, val) VALUES ('ORG_KASSIR', 'Иванова Мария Петровна');

-- Purposes of payments (above 20000) beside those of receipts.
INSERT INTO spr_cn (id, name) VALUES
  (20002, 'Выплата заработной платы'),
  (20003, 'Выдача под отчет'),
  (20004, 'Прочие выплаты');

INSERT INTO ledmark_pko (id, number, d, sch0, sch1, prd0, prd1, cn, icn, tn, fio, osn, pril, prim, s, kbk_deb,
                         kbk_kred, grid, fil_id, m0, d0) VALUES
  (@doc + 1, '1', @eve, '120104510', NULL, 1, NULL, NULL, 'Получение наличных с лицевого счета', 1,
   'Петрова Анна Сергеевна', NULL, 'Чек НЧ 1204501', '', 40000.00, 1, NULL,
   CONCAT('1', @cell, '120111610', @cell, '1', @cell, '', @cell, '', @cell, '40000.00'), 1, 1, NOW()),
  (@doc + 2, '2', @eve, '220104510', NULL, 1, NULL, NULL, 'Получение наличных с лицевого счета', 1,
   'Петрова Анна Сергеевна', NULL, 'Чек НЧ 1204502', '', 8000.00, 3, NULL,
   CONCAT('3', @cell, '220111610', @cell, '2', @cell, '', @cell, '', @cell, '8000.00'), 1, 1, NOW()),
  (@doc + 3, '3', @month_start, '220104510', NULL, 3, NULL, 1, 'Выручка от оказания платных услуг', NULL,
   'Соколов Игорь Николаевич', NULL, 'Договор 3-Р', 'Кружок рисования', 2500.00, 3, NULL,
   CONCAT('4', @cell, '220531660', @cell, '4', @cell, '', @cell, '', @cell, '1200.00', @row,
          '4', @cell, '240101130', @cell, '', @cell, '', @cell, '', @cell, '1300.00'), 1, 1, NOW()),
  (@doc + 6, '4', @month_start + INTERVAL 2 DAY, '220104510', '220826660', 1, NULL, 3,
   'Возврат неиспользованных подотчетных сумм', 1, 'Петрова Анна Сергеевна', NULL, '', '', 500.00, 3, 4,
   NULL, 1, 1, NOW());

INSERT INTO ledmark_rko (id, number, d, sch0, prd0, prd1, cn, icn, tn, fio, doc, osn, pril, prim, s, kbk_deb,
                         kbk_kred, grid, fil_id, m0, d0) VALUES
  (@doc + 4, '1', @month_start, '120104610', 3, NULL, 20002, 'Выплата заработной платы', 2,
   'Иванова Мария Петровна', 'паспорт серии 4511 № 654321, выдан Отделом УФМС России по г. Ольмарску в Ленинском районе',
   'Ведомость № 1', '', '', 25000.00, NULL, 1,
   CONCAT('1', @cell, '130201830', @cell, '2', @cell, '', @cell, '', @cell, '25000.00'), 1, 1, NOW()),
  (@doc + 5, '2', @month_start + INTERVAL 2 DAY, '220104610', 1, NULL, 20003, 'Выдача под отчет', 1,
   'Петрова Анна Сергеевна', 'паспорт серии 4509 № 123456, выдан Отделом УФМС России по г. Ольмарску в Центральном районе',
   'Заявление', '', '', 3000.00, NULL, 3,
   CONCAT('4', @cell, '220826560', @cell, '1', @cell, '226000', @cell, '', @cell, '3000.00'), 1, 1, NOW()),
  (@doc + 7, '3', @month_start + INTERVAL 5 DAY, '120104610', 1, NULL, 20002, 'Выплата заработной платы', 3,
   'Смирнова Елена Викторовна', 'паспорт серии 4508 № 112233, выдан ОВД Центрального района г. Ольмарска ',
   'Ведомость № 2', '', '', 12000.00, NULL, 1,
   CONCAT('1', @cell, '130201830', @cell, '3', @cell, '', @cell, '', @cell, '12000.00'), 1, 1, NOW());

INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, deb_sb3, kbk_deb,
                              kred0, kred1, kred2, kred3, kred_sb1, kred_sb2, kred_sb3, kbk_kred,
                              kol, s, prim, fil_id) VALUES
  (@doc + 1, 1, @eve, '1', '201', '04', '510', NULL, NULL, NULL, 1, '1', '201', '11', '610', '1', NULL, NULL, 1,
   NULL, 40000.00, 'Получение наличных с лицевого счета ', 1),
  (@doc + 2, 1, @eve, '2', '201', '04', '510', NULL, NULL, NULL, 3, '2', '201', '11', '610', '2', NULL, NULL, 3,
   NULL, 8000.00, 'Получение наличных с лицевого счета ', 1),
  (@doc + 3, 1, @month_start, '2', '201', '04', '510', NULL, NULL, NULL, 3, '2', '205', '31', '660', '4', NULL, NULL,
   4, NULL, 1200.00, 'Выручка от оказания платных услуг Кружок рисования', 1),
  (@doc + 3, 2, @month_start, '2', '201', '04', '510', NULL, NULL, NULL, 3, '2', '401', '01', '130', NULL, NULL, NULL,
   4, NULL, 1300.00, 'Выручка от оказания платных услуг Кружок рисования', 1),
  (@doc + 4, 1, @month_start, '1', '302', '01', '830', '2', NULL, NULL, 1, '1', '201', '04', '610', NULL, NULL, NULL,
   1, NULL, 25000.00, 'Выплата заработной платы Ведомость № 1', 1),
  (@doc + 5, 1, @month_start + INTERVAL 2 DAY, '2', '208', '26', '560', '1', '226000', NULL, 4, '2', '201', '04',
   '610', NULL, NULL, NULL, 3, NULL, 3000.00, 'Выдача под отчет Заявление', 1),
  (@doc + 6, 1, @month_start + INTERVAL 2 DAY, '2', '201', '04', '510', NULL, NULL, NULL, 3, '2', '208', '26', '660',
   '1', '226000', NULL, 4, NULL, 500.00, 'Возврат неиспользованных подотчетных сумм ', 1),
  (@doc + 7, 1, @month_start + INTERVAL 5 DAY, '1', '302', '01', '830', '3', NULL, NULL, 1, '1', '201', '04', '610',
   NULL, NULL, NULL, 1, NULL, 12000.00, 'Выплата заработной платы Ведомость № 2', 1);

-- The wages paid were accrued the day before the month began.
INSERT INTO ledmark_oper_by_hand (id, d, number, s, prim, fil_id, m0, d0) VALUES
  (@doc + 8, @eve, 'ЗП-1', 37000.00, 'Начислена заработная плата', 1, 1, NOW());
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, kbk_deb, kred0, kred1, kred2, kred3, kred_sb1,
                              kbk_kred, s, prim, fil_id) VALUES
  (@doc + 8, 1, @eve, '1', '401', '02', '211', 1, '1', '302', '01', '730', '2', 1, 25000.00,
   'Начислена заработная плата', 1),
  (@doc + 8, 2, @eve, '1', '401', '02', '211', 1, '1', '302', '01', '730', '3', 1, 12000.00,
   'Начислена заработная плата', 1);

UPDATE system_doc_counter SET last_id = GREATEST(last_id, @doc + 8) WHERE id = 1;
