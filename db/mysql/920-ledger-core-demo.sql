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
