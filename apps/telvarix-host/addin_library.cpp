#include "telvarix-host/addin_library.h"

#include "platform/automation/class_registry.h"
#include "platform/automation/dispatch.h"
#include "telvarix-host/command_line.h"

#include <dlfcn.h>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdint>

namespace tvx::host_app {

namespace {

using Status = std::int32_t;
const QString LibraryName = QStringLiteral("libtelvarix.so");

QString dlerrorText() {
    const char* text = dlerror();
    return text ? QString::fromLocal8Bit(text) : QStringLiteral("unknown error");
}

}  // namespace

template <class F>
F* AddinLibrary::exported(const char* name) const {
    auto* f = reinterpret_cast<F*>(dlsym(handle_, name));
    if (!f) throw CommandFailure(QStringLiteral("the add-in %1 has no %2.").arg(path_, QLatin1String(name)));
    return f;
}

AddinLibrary::AddinLibrary(const QString& path) : path_(path) {
    handle_ = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) throw CommandFailure(QStringLiteral("cannot load the add-in: %1").arg(dlerrorText()));
    Status status = -1;
    try {
        status = exported<Status()>("DllRegisterServer")();
    } catch (...) {
        dlclose(handle_);
        throw;
    }
    if (status != 0) {
        dlclose(handle_);
        throw CommandFailure(QStringLiteral("the add-in %1 refused to register (status %2).").arg(path).arg(status));
    }
}

AddinLibrary::~AddinLibrary() {
    if (auto* unregisterServer = reinterpret_cast<Status (*)()>(dlsym(handle_, "DllUnregisterServer")))
        unregisterServer();
    auto* canUnloadNow = reinterpret_cast<Status (*)()>(dlsym(handle_, "DllCanUnloadNow"));
    // An object of the library still alive keeps its code loaded.
    if (canUnloadNow && canUnloadNow() == 0) dlclose(handle_);
}

std::shared_ptr<Dispatch> AddinLibrary::create(const QString& progId) const {
    if (!registry::isRegistered(progId))
        throw CommandFailure(QStringLiteral("the add-in %1 registered no class %2.").arg(path_, progId));
    auto object = std::dynamic_pointer_cast<Dispatch>(registry::create(progId));
    if (!object) throw CommandFailure(QStringLiteral("objects of %1 cannot be called by name.").arg(progId));
    return object;
}

QString findAddinLibrary(const QString& given) {
    if (!given.isEmpty()) {
        if (!QFileInfo(given).isFile()) throw CommandFailure(QStringLiteral("no add-in library %1.").arg(given));
        return QFileInfo(given).absoluteFilePath();
    }
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QStringList candidates = {programFolder.filePath(LibraryName),
                                    programFolder.filePath(QStringLiteral("../lib/") + LibraryName),
                                    QStringLiteral(TELVARIX_ADDIN_BUILD_PATH)};
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isFile()) return QFileInfo(candidate).absoluteFilePath();
    throw CommandFailure(QStringLiteral("no add-in library found (looked for %1); give one with --addin.")
                             .arg(candidates.join(QStringLiteral(", "))));
}

}  // namespace tvx::host_app
