#include "platform/automation/class_registry.h"

#include "platform/automation/automation_error.h"

#include <map>
#include <mutex>

namespace tvx::registry {

namespace {

struct Registration {
    QString progId;
    ClassFactory factory;
};

struct Registry {
    std::mutex lock;
    std::map<QString, Registration> classes;  // by case-folded ProgID
};

Registry& registry() {
    static Registry r;
    return r;
}

QString keyOf(const QString& progId) { return progId.toCaseFolded(); }

}  // namespace

void registerClass(const QString& progId, ClassFactory factory) {
    std::lock_guard guard(registry().lock);
    registry().classes.insert_or_assign(keyOf(progId), Registration{progId, std::move(factory)});
}

bool unregisterClass(const QString& progId) {
    std::lock_guard guard(registry().lock);
    return registry().classes.erase(keyOf(progId)) > 0;
}

bool isRegistered(const QString& progId) {
    std::lock_guard guard(registry().lock);
    return registry().classes.count(keyOf(progId)) > 0;
}

ObjectRef create(const QString& progId) {
    ClassFactory factory;
    {
        std::lock_guard guard(registry().lock);
        const auto found = registry().classes.find(keyOf(progId));
        if (found != registry().classes.end()) factory = found->second.factory;
    }
    // The factory runs unlocked: constructors may create further registered objects.
    ObjectRef object = factory ? factory() : nullptr;
    if (!object) err::raise(err::CannotCreateObject, progId);
    return object;
}

QStringList registeredClasses() {
    std::lock_guard guard(registry().lock);
    QStringList names;
    for (const auto& [key, registration] : registry().classes) names << registration.progId;
    return names;
}

}  // namespace tvx::registry
