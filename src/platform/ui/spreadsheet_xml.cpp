// The XML spreadsheet form (the workbook format spreadsheet programs read
// as plain XML), written with Qt's stream writer.
#include "platform/ui/spreadsheet_table.h"

#include "platform/ui/file_replace.h"

#include <QFile>
#include <QXmlStreamWriter>

namespace tvx {

namespace {

const QString SpreadsheetNs = QStringLiteral("urn:schemas-microsoft-com:office:spreadsheet");
constexpr double TwipsPerPoint = 20.0;

void writeStyles(QXmlStreamWriter& xml) {
    xml.writeStartElement(SpreadsheetNs, QStringLiteral("Styles"));
    xml.writeStartElement(SpreadsheetNs, QStringLiteral("Style"));
    xml.writeAttribute(SpreadsheetNs, QStringLiteral("ID"), QStringLiteral("Heading"));
    xml.writeEmptyElement(SpreadsheetNs, QStringLiteral("Font"));
    xml.writeAttribute(SpreadsheetNs, QStringLiteral("Bold"), QStringLiteral("1"));
    xml.writeEndElement();
    xml.writeStartElement(SpreadsheetNs, QStringLiteral("Style"));
    xml.writeAttribute(SpreadsheetNs, QStringLiteral("ID"), QStringLiteral("Date"));
    xml.writeEmptyElement(SpreadsheetNs, QStringLiteral("NumberFormat"));
    xml.writeAttribute(SpreadsheetNs, QStringLiteral("Format"), QStringLiteral("dd\\-mm\\-yyyy\\ hh:mm:ss"));
    xml.writeEndElement();
    xml.writeEndElement();
}

// XML cannot carry control characters other than tab and line breaks.
QString xmlSafe(QString text) {
    text.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r'; });
    return text;
}

void writeData(QXmlStreamWriter& xml, const QString& type, const QString& text) {
    xml.writeStartElement(SpreadsheetNs, QStringLiteral("Data"));
    xml.writeAttribute(SpreadsheetNs, QStringLiteral("Type"), type);
    xml.writeCharacters(xmlSafe(text));
    xml.writeEndElement();
}

void writeCell(QXmlStreamWriter& xml, const Variant& value) {
    const CellKind kind = cellKind(value);
    if (kind == CellKind::Blank) {
        xml.writeEmptyElement(SpreadsheetNs, QStringLiteral("Cell"));
        return;
    }
    xml.writeStartElement(SpreadsheetNs, QStringLiteral("Cell"));
    switch (kind) {
        case CellKind::Number:
            writeData(xml, QStringLiteral("Number"), QString::number(cellNumber(value), 'g', 15));
            break;
        case CellKind::Boolean:
            writeData(xml, QStringLiteral("Boolean"), value.asBool() ? QStringLiteral("1") : QStringLiteral("0"));
            break;
        case CellKind::Date:
            xml.writeAttribute(SpreadsheetNs, QStringLiteral("StyleID"), QStringLiteral("Date"));
            writeData(xml, QStringLiteral("DateTime"),
                      value.asDate().toDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz")));
            break;
        case CellKind::Text:
            writeData(xml, QStringLiteral("String"), value.asString());
            break;
        case CellKind::Blank:
            break;
    }
    xml.writeEndElement();
}

void writeTable(QXmlStreamWriter& xml, const SpreadsheetTable& table) {
    xml.writeStartElement(SpreadsheetNs, QStringLiteral("Table"));
    for (const auto& column : table.columns) {
        xml.writeEmptyElement(SpreadsheetNs, QStringLiteral("Column"));
        if (column.widthTwips > 0)
            xml.writeAttribute(SpreadsheetNs, QStringLiteral("Width"),
                               QString::number(column.widthTwips / TwipsPerPoint, 'g', 6));
    }
    xml.writeStartElement(SpreadsheetNs, QStringLiteral("Row"));
    for (const auto& column : table.columns) {
        xml.writeStartElement(SpreadsheetNs, QStringLiteral("Cell"));
        xml.writeAttribute(SpreadsheetNs, QStringLiteral("StyleID"), QStringLiteral("Heading"));
        writeData(xml, QStringLiteral("String"), column.caption);
        xml.writeEndElement();
    }
    xml.writeEndElement();
    for (const auto& row : table.rows) {
        xml.writeStartElement(SpreadsheetNs, QStringLiteral("Row"));
        for (std::size_t c = 0; c < row.size() && c < table.columns.size(); ++c) writeCell(xml, row[c]);
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

}  // namespace

void writeXmlSpreadsheet(const QString& path, const SpreadsheetTable& table) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw fileWriteError(path, file.errorString());
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeProcessingInstruction(QStringLiteral("mso-application"), QStringLiteral("progid=\"Excel.Sheet\""));
    xml.writeNamespace(SpreadsheetNs, QStringLiteral("ss"));
    xml.writeDefaultNamespace(SpreadsheetNs);
    xml.writeStartElement(SpreadsheetNs, QStringLiteral("Workbook"));
    writeStyles(xml);
    xml.writeStartElement(SpreadsheetNs, QStringLiteral("Worksheet"));
    xml.writeAttribute(SpreadsheetNs, QStringLiteral("Name"), table.sheetName);
    writeTable(xml, table);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    if (xml.hasError() || !file.flush()) throw fileWriteError(path, file.errorString());
}

}  // namespace tvx
