#pragma once
// The members of the host's document objects (headers and lines). Each keeps
// its value in the kind the host stores it: a value is converted when it is
// set, and one that does not convert raises the platform's conversion error
// (13 Type mismatch, 6 Overflow, 94 Invalid use of Null); a member never set
// reads Empty. Whether the value makes sense for the document is the
// business of Validar.
#include "platform/automation/variant.h"

#include <QHash>
#include <QString>

namespace tvx::host_erp {

enum class MemberKind { Text, Integer, Long, Double, Money, Date, Boolean };

// `value` in `kind`; Empty stays Empty.
Variant toMemberKind(const Variant& value, MemberKind kind);

// A member's value read back for the host's own use, with the value an
// unset member stands for.
QString textOf(const Variant& member);  // "" when unset
std::int32_t numberOr(const Variant& member, std::int32_t unset);
double doubleOr(const Variant& member, double unset);
Currency moneyOr(const Variant& member, Currency unset);

class Members {
public:
    Variant get(const QString& name) const { return values_.value(name); }
    void set(const QString& name, const Variant& value, MemberKind kind) {
        values_.insert(name, toMemberKind(value, kind));
        ++edits_;
    }
    // A value the host gives itself (read from the company database), kept as it is.
    void store(const QString& name, const Variant& value) {
        values_.insert(name, value);
        ++edits_;
    }
    void clear() {
        values_.clear();
        ++edits_;
    }
    // How often the members were changed: a count that only grows.
    quint64 edits() const { return edits_; }

private:
    QHash<QString, Variant> values_;
    quint64 edits_ = 0;
};

}  // namespace tvx::host_erp

// Getter and setter of a host member kept in `members_`.
#define TVX_MEMBER(Name, Kind)                                                           \
    ::tvx::Variant Name() const override { return members_.get(QStringLiteral(#Name)); } \
    void Name(const ::tvx::Variant& value) override {                                    \
        members_.set(QStringLiteral(#Name), value, ::tvx::host_erp::MemberKind::Kind);   \
    }
