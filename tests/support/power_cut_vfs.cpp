#include "support/power_cut_vfs.h"

#include <sqlite3.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tvx::testing {

namespace {

PowerCutVfs* active = nullptr;
sqlite3_vfs* real = nullptr;
sqlite3_vfs shim;

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A file of the shim: the real file right after it.
struct File {
    sqlite3_file base;
    std::string* path;
    sqlite3_file* real() { return reinterpret_cast<sqlite3_file*>(this + 1); }
};

File* of(sqlite3_file* f) { return reinterpret_cast<File*>(f); }
sqlite3_io_methods methods;

int xClose(sqlite3_file* f) {
    const int rc = of(f)->real()->pMethods ? of(f)->real()->pMethods->xClose(of(f)->real()) : SQLITE_OK;
    delete of(f)->path;
    return rc;
}
int xRead(sqlite3_file* f, void* b, int n, sqlite3_int64 o) {
    return of(f)->real()->pMethods->xRead(of(f)->real(), b, n, o);
}
int xWrite(sqlite3_file* f, const void* b, int n, sqlite3_int64 o) {
    return of(f)->real()->pMethods->xWrite(of(f)->real(), b, n, o);
}
int xTruncate(sqlite3_file* f, sqlite3_int64 n) { return of(f)->real()->pMethods->xTruncate(of(f)->real(), n); }
int xSync(sqlite3_file* f, int flags) {
    const int rc = of(f)->real()->pMethods->xSync(of(f)->real(), flags);
    if (rc == SQLITE_OK && active) active->synced(*of(f)->path);
    return rc;
}
int xFileSize(sqlite3_file* f, sqlite3_int64* n) { return of(f)->real()->pMethods->xFileSize(of(f)->real(), n); }
int xLock(sqlite3_file* f, int l) { return of(f)->real()->pMethods->xLock(of(f)->real(), l); }
int xUnlock(sqlite3_file* f, int l) { return of(f)->real()->pMethods->xUnlock(of(f)->real(), l); }
int xCheckReservedLock(sqlite3_file* f, int* r) {
    return of(f)->real()->pMethods->xCheckReservedLock(of(f)->real(), r);
}
int xFileControl(sqlite3_file* f, int op, void* a) {
    return of(f)->real()->pMethods->xFileControl(of(f)->real(), op, a);
}
int xSectorSize(sqlite3_file* f) { return of(f)->real()->pMethods->xSectorSize(of(f)->real()); }
int xDeviceCharacteristics(sqlite3_file* f) { return of(f)->real()->pMethods->xDeviceCharacteristics(of(f)->real()); }
int xShmMap(sqlite3_file* f, int i, int n, int e, void volatile** p) {
    return of(f)->real()->pMethods->xShmMap(of(f)->real(), i, n, e, p);
}
int xShmLock(sqlite3_file* f, int o, int n, int fl) {
    return of(f)->real()->pMethods->xShmLock(of(f)->real(), o, n, fl);
}
void xShmBarrier(sqlite3_file* f) { of(f)->real()->pMethods->xShmBarrier(of(f)->real()); }
int xShmUnmap(sqlite3_file* f, int d) { return of(f)->real()->pMethods->xShmUnmap(of(f)->real(), d); }
// No memory-mapped reads: every read goes through xRead.
int xFetch(sqlite3_file*, sqlite3_int64, int, void** p) {
    *p = nullptr;
    return SQLITE_OK;
}
int xUnfetch(sqlite3_file*, sqlite3_int64, void*) { return SQLITE_OK; }

int xOpen(sqlite3_vfs*, const char* name, sqlite3_file* f, int flags, int* outFlags) {
    File* file = of(f);
    file->base.pMethods = nullptr;
    const int rc = real->xOpen(real, name, file->real(), flags, outFlags);
    if (rc != SQLITE_OK) return rc;
    file->path = new std::string(name ? QFileInfo(QString::fromUtf8(name)).absoluteFilePath().toStdString() : "");
    if (name && active) active->opened(*file->path);
    file->base.pMethods = &methods;
    return SQLITE_OK;
}
int xDelete(sqlite3_vfs*, const char* name, int syncDir) {
    const int rc = real->xDelete(real, name, syncDir);
    if (rc == SQLITE_OK && syncDir && active)
        active->removed(QFileInfo(QString::fromUtf8(name)).absoluteFilePath().toStdString());
    return rc;
}
int xAccess(sqlite3_vfs*, const char* n, int fl, int* r) { return real->xAccess(real, n, fl, r); }
int xFullPathname(sqlite3_vfs*, const char* n, int size, char* out) { return real->xFullPathname(real, n, size, out); }
void* xDlOpen(sqlite3_vfs*, const char* n) { return real->xDlOpen(real, n); }
void xDlError(sqlite3_vfs*, int n, char* m) { real->xDlError(real, n, m); }
void (*xDlSym(sqlite3_vfs*, void* h, const char* s))(void) { return real->xDlSym(real, h, s); }
void xDlClose(sqlite3_vfs*, void* h) { real->xDlClose(real, h); }
int xRandomness(sqlite3_vfs*, int n, char* out) { return real->xRandomness(real, n, out); }
int xSleep(sqlite3_vfs*, int us) { return real->xSleep(real, us); }
int xCurrentTime(sqlite3_vfs*, double* t) { return real->xCurrentTime(real, t); }
int xGetLastError(sqlite3_vfs*, int n, char* m) { return real->xGetLastError(real, n, m); }
int xCurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* t) { return real->xCurrentTimeInt64(real, t); }

}  // namespace

