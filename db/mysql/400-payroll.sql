-- Tables of the payroll: the employees' pay columns, the pay and deduction
-- codes, the calendars, the payroll's reference books and the employees' pay
-- positions. Every payroll table is created and written in lower case, so
-- the forms' statements find it under any spelling on every server.

-- The employee's payroll columns (the table is the shell's; dol and prd are
-- there already, du, NSR, inn, SNo and dnbs come with the personal card).
ALTER TABLE tn
  ADD COLUMN stj INT NULL,                     -- allowance for length of service, %
  ADD COLUMN kat INT NULL,                     -- worker category (spr_paymar_kat)
  ADD COLUMN nv INT NULL,                      -- main pay sheet (nv)
  ADD COLUMN prof INT NOT NULL DEFAULT 0,      -- 1: trade-union member
  ADD COLUMN m_o INT NOT NULL DEFAULT 0;       -- 1: single mother, widow or widower

-- Pay and deduction codes: up to 200 accruals, above 200 deductions; alg is
-- the number of the code's sick-pay algorithm.
CREATE TABLE spr_vou (
  id INT NOT NULL PRIMARY KEY,
  name VARCHAR(250) NOT NULL,
  alg INT NULL
) ENGINE=InnoDB;

-- Working-time calendars (their months' figures are in spr_kl1).
CREATE TABLE spr_kl (
  id INT NOT NULL PRIMARY KEY,
  name VARCHAR(250) NOT NULL
) ENGINE=InnoDB;

-- Target purposes of the contributions.
CREATE TABLE spr_paymar_kcn (
  id INT NOT NULL PRIMARY KEY,
  name VARCHAR(250) NOT NULL
) ENGINE=InnoDB;

-- Kinds of payers and recipients (of writs of execution).
CREATE TABLE spr_paymar_vp (
  id INT NOT NULL PRIMARY KEY,
  name VARCHAR(250) NOT NULL
) ENGINE=InnoDB;

-- Contributions charged on pay: target purpose, percentage and the decimals
-- the amount is rounded to.
CREATE TABLE spr_paymar_otchis (
  id INT NOT NULL PRIMARY KEY,
  name VARCHAR(250) NOT NULL,
  kcn INT NULL,                                -- target purpose (spr_paymar_kcn)
  pr DECIMAL(9,3) NULL,                        -- percentage
  poits INT NULL                               -- decimals: 0, 1 or 2
) ENGINE=InnoDB;

-- The payroll's postings to the ledger: percentage, debit and credit accounts
-- with their sub-accounts, economic code, per employee or not, decimals.
CREATE TABLE spr_paymar_5pr (
  id INT NOT NULL PRIMARY KEY,
  name VARCHAR(250) NOT NULL,
  pr DECIMAL(9,3) NULL,
  d VARCHAR(9) NULL,                           -- debit account
  k VARCHAR(9) NULL,                           -- credit account
  ekr INT NULL,                                -- economic code (spr_ekr)
  sb_deb INT NULL,                             -- debit sub-account (spr_paymar_5pr)
  sb_kred INT NULL,                            -- credit sub-account (spr_paymar_5pr)
  bman INT NOT NULL DEFAULT 0,                 -- 1: one posting per employee
  poits INT NULL                               -- decimals: 0, 1 or 2
) ENGINE=InnoDB;

-- The payroll's positions: category, grade and allowances in percent.
CREATE TABLE spr_paymar_dol (
  id INT NOT NULL PRIMARY KEY,
  name VARCHAR(250) NOT NULL,
  kat VARCHAR(30) NULL,                        -- category
  raz VARCHAR(10) NULL,                        -- grade
  vr DECIMAL(9,2) NULL,                        -- hazard allowance, %
  vr2 DECIMAL(9,2) NULL,                       -- category allowance, %
  vr3 DECIMAL(9,2) NULL,                       -- district allowance, %
  vr4 DECIMAL(9,2) NULL                        -- extra allowance, %
) ENGINE=InnoDB;

-- A position's salary and rates on each pay sheet. The short positions book
-- writes okl, the therapeutic, children's and orthopaedic rates and nch; the
-- detailed one okl, the contract, the hourly and night rates (chts, nch) and
-- the second salary: each leaves the other's columns as they are.
CREATE TABLE spr_paymar_dol1 (
  id INT NOT NULL,                             -- position (spr_paymar_dol)
  nv INT NOT NULL,                             -- pay sheet (nv)
  okl DECIMAL(15,2) NULL,                      -- salary
  Rlech DECIMAL(12,3) NULL,                    -- therapeutic work rate
  Rdet DECIMAL(12,3) NULL,                     -- children's work rate
  Rort DECIMAL(12,3) NULL,                     -- orthopaedic work rate
  nch DECIMAL(15,4) NULL,                      -- night rate
  kontr DECIMAL(15,2) NULL,                    -- contract amount
  chts DECIMAL(15,4) NULL,                     -- hourly rate
  okl2 DECIMAL(15,2) NULL,                     -- second salary
  PRIMARY KEY (id, nv)
) ENGINE=InnoDB;

-- A calendar's month: working days for pay, days for sick pay, hours. A row
-- exists only once the month was saved in the calendar's book.
CREATE TABLE spr_kl1 (
  id INT NOT NULL,                             -- calendar (spr_kl)
  g INT NOT NULL,                              -- year
  ms INT NOT NULL,                             -- month 1 to 12
  dn INT NULL,
  bol INT NULL,
  ch INT NULL,
  PRIMARY KEY (id, g, ms)
) ENGINE=InnoDB;

-- Pay-code groups: the member codes (id) whose amounts make up the base of
-- the owner code (kou); members above 200 are deductions and subtract.
CREATE TABLE spr_tvx (
  kou INT NOT NULL,
  id INT NOT NULL,
  PRIMARY KEY (kou, id)
) ENGINE=InnoDB;

-- The pay codes a contribution is charged on.
CREATE TABLE spr_paymar_otchis1 (
  id INT NOT NULL,                             -- contribution (spr_paymar_otchis)
  kou INT NOT NULL,                            -- pay code (spr_vou)
  PRIMARY KEY (id, kou)
) ENGINE=InnoDB;

-- The pay codes a payroll posting line covers.
CREATE TABLE spr_paymar_5pr1 (
  id INT NOT NULL,                             -- posting line (spr_paymar_5pr)
  kou INT NOT NULL,                            -- pay code (spr_vou)
  PRIMARY KEY (id, kou)
) ENGINE=InnoDB;

-- The employees' pay positions, numbered npp from 1 within the employee: the
-- keys of every month's input. One row of an employee is the main one (osn 1).
-- A row works from d1 until d2; an empty d2 is open.
CREATE TABLE paymar_bux (
  tn INT NOT NULL,                             -- personnel number
  npp INT NOT NULL,                            -- position number within the employee
  osn INT NOT NULL DEFAULT 0,                  -- 1: the main position
  kpz INT NULL,                                -- kind of order (spr_paymar_prikaz)
  dprik DATE NULL,                             -- date of the order
  nprik VARCHAR(30) NULL,                      -- number of the order
  prd INT NULL,                                -- department (spr_prd)
  dol INT NULL,                                -- position (spr_paymar_dol)
  kat INT NULL,                                -- worker category (spr_paymar_kat)
  kou INT NULL,                                -- pay code of the basic pay (spr_vou, up to 200)
  kl INT NULL,                                 -- calendar (spr_kl)
  d1 DATE NULL,                                -- works from
  d2 DATE NULL,                                -- works until; null while open
  plav INT NULL,                               -- planned advance
  staj INT NOT NULL DEFAULT 0,                 -- service accrued 0 by days, 1 by hours, 2 not at all
  PRIMARY KEY (tn, npp),
  KEY paymar_bux_prd (prd, kat)
) ENGINE=InnoDB;

-- The month's worked days of an employee (the payroll time sheet by
-- employees): days worked and calendar days to count; "20.5" days allowed.
CREATE TABLE paymar_trv (
  tn INT NOT NULL,                             -- personnel number
  g INT NOT NULL,                              -- year
  ms INT NOT NULL,                             -- month 1 to 12
  dn DECIMAL(6,2) NULL,                        -- days worked
  kl DECIMAL(6,2) NULL,                        -- calendar days
  PRIMARY KEY (tn, g, ms)
) ENGINE=InnoDB;

