-- Demo entries of the VAT sales book: the three months up to the current one
-- (the working period shows some) of invoices issued to the demo buyers at
-- 20 %, 18 % and 10 %, one at 0 % and one exempt, of sources 2 and 4.

SET @quarter = DATE_FORMAT(CURDATE(), '%Y-%m-01') - INTERVAL 2 MONTH;

INSERT INTO ledmark_kniga_prod (iff, d, number, s, d_sf, do, org, icn, nos18, s18, nos10, s10, nos20, s20, s0, s00,
                                fil_id, m0, d0) VALUES
  (2, @quarter + INTERVAL 5 DAY, '31', 12000.00, @quarter + INTERVAL 4 DAY, @quarter + INTERVAL 5 DAY, 1,
   'ООО "Продторг"', NULL, NULL, NULL, NULL, 10000.00, 2000.00, NULL, NULL, 1, 1, NOW()),
  (2, @quarter + INTERVAL 20 DAY, '32', 1180.00, @quarter + INTERVAL 19 DAY, NULL, 3,
   'ПАО "Связьтелеком"', 1000.00, 180.00, NULL, NULL, NULL, NULL, NULL, NULL, 1, 1, NOW()),
  (2, @quarter + INTERVAL 40 DAY, '33', 5500.00, @quarter + INTERVAL 40 DAY, @quarter + INTERVAL 42 DAY, 4,
   'ИП Соколов Игорь Николаевич', NULL, NULL, 5000.00, 500.00, NULL, NULL, NULL, NULL, 1, 1, NOW()),
  (2, @quarter + INTERVAL 2 MONTH + INTERVAL 2 DAY, '34', 3000.00, @quarter + INTERVAL 2 MONTH + INTERVAL 2 DAY,
   NULL, 1,
   'ООО "Продторг"', NULL, NULL, NULL, NULL, NULL, NULL, 3000.00, NULL, 1, 1, NOW()),
  (4, @quarter + INTERVAL 2 MONTH + INTERVAL 4 DAY, '35', 800.00, @quarter + INTERVAL 2 MONTH + INTERVAL 4 DAY,
   @quarter + INTERVAL 2 MONTH + INTERVAL 5 DAY, 2,
   'АО "Ольмарскэнергосбыт"', NULL, NULL, NULL, NULL, NULL, NULL, NULL, 800.00, 1, 1, NOW());
