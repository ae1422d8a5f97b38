#include "addin/addin_folder.h"

#include <dlfcn.h>
#include <QDir>
#include <QFileInfo>

namespace tvx::addin {

QString addinFolder() {
    // The file this very function was loaded from: the add-in library, or the
    // program it is linked into.
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&addinFolder), &info) != 0 && info.dli_fname != nullptr)
        return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
    return QDir::currentPath();
}

}  // namespace tvx::addin
