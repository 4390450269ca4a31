-- The general ledger's own tables and its reference books: the chart of accounts,
-- sources of financing, branches, budget classification, economic codes, personal
-- accounts, organisations, counterparties, contracts, departments, units and stock
-- items, journals of operations, typical operation wordings and the postings.
-- Loaded after the shell's files; demo rows are in 910-ledger-demo.sql.

-- Sources of financing. 0 is not a row: it stands for "all sources" in balances.
CREATE TABLE spr_if (
  id INT NOT NULL PRIMARY KEY,
  name VARCHAR(100) NOT NULL
);

-- Chart of accounts. Rows with col0 = 0 carry the names of the synthetic accounts
-- (col2 '00', col3 '000'), analytic accounts (col3 '000') and KOSGU codes; rows with
-- col0 = 1..4 are the accounts that may be posted under that source.
--   sb1..sb3  reference-book number of analytic dimension 1..3 (0 = none)
--   tp        side on which the row may be used: 1 debit, 2 credit, 3 both
--   kol       1 = the account is kept in quantities too
--   zab       '+' = off-balance account
--   ap        kind of account: 'А' active, 'П' passive, 'АП' active-passive
CREATE TABLE spr_plan_sch (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  col0 INT NOT NULL,
  col1 CHAR(3) NOT NULL,
  col2 CHAR(2) NULL,
  col3 CHAR(3) NULL,
  name VARCHAR(250) NOT NULL,
  sb1 INT NOT NULL DEFAULT 0,
  sb2 INT NOT NULL DEFAULT 0,
  sb3 INT NOT NULL DEFAULT 0,
  tp INT NOT NULL DEFAULT 3,
  kol INT NOT NULL DEFAULT 0,
  zab CHAR(1) NULL,
  ap VARCHAR(2) NULL,
  UNIQUE KEY spr_plan_sch_code (col0, col1, col2, col3),
  KEY spr_plan_sch_sint (col1, col2, col3)
);

-- Branches of the institution. The head institution itself has no row; its name
-- is the database constant ORG_NAME.
CREATE TABLE spr_fil (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  name VARCHAR(250) NULL,
  ruk VARCHAR(250) NULL,
  ruk_s VARCHAR(100) NULL,
  rukdol VARCHAR(250) NULL,
  adres VARCHAR(250) NULL,
  KOD_BP_PAY VARCHAR(20) NULL
);

-- Budget classification codes. fil_id is one branch id or several separated by
-- commas ("3" or "1,3,5"); isf is the source of financing; def marks the default
-- code of its branches and source.
CREATE TABLE spr_kbk (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  rasx VARCHAR(30) NOT NULL,
  name VARCHAR(250) NULL,
  fil_id VARCHAR(100) NULL,
  isf INT NULL,
  def INT NOT NULL DEFAULT 0,
  dt_del DATE NULL
);

-- Economic classification of expenses: the code's first three digits are its KOSGU.
CREATE TABLE spr_ekr (
  id INT NOT NULL PRIMARY KEY,
  name VARCHAR(250) NOT NULL,
  dt_del DATE NULL
);

-- Personal accounts of the institution in the treasury and in banks.
CREATE TABLE spr_ls (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  number VARCHAR(30) NOT NULL,
  name VARCHAR(250) NULL,
  fil_id INT NOT NULL DEFAULT 1,
  isf INT NULL,
  def INT NOT NULL DEFAULT 0
);

CREATE TABLE spr_org (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  name VARCHAR(250) NOT NULL,
  inn VARCHAR(12) NULL,
  kpp VARCHAR(9) NULL,
  adres VARCHAR(250) NULL,
  dt_del DATE NULL
);

-- Counterparties: tip 0 an organisation (id_tip = spr_org.id), 2 an employee
-- (id_tip = personnel number), 3 a child (id_tip = spr_deti.id).
CREATE TABLE spr_contr (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  name VARCHAR(250) NOT NULL,
  tip INT NOT NULL DEFAULT 0,
  id_tip INT NULL,
  KEY spr_contr_tip (tip, id_tip)
);

-- Contracts with organisations; d is the date of the contract, sd the last day it
-- is in force (null: no end).
CREATE TABLE spr_dogovora (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  name VARCHAR(250) NOT NULL,
  org INT NULL,
  rn VARCHAR(30) NULL,
  number VARCHAR(30) NULL,
  d DATE NULL,
  sd DATE NULL,
  s DECIMAL(18,2) NULL,
  bFolder INT NOT NULL DEFAULT 0,
  dt_del DATE NULL,
  KEY spr_dogovora_org (org, d)
);

