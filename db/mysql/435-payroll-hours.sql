-- The month's input that depends on hours: the night hours of the whole
-- institution, the time-based pay (plan and worked hours with the percentage
-- of pay, or hours against the position's norm) and the hours at two tariffs,
-- each per position row (paymar_bux), pay sheet and pay code. The plan and
-- worked hours per sheet are paymar_trv_chas (400-payroll.sql).

-- Night hours: any number of lines per position row and month, so a line has
-- a key of its own.
CREATE TABLE paymar_noch (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  g INT NOT NULL,                              -- year
  ms INT NOT NULL,                             -- month 1 to 12
  tn INT NOT NULL,                             -- personnel number
  npp INT NOT NULL,                            -- position row (paymar_bux)
  ch DECIMAL(8,2) NULL,                        -- night hours
  kou INT NULL,                                -- pay code (spr_vou)
  KEY paymar_noch_month (g, ms)
) ENGINE=InnoDB;

-- Time-based pay: plan and worked hours and the percentage of pay.
CREATE TABLE paymar_povr (
  tn INT NOT NULL,
  npp INT NOT NULL,
  g INT NOT NULL,
  ms INT NOT NULL,
  nv INT NOT NULL,                             -- pay sheet (nv)
  kou INT NOT NULL,                            -- pay code (spr_vou)
  plch DECIMAL(8,2) NULL,                      -- plan hours
  ch DECIMAL(8,2) NULL,                        -- worked hours
  pr DECIMAL(9,3) NULL,                        -- percentage of pay
  PRIMARY KEY (tn, npp, g, ms, nv, kou),
  KEY paymar_povr_month (g, ms, nv, kou)
) ENGINE=InnoDB;

-- Hours against the position's norm of hours per rate (spr_paymar_dol1.chts).
CREATE TABLE paymar_povr_chts (
  tn INT NOT NULL,
  npp INT NOT NULL,
  g INT NOT NULL,
  ms INT NOT NULL,
  nv INT NOT NULL,
  kou INT NOT NULL,
  ch DECIMAL(8,2) NULL,                        -- hours
  PRIMARY KEY (tn, npp, g, ms, nv, kou),
  KEY paymar_povr_chts_month (g, ms, nv, kou)
) ENGINE=InnoDB;

-- Hours at a junior and a senior tariff with the two tariff coefficients.
CREATE TABLE paymar_povr0 (
  tn INT NOT NULL,
  npp INT NOT NULL,
  g INT NOT NULL,
  ms INT NOT NULL,
  nv INT NOT NULL,
  kou INT NOT NULL,
  ch1 DECIMAL(8,2) NULL,                       -- hours at the first tariff
  ch2 DECIMAL(8,2) NULL,                       -- hours at the second tariff
  tar1 DECIMAL(9,4) NULL,                      -- first tariff coefficient
  tar2 DECIMAL(9,4) NULL,                      -- second tariff coefficient
  PRIMARY KEY (tn, npp, g, ms, nv, kou),
  KEY paymar_povr0_month (g, ms, nv, kou)
) ENGINE=InnoDB;
