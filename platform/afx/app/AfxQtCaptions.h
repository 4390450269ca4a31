// Qt's own windows (the file dialog of "Сохранить в PDF", the print dialog, an
// edit field's context menu) speak the interface's language: the program
// loads Qt's Russian captions at its start, whatever the machine's locale.
#pragma once

// Installs Qt's Russian captions for the whole program once; false when the
// machine has none (Debian: qt6-translations-l10n), and Qt then speaks English.
bool AfxInstallQtCaptions();
