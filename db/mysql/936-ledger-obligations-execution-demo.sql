-- Demo year of the execution of monetary obligations, from January to today:
-- the assignments for the year by KBK and economic code, the suppliers'
-- invoices month by month (food by both sources, communication services), the
-- repair of the kitchen invoiced once, each invoice paid by a bank payment
-- document with its payment order on the 25th, cash drawn for other services
-- (obligations not subject to registration), the breakdown of the repair
-- contract and a folder of supply contracts. Document ids follow the counter.

SET @y = YEAR(CURDATE());
SET @doc = (SELECT last_id FROM system_doc_counter WHERE id = 1);
SET @npp = (SELECT COALESCE(MAX(npp), 0) FROM plpor);
SET @row = CONVERT(CHAR(1) USING utf8mb4) COLLATE utf8mb4_unicode_ci;
SET @cell = CONVERT(CHAR(2) USING utf8mb4) COLLATE utf8mb4_unicode_ci;

-- Assignments for the year: source, KBK, economic code, amount.
CREATE TEMPORARY TABLE demo_exec_assig (src INT, kbk INT, ekr INT, amount DECIMAL(18,2));
INSERT INTO demo_exec_assig VALUES
  (1, 2, 221000, 36000.00), (1, 2, 225000, 150000.00), (1, 2, 226000, 72000.00), (1, 2, 340000, 480000.00),
  (2, 4, 226000, 36000.00), (2, 4, 340000, 120000.00);

INSERT INTO ledmark_oper_by_hand (id, d, number, s, prim, fil_id, m0, d0)
SELECT @doc + 1, MAKEDATE(@y, 1), 'БА-1', SUM(amount), 'Бюджетные ассигнования на год по КБК', 1, 1, NOW()
FROM demo_exec_assig;
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, kbk_deb, kred0, kred1, kred2, kred3,
                              kred_sb1, kbk_kred, s, prim, fil_id)
SELECT @doc + 1, ROW_NUMBER() OVER (ORDER BY a.src, a.kbk, a.ekr), MAKEDATE(@y, 1), a.src, '503', '01',
       LEFT(a.ekr, 3), a.ekr, a.kbk, a.src, '501', '01', LEFT(a.ekr, 3), a.ekr, a.kbk, a.amount,
       'Бюджетные ассигнования на год', 1
FROM demo_exec_assig a;

-- The suppliers' lines invoiced every month: counterparty, contract, code,
-- settlement account (302.xx), source, KBK, monthly amount.
CREATE TEMPORARY TABLE demo_exec_lines (n INT, contr INT, org INT, dogovor INT, ekr INT, acc CHAR(2), src INT, kbk INT,
                                        monthly DECIMAL(18,2), prim VARCHAR(100));
INSERT INTO demo_exec_lines VALUES
  (1, 1, 1, 2, 340000, '34', 1, 2, 40000.00, 'Продукты питания'),
  (2, 3, 3, 4, 221000, '21', 1, 2, 3000.00, 'Услуги связи'),
  (3, 1, 1, 2, 340000, '34', 2, 4, 10000.00, 'Продукты питания (платные услуги)');

-- One invoice of each line on the 5th and its payment on the 25th, both up to today.
CREATE TEMPORARY TABLE demo_exec_docs (inv INT, bank INT, npp INT, n INT, m INT, d_inv DATE, d_pay DATE);
INSERT INTO demo_exec_docs
SELECT @doc + 10 + 3 * (s.seq - 1) + l.n, @doc + 50 + 3 * (s.seq - 1) + l.n, @npp + 3 * (s.seq - 1) + l.n, l.n,
       s.seq, DATE(CONCAT(@y, '-', s.seq, '-05')), DATE(CONCAT(@y, '-', s.seq, '-25'))
FROM seq_1_to_12 s CROSS JOIN demo_exec_lines l
WHERE DATE(CONCAT(@y, '-', s.seq, '-05')) <= CURDATE();

-- The repair of the kitchen: invoiced on 1 July, paid 100,000 of 150,000 on 10 July.
-- Its ids follow the monthly ones (invoices @doc+11..46, payments @doc+51..86),
-- so no two documents share an id and with it their postings.
INSERT INTO demo_exec_lines VALUES (4, 4, 4, 5, 225000, '25', 1, 2, 150000.00, 'Ремонт пищеблока');
INSERT INTO demo_exec_docs
SELECT @doc + 47, @doc + 96, @npp + 40, 4, 7, DATE(CONCAT(@y, '-07-01')), DATE(CONCAT(@y, '-07-10'))
FROM DUAL WHERE DATE(CONCAT(@y, '-07-01')) <= CURDATE();

INSERT INTO ledmark_oper_by_hand (id, d, number, s, prim, fil_id, m0, d0)
SELECT d.inv, d.d_inv, CONCAT('СФ-', d.m, '/', d.n), l.monthly, CONCAT('Счет-фактура: ', l.prim), 1, 1, NOW()
FROM demo_exec_docs d JOIN demo_exec_lines l ON l.n = d.n;
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, kbk_deb, kred0, kred1, kred2, kred3,
                              kred_sb1, kred_sb2, kred_sb3, kbk_kred, s, prim, fil_id)
