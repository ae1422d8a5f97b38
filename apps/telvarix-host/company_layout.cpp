#include "telvarix-host/company_layout.h"

#include "host_erp/company_files.h"
#include "host_erp/host_settings.h"
#include "telvarix-host/command_line.h"

#include <QDir>

namespace tvx::host_app {

CompanyLayout::CompanyLayout(const QString& baseFolder, const QString& companyCode)
    : base(QDir::cleanPath(QDir(baseFolder).absolutePath())), company(companyCode) {
    if (base.contains(u'\''))
        throw UsageError(QStringLiteral("the base folder '%1' holds a single quote, which the add-in's connection "
                                        "strings cannot carry.")
                             .arg(base));
}

QString CompanyLayout::settingsFolder() const { return QDir(base).filePath(QStringLiteral("quorel")); }

QString CompanyLayout::settingsFile() const {
    return QDir(settingsFolder()).filePath(QStringLiteral("BRISKO.") + company);
}

QString CompanyLayout::companyDatabase() const {
    return host_erp::companyFilePath(base, host_erp::HostSettings().defaultServer(), company);
}

QString CompanyLayout::agencyDatabase() const {
    return QDir(base).filePath(QStringLiteral("agencia/%1.accdb").arg(company));
}

QStringList CompanyLayout::files() const { return {settingsFile(), companyDatabase(), agencyDatabase()}; }

}  // namespace tvx::host_app
