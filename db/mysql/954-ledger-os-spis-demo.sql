-- Demo rows of the write-off of fixed assets: four cards of the first branch
-- with their value on 101 and accumulated depreciation on 104 taken on at the
-- start of the year (a bookcase partly depreciated and a shelving unit of
-- three wholly depreciated, still on the books; a television and ten
-- children's beds wholly depreciated and written off), the economic code the
-- write-off proposes, and two stored write-offs: the television disposed of
-- and the beds moved onto the off-balance account 021, whose third dimension
-- is the source of financing. Document ids follow the counter.
SET @y = YEAR(CURDATE());
SET @doc = (SELECT last_id FROM system_doc_counter WHERE id = 1);
SET @year_start = MAKEDATE(@y, 1);
SET @spis_day = LEAST(CURDATE(), MAKEDATE(@y, 25));

INSERT IGNORE INTO spr_ekr (id, name) VALUES (311000, 'Выбытие основных средств');

INSERT INTO spr_osn_sr (id, name, code, fil_id, kol, first_price, ekr, sch, sch_old, sch_iz, kbk_deb, kbk_kred,
                        iznos_all, mol, prd, vrasx, nach_izn, d_post, d_ekspl, norm_izn)
VALUES
  (101, 'Шкаф книжный', '101360101', 1, 1.000, 12000.00, 310000, '110136310', NULL, '110436410', 2, 2,
   0.00, 4, 1, 1, 0, MAKEDATE(@y - 4, 90), MAKEDATE(@y - 4, 90), 84),
  (102, 'Стеллаж металлический', '101360102', 1, 3.000, 9000.00, 310000, '110136310', NULL, '110436410', 2, 2,
   0.00, 4, 2, 1, 0, MAKEDATE(@y - 8, 45), MAKEDATE(@y - 8, 45), 60),
  (103, 'Телевизор', '101340103', 1, 1.000, 25000.00, 310000, '110134310', NULL, '110434410', 2, 2,
   0.00, 4, 3, 1, 0, MAKEDATE(@y - 9, 200), MAKEDATE(@y - 9, 200), 60),
  (104, 'Кровати детские', '101360104', 1, 10.000, 30000.00, 310000, '110136310', NULL, '110436410', 2, 2,
   0.00, 4, 3, 1, 0, MAKEDATE(@y - 10, 30), MAKEDATE(@y - 10, 30), 60);

-- Opening balances of the year: accumulated depreciation on 104 by card. The
-- value and quantity on 101 by card, responsible person and department of the
-- three cards still on the books at the start of the year are posted with the
-- branch's other cards by the opening balances of fixed assets
-- (958-ledger-depreciation-demo.sql); posted here too they would stand twice.
-- The beds, off balance by then, are posted here.
CREATE TEMPORARY TABLE demo_os (card INT, sch CHAR(9), sch_iz CHAR(9), kol DECIMAL(18,3), s DECIMAL(18,2),
                                iznos DECIMAL(18,2));
INSERT INTO demo_os (card, sch, sch_iz, kol, s, iznos) VALUES
  (101, '110136310', '110436410', 1, 12000.00, 7000.00),
  (102, '110136310', '110436410', 3, 9000.00, 9000.00),
  (103, '110134310', '110434410', 1, 25000.00, 25000.00),
  (104, '110136310', '110436410', 10, 30000.00, 30000.00);
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, deb_sb3, kbk_deb, kred0, kred1,
                              kred2, kred3, kol, s, fil_id)
SELECT @doc + 1, ROW_NUMBER() OVER (ORDER BY o.card), @year_start, SUBSTRING(o.sch, 1, 1), SUBSTRING(o.sch, 2, 3),
       SUBSTRING(o.sch, 5, 2), SUBSTRING(o.sch, 7, 3), c.id, c.mol, c.prd, 2, '1', '000', '00', '000', o.kol, o.s, 1
FROM demo_os o JOIN spr_osn_sr c ON c.id = o.card
WHERE o.card = 104;
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, kred0, kred1, kred2, kred3, kred_sb1, kbk_kred, s,
                              fil_id)
SELECT @doc + 1, 10 + ROW_NUMBER() OVER (ORDER BY o.card), @year_start, '1', '000', '00', '000',
       SUBSTRING(o.sch_iz, 1, 1), SUBSTRING(o.sch_iz, 2, 3), SUBSTRING(o.sch_iz, 5, 2), SUBSTRING(o.sch_iz, 7, 3),
       o.card, 2, o.iznos, 1
FROM demo_os o;
DROP TEMPORARY TABLE demo_os;

-- The television written off for disposal: its whole depreciation against
-- its value, nothing residual.
INSERT INTO ledmark_os_spis (id, number, d, deb, kbk_deb, ekr, zab, prim, prich, prik, icn, s, fil_id, m0, d0, grid)
VALUES (@doc + 2, '1', @spis_day, '140101172', 2, 311000, NULL, 'Списание ОС', 'По ветхости',
        'Приказ № 3 от 20.01', '', 25000.00, 1, 1, NOW(),
        CONCAT('103', CHAR(2 USING utf8mb4), 'Телевизор', CHAR(2 USING utf8mb4), '1', CHAR(1 USING utf8mb4), '', CHAR(2 USING utf8mb4), '', CHAR(2 USING utf8mb4), ''));
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, kbk_deb, kred0, kred1, kred2, kred3,
                              kred_sb1, kred_sb2, kred_sb3, kbk_kred, kol, s, fil_id)
VALUES (@doc + 2, 1, @spis_day, '1', '104', '34', '410', '103', 2, '1', '101', '34', '310', '103', '4', '3', 2, 1,
        25000.00, 1);
UPDATE spr_osn_sr SET d_vybit = @spis_day, no_vybit = '1', PrichVyb = 'По ветхости' WHERE id = 103;

-- The beds moved off balance: their depreciation against their value, then
-- the one-sided posting of 021 by card, responsible person and source.
INSERT INTO ledmark_os_spis (id, number, d, deb, kbk_deb, ekr, zab, prim, prich, prik, icn, s, fil_id, m0, d0, grid)
VALUES (@doc + 3, '2', @spis_day, '140101172', 2, 311000, '102100000', 'Списание ОС', 'По ветхости',
        'Приказ № 3 от 20.01', 'В эксплуатации в группе', 30000.00, 1, 1, NOW(),
        CONCAT('104', CHAR(2 USING utf8mb4), 'Кровати детские', CHAR(2 USING utf8mb4), '10', CHAR(1 USING utf8mb4), '', CHAR(2 USING utf8mb4), '', CHAR(2 USING utf8mb4), ''));
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, kbk_deb, kred0, kred1, kred2, kred3,
                              kred_sb1, kred_sb2, kred_sb3, kbk_kred, kol, s, fil_id)
VALUES (@doc + 3, 1, @spis_day, '1', '104', '36', '410', '104', 2, '1', '101', '36', '310', '104', '4', '3', 2, 10,
        30000.00, 1);
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, deb_sb3, kbk_deb, kol, s, fil_id)
VALUES (@doc + 3, 2, @spis_day, '1', '021', '00', '000', '104', '4', '1', 2, 10, 30000.00, 1);
UPDATE spr_osn_sr SET sch = '102100000', sch_old = '110136310' WHERE id = 104;

UPDATE system_doc_counter SET last_id = GREATEST(last_id, @doc + 3) WHERE id = 1;
