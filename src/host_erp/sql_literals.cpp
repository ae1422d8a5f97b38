#include "host_erp/sql_literals.h"

#include "platform/sql/sql_quote.h"

namespace tvx::host_erp {

QString sqlText(const QString& text) { return sql::sqlNQuoted(text); }

QString sqlMoney(Currency value) { return value.toString(); }

SqlCondition SqlCondition::operator&&(const SqlCondition& other) const {
    SqlCondition both{text + QStringLiteral(" AND ") + other.text, values};
    both.values.insert(both.values.end(), other.values.begin(), other.values.end());
    return both;
}

SqlCondition sqlKeyCondition(const DocumentKey& key) {
    return {QStringLiteral("TPDOC = ? AND SERIE = ? AND ANO = ? AND NNUMDOC = ?"),
            {Variant(key.tipo), Variant(std::int32_t(key.serie)), Variant(std::int32_t(key.ano)), Variant(key.numero)}};
}

}  // namespace tvx::host_erp
