-- Tables of the shell and of the database layer: users and their current
-- period, reporting periods, the workplaces a user may enter, the database
-- constants and the one document counter.

CREATE TABLE tn (
  tn INT NOT NULL AUTO_INCREMENT PRIMARY KEY,   -- personnel number
  f VARCHAR(60) NULL,                           -- surname
  i VARCHAR(60) NULL,                           -- first name
  o VARCHAR(60) NULL,                           -- patronymic
  pass VARCHAR(64) COLLATE utf8mb4_bin NULL,    -- login password (letter case counts)
  g INT NULL,                                   -- year of the current period
  ms INT NULL,                                  -- month of the current period
  otp_id INT NULL,                              -- period kind of the quarter view, 0 to 18
  dpv1 DATE NULL,                               -- first day of the working period
  dpv2 DATE NULL,                               -- last day of the working period
  dol INT NULL,                                 -- main position (ssv id)
  prd INT NULL,                                 -- department, cost centre (spr_prd id)
  serp VARCHAR(10) NULL,                        -- passport series
  nop VARCHAR(20) NULL,                         -- passport number
  kv1 VARCHAR(250) NULL,                        -- passport issued by (first part)
  kv2 VARCHAR(250) NULL,                        -- passport issued by (second part)
  dvpus DATE NULL                               -- passport issue date
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE otp (
  g INT NOT NULL,                               -- year
  ms INT NOT NULL,                              -- month 1 to 12
  d1 DATE NULL,                                 -- first day of the period
  d2 DATE NULL,                                 -- last day of the period
  PRIMARY KEY (g, ms)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- One row per workplace a user may enter; the same workplace may repeat.
CREATE TABLE system_tn_arm (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  tn INT NOT NULL,
  arm VARCHAR(64) NULL,                         -- workplace id of the configuration
  KEY system_tn_arm_tn (tn)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Database constants (GetConstant/SetConstant): HashKey, ORG_NAME, ...
CREATE TABLE system_const (
  name VARCHAR(64) NOT NULL PRIMARY KEY,
  val TEXT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- The one document counter of every kind of document: row 1 holds the last
-- number given. It is raised under the row's lock, so two saves never share one.
CREATE TABLE system_doc_counter (
  id INT NOT NULL PRIMARY KEY,
  last_id BIGINT NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

INSERT INTO system_doc_counter (id, last_id) VALUES (1, 0);
