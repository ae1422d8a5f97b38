#pragma once
// Texts a dialect translated, by their original: the add-in and the host send
// the same texts again and again, and translating means lexing.
#include "platform/sql/sql_dialect.h"

#include <QHash>
#include <QString>
#include <memory>

namespace tvx::sql {

class DialectTranslations {
public:
    explicit DialectTranslations(std::shared_ptr<const SqlDialect> dialect) : dialect_(std::move(dialect)) {}

    QString of(const QString& sql) {
        if (const auto at = done_.constFind(sql); at != done_.cend()) return *at;
        if (done_.size() >= kKept) done_.clear();  // a flood of one-off texts: start afresh
        return *done_.insert(sql, dialect_->translate(sql));
    }
    const SqlDialect& dialect() const { return *dialect_; }

private:
    static constexpr qsizetype kKept = 512;
    std::shared_ptr<const SqlDialect> dialect_;
    QHash<QString, QString> done_;
};

}  // namespace tvx::sql
