#include "platform/sql/connection_string.h"

namespace tvx::sql {

namespace {

// A quoted value starting at `i` (the quote); returns the position after it.
qsizetype readQuoted(const QString& text, qsizetype i, QString& value) {
    const QChar quote = text[i];
    for (++i; i < text.size(); ++i) {
        if (text[i] == quote) {
            if (i + 1 < text.size() && text[i + 1] == quote) {
                value += quote;
                ++i;
                continue;
            }
            return i + 1;
        }
        value += text[i];
    }
    return i;
}

}  // namespace

ConnectionString ConnectionString::parse(const QString& text) {
    ConnectionString cs;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype eq = text.indexOf(u'=', i);
        const qsizetype semi = text.indexOf(u';', i);
        if (eq < 0 || (semi >= 0 && semi < eq)) {  // a piece without '=' is skipped
            if (semi < 0) break;
            i = semi + 1;
            continue;
        }
        const QString key = text.mid(i, eq - i).trimmed();
        qsizetype j = eq + 1;
        while (j < text.size() && text[j] == u' ') ++j;
        QString value;
        if (j < text.size() && (text[j] == u'\'' || text[j] == u'"')) {
            j = readQuoted(text, j, value);
            const qsizetype next = text.indexOf(u';', j);
            i = next < 0 ? text.size() : next + 1;
        } else {
            const qsizetype next = text.indexOf(u';', j);
            value = text.mid(j, (next < 0 ? text.size() : next) - j).trimmed();
            i = next < 0 ? text.size() : next + 1;
        }
        if (!key.isEmpty() && !cs.has(key)) cs.entries_.emplace_back(key, value);
    }
    return cs;
}

bool ConnectionString::has(QStringView key) const {
    for (const auto& [k, v] : entries_)
        if (k.compare(key, Qt::CaseInsensitive) == 0) return true;
    return false;
}

QString ConnectionString::value(QStringView key) const {
    for (const auto& [k, v] : entries_)
        if (k.compare(key, Qt::CaseInsensitive) == 0) return v;
    return {};
}

}  // namespace tvx::sql
