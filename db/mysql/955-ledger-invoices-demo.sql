-- Demo issued invoices: the institution's own details the prints name, the
-- sample payment order, two invoices of last year and two of this one (the
-- latest kept without posting), with their services and postings from the
-- receivable 205.31 (source 2, by counterparty) to the income 401.01.130.

SET @doc = (SELECT last_id FROM system_doc_counter WHERE id = 1);
SET @this_year = MAKEDATE(YEAR(CURDATE()), 1);
SET @last_year = MAKEDATE(YEAR(CURDATE()) - 1, 1);

INSERT IGNORE INTO system_const (name, val) VALUES
  ('ORG_INN', '7705123456'),
  ('ORG_KPP', '770501001'),
  ('ORG_ADRES', 'г. Ольмарск, ул. Садовая, д. 12'),
  ('prn_sch_fack_vnim', 'Получатель: УФК по г. Ольмарску (МБДОУ № 7, л/с 20234012345)<br>Назначение платежа: оплата по счету-фактуре, без НДС');

-- Units of services beside those of goods.
INSERT IGNORE INTO spr_ei (id, name) VALUES (30, 'час'), (31, 'мес');

INSERT INTO paymar_sch_fak (id, d, number, s, nv, org, org2, sch0, sch1, sb1, sb2, sb3, no_doc, date_doc, prim,
                            obrazec, vnim, fil_id, kbk_deb, kbk_kred, m0, d0, icn, sb_deb2, do) VALUES
  (@doc + 1, @last_year + INTERVAL 300 DAY, '1', 4500.00, 2, 1, NULL, '220531560', '240101130', NULL, NULL, NULL,
   '', NULL, 'Аренда актового зала', 0, NULL, 1, 3, 3, 1, NOW(), 'ООО "Продторг"', '2', NULL),
  (@doc + 2, @last_year + INTERVAL 330 DAY, '2', 1800.00, 2, 3, NULL, '220531560', '240101130', NULL, NULL, NULL,
   '', NULL, NULL, 0, NULL, 1, 3, 3, 1, NOW(), 'ПАО "Связьтелеком"', '2', NULL),
  (@doc + 3, @this_year + INTERVAL 20 DAY, '1', 7250.50, 2, 1, 4, '220531560', '240101130', NULL, NULL, NULL,
   '15', @this_year + INTERVAL 18 DAY, 'Платные образовательные услуги', 1,
   'Получатель: УФК по г. Ольмарску (МБДОУ № 7, л/с 20234012345)<br>Назначение платежа: оплата по счету-фактуре, без НДС',
   1, 3, 3, 1, NOW(), 'ООО "Продторг"', '2', @this_year + INTERVAL 25 DAY),
  (NULL, @this_year + INTERVAL 40 DAY, '2', 1200.00, 2, 4, NULL, '220531560', '240101130', NULL, NULL, NULL,
   '', NULL, 'Не проведен: ждет подписи акта', 0, NULL, 1, 3, 3, 1, NOW(), 'ИП Соколов Игорь Николаевич', NULL, NULL);

INSERT INTO paymar_sch_fak1 (real_id, npp1, discr, ei, kol, s)
  SELECT f.real_id, l.npp1, l.discr, l.ei, l.kol, l.s FROM paymar_sch_fak f JOIN (
    SELECT @doc + 1 AS id, 0 AS npp1, 'Аренда актового зала' AS discr, 'час' AS ei, 3 AS kol, 4500.00 AS s
    UNION ALL SELECT @doc + 2, 0, 'Организация праздника', 'шт', 1, 1800.00
    UNION ALL SELECT @doc + 3, 0, 'Кружок рисования', 'мес', 2, 5000.00
    UNION ALL SELECT @doc + 3, 1, 'Кружок английского языка', 'мес', 1.5, 2250.50) l ON l.id = f.id;
INSERT INTO paymar_sch_fak1 (real_id, npp1, discr, ei, kol, s)
  SELECT real_id, 0, 'Консультация логопеда', 'час', 0.5, 1200.00 FROM paymar_sch_fak WHERE id IS NULL AND number = '2'
    AND d = @this_year + INTERVAL 40 DAY;

INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, deb_sb3, kbk_deb,
                              kred0, kred1, kred2, kred3, kred_sb1, kred_sb2, kred_sb3, kbk_kred,
                              kol, s, prim, fil_id) VALUES
  (@doc + 1, 1, @last_year + INTERVAL 300 DAY, '2', '205', '31', '560', '1', NULL, NULL, 3, '2', '401', '01', '130',
   NULL, NULL, NULL, 3, NULL, 4500.00, '', 1),
  (@doc + 2, 1, @last_year + INTERVAL 330 DAY, '2', '205', '31', '560', '3', NULL, NULL, 3, '2', '401', '01', '130',
   NULL, NULL, NULL, 3, NULL, 1800.00, '', 1),
  (@doc + 3, 1, @this_year + INTERVAL 20 DAY, '2', '205', '31', '560', '1', NULL, NULL, 3, '2', '401', '01', '130',
   NULL, NULL, NULL, 3, NULL, 7250.50, '', 1);

UPDATE system_doc_counter SET last_id = GREATEST(last_id, @doc + 3) WHERE id = 1;
