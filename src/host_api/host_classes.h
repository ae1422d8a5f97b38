#pragma once
// The class names under which the host registers the components the add-in
// creates itself (created through the class registry, never by type).
#include <QString>

namespace tvx::host_classes {

inline const QString SessaoApi = QStringLiteral("TumoVesk.SessaoApi");
inline const QString DalLigacao = QStringLiteral("TumoVesk.DalLigacao");
inline const QString ConfigLigacao = QStringLiteral("TumoVesk.ConfigLigacao");
inline const QString PastaBase = QStringLiteral("TumoVesk.PastaBase");
inline const QString PastaExiste = QStringLiteral("TumoVesk.PastaExiste");

}  // namespace tvx::host_classes