-- Departments (divisions) of the branches.
CREATE TABLE spr_prd (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  name VARCHAR(250) NOT NULL,
  fil_id INT NOT NULL DEFAULT 1,
  dt_del DATE NULL
);

CREATE TABLE spr_ei (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  name VARCHAR(50) NOT NULL
);

-- Stock items (shared with the warehouse): unit ei, group gr, economic code ekr,
-- account sch of the item.
CREATE TABLE spr_stovan_mat (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  name VARCHAR(250) NOT NULL,
  ei INT NULL,
  gr INT NULL,
  ekr INT NULL,
  sch VARCHAR(9) NULL,
  dt_del DATE NULL
);

-- Journals of operations and the account masks that belong to each.
CREATE TABLE spr_jrn_oper (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  num VARCHAR(10) NOT NULL,
  name VARCHAR(250) NOT NULL,
  sb INT NOT NULL DEFAULT 0
);

CREATE TABLE spr_jrn_oper1 (
  real_id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL,
  col1 CHAR(3) NOT NULL,
  col2 CHAR(2) NULL,
  col3 CHAR(3) NULL,
  KEY spr_jrn_oper1_id (id)
);

-- Typical wordings of operations, offered as the content of a posting by its
-- debit and credit accounts (synthetic account, or synthetic and analytic).
CREATE TABLE spr_so (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  deb VARCHAR(5) NOT NULL,
  kred VARCHAR(5) NOT NULL,
  name VARCHAR(250) NOT NULL
);

-- Postings: one row per posting line of a document. id is the document id shared
-- with the document's header row, npp the line number from 1. An account side is
-- source (1) + synthetic (3) + analytic (2) + KOSGU (3); an absent side is null.
CREATE TABLE ledmark_provodki (
  real_id BIGINT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL,
  npp INT NOT NULL,
  d DATE NOT NULL,
  deb0 CHAR(1) NULL,
  deb1 CHAR(3) NULL,
  deb2 CHAR(2) NULL,
  deb3 CHAR(3) NULL,
  deb_sb1 VARCHAR(30) NULL,
  deb_sb2 VARCHAR(30) NULL,
  deb_sb3 VARCHAR(30) NULL,
  kbk_deb INT NULL,
  kred0 CHAR(1) NULL,
  kred1 CHAR(3) NULL,
  kred2 CHAR(2) NULL,
  kred3 CHAR(3) NULL,
  kred_sb1 VARCHAR(30) NULL,
  kred_sb2 VARCHAR(30) NULL,
  kred_sb3 VARCHAR(30) NULL,
  kbk_kred INT NULL,
  kol DECIMAL(18,3) NULL,
  s DECIMAL(18,2) NOT NULL DEFAULT 0,
  prim VARCHAR(500) NULL,
  fil_id INT NOT NULL DEFAULT 1,
  -- The journal lists a period in the order of dates, documents and lines and
  -- reads the screen it shows by that key, so its last screen costs the same
  -- over any number of postings; documents are replaced by id. Balances and
  -- turnovers read one index range per account side (synthetic, analytic, source,
  -- KOSGU, then the date); the journal filtered by an account reads the same
  -- range in its own order (date, document, line follow the account). The index
  -- also holds the amount, quantity, branch, KBK and first analytic value, so a
  -- year of postings is summed without reading rows.
  KEY ledmark_provodki_order (d, id, npp),
  KEY ledmark_provodki_id (id, npp),
  KEY ledmark_provodki_deb (deb1, deb2, deb0, deb3, d, id, npp, s, kol, fil_id, kbk_deb, deb_sb1),
  KEY ledmark_provodki_kred (kred1, kred2, kred0, kred3, d, id, npp, s, kol, fil_id, kbk_kred, kred_sb1)
);

-- ---------------------------------------------------------------------------
-- Reference data every database needs.

INSERT INTO spr_if (id, name) VALUES
  (1, 'Бюджет'), (2, 'Платный'), (3, 'ЦС и БП'), (4, 'Целевые');

INSERT INTO spr_ei (id, name) VALUES
  (1, 'шт'), (2, 'кг'), (3, 'л'), (4, 'м'), (5, 'упак'), (6, 'компл'), (7, 'пачка');

