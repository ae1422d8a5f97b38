#include "platform/automation/conversions.h"

namespace tvx {

QString Trim(const QString& s) {
    qsizetype first = 0;
    qsizetype last = s.size();
    while (first < last && s[first] == u' ') ++first;
    while (last > first && s[last - 1] == u' ') --last;
    return s.mid(first, last - first);
}

QString UCase(const QString& s) { return s.toUpper(); }

}  // namespace tvx
