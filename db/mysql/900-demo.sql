-- Demo data: one user who can log in (personnel number 1, password 123),
-- with her position, department and passport,
-- the workplaces of the default configuration open to that user, the periods
-- of the current year and the organisation's name.

-- Her period is the current month, and its kind (`otp_id`, the row of the
-- period view by kind) is that month's.
INSERT INTO tn (tn, f, i, o, pass, g, ms, otp_id, dpv1, dpv2, dol, prd, serp, nop, kv1, kv2, dvpus)
VALUES (1, 'Петрова', 'Анна', 'Сергеевна', '123', YEAR(CURDATE()), MONTH(CURDATE()),
        ELT(MONTH(CURDATE()), 0, 1, 2, 4, 5, 6, 9, 10, 11, 14, 15, 16),
        DATE_FORMAT(CURDATE(), '%Y-%m-01'), LAST_DAY(CURDATE()),
        1, 1, '4509', '123456', 'Отделом УФМС России по г. Ольмарску', 'в Центральном районе', '2012-06-15');

INSERT INTO system_tn_arm (tn, arm) VALUES
  (1, 'ЛЕДМАРК'), (1, 'ПАЙМАР'), (1, 'ПЕРСО'), (1, 'ВЕНЗОЛ'), (1, 'СТОВАН');

INSERT INTO otp (g, ms, d1, d2)
SELECT YEAR(CURDATE()), m.ms,
       MAKEDATE(YEAR(CURDATE()), 1) + INTERVAL (m.ms - 1) MONTH,
       LAST_DAY(MAKEDATE(YEAR(CURDATE()), 1) + INTERVAL (m.ms - 1) MONTH)
FROM (SELECT 1 AS ms UNION ALL SELECT 2 UNION ALL SELECT 3 UNION ALL SELECT 4 UNION ALL SELECT 5
      UNION ALL SELECT 6 UNION ALL SELECT 7 UNION ALL SELECT 8 UNION ALL SELECT 9 UNION ALL SELECT 10
      UNION ALL SELECT 11 UNION ALL SELECT 12) m;

INSERT INTO system_const (name, val) VALUES
  ('ORG_NAME', 'МБДОУ «Детский сад № 7 „Солнышко“»'),
  ('ORG_GL_BUH', 'Петрова А. С.'),
  ('ORG_RUK', 'Смирнова Е. В.'),
  ('const_ProjectType', '0'),
  -- the configuration's version (config/config.json), shown in the about box
  ('CONFIG_VERSION0', '1'),
  ('CONFIG_VERSION1', '0'),
  ('CONFIG_VERSION2', '0');
