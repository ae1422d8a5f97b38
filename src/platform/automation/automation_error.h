#pragma once
// Raised errors of the automation platform: a number, a description and the
// source that raised (or re-raised) them. Thrown by value, caught by const ref.
#include <QString>
#include <cstdint>
#include <exception>
#include <functional>
#include <initializer_list>
#include <string>

namespace tvx {

class AutomationError : public std::exception {
public:
    AutomationError(std::int32_t number, QString description, QString source = {});

    std::int32_t number() const noexcept { return number_; }
    const QString& description() const noexcept { return description_; }
    const QString& source() const noexcept { return source_; }
    // Same number and description under another source.
    AutomationError withSource(const QString& source) const;
    // "source: description (number)" in UTF-8; without "source: " when there is none.
    const char* what() const noexcept override { return what_.c_str(); }

private:
    std::int32_t number_;
    QString description_;
    QString source_;
    std::string what_;
};

// The platform's error numbers the add-in and its stand-ins raise.
namespace err {
inline constexpr std::int32_t InvalidCall = 5;             // "Invalid procedure call or argument"
inline constexpr std::int32_t Overflow = 6;                // "Overflow"
inline constexpr std::int32_t SubscriptOutOfRange = 9;     // "Subscript out of range"
inline constexpr std::int32_t TypeMismatch = 13;           // "Type mismatch"
inline constexpr std::int32_t FileNotFound = 53;           // "File not found"
inline constexpr std::int32_t FileAlreadyExists = 58;      // "File already exists"
inline constexpr std::int32_t PathNotFound = 76;           // "Path not found"
inline constexpr std::int32_t PermissionDenied = 70;       // "Permission denied"
inline constexpr std::int32_t PathFileAccess = 75;         // "Path/File access error"
inline constexpr std::int32_t ObjectNotSet = 91;           // "Object variable or With block variable not set"
inline constexpr std::int32_t InvalidUseOfNull = 94;       // "Invalid use of Null"
inline constexpr std::int32_t InvalidPropertyValue = 380;  // "Invalid property value"
inline constexpr std::int32_t CannotCreateObject = 429;    // "ActiveX component can't create object"
inline constexpr std::int32_t MemberNotFound = 438;        // "Object doesn't support this property or method"
inline constexpr std::int32_t WrongArgumentCount = 450;    // "Wrong number of arguments or invalid property assignment"
inline constexpr std::int32_t DuplicateKey =
    457;  // "This key is already associated with an element of this collection"
inline constexpr std::int32_t BadArguments = 3001;     // record set: wrong type / out of range / in conflict
inline constexpr std::int32_t NoCurrentRecord = 3021;  // "Either BOF or EOF is True, ..."
inline constexpr std::int32_t NotAllowedInContext = 3219;
inline constexpr std::int32_t NotSupported = 3251;
inline constexpr std::int32_t ItemNotFound = 3265;  // "Item cannot be found in the collection ..."
inline constexpr std::int32_t AlreadyInCollection = 3367;
inline constexpr std::int32_t ObjectClosed = 3704;
inline constexpr std::int32_t ObjectOpen = 3705;
inline constexpr std::int32_t ProviderNotFound = 3706;  // "Provider cannot be found. ..."
inline constexpr std::int32_t ConnectionUnusable = 3709;
inline constexpr std::int32_t CancelSelected = 32755;              // common dialog cancelled
inline constexpr std::int32_t ProviderCommandError = -2147217900;  // 0x80040E14 SQL errors
inline constexpr std::int32_t MultipleStep = -2147217887;          // 0x80040E21
inline constexpr std::int32_t RowNotFound = -2147217864;           // 0x80040E38 write-back found no row
inline constexpr std::int32_t CommandTextNotSet = -2147217908;     // 0x80040E0C
inline constexpr std::int32_t Unspecified = -2147467259;           // 0x80004005

// The platform's own description for a number above (empty when it has none).
QString description(std::int32_t number);
// An error with the platform's number and a description of the raiser's own.
AutomationError make(std::int32_t number, const QString& description, const QString& source);
// An error with the platform's own description for that number (numbers
// without one get the platform's "Application-defined or object-defined error").
AutomationError make(std::int32_t number, const QString& source = {});
// Throws make(number, source).
[[noreturn]] void raise(std::int32_t number, const QString& source = {});
// Throws make(number, description, source).
[[noreturn]] void raise(std::int32_t number, const QString& description, const QString& source);
}  // namespace err

// Runs `body`; any error leaving it is raised again with the same number and
// description under `source`. Exceptions that are not AutomationError become
// err::Unspecified with their what() text.
template <class F>
decltype(auto) reraiseAs(const QString& source, F&& body);

// Runs each step in turn, dropping any error a step raises ("on error resume next").
void runIgnoringErrors(std::initializer_list<std::function<void()>> steps);
// Runs one step, dropping its error. Returns true when it did not fail.
bool tryIgnoringError(const std::function<void()>& step);

// Maps any exception in flight to an AutomationError (for catch (...) blocks).
AutomationError currentError();

template <class F>
decltype(auto) reraiseAs(const QString& source, F&& body) {
    try {
        return std::forward<F>(body)();
    } catch (...) {
        throw currentError().withSource(source);
    }
}

}  // namespace tvx
