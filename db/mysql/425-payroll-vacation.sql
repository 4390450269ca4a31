-- Vacation pay: the amounts of each vacation record (paymar_otpusk, the
-- accrual run's table) per pay sheet and pay code, the indexation
-- coefficients of the months, and which pay sheets' earnings are indexed.

-- A vacation record's pay on a pay sheet under the pay code of its part
-- (main or additional); both parts may share a code and a sheet, so the row
-- has a key of its own.
CREATE TABLE paymar_otpusk1 (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  g INT NOT NULL,                              -- year of the working month
  ms INT NOT NULL,                             -- month 1 to 12
  tn INT NOT NULL,                             -- personnel number
  npp INT NOT NULL,                            -- vacation record (paymar_otpusk)
  nv INT NOT NULL,                             -- pay sheet (nv)
  s DECIMAL(15,2) NOT NULL DEFAULT 0,
  kou INT NOT NULL,                            -- pay code of the part (spr_vou, up to 200)
  KEY paymar_otpusk1_rec (g, ms, tn, npp)
) ENGINE=InnoDB;

-- The indexation coefficient of a month's earnings in the vacation average;
-- one row a month.
CREATE TABLE spr_paymar_otp_kof (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  g INT NOT NULL COMMENT 'год',
  ms INT NOT NULL COMMENT 'месяц',
  kof DECIMAL(9,4) NULL COMMENT 'коэффициент индексации',
  UNIQUE KEY spr_paymar_otp_kof_month (g, ms)
) ENGINE=InnoDB;

-- Pay statements (300-staff.sql): 1 when the earnings of the statement are
-- indexed in the vacation average.
ALTER TABLE nv ADD COLUMN indexir INT NOT NULL DEFAULT 0;