-- The month's worked days of a position row (paymar_bux).
CREATE TABLE paymar_trv_dol (
  tn INT NOT NULL,
  npp INT NOT NULL,
  g INT NOT NULL,
  ms INT NOT NULL,
  dn DECIMAL(6,2) NULL,                        -- days worked
  PRIMARY KEY (tn, npp, g, ms)
) ENGINE=InnoDB;

-- The month's plan and worked hours of a position row on a pay sheet. The
-- time sheet in hours keeps ch of the employee's main sheet; the hours form
-- keeps both of every sheet.
CREATE TABLE paymar_trv_chas (
  tn INT NOT NULL,
  npp INT NOT NULL,
  g INT NOT NULL,
  ms INT NOT NULL,
  nv INT NOT NULL,                             -- pay sheet (nv)
  ch DECIMAL(8,2) NULL,                        -- hours worked
  pl DECIMAL(8,2) NULL,                        -- plan hours
  PRIMARY KEY (tn, npp, g, ms, nv)
) ENGINE=InnoDB;

-- Standing allowances of a position row on a pay sheet under a pay code: a
-- percentage or a sum, valid from d1 to d2. paymar_doplz has the same shape.
CREATE TABLE paymar_dopl (
  tn INT NOT NULL,
  npp INT NOT NULL,
  nv INT NOT NULL,                             -- pay sheet (nv)
  kou INT NOT NULL,                            -- pay code (spr_vou)
  pr DECIMAL(9,3) NULL,                        -- percentage
  s DECIMAL(15,2) NULL,                        -- sum
  d1 DATE NULL,                                -- valid from
  d2 DATE NULL,                                -- valid to
  pr_okl VARCHAR(30) NULL,                     -- percentage of the salary
  PRIMARY KEY (tn, npp, nv, kou)
) ENGINE=InnoDB;

