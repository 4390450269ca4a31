-- Workplace "Бухгалтерия" (ЛЕДМАРК): start and end of a session in this workplace.
-- Functions defined here are seen only in the context "Arm.ЛЕДМАРК"; every global
-- function of scripts/global.lua is seen here too.

function Load()
  app.log("Рабочее место \"Бухгалтерия\" открыто")
  return 1
end

function UnLoad()
  app.log("Рабочее место \"Бухгалтерия\" закрыто")
  return 1
end
