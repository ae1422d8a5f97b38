#include "host_erp/folders.h"

#include "host_erp/host_settings.h"

#include <QFileInfo>

namespace tvx::host_erp {

QString BaseFolder::Pasta() { return settings_->baseFolder(); }

bool FolderExists::Existe(const QString& sPasta) { return !sPasta.isEmpty() && QFileInfo(localPath(sPasta)).isDir(); }

}  // namespace tvx::host_erp
