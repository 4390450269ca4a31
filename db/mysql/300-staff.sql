-- Tables of tariffication and personnel: employees' position assignments, the
-- positions, the kinds of orders and the tariff scale (coefficients of the
-- pay grades, the salary of grade 1 and the decimals salaries keep).

-- Staff positions (the positions of the staff list).
CREATE TABLE ssv (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  name VARCHAR(250) NOT NULL
) ENGINE=InnoDB;

-- Kinds of orders by which employees are appointed, moved and dismissed.
CREATE TABLE spr_paymar_prikaz (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  name VARCHAR(250) NOT NULL
) ENGINE=InnoDB;

-- Position assignments: one row per job an employee holds, numbered npp from 1
-- within the employee. The personnel forms write the appointment columns (tn to
-- Dprik); the tariffication form writes every column. An open assignment has
-- no d2. The key keeps two clerks adding the same assignment from both writing it.
CREATE TABLE perso_tn_nip (
  plus_kat DECIMAL(9,2) NULL DEFAULT 0,        -- allowance for the qualification category, %
  plus_uch_st DECIMAL(9,2) NULL DEFAULT 0,     -- allowance for an academic degree, %
  plus_zv DECIMAL(9,2) NULL DEFAULT 0,         -- allowance for an honorary title, %
  plus_dopl DECIMAL(9,2) NULL DEFAULT 0,       -- supplement to the salary, %
  plus_opas DECIMAL(9,2) NULL DEFAULT 0,       -- allowance for dangerous conditions, %
  okl DECIMAL(15,2) NULL,                      -- salary
  zasRAB DECIMAL(9,2) NULL DEFAULT 0,          -- honoured worker, %
  zasVR DECIMAL(9,2) NULL DEFAULT 0,           -- honoured doctor, %
  tn INT NOT NULL,                             -- personnel number
  npp INT NOT NULL,                            -- number of the assignment within the employee
  st DECIMAL(9,2) NOT NULL DEFAULT 1,          -- staff rates
  kpr INT NULL,                                -- kind of order (spr_paymar_prikaz)
  d1 DATE NOT NULL,                            -- first day of work in the position
  d2 DATE NULL,                                -- last day of work; null while open
  prd INT NULL,                                -- department (spr_prd)
  kat INT NULL,                                -- employee category (spr_paymar_kat)
  dol INT NULL,                                -- position (ssv)
  noprik VARCHAR(30) NULL,                     -- number of the order
  Dprik DATE NULL,                             -- date of the order
  vf INT NULL,                                 -- kind of pay form
  raz1 DECIMAL(9,2) NULL DEFAULT 0,            -- grade increase for the qualification category
  raz2 DECIMAL(9,2) NULL DEFAULT 0,            -- grade increase for an academic degree
  raz3 DECIMAL(9,2) NULL DEFAULT 0,            -- grade increase for an academic title
  date_kat DATE NULL,                          -- date the category was granted
  no_kat VARCHAR(30) NULL,                     -- number of the category grant
  pr_rab DECIMAL(9,2) NULL DEFAULT 0,          -- percent by which the salary is reduced
  pr_zv DECIMAL(9,2) NULL DEFAULT 0,           -- allowance for class, %
  uch INT NOT NULL DEFAULT 0,                  -- 1: district doctor
  kof DECIMAL(12,4) NULL,                      -- coefficient
  uch_vred INT NOT NULL DEFAULT 0,             -- 1: harmful conditions not counted for service
  UchStaj INT NOT NULL DEFAULT 0,              -- 1: length of service not counted
  premiya DECIMAL(9,2) NULL DEFAULT 0,         -- bonus, %
  PRIMARY KEY (tn, npp)
) ENGINE=InnoDB;

-- Coefficients of the pay grades, each in force from its date d.
CREATE TABLE spr_venz_kof (
  raz INT NOT NULL,                            -- pay grade
  d DATE NOT NULL,                             -- in force from
  kof DECIMAL(9,3) NOT NULL,
  PRIMARY KEY (raz, d)
) ENGINE=InnoDB;

-- The salary of pay grade 1 and how many decimals salaries keep, each in
-- force from its date d.
CREATE TABLE spr_venz_okl (
  d DATE NOT NULL PRIMARY KEY,
  okl1 DECIMAL(15,2) NOT NULL,
  digits INT NOT NULL DEFAULT 2
) ENGINE=InnoDB;
