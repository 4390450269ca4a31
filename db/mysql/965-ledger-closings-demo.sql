-- Last year's operations in both branches on every account the year's closings
-- touch, so the closing entries have something to close on its last day:
-- income and expenses (401.01, 401.02), stock received into 106.04, settlements
-- of 304.04 with the treasury's 304.05, the estimates and allocations (503, 504),
-- a supplier paid beyond what was accepted (a debit balance of 302.26) and
-- advances issued (206), with contracts, counterparties and economic codes.
-- December of last year is still open (see the actuality date below).

SET @y = YEAR(CURDATE()) - 1;
SET @doc = (SELECT last_id FROM system_doc_counter WHERE id = 1);

INSERT INTO ledmark_oper_by_hand (id, d, number, s, prim, fil_id, m0, d0) VALUES
  (@doc + 1, MAKEDATE(@y, 60), '1', 291000.00, 'Операции прошлого года', 1, 1, NOW()),
  (@doc + 2, MAKEDATE(@y, 61), '2', 88000.00, 'Операции прошлого года', 2, 1, NOW());

INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, deb_sb3, kbk_deb,
                              kred0, kred1, kred2, kred3, kred_sb1, kred_sb2, kred_sb3, kbk_kred,
                              kol, s, prim, fil_id) VALUES
  (@doc + 1, 1, MAKEDATE(@y, 60), '2', '304', '05', '000', '130000', NULL, NULL, 3,
   '2', '401', '01', '130', NULL, NULL, NULL, 3, NULL, 120000.00, 'Доходы от платных услуг', 1),
  (@doc + 1, 2, MAKEDATE(@y, 120), '2', '401', '02', '226', NULL, NULL, NULL, 4,
   '2', '302', '26', '730', '3', '226000', '4', 4, NULL, 36000.00, 'Приняты услуги связи и интернета', 1),
  (@doc + 1, 3, MAKEDATE(@y, 121), '2', '302', '26', '830', '3', '226000', '4', 4,
   '2', '304', '05', '000', '226000', NULL, NULL, 4, NULL, 40000.00, 'Оплачены услуги сверх принятых', 1),
  (@doc + 1, 4, MAKEDATE(@y, 150), '2', '206', '23', '560', '2', '223000', '3', 4,
   '2', '304', '05', '000', '223000', NULL, NULL, 4, NULL, 15000.00, 'Перечислен аванс за энергию', 1),
  (@doc + 1, 5, MAKEDATE(@y, 200), '2', '106', '04', '340', NULL, NULL, NULL, 4,
   '2', '302', '34', '730', '1', '340000', '1', 4, NULL, 25000.00, 'Поступили продукты питания', 1),
  (@doc + 1, 6, MAKEDATE(@y, 240), '2', '304', '05', '000', '226000', NULL, NULL, 4,
   '2', '304', '04', '000', '226000', '1', NULL, 4, NULL, 5000.00, 'Внутренние расчеты', 1),
  (@doc + 1, 7, MAKEDATE(@y, 20), '1', '503', '03', '226', '226000', NULL, NULL, 2,
   '1', '504', '10', '226', '226000', NULL, NULL, 2, NULL, 50000.00, 'Доведены бюджетные ассигнования', 1),
  (@doc + 2, 1, MAKEDATE(@y, 61), '2', '304', '05', '000', '130000', NULL, NULL, 5,
   '2', '401', '01', '130', NULL, NULL, NULL, 5, NULL, 45000.00, 'Доходы от платных услуг', 2),
  (@doc + 2, 2, MAKEDATE(@y, 130), '2', '401', '02', '223', NULL, NULL, NULL, 5,
   '2', '302', '23', '730', '2', '223000', '3', 5, NULL, 20000.00, 'Приняты коммунальные услуги', 2),
  (@doc + 2, 3, MAKEDATE(@y, 131), '2', '302', '23', '830', '2', '223000', '3', 5,
   '2', '304', '05', '000', '223000', NULL, NULL, 5, NULL, 18000.00, 'Оплачены коммунальные услуги', 2),
  (@doc + 2, 4, MAKEDATE(@y, 160), '2', '206', '21', '560', '3', '221000', '4', 5,
   '2', '304', '05', '000', '221000', NULL, NULL, 5, NULL, 3000.00, 'Перечислен аванс за связь', 2),
  (@doc + 2, 5, MAKEDATE(@y, 250), '2', '304', '04', '000', '226000', '1', NULL, 5,
   '2', '304', '05', '000', '226000', NULL, NULL, 5, NULL, 2000.00, 'Внутренние расчеты', 2);

UPDATE system_doc_counter SET last_id = GREATEST(last_id, @doc + 2) WHERE id = 1;
