-- Demo: the employees' children and a disabled employee. Employee 10, whose
-- only position ended with the month before, is a mother on leave whose
-- younger child reaches one and a half years on the 10th of the working
-- month (this month); 2 has two school children, 13 a child under three.

SET @m0 = DATE_FORMAT(CURDATE(), '%Y-%m-01');

INSERT INTO paymar_iz (tn, npp, dr, b15, b3) VALUES
  (10, 1, @m0 - INTERVAL 8 YEAR + INTERVAL 3 DAY, 0, 0),
  (10, 2, @m0 - INTERVAL 18 MONTH + INTERVAL 9 DAY, 1, 1),
  (2, 1, @m0 - INTERVAL 12 YEAR + INTERVAL 20 DAY, 0, 0),
  (2, 2, @m0 - INTERVAL 5 YEAR - INTERVAL 2 MONTH, 0, 0),
  (13, 1, @m0 - INTERVAL 26 MONTH + INTERVAL 14 DAY, 0, 1);

UPDATE tn SET m_o = 1 WHERE tn = 10;

INSERT INTO paymar_inv (tn, gr, ser, number, d) VALUES
  (16, 3, 'МСЭ-2015', '0412874', @m0 - INTERVAL 3 YEAR + INTERVAL 11 DAY);
