-- Demo payment orders of the current year: to the supplier under the repair
-- contract (ИП Соколов, organisation 4) and to the energy company
-- (organisation 2), for the bank payments' chooser.
SET @y = YEAR(CURDATE());
INSERT INTO plpor (d, number, s, org) VALUES
  (MAKEDATE(@y, 20), '101', 36000.00, 2),
  (MAKEDATE(@y, 50), '115', 21000.00, 2),
  (MAKEDATE(@y, 25), '102', 45000.00, 4),
  (MAKEDATE(@y, 60), '118', 50000.00, 4),
  (MAKEDATE(@y, 61), '119', 3500.00, 4);
