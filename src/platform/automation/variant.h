#pragma once
// The platform's variant: the value type that crosses every automation
// interface and fills every record-set cell.
#include "platform/automation/currency.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <variant>

namespace tvx {

// Base of every object that can travel inside a Variant (automation objects).
class AutomationObject {
public:
    virtual ~AutomationObject() = default;
};
using ObjectRef = std::shared_ptr<AutomationObject>;

// Type codes as the platform numbers them (VarType).
enum class VarType : int {
    Empty = 0,
    Null = 1,
    Integer = 2,  // 16-bit
    Long = 3,     // 32-bit
    Double = 5,
    Currency = 6,
    Date = 7,
    String = 8,
    Object = 9,
    Boolean = 11,
};

// Automation booleans: True is -1, False is 0.
inline constexpr std::int16_t VariantTrue = -1;
inline constexpr std::int16_t VariantFalse = 0;

// A date-time as the platform keeps it: days since 30 Dec 1899, time as the
// fraction of a day.
struct OaDate {
    double value = 0.0;
    static OaDate fromDateTime(const QDateTime& dt);
    static OaDate fromDate(const QDate& d);
    QDateTime toDateTime() const;  // local time, millisecond precision
    QDate date() const;
    QTime time() const;    // time of day, millisecond precision
    bool hasTime() const;  // true when the fraction of the day is not zero
    bool operator==(const OaDate&) const = default;
};

class Variant {
public:
    Variant() = default;  // Empty
    static Variant null();

    Variant(bool b);
    Variant(std::int16_t i);
    Variant(std::int32_t l);
    Variant(double d);
    Variant(Currency c);
    Variant(OaDate d);
    Variant(const QString& s);
    Variant(const char* utf8);
    Variant(ObjectRef o);

    static Variant fromDate(const QDate& d) { return Variant(OaDate::fromDate(d)); }
    static Variant fromDateTime(const QDateTime& dt) { return Variant(OaDate::fromDateTime(dt)); }

    VarType type() const;
    bool isEmpty() const { return type() == VarType::Empty; }
    bool isNull() const { return type() == VarType::Null; }
    bool isObject() const { return type() == VarType::Object; }
    bool isNumeric() const;  // Integer, Long, Double, Currency, Boolean

    // Raw accessors: the stored value of exactly that type; any other type
    // raises error 13. Use the conversions (conversions.h) to convert.
    bool asBool() const;
    std::int16_t asInteger() const;
    std::int32_t asLong() const;
    double asDouble() const;
    Currency asCurrency() const;
    OaDate asDate() const;
    const QString& asString() const;
    const ObjectRef& asObject() const;

    // Same type and same value (Null equals Null, Empty equals Empty).
    bool operator==(const Variant& other) const;

private:
    struct NullTag {
        bool operator==(const NullTag&) const = default;
    };
    using Storage = std::variant<std::monostate, NullTag, std::int16_t, std::int32_t, double, Currency, OaDate, QString,
                                 ObjectRef, bool>;
    explicit Variant(Storage s) : v_(std::move(s)) {}
    Storage v_;
};

// Text for diagnostics and test output: "Empty", "Null", or type:value.
QString debugText(const Variant& v);
std::ostream& operator<<(std::ostream& out, const Variant& v);  // debugText, UTF-8

}  // namespace tvx
