-- Sick-leave certificates and payments by average earnings of an employee's
-- working month, each with its amount split by pay sheet, and the monthly
-- maximum of sick pay. The certificates' periods (paymar_bol1) are the
-- accrual run's table (410-payroll-accrual.sql): the averages leave them out.

-- A certificate (number npp within the employee's month): its pay code, the
-- first day of illness and the position row of the pay record.
CREATE TABLE paymar_bol (
  g INT NOT NULL,                              -- year of the working month
  ms INT NOT NULL,                             -- month 1 to 12
  tn INT NOT NULL,                             -- personnel number
  npp INT NOT NULL,                            -- certificate number within the month
  vou INT NOT NULL,                            -- pay code (spr_vou, up to 200)
  BOLs DATE NULL,                              -- first day of illness
  npp_bux INT NULL,                            -- position row (paymar_bux)
  PRIMARY KEY (g, ms, tn, npp)
) ENGINE=InnoDB;

-- A certificate's sick pay on each pay sheet; the shares add up to its amount.
CREATE TABLE paymar_bol2 (
  g INT NOT NULL,
  ms INT NOT NULL,
  tn INT NOT NULL,
  npp INT NOT NULL,
  nv INT NOT NULL,                             -- pay sheet (nv)
  s DECIMAL(15,2) NOT NULL DEFAULT 0,
  PRIMARY KEY (g, ms, tn, npp, nv)
) ENGINE=InnoDB;

-- A payment by average earnings of the employee's month: the pay code, the
-- date the averaging starts from and the days to pay.
CREATE TABLE paymar_sred (
  g INT NOT NULL,
  ms INT NOT NULL,
  tn INT NOT NULL,
  kou INT NOT NULL,                            -- pay code (spr_vou, up to 200)
  dr DATE NULL,                                -- date the calculation starts from
  d DECIMAL(6,2) NULL,                         -- days to pay
  PRIMARY KEY (g, ms, tn)
) ENGINE=InnoDB;

-- The payment by average earnings on each pay sheet; the shares add up to
-- its amount.
CREATE TABLE paymar_sred1 (
  g INT NOT NULL,
  ms INT NOT NULL,
  tn INT NOT NULL,
  nv INT NOT NULL,
  kou INT NOT NULL,
  s DECIMAL(15,2) NOT NULL DEFAULT 0,
  PRIMARY KEY (g, ms, tn, nv)
) ENGINE=InnoDB;

-- The monthly maximum of the earnings sick pay is paid from, per sick-pay
-- algorithm (spr_vou.alg), from its date on: a period takes the latest row
-- dated on or before its first day.
CREATE TABLE spr_paymar_bol_max (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  dt DATE NOT NULL COMMENT 'дата, с которой действует максимум',
  alg INT NOT NULL COMMENT 'номер алгоритма больничного (1 или 2)',
  s DECIMAL(15,2) NOT NULL COMMENT 'максимум за месяц, руб.',
  KEY spr_paymar_bol_max_alg (alg, dt)
) ENGINE=InnoDB;