INSERT INTO spr_ekr (id, name) VALUES
  (130000, 'Доходы от оказания платных услуг (работ)'),
  (180000, 'Прочие доходы'),
  (211000, 'Заработная плата'),
  (212000, 'Прочие выплаты'),
  (213000, 'Начисления на выплаты по оплате труда'),
  (221000, 'Услуги связи'),
  (222000, 'Транспортные услуги'),
  (223000, 'Коммунальные услуги'),
  (225000, 'Работы, услуги по содержанию имущества'),
  (226000, 'Прочие работы, услуги'),
  (226001, 'Прочие работы, услуги: подписка на периодические издания'),
  (290000, 'Прочие расходы'),
  (310000, 'Увеличение стоимости основных средств'),
  (340000, 'Увеличение стоимости материальных запасов');

-- The chart is written once as its synthetic and analytic accounts with their
-- KOSGU codes, then spread over the sources of financing.
-- Reference-book numbers of the analytic dimensions (the configuration's
-- reference-book classes): 3 economic codes (spr_ekr), 4 counterparties
-- (spr_contr), 5 contracts (spr_dogovora), 8 departments (spr_prd), 11 employees
-- (tn), 13 stock items (spr_stovan_mat), 21 personal accounts (spr_ls).
CREATE TEMPORARY TABLE chart_acc (
  col1 CHAR(3), col2 CHAR(2), name VARCHAR(250),
  sb1 INT, sb2 INT, sb3 INT, kol INT, zab CHAR(1), ap VARCHAR(2), kosgu VARCHAR(100)
);
CREATE TEMPORARY TABLE chart_kosgu (code CHAR(3), name VARCHAR(250), tp INT);

INSERT INTO chart_kosgu (code, name, tp) VALUES
  ('130', 'Доходы от оказания платных услуг (работ)', 3),
  ('180', 'Прочие доходы', 3),
  ('211', 'Заработная плата', 3),
  ('212', 'Прочие выплаты', 3),
  ('213', 'Начисления на выплаты по оплате труда', 3),
  ('221', 'Услуги связи', 3),
  ('222', 'Транспортные услуги', 3),
  ('223', 'Коммунальные услуги', 3),
  ('225', 'Работы, услуги по содержанию имущества', 3),
  ('226', 'Прочие работы, услуги', 3),
  ('271', 'Расходы на амортизацию основных средств', 3),
  ('272', 'Расходование материальных запасов', 3),
  ('290', 'Прочие расходы', 3),
  ('310', 'Увеличение стоимости основных средств', 3),
  ('340', 'Увеличение стоимости материальных запасов', 1),
  ('440', 'Уменьшение стоимости материальных запасов', 2),
  ('510', 'Поступление денежных средств', 1),
  ('610', 'Выбытие денежных средств', 2),
  ('560', 'Увеличение дебиторской задолженности', 1),
  ('660', 'Уменьшение дебиторской задолженности', 2),
  ('730', 'Увеличение кредиторской задолженности', 2),
  ('830', 'Уменьшение кредиторской задолженности', 1);