SELECT d.inv, 1, d.d_inv, l.src, '401', '20', LEFT(l.ekr, 3), l.ekr, l.kbk, l.src, '302', l.acc, '730', l.contr,
       l.ekr, l.dogovor, l.kbk, l.monthly, CONCAT('Принято обязательство: ', l.prim), 1
FROM demo_exec_docs d JOIN demo_exec_lines l ON l.n = d.n;

-- The payments: a payment order the day before, the bank payment document
-- of one row (economic code, debit account, counterparty, code, contract,
-- sum, wording, payment order, KBK of both sides, quantity, kind of
-- activity) and its posting against the personal account.
INSERT INTO plpor (npp, d, number, s, org)
SELECT d.npp, d.d_pay - INTERVAL 1 DAY, CAST(300 + d.npp - @npp AS CHAR), IF(l.n = 4, 100000.00, l.monthly), l.org
FROM demo_exec_docs d JOIN demo_exec_lines l ON l.n = d.n
WHERE d.d_pay <= CURDATE();
INSERT INTO ledmark_bank_spis (id, number, d, prim, icn, grid, b501, s, kred, kbk_deb, kbk_kred, fil_id, m0, d0)
SELECT d.bank, CAST(d.bank - @doc AS CHAR), d.d_pay, CONCAT('Оплата: ', l.prim), c.name,
       CONCAT(CONCAT_WS(@cell, l.ekr, CONCAT(l.src, '302', l.acc, '830'), l.contr, l.ekr, l.dogovor,
                        IF(l.n = 4, 100000.00, l.monthly), CONCAT('Оплата: ', l.prim), d.npp, l.kbk, l.kbk, '', l.src),
              @row, REPEAT(@cell, 11)),
       0, IF(l.n = 4, 100000.00, l.monthly), CONCAT(l.src, '30405000'), l.kbk, l.kbk, 1, 1, NOW()
FROM demo_exec_docs d JOIN demo_exec_lines l ON l.n = d.n JOIN spr_contr c ON c.id = l.contr
WHERE d.d_pay <= CURDATE();
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, deb_sb3, kbk_deb, kred0, kred1,
                              kred2, kred3, kred_sb1, kbk_kred, s, prim, fil_id)
SELECT d.bank, 1, d.d_pay, l.src, '302', l.acc, '830', l.contr, l.ekr, l.dogovor, l.kbk, l.src, '304', '05',
       LEFT(l.ekr, 3), l.ekr, l.kbk, IF(l.n = 4, 100000.00, l.monthly), CONCAT('Оплачено поставщику: ', l.prim), 1
FROM demo_exec_docs d JOIN demo_exec_lines l ON l.n = d.n
WHERE d.d_pay <= CURDATE();

-- Cash drawn from the personal account for other services on the 12th.
INSERT INTO ledmark_oper_by_hand (id, d, number, s, prim, fil_id, m0, d0)
SELECT @doc + 100 + s.seq, DATE(CONCAT(@y, '-', s.seq, '-12')), CONCAT('ЧК-', s.seq), 2000.00,
       'Получены наличные денежные средства', 1, 1, NOW()
FROM seq_1_to_12 s WHERE DATE(CONCAT(@y, '-', s.seq, '-12')) <= CURDATE();
INSERT INTO ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, kred0, kred1, kred2, kred3, kred_sb1, kbk_deb,
                              kbk_kred, s, prim, fil_id)
SELECT @doc + 100 + s.seq, 1, DATE(CONCAT(@y, '-', s.seq, '-12')), '1', '201', '04', '510', '1', '304', '05', '226',
       '226000', 2, 2, 2000.00, 'Получены наличные денежные средства', 1
FROM seq_1_to_12 s WHERE DATE(CONCAT(@y, '-', s.seq, '-12')) <= CURDATE();

-- The breakdown of the repair contract: June to August, budget, KBK 2.
INSERT INTO ledmark_budg_rassh (id, number, d, dogovor, icn, prim, s, grid, fil_id, m0, d0) VALUES
  (0, '3', MAKEDATE(@y, 1), 5, 'Ремонт пищеблока, ИП Соколов И.Н.', NULL, 150000.00,
   CONCAT(CONCAT_WS(@cell, '225000', '', '', '', '', '', '50000.00', '50000.00', '50000.00', '', '', '', '', '1', '2'),
          @row, REPEAT(@cell, 14)), 1, 1, NOW());

-- A folder of the contracts book.
INSERT INTO spr_dogovora (name, org, bFolder) VALUES ('Договоры поставки', NULL, 1);

UPDATE system_doc_counter SET last_id = GREATEST(last_id, @doc + 112) WHERE id = 1;

DROP TEMPORARY TABLE demo_exec_assig, demo_exec_lines, demo_exec_docs;
