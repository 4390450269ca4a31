-- Global scripts of the configuration: the start and the end of a session.
-- Load() runs once the modules are loaded (a 0 or an error stops the start),
-- UnLoad() when the main window closes.

function Load()
  app.log("Конфигурация загружена, рабочее место " .. app.arm())
  return 1
end

function UnLoad()
  return 1
end
