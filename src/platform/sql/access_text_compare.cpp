#include "platform/sql/access_text_compare.h"

#include "platform/sql/sql_error.h"
#include "platform/sql/sqlite_values.h"

#include <sqlite3.h>
#include <QList>
#include <algorithm>

namespace tvx::sql {

namespace {

char32_t folded(char32_t c) { return QChar::toCaseFolded(c); }

int foldedAscii(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

// Texts come in UTF-8, the file's own encoding, so SQLite converts nothing.
// While both are ASCII the letters fold in place, which orders them as
// QString's folding would; any other character hands both texts to QString.
int compareAccessText(void*, int lengthA, const void* a, int lengthB, const void* b) {
    const auto* x = static_cast<const unsigned char*>(a);
    const auto* y = static_cast<const unsigned char*>(b);
    for (int i = 0; i < std::min(lengthA, lengthB); ++i) {
        if ((x[i] | y[i]) >= 0x80)
            return QString::fromUtf8(reinterpret_cast<const char*>(x), lengthA)
                .compare(QString::fromUtf8(reinterpret_cast<const char*>(y), lengthB), Qt::CaseInsensitive);
        if (const int d = foldedAscii(x[i]) - foldedAscii(y[i])) return d;
    }
    return lengthA - lengthB;  // equal as far as the shorter goes: the shorter first
}

// like(pattern, text[, escape]): Null when any argument is Null, as SQLite's own.
void accessLike(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) return;
    std::optional<char32_t> escape;
    if (argc == 3) {
        const QList<uint> e = functionArgumentText(argv[2]).toUcs4();
        if (e.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = e.front();
    }
    sqlite3_result_int(ctx, likeMatches(functionArgumentText(argv[0]), functionArgumentText(argv[1]), escape));
}

}  // namespace

bool likeMatches(QStringView pattern, QStringView text, std::optional<char32_t> escape) {
    const QList<uint> p = pattern.toUcs4();
    QList<uint> s = text.toUcs4();
    for (uint& c : s) c = folded(c);
    const auto isAll = [&](char32_t c) { return c == U'%' && c != escape; };
    const auto isOne = [&](char32_t c) { return c == U'_' && c != escape; };
    // Matches left to right; on a mismatch the last % takes one more character.
    qsizetype i = 0, j = 0, afterAll = -1, allFrom = 0;
    while (j < s.size()) {
        if (i < p.size()) {
            const char32_t c = p[i];
            if (c == escape) {
                if (i + 1 < p.size() && folded(p[i + 1]) == s[j]) {
                    i += 2;
                    ++j;
                    continue;
                }
            } else if (isAll(c)) {
                afterAll = ++i;
                allFrom = j;
                continue;
            } else if (isOne(c) || folded(c) == s[j]) {
                ++i;
                ++j;
                continue;
            }
        }
        if (afterAll < 0) return false;
        i = afterAll;
        j = ++allFrom;
    }
    while (i < p.size() && isAll(p[i])) ++i;
    return i == p.size();
}

void registerAccessTextCompare(sqlite3* db) {
    requireSqliteOk(
        sqlite3_create_collation_v2(db, AccessTextCollation, SQLITE_UTF8, nullptr, &compareAccessText, nullptr));
    for (int args : {2, 3})
        requireSqliteOk(sqlite3_create_function_v2(db, "like", args, SQLITE_UTF16 | SQLITE_DETERMINISTIC, nullptr,
                                                   &accessLike, nullptr, nullptr, nullptr));
}

}  // namespace tvx::sql
