-- Demo rows of the fixed-asset purchase and of the agreements of material
-- liability: a supplier of office equipment with its contract of the year,
-- three cards bought from it (one taken on with the depreciation it came
-- with), a stored purchase of two of them through 106.01 and the pair
-- 501.03/502.01 with its postings, and two agreements with the
-- responsible persons of the asset cards.

SET @y = YEAR(CURDATE());
SET @purchase_day = LEAST(CURDATE(), MAKEDATE(@y, 40));

INSERT INTO spr_contr (name, tip, id_tip) VALUES ('ООО "Офисная техника"', 0, 0);
SET @supplier = LAST_INSERT_ID();
INSERT INTO spr_dogovora (name, org, rn, number, d, sd, s, bFolder) VALUES
  ('Поставка мебели и оргтехники', @supplier, '0102', '14-ОТ', MAKEDATE(@y, 10),
   MAKEDATE(@y + 1, 1) - INTERVAL 1 DAY, 200000.00, 0);
SET @contract = LAST_INSERT_ID();

-- The cards: the cabinet and the projector new, the computer taken on with
-- the depreciation it had at its former holder.
INSERT INTO spr_osn_sr (name, code, fil_id, kol, first_price, ekr, sch, sch_iz, kbk_deb, kbk_kred, iznos_all, mol, prd,
                        vrasx, nach_izn, d_post, d_ekspl, norm_izn)
VALUES ('Шкаф для документов', '101360010', 1, 1.000, 18400.00, 310000, '110136310', '110436410', 2, 2, NULL, 4, 1, 1,
        1, @purchase_day, @purchase_day, 84);
SET @cabinet = LAST_INSERT_ID();
INSERT INTO spr_osn_sr (name, code, fil_id, kol, first_price, ekr, sch, sch_iz, kbk_deb, kbk_kred, iznos_all, mol, prd,
                        vrasx, nach_izn, d_post, d_ekspl, norm_izn)
VALUES ('Компьютер в сборе', '101340010', 1, 1.000, 71000.00, 310000, '110134310', '110434410', 2, 2, 9500.00, 4, 3, 1,
        1, @purchase_day, @purchase_day, 36);
SET @computer = LAST_INSERT_ID();
INSERT INTO spr_osn_sr (name, code, fil_id, kol, first_price, ekr, sch, sch_iz, kbk_deb, kbk_kred, iznos_all, mol, prd,
                        vrasx, nach_izn, d_post, d_ekspl, norm_izn)
VALUES ('Проектор мультимедийный', '101340011', 1, 1.000, 64200.00, 310000, '110134310', '110434410', 2, 2, 0.00, 3, 1,
        1, 1, NULL, NULL, 60);

-- The purchase of the cabinet and the computer.
SET @doc = (SELECT last_id FROM system_doc_counter WHERE id = 1) + 1;
SET @cell = CHAR(2);
INSERT INTO ledmark_os_pokup (id, number, d, kred, sb1, sb2, sb3, kbk_kred, prim, icn, s, grid, b106, b501, bnds, nds,
                              nds_st, fil_id, sfp_id, m0, d0)
VALUES (@doc, '1', @purchase_day, '130219730', @supplier, NULL, @contract, 2, 'По договору 14-ОТ', 'Покупка ОС',
        89400.00,
        CONCAT(CONCAT_WS(@cell, @cabinet, 'Шкаф для документов', '1', '18400.00', '310000', ''), CHAR(1),
               CONCAT_WS(@cell, @computer, 'Компьютер в сборе', '1', '71000.00', '310000', '140101180'), CHAR(1),
               CONCAT_WS(@cell, '', '', '', '', '', '')),
        1, 1, 0, NULL, 0, 1, 0, 1, NOW());

CREATE TEMPORARY TABLE demo_os (npp INT, card INT, s DECIMAL(18,2));
INSERT INTO demo_os (npp, card, s) VALUES (0, @cabinet, 18400.00), (3, @computer, 71000.00);

-- Per asset: 106.01 from the supplier, the asset from 106.01, the pair of the
-- obligation under the contract.
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, kbk_deb, kred0, kred1, kred2, kred3, kred_sb1,
                              kred_sb2, kred_sb3, kbk_kred, s, fil_id)
SELECT @doc, o.npp + 1, @purchase_day, '1', '106', '01', '310', 2, '1', '302', '19', '730', @supplier, '310000',
       @contract, 2, o.s, 1
FROM demo_os o;
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, deb_sb3, kbk_deb, kred0, kred1,
                              kred2, kred3, kbk_kred, kol, s, fil_id)
SELECT @doc, o.npp + 2, @purchase_day, LEFT(c.sch, 1), SUBSTRING(c.sch, 2, 3), SUBSTRING(c.sch, 5, 2), RIGHT(c.sch, 3),
       c.id, c.mol, c.prd, c.kbk_deb, '1', '106', '01', '410', 2, 1, o.s, 1
FROM demo_os o JOIN spr_osn_sr c ON c.id = o.card;
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, kbk_deb, kred0, kred1, kred2,
                              kred3, kred_sb1, kred_sb2, kred_sb3, kbk_kred, s, fil_id)
SELECT @doc, o.npp + 3, @purchase_day, '1', '501', '03', '310', '310000', c.prd, c.kbk_deb, '1', '502', '01', '310',
       '310000', @contract, c.prd, 2, o.s, 1
FROM demo_os o JOIN spr_osn_sr c ON c.id = o.card;
-- The computer's depreciation at its former holder.
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, kbk_deb, kred0, kred1, kred2, kred3, kred_sb1,
                              kbk_kred, s, prim, fil_id)
VALUES (@doc, 7, @purchase_day, '1', '401', '01', '180', 2, '1', '104', '34', '410', @computer, 2, 9500.00,
        'первоначальная амортизация', 1);
DROP TEMPORARY TABLE demo_os;
UPDATE system_doc_counter SET last_id = GREATEST(last_id, @doc) WHERE id = 1;

-- The agreements of full material liability of the storekeeper and the caretaker.
INSERT INTO ledmark_dog_mat_otv (number, d, tn, icn, job, txt, prim, fil_id)
SELECT '1', MAKEDATE(@y, 9), t.tn, CONCAT_WS(' ', t.f, t.i, t.o), 'Кладовщик пищеблока',
       'с хранением, обработкой, продажей (отпуском), перевозкой или применением в процессе производства переданных ему ценностей',
       '', 1
FROM tn t WHERE t.tn = 4;
INSERT INTO ledmark_dog_mat_otv (number, d, tn, icn, job, txt, prim, fil_id)
SELECT '2', MAKEDATE(@y, 9), t.tn, CONCAT_WS(' ', t.f, t.i, t.o), 'Заведующий хозяйством',
       'с хранением, обработкой, продажей (отпуском), перевозкой или применением в процессе производства переданных ему ценностей',
       'Включая имущество пищеблока', 1
FROM tn t WHERE t.tn = 3;
