#include "platform/ado/fields.h"

#include "platform/ado/ado_errors.h"
#include "platform/ado/recordset.h"

namespace tvx::ado {

const FieldInfo& Field::info() const {
    const auto& infos = owner_->Fields().infos();
    // The record set may have been closed (and its fields dropped) since.
    if (index_ >= int(infos.size())) raise(err::ItemNotFound, kFieldsSource);
    return infos[std::size_t(index_)];
}

Variant Field::Value() const { return owner_->value(index_); }

void Field::setValue(const Variant& value) { owner_->setValue(index_, value); }

void Fields::Append(const QString& name, int type, int definedSize, int attributes) {
    if (owner_.State() != adStateClosed) raise(err::NotAllowedInContext, kFieldsSource);
    if (name.isEmpty() || !isKnownType(type) || definedSize < 0) raise(err::BadArguments, kFieldsSource);
    if (indexOf(name) >= 0) raise(err::AlreadyInCollection, kFieldsSource);
    infos_.push_back(appendedField(name, DataType(type), definedSize, attributes));
}

Field Fields::Item(int index) const {
    if (index < 0 || index >= Count()) raise(err::ItemNotFound, kFieldsSource);
    return Field(owner_, index);
}

Field Fields::Item(const QString& name) const {
    const int index = indexOf(name);
    if (index < 0) raise(err::ItemNotFound, kFieldsSource);
    return Field(owner_, index);
}

}  // namespace tvx::ado
