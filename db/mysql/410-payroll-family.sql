-- What follows an employee from month to month besides his position rows:
-- his children, his disability, his income-tax benefits and the writs of
-- execution deducted from his pay.

-- The employees' children (paymar_iz) are the accrual's tables' (410-payroll-accrual.sql).

-- Disabled employees: one row each, the group and the certificate.
CREATE TABLE paymar_inv (
  tn INT NOT NULL PRIMARY KEY,                 -- personnel number
  gr INT NULL,                                 -- disability group
  ser VARCHAR(30) NULL,                        -- certificate series
  number VARCHAR(30) NULL,                     -- certificate number
  d DATE NULL                                  -- certificate date
) ENGINE=InnoDB;

-- The income-tax benefits book: a benefit's sum s, or, with ss "Да", a sum
-- typed for each employee.
CREATE TABLE spr_paymar_lgoty (
  id INT NOT NULL PRIMARY KEY,
  name VARCHAR(250) NOT NULL,
  s DECIMAL(15,2) NULL,                        -- the book's sum
  ss VARCHAR(10) NULL                          -- "Да": the sum is typed by hand
) ENGINE=InnoDB;

-- An employee's standing benefits (d1, d2 the validity, written empty by the form).
CREATE TABLE paymar_lgoty (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  tn INT NOT NULL,                             -- personnel number
  tip INT NOT NULL,                            -- benefit (spr_paymar_lgoty)
  s DECIMAL(15,2) NULL,                        -- sum
  d1 DATE NULL,
  d2 DATE NULL,
  KEY paymar_lgoty_tn (tn)
) ENGINE=InnoDB;

-- An employee's benefits of one month.
CREATE TABLE paymar_m_ (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  g INT NOT NULL,                              -- year
  ms INT NOT NULL,                             -- month
  tn INT NOT NULL,                             -- personnel number
  lg INT NOT NULL,                             -- benefit (spr_paymar_lgoty)
  s DECIMAL(15,2) NULL,                        -- sum
  KEY paymar_m__month (g, ms, tn)
) ENGINE=InnoDB;

-- Writs of execution, numbered npp from 1 within the employee: the deduction
-- code (spr_vou, above 200), the total sv, the remaining ov at the last save,
-- the monthly sum s or percentage pr, the period, the recipient's kind
-- (spr_paymar_vp), bank branch and account.
CREATE TABLE paymar_isp (
  tn INT NOT NULL,                             -- personnel number
  npp INT NOT NULL,                            -- writ number within the employee
  pu INT NOT NULL DEFAULT 1,                   -- 1: deducted
  nd VARCHAR(50) NULL,                         -- document number
  kou INT NULL,                                -- deduction code (spr_vou)
  sv DECIMAL(15,2) NULL,                       -- total to pay
  ov DECIMAL(15,2) NULL,                       -- remaining at the save
  s DECIMAL(15,2) NULL,                        -- monthly sum
  pr DECIMAL(9,3) NULL,                        -- monthly percentage
  ch VARCHAR(20) NULL,                         -- part
  d1 DATE NULL,                                -- deducted from
  d2 DATE NULL,                                -- deducted until
  vp INT NULL,                                 -- recipient kind (spr_paymar_vp)
  fil VARCHAR(50) NULL,                        -- bank branch
  ls VARCHAR(50) NULL,                         -- account number
  one INT NOT NULL DEFAULT 0,                  -- 1: from one pay sheet only
  PRIMARY KEY (tn, npp)
) ENGINE=InnoDB;

-- What a writ deducted in a month (written by the monthly run).
CREATE TABLE paymar_isp1 (
  tn INT NOT NULL,
  npp INT NOT NULL,                            -- the writ (paymar_isp)
  g INT NOT NULL,                              -- year
  ms INT NOT NULL,                             -- month
  s DECIMAL(15,2) NULL,                        -- deducted
  PRIMARY KEY (tn, npp, g, ms)
) ENGINE=InnoDB;