PowerCutVfs::PowerCutVfs() {
    if (active) throw std::logic_error("one PowerCutVfs at a time");
    real = sqlite3_vfs_find(nullptr);
    methods = {3,
               xClose,
               xRead,
               xWrite,
               xTruncate,
               xSync,
               xFileSize,
               xLock,
               xUnlock,
               xCheckReservedLock,
               xFileControl,
               xSectorSize,
               xDeviceCharacteristics,
               xShmMap,
               xShmLock,
               xShmBarrier,
               xShmUnmap,
               xFetch,
               xUnfetch};
    shim = *real;
    shim.szOsFile = int(sizeof(File)) + real->szOsFile;
    shim.zName = "telvarix-power-cut";
    shim.pNext = nullptr;
    shim.xOpen = xOpen;
    shim.xDelete = xDelete;
    shim.xAccess = xAccess;
    shim.xFullPathname = xFullPathname;
    shim.xDlOpen = xDlOpen;
    shim.xDlError = xDlError;
    shim.xDlSym = xDlSym;
    shim.xDlClose = xDlClose;
    shim.xRandomness = xRandomness;
    shim.xSleep = xSleep;
    shim.xCurrentTime = xCurrentTime;
    shim.xGetLastError = xGetLastError;
    shim.xCurrentTimeInt64 = xCurrentTimeInt64;
    shim.xSetSystemCall = nullptr;
    shim.xGetSystemCall = nullptr;
    shim.xNextSystemCall = nullptr;
    shim.iVersion = 2;
    active = this;
    sqlite3_vfs_register(&shim, 1);
}

PowerCutVfs::~PowerCutVfs() {
    sqlite3_vfs_unregister(&shim);
    sqlite3_vfs_register(real, 1);
    active = nullptr;
}

void PowerCutVfs::settle(const QString& folder) {
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const std::string path = QFileInfo(it.next()).absoluteFilePath().toStdString();
        durable_[path] = contentOf(path);
    }
}

void PowerCutVfs::synced(const std::string& path) { durable_[path] = contentOf(path); }

void PowerCutVfs::removed(const std::string& path) { durable_.erase(path); }

void PowerCutVfs::opened(const std::string& path) { touched_[path] = true; }

void PowerCutVfs::cut(const QString& from, const QString& to) const {
    const QDir source(QFileInfo(from).absoluteFilePath());
    QDirIterator it(source.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = QFileInfo(it.next()).absoluteFilePath();
        if (path.endsWith(QStringLiteral("-shm"))) continue;  // memory, rebuilt from the log
        const QString target = QDir(to).filePath(source.relativeFilePath(path));
        QDir().mkpath(QFileInfo(target).path());
        const std::string key = path.toStdString();
        if (!touched_.count(key)) {
            QFile::copy(path, target);
            continue;
        }
        const auto kept = durable_.find(key);
        if (kept == durable_.end()) continue;  // never synced: lost
        std::ofstream(target.toStdString(), std::ios::binary) << kept->second;
    }
}

}  // namespace tvx::testing
