#pragma once
// The platform's Collection: 1-based items with optional, case-insensitive text keys.
#include "platform/automation/variant.h"

#include <QString>
#include <optional>
#include <vector>

namespace tvx {

class Collection : public AutomationObject {
public:
    // Appends `item` (at the end, or before/after an existing member given by
    // 1-based index). A key already present raises 457; before and after both
    // given, or naming no member, raise 5.
    void Add(const Variant& item, const QString& key = {}, const std::optional<Variant>& before = {},
             const std::optional<Variant>& after = {});
    // By 1-based index (outside 1..Count: error 9) or by key (absent: error 5).
    Variant Item(const Variant& indexOrKey) const;
    Variant Item(int index) const { return Item(Variant(std::int32_t(index))); }
    Variant Item(const QString& key) const { return Item(Variant(key)); }
    Variant Item(const char* utf8Key) const { return Item(Variant(utf8Key)); }
    void Remove(const Variant& indexOrKey);
    int Count() const { return int(items_.size()); }

    // Enumeration in order.
    auto begin() const { return items_.cbegin(); }
    auto end() const { return items_.cend(); }

    struct Entry {
        Variant item;
        QString key;  // empty when the item has none
    };

private:
    std::size_t indexOf(const Variant& indexOrKey) const;  // 0-based; raises 9 or 5
    std::vector<Entry> items_;
};

}  // namespace tvx
