-- Tables of the warehouse: the books of the stock room (its departments,
-- cabinets, kinds of work, treatment methods), what the warehouse adds to
-- the shared books, and the receipts of materials. Demo rows are in
-- 950-warehouse-demo.sql.

-- Departments of the stock room; a department with dt_del is no longer offered.
CREATE TABLE spr_stovan_prd (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  name VARCHAR(250) NOT NULL,
  dt_del DATE NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Cabinets (rooms) materials are issued to, keyed by the code on their door.
CREATE TABLE kab (
  id VARCHAR(10) NOT NULL PRIMARY KEY,
  name VARCHAR(250) NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Kinds of work materials are issued for.
CREATE TABLE spr_stovan_vr (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  name VARCHAR(250) NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Treatment methods materials are issued for.
CREATE TABLE spr_vl (
  id INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  name VARCHAR(250) NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Pay statements (300-staff.sql): the stock is kept per department and
-- statement. The warehouse's choosers also read whether a statement is no
-- longer offered (dt_del), its source of financing (isf) and its budget
-- classification code (kbk).
ALTER TABLE nv
  ADD COLUMN dt_del DATE NULL,
  ADD COLUMN isf INT NULL,
  ADD COLUMN kbk VARCHAR(20) NULL;

-- The decimals in which a material's quantities are shown.
ALTER TABLE spr_stovan_mat ADD COLUMN okr INT NOT NULL DEFAULT 0;

-- Receipts of materials into a department's stock under a statement: one
-- header per receipt, numbered npp from 1 within its day, department and
-- statement. ndoc is the supplier's document number; the materials come from
-- an organisation (org) or back from an employee (tn), never both.
CREATE TABLE stovan_prx0 (
  d DATE NOT NULL,
  prd INT NOT NULL,
  nv INT NOT NULL,
  npp INT NOT NULL,
  ndoc VARCHAR(50) NULL,
  org INT NULL,
  tn INT NULL,
  PRIMARY KEY (d, prd, nv, npp)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- The receipt's lines: material id, price, quantity kol and sum s (price and
-- sum NULL when not given). Lines have no number of their own (line_id only
-- keys the row); they are read in material order. The index on (prd, nv, id)
-- serves the stock balance an issue is checked against.
CREATE TABLE stovan_prx1 (
  line_id BIGINT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  d DATE NOT NULL,
  prd INT NOT NULL,
  nv INT NOT NULL,
  npp INT NOT NULL,
  id INT NOT NULL,
  price DECIMAL(18,2) NULL,
  kol DECIMAL(19,6) NOT NULL,
  s DECIMAL(18,2) NULL,
  KEY stovan_prx1_receipt (d, prd, nv, npp),
  KEY stovan_prx1_stock (prd, nv, id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Issue requisitions: materials issued from a department's stock under a
-- statement to an employee or an organisation, for a cabinet. ntreb counts
-- from 1 per department and month (ym, kept by the server), so one number
-- stands for one requisition of a department in a month.
CREATE TABLE stovan_rsx0 (
  ntreb INT NOT NULL,
  d DATE NOT NULL,
  prd INT NOT NULL,
  nv INT NOT NULL,
  kab VARCHAR(10) NULL,
  org INT NULL,
  tn INT NULL,
  ym INT AS (YEAR(d) * 100 + MONTH(d)) PERSISTENT,
  PRIMARY KEY (d, prd, ntreb),
  UNIQUE KEY stovan_rsx0_month (ym, prd, ntreb)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- The requisition's lines: material id, quantity kol and the stock left
-- after the line as the form computed it (ost).
CREATE TABLE stovan_rsx1 (
  line_id BIGINT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  ntreb INT NOT NULL,
  d DATE NOT NULL,
  prd INT NOT NULL,
  nv INT NOT NULL,
  id INT NOT NULL,
  kol DECIMAL(19,6) NOT NULL,
  ost DECIMAL(19,6) NULL,
  KEY stovan_rsx1_requisition (d, prd, ntreb),
  KEY stovan_rsx1_stock (prd, nv, id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Materials written off from the employees responsible for them: material id,
-- quantity kol, the day dpv, department, statement and the employee tns. No
-- form of the warehouse writes it; its rows come from outside (the write-off
-- acts) and the report per employee reads them.
CREATE TABLE stovan_spis_mol_mat (
  line_id BIGINT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  id INT NOT NULL,
  kol DECIMAL(19,6) NOT NULL,
  dpv DATE NOT NULL,
  prd INT NOT NULL,
  nv INT NOT NULL,
  tns INT NOT NULL,
  KEY stovan_spis_mol_mat_employee (tns, dpv)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;
