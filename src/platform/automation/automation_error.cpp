#include "platform/automation/automation_error.h"

#include <map>

namespace tvx {

namespace {

std::string whatText(std::int32_t number, const QString& description, const QString& source) {
    const QString prefix = source.isEmpty() ? QString() : source + QStringLiteral(": ");
    return (prefix + description + QStringLiteral(" (%1)").arg(number)).toStdString();
}

const std::map<std::int32_t, QString>& descriptions() {
    static const std::map<std::int32_t, QString> texts = {
        {err::InvalidCall, QStringLiteral("Invalid procedure call or argument")},
        {err::Overflow, QStringLiteral("Overflow")},
        {err::SubscriptOutOfRange, QStringLiteral("Subscript out of range")},
        {err::TypeMismatch, QStringLiteral("Type mismatch")},
        {err::FileNotFound, QStringLiteral("File not found")},
        {err::FileAlreadyExists, QStringLiteral("File already exists")},
        {err::PathNotFound, QStringLiteral("Path not found")},
        {err::PermissionDenied, QStringLiteral("Permission denied")},
        {err::PathFileAccess, QStringLiteral("Path/File access error")},
        {err::ObjectNotSet, QStringLiteral("Object variable or With block variable not set")},
        {err::InvalidUseOfNull, QStringLiteral("Invalid use of Null")},
        {err::InvalidPropertyValue, QStringLiteral("Invalid property value")},
        {err::CannotCreateObject, QStringLiteral("ActiveX component can't create object")},
        {err::MemberNotFound, QStringLiteral("Object doesn't support this property or method")},
        {err::WrongArgumentCount, QStringLiteral("Wrong number of arguments or invalid property assignment")},
        {err::DuplicateKey, QStringLiteral("This key is already associated with an element of this collection")},
        {err::BadArguments,
         QStringLiteral("Arguments are of the wrong type, are out of acceptable range, or are in conflict with "
                        "one another.")},
        {err::NoCurrentRecord,
         QStringLiteral("Either BOF or EOF is True, or the current record has been deleted. Requested operation "
                        "requires a current record.")},
        {err::NotAllowedInContext, QStringLiteral("Operation is not allowed in this context.")},
        {err::NotSupported, QStringLiteral("Object or provider is not able to perform requested operation.")},
        {err::ItemNotFound,
         QStringLiteral("Item cannot be found in the collection corresponding to the requested name or ordinal.")},
        {err::AlreadyInCollection, QStringLiteral("Object is already in collection. Cannot append.")},
        {err::ObjectClosed, QStringLiteral("Operation is not allowed when the object is closed.")},
        {err::ObjectOpen, QStringLiteral("Operation is not allowed when the object is open.")},
        {err::ProviderNotFound, QStringLiteral("Provider cannot be found. It may not be properly installed.")},
        {err::ConnectionUnusable,
         QStringLiteral("The connection cannot be used to perform this operation. It is either closed or invalid "
                        "in this context.")},
        {err::CancelSelected, QStringLiteral("Cancel was selected.")},
        {err::MultipleStep, QStringLiteral("Multiple-step operation generated errors. Check each status value.")},
        {err::RowNotFound,
         QStringLiteral("Row cannot be located for updating. Some values may have been changed since it was last "
                        "read.")},
        {err::CommandTextNotSet, QStringLiteral("Command text was not set for the command object.")},
        {err::Unspecified, QStringLiteral("Unspecified error")},
    };
    return texts;
}

}  // namespace

AutomationError::AutomationError(std::int32_t number, QString description, QString source)
    : number_(number),
      description_(std::move(description)),
      source_(std::move(source)),
      what_(whatText(number_, description_, source_)) {}

AutomationError AutomationError::withSource(const QString& source) const {
    return AutomationError(number_, description_, source);
}

namespace err {

QString description(std::int32_t number) {
    const auto& texts = descriptions();
    const auto it = texts.find(number);
    return it == texts.end() ? QString() : it->second;
}

AutomationError make(std::int32_t number, const QString& source) {
    QString text = description(number);
    if (text.isEmpty()) text = QStringLiteral("Application-defined or object-defined error");
    return AutomationError(number, text, source);
}

void raise(std::int32_t number, const QString& source) { throw make(number, source); }

AutomationError make(std::int32_t number, const QString& description, const QString& source) {
    return AutomationError(number, description, source);
}

void raise(std::int32_t number, const QString& description, const QString& source) {
    throw make(number, description, source);
}

}  // namespace err

bool tryIgnoringError(const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (...) {
        return false;
    }
}

void runIgnoringErrors(std::initializer_list<std::function<void()>> steps) {
    for (const auto& step : steps) tryIgnoringError(step);
}

AutomationError currentError() {
    const auto unknown = [] { return AutomationError(err::Unspecified, QStringLiteral("Unknown error")); };
    const std::exception_ptr inFlight = std::current_exception();
    if (!inFlight) return unknown();
    try {
        std::rethrow_exception(inFlight);
    } catch (const AutomationError& e) {
        return e;
    } catch (const std::exception& e) {
        return AutomationError(err::Unspecified, QString::fromUtf8(e.what()));
    } catch (...) {
        return unknown();
    }
}

}  // namespace tvx
