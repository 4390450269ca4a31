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

-- The deductions of a month after its accruals, in the caller's transaction
-- (it commits nothing itself):
-- income tax at 13 % of each position row's accruals on each sheet under code
-- 201, the employee's benefits of the month (standing ones in force and those
-- of the month) lowering the base row by row in the order of the rows, so the
-- whole base falls by the benefits and never below nothing;
-- then each writ in force, in the order of its number, deducts under its code
-- its monthly sum, or its percentage of what remains of the pay after the tax
-- and the earlier writs, never more than its balance (the total less what
-- other months paid) nor than what remains; the month's payment is kept in
-- paymar_isp1;
-- last, the month's results replace the month in the history the averages read,
-- and the month's employees in paymar_m.
DELIMITER //
CREATE PROCEDURE sp_paymar_ru(IN p_g INT, IN p_ms INT, IN p_pt INT)
BEGIN
  DECLARE v_first DATE DEFAULT MAKEDATE(p_g, 1) + INTERVAL (p_ms - 1) MONTH;
  DECLARE v_last DATE DEFAULT LAST_DAY(MAKEDATE(p_g, 1) + INTERVAL (p_ms - 1) MONTH);
  DECLARE v_done INT DEFAULT 0;
  DECLARE v_tn, v_npp, v_kou, v_row_npp, v_row_nv INT;
  DECLARE v_sv, v_s, v_pr, v_paid, v_left, v_amount DECIMAL(15,2);
  DECLARE writs CURSOR FOR
    SELECT i.tn, i.npp, i.kou, i.sv, i.s, i.pr FROM paymar_isp i
    WHERE i.pu = 1 AND i.kou > 200 AND (i.d1 IS NULL OR i.d1 <= v_last) AND (i.d2 IS NULL OR i.d2 >= v_first)
      AND EXISTS (SELECT 1 FROM paymar_nu n WHERE n.g = p_g AND n.ms = p_ms AND n.tn = i.tn AND n.kou <= 200)
    ORDER BY i.tn, i.npp;
  DECLARE CONTINUE HANDLER FOR NOT FOUND SET v_done = 1;

  DELETE FROM paymar_nu WHERE g = p_g AND ms = p_ms AND kou = 201;
  INSERT INTO paymar_nu (g, ms, tn, npp, nv, kou, s)
    SELECT p_g, p_ms, r.tn, r.npp, r.nv, 201,
           ROUND((r.s - LEAST(GREATEST(COALESCE(b.s, 0) - r.before_s, 0), GREATEST(r.s, 0))) * 0.13, 2)
    FROM (SELECT tn, npp, nv, SUM(s) AS s,
                 COALESCE(SUM(GREATEST(SUM(s), 0)) OVER (PARTITION BY tn ORDER BY npp, nv
                                                         ROWS BETWEEN UNBOUNDED PRECEDING AND 1 PRECEDING), 0) AS before_s
          FROM paymar_nu WHERE g = p_g AND ms = p_ms AND kou <= 200
          GROUP BY tn, npp, nv) r
    LEFT JOIN (SELECT tn, SUM(s) AS s FROM (
                 SELECT tn, s FROM paymar_lgoty
                 WHERE (d1 IS NULL OR d1 <= v_last) AND (d2 IS NULL OR d2 >= v_first)
                 UNION ALL
                 SELECT tn, s FROM paymar_m_ WHERE g = p_g AND ms = p_ms) l
               GROUP BY tn) b ON b.tn = r.tn
    WHERE ROUND((r.s - LEAST(GREATEST(COALESCE(b.s, 0) - r.before_s, 0), GREATEST(r.s, 0))) * 0.13, 2) <> 0;

  DELETE FROM paymar_isp1 WHERE g = p_g AND ms = p_ms;
  DELETE n FROM paymar_nu n JOIN paymar_isp i ON i.tn = n.tn AND i.kou = n.kou
    WHERE n.g = p_g AND n.ms = p_ms AND n.kou > 201;
  OPEN writs;
  writ: LOOP
    FETCH writs INTO v_tn, v_npp, v_kou, v_sv, v_s, v_pr;
    IF v_done = 1 THEN LEAVE writ; END IF;
    SELECT COALESCE(SUM(CASE WHEN kou <= 200 THEN s ELSE -s END), 0) INTO v_left
      FROM paymar_nu WHERE g = p_g AND ms = p_ms AND tn = v_tn;
    SET v_amount = IF(COALESCE(v_s, 0) <> 0, v_s, ROUND(GREATEST(v_left, 0) * COALESCE(v_pr, 0) / 100, 2));
    IF v_sv IS NOT NULL THEN
      SELECT COALESCE(SUM(s), 0) INTO v_paid FROM paymar_isp1 WHERE tn = v_tn AND npp = v_npp;
      SET v_amount = LEAST(v_amount, GREATEST(v_sv - v_paid, 0));
    END IF;
    SET v_amount = LEAST(v_amount, GREATEST(v_left, 0));
    IF v_amount > 0 THEN
      -- On the employee's first row of the month with an accrual.
      SELECT npp, nv INTO v_row_npp, v_row_nv FROM paymar_nu
        WHERE g = p_g AND ms = p_ms AND tn = v_tn AND kou <= 200 ORDER BY npp, nv LIMIT 1;
      INSERT INTO paymar_nu (g, ms, tn, npp, nv, kou, s) VALUES (p_g, p_ms, v_tn, v_row_npp, v_row_nv, v_kou, v_amount)
        ON DUPLICATE KEY UPDATE s = s + VALUES(s);
      INSERT INTO paymar_isp1 (tn, npp, g, ms, s) VALUES (v_tn, v_npp, p_g, p_ms, v_amount);
    END IF;
  END LOOP;
  CLOSE writs;

  DELETE FROM paymar_nuz WHERE g = p_g AND ms = p_ms;
  INSERT INTO paymar_nuz (g, ms, tn, npp, nv, kou, s)
    SELECT g, ms, tn, npp, nv, kou, s FROM paymar_nu WHERE g = p_g AND ms = p_ms;
  -- The month's employees, with the department and category of their main
  -- position row: the months the payroll reports offer.
  DELETE FROM paymar_m WHERE g = p_g AND ms = p_ms;
  INSERT INTO paymar_m (g, ms, tn, kat, prd)
    SELECT p_g, p_ms, n.tn, b.kat, b.prd
    FROM (SELECT DISTINCT tn FROM paymar_nu WHERE g = p_g AND ms = p_ms) n
    LEFT JOIN (SELECT tn, MIN(npp) AS npp FROM paymar_bux WHERE osn = 1 GROUP BY tn) m ON m.tn = n.tn
    LEFT JOIN paymar_bux b ON b.tn = m.tn AND b.npp = m.npp;
END //
DELIMITER ;
