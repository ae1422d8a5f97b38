#pragma once
// The add-in library as the host loads it: opened from its file, registered
// through its DllRegisterServer, its classes then created by name from the
// process's class registry. Letting it go unregisters it and unloads the
// library once DllCanUnloadNow allows.
#include <QString>
#include <memory>

namespace tvx {
class Dispatch;
}

namespace tvx::host_app {

class AddinLibrary {
public:
    // Loads and registers the library at `path`; CommandFailure when it cannot
    // be loaded, lacks an export or refuses to register.
    explicit AddinLibrary(const QString& path);
    ~AddinLibrary();
    AddinLibrary(const AddinLibrary&) = delete;
    AddinLibrary& operator=(const AddinLibrary&) = delete;

    const QString& path() const { return path_; }
    // A new object of the registered class `progId`, bound late (CommandFailure
    // when the class is unknown or its objects cannot be called by name).
    std::shared_ptr<Dispatch> create(const QString& progId) const;

private:
    template <class F>
    F* exported(const char* name) const;

    QString path_;
    void* handle_ = nullptr;
};

// The library to load: `given` when not empty; otherwise libtelvarix.so next
// to the program, in ../lib beside it, or where the build put it, the first
// that exists. CommandFailure naming the places looked in when none does.
QString findAddinLibrary(const QString& given);

}  // namespace tvx::host_app
