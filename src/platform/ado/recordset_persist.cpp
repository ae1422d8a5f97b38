// Saving a record set to a rowset XML file and opening one.
#include "platform/ado/recordset.h"

#include "platform/ado/ado_errors.h"
#include "platform/ado/rowset_xml_reader.h"
#include "platform/ado/rowset_xml_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tvx::ado {

namespace {

void writeNewFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (QFileInfo::exists(path))
            raise(err::FileAlreadyExists, QStringLiteral("File already exists"), kRecordsetSource);
        raise(QFileInfo(path).absoluteDir().exists() ? err::PathFileAccess : err::PathNotFound);
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.close();
        file.remove();
        raise(err::PathFileAccess);
    }
}

}  // namespace

void Recordset::Save(const QString& path, int persistFormat) {
    requireOpen();
    finishEdit();
    if (persistFormat != adPersistXML) raise(err::NotSupported);
    if (path.isEmpty()) raise(err::BadArguments);
    // The visible rows, then the pending deletions that the Filter would show.
    std::vector<RowId> rows = view_;
    for (RowId row = 0; row < store_.rowCount(); ++row)
        if (store_.status(row) == RowStatus::Deleted && (!filter_ || filter_->matches(store_.original(row))))
            rows.push_back(row);
    writeNewFile(path, rowsetXml(fields_.infos(), store_, rows));
    cursor_ = 0;
    currentDeleted_ = false;
}

void Recordset::openFile(const QString& path) {
    try {
        LoadedRowset loaded = readRowsetFile(path);
        install(std::move(loaded.fields), std::move(loaded.rows), path);
    } catch (...) {
        fields_.infos_.clear();
        throw;
    }
}

}  // namespace tvx::ado