CREATE TABLE paymar_doplz (
  tn INT NOT NULL,
  npp INT NOT NULL,
  nv INT NOT NULL,
  kou INT NOT NULL,
  pr DECIMAL(9,3) NULL,
  s DECIMAL(15,2) NULL,
  d1 DATE NULL,
  d2 DATE NULL,
  pr_okl VARCHAR(30) NULL,
  PRIMARY KEY (tn, npp, nv, kou)
) ENGINE=InnoDB;

-- The employees a computed month paid, with the department and category of
-- their main position row: the months the payroll reports offer. The accrual
-- run replaces a month's rows.
CREATE TABLE paymar_m (
  g INT NOT NULL,                              -- year
  ms INT NOT NULL,                             -- month 1 to 12
  tn INT NOT NULL,                             -- personnel number
  kat INT NULL,                                -- worker category (spr_paymar_kat)
  prd INT NULL,                                -- department (spr_prd)
  PRIMARY KEY (g, ms, tn)
) ENGINE=InnoDB;

-- The month's fund of a department and worker category on a pay sheet under
-- a pay code (the piece-rate and participation pay to share out).
CREATE TABLE paymar_kty1 (
  prd INT NOT NULL,                            -- department (spr_prd)
  kat INT NOT NULL,                            -- worker category (spr_paymar_kat)
  g INT NOT NULL,
  ms INT NOT NULL,
  nv INT NOT NULL,                             -- pay sheet (nv)
  kou INT NOT NULL,                            -- pay code (spr_vou)
  s DECIMAL(15,2) NULL,
  PRIMARY KEY (g, ms, prd, kat, nv, kou)
) ENGINE=InnoDB;

-- The month's contributions of an employee on a pay sheet: contribution code
-- npp (spr_paymar_otchis), the base s1 and the contribution s2, the age group
-- tp and the income band sov_tp.
CREATE TABLE paymar_per (
  g INT NOT NULL,
  ms INT NOT NULL,
  tn INT NOT NULL,
  nv INT NOT NULL,
  npp INT NOT NULL,
  s1 DECIMAL(15,2) NULL,
  s2 DECIMAL(15,2) NULL,
  tp INT NULL,
  sov_tp INT NULL,
  PRIMARY KEY (g, ms, tn, nv, npp)
) ENGINE=InnoDB;

-- The payroll's last transfer of each month to the ledger: the manual
-- operation's document id and its date. A new transfer of the month replaces
-- the operation.
CREATE TABLE paymar_prov5 (
  g INT NOT NULL,
  ms INT NOT NULL,
  id INT NOT NULL,                             -- document id of the operation (ledmark_oper_by_hand)
  d DATE NOT NULL,                             -- operation date
  PRIMARY KEY (g, ms)
) ENGINE=InnoDB;
