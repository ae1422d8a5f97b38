#include "platform/automation/collection.h"

#include "platform/automation/automation_error.h"
#include "platform/automation/conversions.h"

#include <algorithm>

namespace tvx {

namespace {

bool sameKey(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

}  // namespace

std::size_t Collection::indexOf(const Variant& indexOrKey) const {
    if (indexOrKey.type() == VarType::String) {
        const QString& key = indexOrKey.asString();
        const auto found = std::find_if(items_.begin(), items_.end(),
                                        [&key](const Entry& e) { return !e.key.isEmpty() && sameKey(e.key, key); });
        if (found == items_.end()) err::raise(err::InvalidCall);
        return std::size_t(found - items_.begin());
    }
    if (indexOrKey.isEmpty()) err::raise(err::InvalidCall);
    const std::int32_t index = CLng(indexOrKey);  // 94 for Null, 13 for objects
    if (index < 1 || index > Count()) err::raise(err::SubscriptOutOfRange);
    return std::size_t(index - 1);
}

void Collection::Add(const Variant& item, const QString& key, const std::optional<Variant>& before,
                     const std::optional<Variant>& after) {
    if (!key.isEmpty() &&
        std::any_of(items_.begin(), items_.end(), [&key](const Entry& e) { return sameKey(e.key, key); }))
        err::raise(err::DuplicateKey);
    if (before && after) err::raise(err::InvalidCall);

    std::size_t position = items_.size();
    if (before || after) {
        std::size_t member = 0;
        // A position naming no member is an invalid argument here, whatever the lookup said.
        if (!tryIgnoringError([&] { member = indexOf(before ? *before : *after); })) err::raise(err::InvalidCall);
        position = before ? member : member + 1;
    }
    items_.insert(items_.begin() + std::ptrdiff_t(position), Entry{item, key});
}

Variant Collection::Item(const Variant& indexOrKey) const { return items_[indexOf(indexOrKey)].item; }

void Collection::Remove(const Variant& indexOrKey) {
    items_.erase(items_.begin() + std::ptrdiff_t(indexOf(indexOrKey)));
}

}  // namespace tvx
