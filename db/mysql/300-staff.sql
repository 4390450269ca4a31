-- Tables of tariffication and personnel: employees' position assignments, the
-- positions, the kinds of orders and the tariff scale (coefficients of the
-- pay grades, the salary of grade 1 and the decimals salaries keep).

-- Staff positions (the positions of the staff list), with the category of
-- the position, its grade, the harmful-conditions allowance in percent and
-- the salary group (spr_venz_gr).
CREATE TABLE ssv (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  name VARCHAR(250) NOT NULL,
  kat VARCHAR(30) NULL,
  raz VARCHAR(10) NULL,
  vr DECIMAL(9,2) NULL,
  gr INT NULL
) ENGINE=InnoDB;

-- Pay statements (the payroll's statements by which salaries are paid).
CREATE TABLE nv (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  name VARCHAR(250) NOT NULL
) ENGINE=InnoDB;

-- A position's number of rates and contract amount under a pay statement;
-- a row only where either is given.
CREATE TABLE ssv1 (
  id INT NOT NULL,                             -- position (ssv)
  nv INT NOT NULL,                             -- pay statement (nv)
  st DECIMAL(9,2) NULL,                        -- staff rates
  s DECIMAL(15,2) NULL,                        -- contract amount
  PRIMARY KEY (id, nv)
) ENGINE=InnoDB;

-- Salary groups: the salary of a group of positions.
CREATE TABLE spr_venz_gr (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  s DECIMAL(15,2) NOT NULL
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

-- Forms of tariffication: the kind of pay form of an assignment (vf) and the
-- type (tp, 1 to 4) by which the tariffication list groups it.
CREATE TABLE spr_venz_vf (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  name VARCHAR(250) NOT NULL,
  tp INT NOT NULL DEFAULT 1
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

-- The personal card's columns of the employee table (the table is the shell's;
-- the main position, department and passport columns are there already).
-- Names are written unquoted, so every dialect matches them in any letter case.
ALTER TABLE tn
  ADD COLUMN fio_r VARCHAR(200) NULL,          -- full name: surname, name, patronymic by blanks
  ADD COLUMN NSR_u DATE NULL,                  -- district medical seniority from
  ADD COLUMN dr DATE NULL,                     -- birth date
  ADD COLUMN da1 VARCHAR(10) NULL,             -- postal index
  ADD COLUMN da2 INT NULL,                     -- city (spr_rayon.g)
  ADD COLUMN DAd VARCHAR(20) NULL,             -- house
  ADD COLUMN DAkor VARCHAR(20) NULL,           -- building
  ADD COLUMN DAkv VARCHAR(20) NULL,            -- flat
  ADD COLUMN DAyl VARCHAR(250) NULL,           -- street
  ADD COLUMN DAreg INT NULL,                   -- region
  ADD COLUMN DArayon INT NULL,                 -- district (spr_rayon.rayon)
  ADD COLUMN DAnp INT NULL,                    -- settlement (spr_rayon.s)
  ADD COLUMN NSR DATE NULL,                    -- medical seniority from
  ADD COLUMN MR1 VARCHAR(250) NULL,            -- birth place
  ADD COLUMN NN INT NULL,                      -- nationality
  ADD COLUMN TEL VARCHAR(60) NULL,             -- telephone
  ADD COLUMN OB INT NULL,                      -- education
  ADD COLUMN UZ1 VARCHAR(250) NULL,            -- school or university
  ADD COLUMN FAK VARCHAR(250) NULL,            -- faculty
  ADD COLUMN GO VARCHAR(10) NULL,              -- year of graduation
  ADD COLUMN SP VARCHAR(250) NULL,             -- speciality
  ADD COLUMN KV VARCHAR(250) NULL,             -- qualification
  ADD COLUMN NO VARCHAR(60) NULL,              -- diploma number
  ADD COLUMN OT DATE NULL,                     -- diploma date
  ADD COLUMN OPR VARCHAR(250) NULL,            -- main profession
  ADD COLUMN OS DATE NULL,                     -- total seniority from
  ADD COLUMN PENS DATE NULL,                   -- pensioner since
  ADD COLUMN NS DATE NULL,                     -- continuous seniority from
  ADD COLUMN SRPS DATE NULL,                   -- seniority in the speciality from
  ADD COLUMN SRPD DATE NULL,                   -- seniority in the position from
  ADD COLUMN PMR1 VARCHAR(250) NULL,           -- last place of work and position
  ADD COLUMN DRB DATE NULL,                    -- date of the last place of work
  ADD COLUMN PU VARCHAR(250) NULL,             -- reason of dismissal
  ADD COLUMN SPL INT NULL,                     -- family status
  ADD COLUMN INV VARCHAR(30) NULL,             -- disability group
  ADD COLUMN du DATE NULL,                     -- dismissal date
  ADD COLUMN pol VARCHAR(10) NULL,             -- sex: "Жен" or "Муж"
  ADD COLUMN MRosn INT NOT NULL DEFAULT 1,     -- 1: the employee's main place of work
  ADD COLUMN inn VARCHAR(12) NULL,             -- taxpayer number
  ADD COLUMN SNo VARCHAR(20) NULL,             -- insurance number
  ADD COLUMN dnbs INT NULL,                    -- days of interruption of medical seniority
  ADD COLUMN dnbs_u INT NULL,                  -- the same of district medical seniority
  ADD COLUMN image_path VARCHAR(500) NULL;     -- the photo's file in the photo folder

-- Departments are listed in the order of their Real_npp.
ALTER TABLE spr_prd ADD COLUMN Real_npp INT NULL;

-- Categories of employees.
CREATE TABLE spr_paymar_kat (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  name VARCHAR(250) NOT NULL
) ENGINE=InnoDB;

-- Marks of the time sheets: the code is the row's id.
CREATE TABLE uo (
  id VARCHAR(10) NOT NULL PRIMARY KEY,
  name VARCHAR(250) NOT NULL
) ENGINE=InnoDB;

-- Time-sheet marks: one per assignment and day, hours with two decimals ("8.00")
-- or a code of uo; a day without a mark has no row. The key keeps two clerks
-- saving the same day from writing it twice (payroll would count the day twice).
CREATE TABLE perso_trv (
  tn INT NOT NULL,
  npp INT NOT NULL,
  d DATE NOT NULL,
  t VARCHAR(10) NULL,
  PRIMARY KEY (tn, npp, d),
  KEY perso_trv_tn_d (tn, d)
) ENGINE=InnoDB;

-- The calendar lists of single days that payroll leaves out of a sick-leave
-- count: the days off and public holidays, and the other non-working days.
-- A day is in a list when its row is; the key keeps it there once.
CREATE TABLE spr_vix_prazd (
  d DATE NOT NULL PRIMARY KEY
) ENGINE=InnoDB;

CREATE TABLE spr_sub (
  d DATE NOT NULL PRIMARY KEY
) ENGINE=InnoDB;

-- Reference books of the personal card: regions, nationalities, education and
-- family status.
CREATE TABLE kreg (
  id INT NOT NULL PRIMARY KEY,
  name VARCHAR(250) NOT NULL
) ENGINE=InnoDB;

CREATE TABLE nash (
  id INT NOT NULL PRIMARY KEY,
  name VARCHAR(250) NOT NULL
) ENGINE=InnoDB;

CREATE TABLE ob (
  id INT NOT NULL PRIMARY KEY,
  name VARCHAR(250) NOT NULL
) ENGINE=InnoDB;

CREATE TABLE spl (
  id INT NOT NULL PRIMARY KEY,
  name VARCHAR(250) NOT NULL
) ENGINE=InnoDB;

-- Districts, cities and settlements of the regions. A district's row has no
-- city and no settlement; a city's or a settlement's row names its district,
-- or none (a city of the region itself). City and settlement codes are unique
-- within their region and district only.
CREATE TABLE spr_rayon (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  reg INT NOT NULL,                            -- region (kreg)
  rayon INT NULL,                              -- district
  r_name VARCHAR(250) NULL,
  g INT NULL,                                  -- city
  g_name VARCHAR(250) NULL,
  s INT NULL,                                  -- settlement
  s_name VARCHAR(250) NULL,
  dt_del DATE NULL,                            -- set when the entry is deleted
  KEY spr_rayon_reg (reg, rayon)
) ENGINE=InnoDB;

-- Kinds of address elements; level 5 are those of a street ("ул", "пер"),
-- written as the street's last word.
CREATE TABLE ELEMadr (
  id VARCHAR(20) NOT NULL PRIMARY KEY,
  name VARCHAR(250) NOT NULL,
  level INT NOT NULL
) ENGINE=InnoDB;
