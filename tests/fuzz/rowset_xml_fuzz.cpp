// Opening any bytes as a rowset XML file (a log a user opens in the viewer).
// Property: either the record set opens, saves to a file that opens again with
// the same fields, rows and pending changes (and saves to the same bytes), or
// the open raises the platform's error and leaves the record set closed,
// without fields.
#include "fuzz_check.h"
#include "platform/ado/recordset.h"
#include "platform/ado/value_text.h"
#include "platform/automation/automation_error.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>

namespace tvx::ado {
namespace {

const QTemporaryDir& folder() {
    static const QTemporaryDir dir;
    return dir;
}

QString pathOf(const char* name) { return folder().filePath(QString::fromLatin1(name)); }

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) fuzz::fail("cannot write", path);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) fuzz::fail("cannot read", path);
    return file.readAll();
}

QString cellText(const Variant& v) { return QString::number(int(v.type())) + u':' + valueText(v); }

QString rowText(std::span<const Variant> values) {
    QStringList cells;
    for (const Variant& v : values) cells << cellText(v);
    return cells.join(u'|');
}

// Fields, visible rows in order, pending changes in any order.
QStringList contents(Recordset& rs) {
    QStringList out;
    for (const FieldInfo& f : rs.Fields().infos())
        out << QStringLiteral("field %1 %2 %3").arg(f.name).arg(int(f.type)).arg(f.isKeyColumn());
    if (rs.RecordCount() > 0) {
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            QStringList cells;
            for (int i = 0; i < rs.Fields().Count(); ++i) cells << cellText(rs.value(i));
            out << QStringLiteral("row ") + cells.join(u'|');
        }
    }
    QStringList changes;
    for (const auto& c : rs.pendingChanges())
        changes << QStringLiteral("change %1 %2 / %3").arg(int(c.status)).arg(rowText(c.values), rowText(c.original));
    changes.sort();
    return out + changes;
}

bool opens(Recordset& rs, const QString& path) {
    try {
        rs.Open(path, QStringLiteral("Provider=MSPersist;"));
        return true;
    } catch (const AutomationError&) {
        fuzz::check(rs.State() == adStateClosed, "a file that cannot be read leaves the record set closed");
        fuzz::check(rs.Fields().Count() == 0, "a file that cannot be read leaves no fields");
        return false;
    }
}

void saveAs(Recordset& rs, const QString& path) {
    QFile::remove(path);
    rs.Save(path);
}

}  // namespace
}  // namespace tvx::ado

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tvx::ado;
    using tvx::fuzz::check;
    const QString input = pathOf("input.xml");
    writeFile(input, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    Recordset first;
    if (!opens(first, input)) return 0;
    check(first.State() == adStateOpen && first.Fields().Count() > 0, "an opened file has fields");
    const QStringList read = contents(first);

    const QString saved = pathOf("saved.xml");
    saveAs(first, saved);
    Recordset second;
    TVX_FUZZ_CHECK(opens(second, saved), "a saved file opens again", QString::fromUtf8(readFile(saved)));
    const QStringList again = contents(second);
    TVX_FUZZ_CHECK(again == read, "a saved file holds the same rows",
                   read.join(u'\n') + QStringLiteral("\n--- then ---\n") + again.join(u'\n'));

    const QString resaved = pathOf("resaved.xml");
    saveAs(second, resaved);
    TVX_FUZZ_CHECK(
        readFile(saved) == readFile(resaved), "saving what was read back writes the same file",
        QString::fromUtf8(readFile(saved)) + QStringLiteral("\n--- then ---\n") + QString::fromUtf8(readFile(resaved)));
    return 0;
}
