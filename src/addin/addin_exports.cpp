// The exported entry points of the add-in library.
#include "addin/addin_exports.h"

#include "addin/addin_runs.h"
#include "addin/solucao.h"
#include "agency/access.h"
#include "agency/csv.h"
#include "platform/automation/automation_error.h"
#include "platform/automation/class_registry.h"
#include "receipts/vsk_doc_keys.h"

#include <atomic>
#include <vector>

namespace tvx::addin {

namespace {

std::atomic<int> liveObjects{0};

// Objects the library hands out are counted until their last reference goes.
template <class T>
ObjectRef counted(T* object) {
    ++liveObjects;
    return std::shared_ptr<T>(object, [](T* o) {
        delete o;
        --liveObjects;
    });
}

// The desktop the host registered: the host decides whether the add-in shows
// real windows or prints to a console. Without one there is nothing to show
// a message on, so the entry object cannot be made.
std::shared_ptr<ui::AddinUi> desktop() {
    if (auto registered = ui::registeredDesktop()) return registered;
    err::raise(err::CannotCreateObject, QStringLiteral("Telvarix.Solucao"));
}

struct PublicClass {
    QString progId;
    registry::ClassFactory factory;
};

const std::vector<PublicClass>& publicClasses() {
    static const std::vector<PublicClass> classes = {
        {QStringLiteral("Telvarix.Solucao"), [] { return counted(new Solucao(desktop())); }},
        {AccessProgId, [] { return counted(new Access()); }},
        {CsvProgId, [] { return counted(new CSV()); }},
        {QStringLiteral("Telvarix.VskDocKey"), [] { return counted(new VskDocKey()); }},
        {QStringLiteral("Telvarix.VskDocKeys"), [] { return counted(new VskDocKeys()); }},
    };
    return classes;
}

const PublicClass* findClass(const char* progId) {
    if (progId == nullptr) return nullptr;
    const QString wanted = QString::fromUtf8(progId);
    for (const PublicClass& c : publicClasses())
        if (c.progId.compare(wanted, Qt::CaseInsensitive) == 0) return &c;
    return nullptr;
}

}  // namespace

}  // namespace tvx::addin

using namespace tvx::addin;

extern "C" {

__attribute__((visibility("default"))) std::int32_t DllRegisterServer() {
    for (const PublicClass& c : publicClasses()) tvx::registry::registerClass(c.progId, c.factory);
    return status::Ok;
}

__attribute__((visibility("default"))) std::int32_t DllUnregisterServer() {
    for (const PublicClass& c : publicClasses()) tvx::registry::unregisterClass(c.progId);
    return status::Ok;
}

__attribute__((visibility("default"))) std::int32_t DllGetClassObject(const char* progId, void** ppv) {
    if (ppv == nullptr) return status::Pointer;
    *ppv = nullptr;
    const PublicClass* c = findClass(progId);
    if (c == nullptr) return status::ClassNotAvailable;
    *ppv = const_cast<tvx::registry::ClassFactory*>(&c->factory);
    return status::Ok;
}

__attribute__((visibility("default"))) std::int32_t DllCanUnloadNow() {
    return liveObjects.load() == 0 ? status::Ok : status::False;
}
}
