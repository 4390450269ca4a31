-- Workplace "Тарификация" (ВЕНЗОЛ): start and end of a session in this workplace.
-- Functions defined here are seen only in the context "Arm.ВЕНЗОЛ"; every global
-- function of scripts/global.lua is seen here too.

function Load()
  app.log("Рабочее место \"Тарификация\" открыто")
  return 1
end

function UnLoad()
  app.log("Рабочее место \"Тарификация\" закрыто")
  return 1
end
