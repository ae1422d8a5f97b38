#pragma once
// Qt's own texts (the standard buttons, the file dialog's labels and columns,
// the context menus) in Portuguese, from the translations Qt ships (Debian's
// qt6-translations-l10n): European Portuguese when installed, else Brazilian.
class QCoreApplication;

namespace tvx::ui_qt {

// True when a translation was loaded and installed in `app`.
bool installPortugueseTranslations(QCoreApplication& app);

}  // namespace tvx::ui_qt
