#pragma once
// The ordered collection of the document keys of one transfer: keys stay in
// insertion order and may carry a text key. Errors are the collection's
// (457 for a text key already present, 9 for a position outside 1..Count,
// 5 for an absent text key) and reach the caller unchanged.
#include "platform/automation/collection.h"
#include "platform/automation/dispatch.h"
#include "receipts/vsk_doc_key.h"

#include <iterator>
#include <memory>

namespace tvx {

class VskDocKeys : public Dispatch {
public:
    using KeyRef = std::shared_ptr<VskDocKey>;

    // Interface slot order: Add, Item (default member), Count, Remove,
    // NewEnum (hidden, the enumerator).
    //
    // A new key with these four fields (the others stay zero), appended
    // under `sKey` when it is not empty.
    KeyRef Add(const QString& Tipo, std::int32_t Numero, std::int16_t Serie, std::int16_t Ano,
               const QString& sKey = {});
    // By 1-based position or by text key.
    KeyRef Item(const Variant& vntIndexKey) const;
    std::int32_t Count() const { return keys_.Count(); }
    void Remove(const Variant& vntIndexKey) { keys_.Remove(vntIndexKey); }

    // For-each over the keys, in insertion order.
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = KeyRef;
        using difference_type = std::ptrdiff_t;
        using pointer = const KeyRef*;
        using reference = KeyRef;

        const_iterator() = default;
        explicit const_iterator(std::vector<Collection::Entry>::const_iterator it) : it_(it) {}
        KeyRef operator*() const { return std::static_pointer_cast<VskDocKey>(it_->item.asObject()); }
        const_iterator& operator++() {
            ++it_;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator old = *this;
            ++it_;
            return old;
        }
        bool operator==(const const_iterator&) const = default;

    private:
        std::vector<Collection::Entry>::const_iterator it_;
    };
    const_iterator begin() const { return const_iterator(keys_.begin()); }
    const_iterator end() const { return const_iterator(keys_.end()); }

    // Late binding. The default member (dispatch id 0) is reached with an
    // empty name and is Item. NewEnum answers an enumerator object whose
    // "Next" member fills its one argument with the following key and
    // answers True, or answers False at the end; "Reset" starts again.
    QStringList memberNames() const override;
    Variant Invoke(const QString& name, std::vector<Variant>& args) override;

private:
    Collection keys_;
};

}  // namespace tvx
