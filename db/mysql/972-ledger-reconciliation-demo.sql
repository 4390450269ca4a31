-- Settlements for the act of reconciliation and the off-balance statement in
-- the current year: the food supplier (counterparty 1) is paid an advance on
-- 206, which is set off against its delivery on 302; a receivable of the
-- supplier on 205 (a claim for short-delivered goods) is set against the
-- payable (205 to 302). The off-balance account 17 of receipts moves in the
-- second branch too.

SET @y = YEAR(CURDATE());
SET @doc = (SELECT last_id FROM system_doc_counter WHERE id = 1);

CREATE TEMPORARY TABLE rec_demo_lines (
  k INT NOT NULL PRIMARY KEY, d DATE NOT NULL, fil INT NOT NULL,
  deb VARCHAR(9) NOT NULL, dsb1 VARCHAR(30) NULL, kred VARCHAR(9) NULL, ksb1 VARCHAR(30) NULL,
  kbk INT NULL, s DECIMAL(18,2) NOT NULL, prim VARCHAR(250) NOT NULL);

INSERT INTO rec_demo_lines (k, d, fil, deb, dsb1, kred, ksb1, kbk, s, prim) VALUES
  (1, MAKEDATE(@y, 1) + INTERVAL 2 MONTH + INTERVAL 2 DAY, 1, '120634560', '1', '120111610', NULL, 1, 12000.00,
   'Перечислен аванс за продукты питания'),
  (2, MAKEDATE(@y, 1) + INTERVAL 2 MONTH + INTERVAL 9 DAY, 1, '110532340', NULL, '130234730', '1', 1, 15000.00,
   'Поступили продукты питания по накладной'),
  (3, MAKEDATE(@y, 1) + INTERVAL 2 MONTH + INTERVAL 9 DAY, 1, '130234830', '1', '120634660', '1', 1, 12000.00,
   'Зачтен аванс за продукты питания'),
  (4, MAKEDATE(@y, 1) + INTERVAL 2 MONTH + INTERVAL 15 DAY, 1, '120531560', '1', '140101180', NULL, 1, 500.00,
   'Предъявлена претензия за недопоставку'),
  (5, MAKEDATE(@y, 1) + INTERVAL 2 MONTH + INTERVAL 16 DAY, 1, '130234830', '1', '120531660', '1', 1, 500.00,
   'Претензия зачтена в счет оплаты'),
  (6, MAKEDATE(@y, 1) + INTERVAL 2 MONTH + INTERVAL 20 DAY, 1, '130234830', '1', '120111610', NULL, 1, 2500.00,
   'Оплачены продукты питания поставщику'),
  (7, MAKEDATE(@y, 1) + INTERVAL 3 DAY, 2, '101700000', '130000', NULL, NULL, 1, 70000.00,
   'Поступления на лицевой счет'),
  (8, MAKEDATE(@y, 1) + INTERVAL 1 MONTH + INTERVAL 3 DAY, 2, '101700000', '130000', NULL, NULL, 1, 70000.00,
   'Поступления на лицевой счет');

INSERT INTO ledmark_oper_by_hand (id, d, number, s, prim, fil_id, m0, d0)
SELECT @doc + k, d, CONCAT('С-', k), s, prim, fil, 1, NOW() FROM rec_demo_lines;

INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, kbk_deb,
                              kred0, kred1, kred2, kred3, kred_sb1, kbk_kred, s, prim, fil_id)
SELECT @doc + k, 1, d, SUBSTRING(deb, 1, 1), SUBSTRING(deb, 2, 3), SUBSTRING(deb, 5, 2), SUBSTRING(deb, 7, 3), dsb1, kbk,
       SUBSTRING(kred, 1, 1), SUBSTRING(kred, 2, 3), SUBSTRING(kred, 5, 2), SUBSTRING(kred, 7, 3), ksb1,
       CASE WHEN kred IS NULL THEN NULL ELSE kbk END, s, prim, fil
FROM rec_demo_lines;

DROP TEMPORARY TABLE rec_demo_lines;

UPDATE system_doc_counter SET last_id = GREATEST(last_id, @doc + 8) WHERE id = 1;
