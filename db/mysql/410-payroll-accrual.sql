-- The month's accrual run and the averages it and sick pay are paid from: the
-- month's results and their history, the employees' children, the bonus pay
-- codes, the sick-leave periods and vacations the averages leave out, the
-- run's lock and the procedure that ends the run.

-- The month's accruals (codes up to 200) and deductions (above 200) of each
-- position row on each pay sheet, as the run computed them.
CREATE TABLE paymar_nu (
  g INT NOT NULL,                              -- year
  ms INT NOT NULL,                             -- month 1 to 12
  tn INT NOT NULL,                             -- personnel number
  npp INT NOT NULL,                            -- position row (paymar_bux)
  nv INT NOT NULL,                             -- pay sheet (nv)
  kou INT NOT NULL,                            -- pay code (spr_vou)
  s DECIMAL(15,2) NOT NULL DEFAULT 0,
  PRIMARY KEY (g, ms, tn, npp, nv, kou),
  KEY paymar_nu_month (g, ms, kou)
) ENGINE=InnoDB;

-- The results of the months run, kept for the averages.
CREATE TABLE paymar_nuz (
  g INT NOT NULL,
  ms INT NOT NULL,
  tn INT NOT NULL,
  npp INT NOT NULL,
  nv INT NOT NULL,
  kou INT NOT NULL,
  s DECIMAL(15,2) NOT NULL DEFAULT 0,
  PRIMARY KEY (g, ms, tn, npp, nv, kou),
  KEY paymar_nuz_tn (tn, kou, g, ms)
) ENGINE=InnoDB;

-- The employees' children: birth date, the allowance to one and a half and to
-- three years, and the date until which the child counts (empty: open).
CREATE TABLE paymar_iz (
  tn INT NOT NULL,                             -- personnel number of the parent
  npp INT NOT NULL,                            -- child number within the employee
  dr DATE NULL,                                -- birth date
  b15 INT NOT NULL DEFAULT 0,                  -- 1: the allowance to one and a half years is due
  b3 INT NOT NULL DEFAULT 0,                   -- 1: the allowance to three years is due
  du DATE NULL,                                -- counts until
  PRIMARY KEY (tn, npp)
) ENGINE=InnoDB;

-- The bonus pay codes: a row with ms 1 takes part in the quarterly bonus of
-- the averages until its dt_del; Real_npp is the pay code.
CREATE TABLE spr_paymar_prem (
  id INT NOT NULL PRIMARY KEY,
  name VARCHAR(250) NOT NULL,
  ms INT NOT NULL DEFAULT 1,
  dt_del DATE NULL,
  Real_npp INT NOT NULL
) ENGINE=InnoDB;

-- The periods of a sick-leave certificate (certificate npp of the employee's
-- month): first and last day, days, percent paid and the line value.
CREATE TABLE paymar_bol1 (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  g INT NOT NULL,
  ms INT NOT NULL,
  tn INT NOT NULL,
  npp INT NOT NULL,
  d1 DATE NULL,
  d2 DATE NULL,
  dn DECIMAL(6,2) NULL,
  pr DECIMAL(9,2) NULL,
  npp1 INT NULL,
  KEY paymar_bol1_tn (tn, d1, d2),
  KEY paymar_bol1_doc (g, ms, tn, npp)
) ENGINE=InnoDB;

-- The vacation records of an employee's month; the columns ending in 2 are
-- the additional vacation's.
CREATE TABLE paymar_otpusk (
  g INT NOT NULL,
  ms INT NOT NULL,
  tn INT NOT NULL,
  npp INT NOT NULL,
  calc INT NOT NULL DEFAULT 1,                 -- 1: the indexation coefficient is taken
  dn DECIMAL(6,2) NULL,
  dn2 DECIMAL(6,2) NULL,
  d1 DATE NULL,                                -- first day of the vacation
  d2 DATE NULL,                                -- last day
  kou INT NULL,
  kou2 INT NULL,
  period VARCHAR(100) NULL,                    -- "За период:"
  number VARCHAR(30) NULL,                     -- order number
  d DATE NULL,                                 -- order date
  nv VARCHAR(250) NULL,                        -- the sheets of the main part's average
  nv2 VARCHAR(250) NULL,
  tip INT NOT NULL DEFAULT 0,                  -- 0 regular, 1 on dismissal
  osn VARCHAR(250) NULL,
  mes TEXT NULL,
  mes2 TEXT NULL,
  nv_s TEXT NULL,
  nv_s2 TEXT NULL,
  sovokup TEXT NULL,
  sovokup2 TEXT NULL,
  PRIMARY KEY (g, ms, tn, npp),
  KEY paymar_otpusk_tn (tn, d1, d2)
) ENGINE=InnoDB;

-- The run's lock across workstations ("true" while a run goes on) and the
-- server connection of the program that took it.
INSERT IGNORE INTO system_const (name, val) VALUES ('paymar_pereschet', 'null'), ('paymar_pereschet_conn', NULL);

-- The deductions of a month after its accruals: income tax at 13 % of each
-- position row's accruals on each sheet under code 201; then the month's
-- results replace the month in the history the averages read. It joins the
-- caller's transaction and commits nothing itself.
DELIMITER //
CREATE PROCEDURE sp_paymar_ru(IN p_g INT, IN p_ms INT, IN p_pt INT)
BEGIN
  DELETE FROM paymar_nu WHERE g = p_g AND ms = p_ms AND kou = 201;
  INSERT INTO paymar_nu (g, ms, tn, npp, nv, kou, s)
    SELECT g, ms, tn, npp, nv, 201, ROUND(SUM(s) * 0.13, 2)
    FROM paymar_nu
    WHERE g = p_g AND ms = p_ms AND kou <= 200
    GROUP BY g, ms, tn, npp, nv
    HAVING ROUND(SUM(s) * 0.13, 2) <> 0;
  DELETE FROM paymar_nuz WHERE g = p_g AND ms = p_ms;
  INSERT INTO paymar_nuz (g, ms, tn, npp, nv, kou, s)
    SELECT g, ms, tn, npp, nv, kou, s FROM paymar_nu WHERE g = p_g AND ms = p_ms;
END //
DELIMITER ;
