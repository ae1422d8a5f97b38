#include "ui_qt/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

namespace tvx::ui_qt {

bool installPortugueseTranslations(QCoreApplication& app) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& name :
         {QStringLiteral("qtbase_pt_PT"), QStringLiteral("qtbase_pt"), QStringLiteral("qtbase_pt_BR")}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(name, folder) && QCoreApplication::installTranslator(translator)) return true;
        delete translator;
    }
    return false;
}

}  // namespace tvx::ui_qt
