-- Workplace "Заработная плата" (ПАЙМАР): start and end of a session in this workplace.
-- Functions defined here are seen only in the context "Arm.ПАЙМАР"; every global
-- function of scripts/global.lua is seen here too.

function Load()
  app.log("Рабочее место \"Заработная плата\" открыто")
  return 1
end

function UnLoad()
  app.log("Рабочее место \"Заработная плата\" закрыто")
  return 1
end
