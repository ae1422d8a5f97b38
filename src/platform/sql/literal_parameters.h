#pragma once
// Literals of a statement taken out as parameters, as a database server's
// simple parameterisation does: the add-in and the host splice values into
// their texts (a ticket's ID, a document's number), and each such text
// prepared anew costs more than running it. Only the plainest shape is taken:
// one SELECT, UPDATE or DELETE without parameters of its own, and only string
// and decimal literals that follow a comparison or assignment sign after its
// WHERE (or an UPDATE's SET), the numbers only when whole: a literal bound in
// its place compares, converts and is stored exactly as the literal would be.
#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

struct sqlite3_stmt;

namespace tvx::sql {

struct LiftedLiterals {
    QString text;                                          // the statement with a ? in each literal's place
    std::vector<std::variant<qint64, QByteArray>> values;  // in order; texts in UTF-8
};

// Nothing when the text is not of that shape or holds no such literal.
std::optional<LiftedLiterals> liftLiterals(const QString& sql);

// Binds the values to `stmt`, prepared from `lifted.text`; false when the
// statement does not have one parameter per value.
bool bindLifted(sqlite3_stmt* stmt, const LiftedLiterals& lifted);

}  // namespace tvx::sql