-- Synthetic accounts (col2 '00'); where all its analytic accounts share their
-- dimensions the synthetic row carries them too, so a balance of the whole
-- synthetic account can be asked by analytic value. An account without analytic
-- accounts, such as an off-balance one, is posted on this row itself (kosgu '000').
INSERT INTO chart_acc (col1, col2, name, sb1, sb2, sb3, kol, zab, ap, kosgu) VALUES
  ('105', '00', 'Материальные запасы', 13, 11, 0, 1, NULL, 'А', NULL),
  ('106', '00', 'Вложения в нефинансовые активы', 0, 0, 0, 0, NULL, 'А', NULL),
  ('201', '00', 'Денежные средства учреждения', 0, 0, 0, 0, NULL, 'А', NULL),
  ('206', '00', 'Расчеты по выданным авансам', 4, 3, 5, 0, NULL, 'А', NULL),
  ('208', '00', 'Расчеты с подотчетными лицами', 11, 3, 0, 0, NULL, 'А', NULL),
  ('210', '00', 'Прочие расчеты с дебиторами', 0, 0, 0, 0, NULL, 'А', NULL),
  ('302', '00', 'Расчеты по принятым обязательствам', 4, 3, 5, 0, NULL, 'П', NULL),
  ('303', '00', 'Расчеты по платежам в бюджеты', 0, 0, 0, 0, NULL, 'П', NULL),
  ('304', '00', 'Прочие расчеты с кредиторами', 0, 0, 0, 0, NULL, 'П', NULL),
  ('401', '00', 'Финансовый результат', 0, 0, 0, 0, NULL, 'АП', NULL),
  ('501', '00', 'Лимиты бюджетных обязательств', 0, 0, 0, 0, NULL, 'АП', NULL),
  ('502', '00', 'Обязательства', 0, 0, 0, 0, NULL, 'АП', NULL),
  ('503', '00', 'Бюджетные ассигнования', 0, 0, 0, 0, NULL, 'АП', NULL),
  ('504', '00', 'Сметные (плановые, прогнозные) назначения', 0, 0, 0, 0, NULL, 'АП', NULL),
  ('003', '00', 'Бланки строгой отчетности', 0, 0, 0, 1, '+', 'А', '000'),
  ('004', '00', 'Задолженность неплатежеспособных дебиторов', 4, 0, 0, 0, '+', 'А', '000'),
  ('017', '00', 'Поступления денежных средств на счета учреждения', 3, 0, 0, 0, '+', 'А', '000'),
  ('018', '00', 'Выбытия денежных средств со счетов учреждения', 3, 0, 0, 0, '+', 'А', '000');

-- Analytic accounts with their dimensions and the KOSGU codes they are posted with.
INSERT INTO chart_acc (col1, col2, name, sb1, sb2, sb3, kol, zab, ap, kosgu) VALUES
  ('105', '32', 'Продукты питания', 13, 11, 0, 1, NULL, 'А', '340,440'),
  ('105', '36', 'Прочие материальные запасы', 13, 11, 0, 1, NULL, 'А', '340,440'),
  ('106', '04', 'Вложения в материальные запасы', 0, 0, 0, 0, NULL, 'А', '340,440'),
  ('201', '11', 'Денежные средства учреждения на лицевых счетах в органе казначейства', 21, 0, 0, 0, NULL, 'А', '510,610'),
  ('201', '21', 'Денежные средства учреждения на счетах в кредитной организации', 21, 0, 0, 0, NULL, 'А', '510,610'),
  ('201', '34', 'Касса', 0, 0, 0, 0, NULL, 'А', '510,610'),
  ('201', '35', 'Денежные документы', 0, 0, 0, 0, NULL, 'А', '510,610'),
  ('206', '21', 'Расчеты по авансам по услугам связи', 4, 3, 5, 0, NULL, 'А', '560,660'),
  ('206', '23', 'Расчеты по авансам по коммунальным услугам', 4, 3, 5, 0, NULL, 'А', '560,660'),
  ('206', '26', 'Расчеты по авансам по прочим работам, услугам', 4, 3, 5, 0, NULL, 'А', '560,660'),
  ('206', '34', 'Расчеты по авансам по приобретению материальных запасов', 4, 3, 5, 0, NULL, 'А', '560,660'),
  ('208', '12', 'Расчеты с подотчетными лицами по прочим выплатам', 11, 3, 0, 0, NULL, 'А', '560,660'),
  ('208', '22', 'Расчеты с подотчетными лицами по оплате транспортных услуг', 11, 3, 0, 0, NULL, 'А', '560,660'),
  ('208', '26', 'Расчеты с подотчетными лицами по оплате прочих работ, услуг', 11, 3, 0, 0, NULL, 'А', '560,660'),
  ('208', '34', 'Расчеты с подотчетными лицами по приобретению материальных запасов', 11, 3, 0, 0, NULL, 'А', '560,660'),
  ('210', '02', 'Расчеты с финансовым органом по наличным денежным средствам', 0, 0, 0, 0, NULL, 'А', '130,560,660'),
  ('302', '11', 'Расчеты по заработной плате', 4, 3, 5, 0, NULL, 'П', '730,830'),
  ('302', '21', 'Расчеты по услугам связи', 4, 3, 5, 0, NULL, 'П', '730,830'),
  ('302', '22', 'Расчеты по транспортным услугам', 4, 3, 5, 0, NULL, 'П', '730,830'),
  ('302', '23', 'Расчеты по коммунальным услугам', 4, 3, 5, 0, NULL, 'П', '730,830'),
  ('302', '25', 'Расчеты по работам, услугам по содержанию имущества', 4, 3, 5, 0, NULL, 'П', '730,830'),
  ('302', '26', 'Расчеты по прочим работам, услугам', 4, 3, 5, 0, NULL, 'П', '730,830'),
  ('302', '34', 'Расчеты по приобретению материальных запасов', 4, 3, 5, 0, NULL, 'П', '730,830'),
  ('303', '01', 'Расчеты по налогу на доходы физических лиц', 0, 0, 0, 0, NULL, 'П', '730,830'),
  ('304', '05', 'Расчеты по платежам из бюджета с финансовым органом', 3, 0, 0, 0, NULL, 'П', '000'),
  ('401', '01', 'Доходы текущего финансового года', 0, 0, 0, 0, NULL, 'П', '130,180,271,272'),
  ('401', '02', 'Расходы текущего финансового года', 0, 0, 0, 0, NULL, 'А', '211,212,213,221,222,223,225,226,272,290'),
  ('401', '03', 'Финансовый результат прошлых отчетных периодов', 0, 0, 0, 0, NULL, 'АП', '000'),
  ('501', '03', 'Лимиты бюджетных обязательств получателей бюджетных средств', 3, 8, 0, 0, NULL, 'АП', '211,212,213,221,222,223,225,226,290,310,340'),
  ('502', '01', 'Принятые обязательства на текущий финансовый год', 3, 5, 8, 0, NULL, 'АП', '211,212,213,221,222,223,225,226,290,310,340'),
  ('503', '03', 'Бюджетные ассигнования получателей бюджетных средств', 3, 0, 0, 0, NULL, 'АП', '211,212,213,221,222,223,225,226,290,310,340'),
  ('504', '10', 'Сметные (плановые, прогнозные) назначения текущего финансового года', 3, 0, 0, 0, NULL, 'АП', '211,212,213,221,222,223,225,226,290,310,340');

