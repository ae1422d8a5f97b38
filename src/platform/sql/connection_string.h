#pragma once
// OLE DB / ODBC connection strings: "Key=Value;Key='Value';...". Keys match
// without regard to case and blanks around keys and values are dropped; a
// value in single or double quotes keeps its ';' and '=' (a doubled quote
// stands for itself). The first occurrence of a key wins.
#include <QString>
#include <utility>
#include <vector>

namespace tvx::sql {

class ConnectionString {
public:
    static ConnectionString parse(const QString& text);

    bool has(QStringView key) const;
    // The value of `key` ("" when absent).
    QString value(QStringView key) const;
    const std::vector<std::pair<QString, QString>>& entries() const { return entries_; }

private:
    std::vector<std::pair<QString, QString>> entries_;
};

}  // namespace tvx::sql
