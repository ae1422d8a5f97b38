#include "host_erp/connection_settings.h"

#include "host_erp/host_settings.h"
#include "host_erp/settings_file.h"

namespace tvx::host_erp {

void ConnectionSettings::Carregar(const QString& sFicheiro) {
    ficheiro_ = sFicheiro;
    servidor_ = readSetting(ficheiro_, ConnectionSection, QStringLiteral("Servidor"));
    baseDados_ = readSetting(ficheiro_, ConnectionSection, QStringLiteral("BaseDados"));
    utilizador_ = readSetting(ficheiro_, ConnectionSection, QStringLiteral("User"));
    password_ = readSetting(ficheiro_, ConnectionSection, QStringLiteral("PassWord"));
}

void ConnectionSettings::Recarregar() {
    Carregar(ficheiro_);
    if (modo_ != 0) return;
    if (servidor_.isEmpty()) servidor_ = settings_->defaultServer();
    if (baseDados_.isEmpty()) baseDados_ = readSetting(ficheiro_, ApiSection, QStringLiteral("Empresa"));
}

}  // namespace tvx::host_erp