-- Names of synthetic and analytic accounts (col0 = 0, col3 '000').
INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT 0, col1, col2, '000', name, sb1, sb2, sb3, 3, kol, zab, ap FROM chart_acc;

-- Names of the KOSGU codes of each analytic account (col0 = 0).
INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT 0, a.col1, a.col2, k.code, k.name, a.sb1, a.sb2, a.sb3, k.tp, a.kol, a.zab, a.ap
  FROM chart_acc a JOIN chart_kosgu k ON FIND_IN_SET(k.code, a.kosgu) > 0;

-- The accounts that may be posted, for every source of financing.
INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT i.id, a.col1, a.col2, k.code, k.name, a.sb1, a.sb2, a.sb3, k.tp, a.kol, a.zab, a.ap
  FROM chart_acc a JOIN chart_kosgu k ON FIND_IN_SET(k.code, a.kosgu) > 0 CROSS JOIN spr_if i;
INSERT INTO spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2, sb3, tp, kol, zab, ap)
  SELECT i.id, a.col1, a.col2, '000', a.name, a.sb1, a.sb2, a.sb3, 3, a.kol, a.zab, a.ap
  FROM chart_acc a CROSS JOIN spr_if i WHERE a.kosgu = '000';

DROP TEMPORARY TABLE chart_acc;
DROP TEMPORARY TABLE chart_kosgu;

-- Typical wordings of operations.
INSERT INTO spr_so (deb, kred, name) VALUES
  ('20134', '20111', 'Получены наличные денежные средства в кассу с лицевого счета'),
  ('20111', '20134', 'Сданы наличные денежные средства из кассы на лицевой счет'),
  ('208', '20134', 'Выданы из кассы денежные средства под отчет'),
  ('20134', '208', 'Возвращен в кассу остаток подотчетной суммы'),
  ('302', '20111', 'Оплачено поставщику с лицевого счета'),
  ('206', '20111', 'Перечислен аванс поставщику'),
  ('302', '206', 'Зачтен аванс, выданный поставщику'),
  ('302', '208', 'Погашена задолженность перед поставщиком подотчетным лицом'),
  ('10536', '302', 'Оприходованы материальные запасы от поставщика'),
  ('10536', '208', 'Оприходованы материальные запасы, приобретенные подотчетным лицом'),
  ('40102', '208', 'Отнесены на расходы суммы по авансовому отчету'),
  ('40102', '302', 'Начислены расходы по принятым обязательствам'),
  ('50103', '50201', 'Приняты бюджетные обязательства');
