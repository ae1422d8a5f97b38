#pragma once
// Reading the add-in's settings file as the host does (profile strings: keys
// matched without regard to case, a missing file or key reads "").
#include <QString>

namespace tvx::host_erp {

inline const QString ConnectionSection = QStringLiteral("Ligação");
inline const QString ApiSection = QStringLiteral("Api Vesk");

QString readSetting(const QString& file, const QString& section, const QString& key);

}  // namespace tvx::host_erp
