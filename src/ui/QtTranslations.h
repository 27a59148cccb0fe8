#pragma once

class QCoreApplication;

// Qt's own texts (file dialogs, standard buttons, the context menus of text fields) in German,
// like the rest of the program, whatever language the system speaks. The translations come with
// Qt (Debian: qt6-translations-l10n) or stand in "translations" beside the executable. Returns
// whether they were found.
bool InstallGermanQtTranslations(QCoreApplication& application);
