#include "agency/leitor_csv.h"

#include "platform/automation/automation_error.h"
#include "platform/profile/profile_encoding.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>

namespace tvx {

namespace {

constexpr QChar Quote = u'"';

bool isLineEnd(QChar c) { return c == u'\n' || c == u'\r'; }

// Text of a quoted cell given with its quotes: "" inside the quotes is one
// quote; what follows the closing quote is kept as written.
QString unquote(QStringView raw) {
    QString out;
    out.reserve(raw.size());
    qsizetype i = 1;
    for (; i < raw.size(); ++i) {
        if (raw[i] != Quote) {
            out.append(raw[i]);
        } else if (i + 1 < raw.size() && raw[i + 1] == Quote) {
            out.append(Quote);
            ++i;
        } else {
            break;
        }
    }
    if (i + 1 < raw.size()) out.append(raw.mid(i + 1));
    return out;
}

}  // namespace

void LeitorCsv::clear() {
    text_.clear();
    rowStart_.clear();
    cachedRow_ = -1;
    rowCells_.clear();
    colunas_ = 0;
    linhaAspasPorFechar_ = 0;
}

bool LeitorCsv::Abrir(const QString& path) {
    clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        erroAbertura_ = QFileInfo::exists(path) ? err::PathFileAccess : err::FileNotFound;
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes.size() >= qsizetype(std::numeric_limits<std::int32_t>::max())) {
        erroAbertura_ = err::PathFileAccess;
        return false;
    }
    erroAbertura_ = 0;
    text_ = decodeProfile(bytes).text;
    parse();
    return true;
}

void LeitorCsv::Ler(const QString& text) {
    clear();
    erroAbertura_ = 0;
    text_ = text;
    parse();
}

bool LeitorCsv::separatorAt(std::size_t pos) const {
    const auto n = std::size_t(separador_.size());
    return n > 0 && text_[qsizetype(pos)] == separador_[0] &&
           QStringView(text_).mid(qsizetype(pos), qsizetype(n)) == separador_;
}

// End of the cell starting at pos: the next separator or line end, outside the
// quotes when the cell is quoted. Sets quoted when the cell needs unquoting.
std::size_t LeitorCsv::cellEnd(std::size_t pos, bool& quoted, bool& unterminated) const {
    const auto size = std::size_t(text_.size());
    quoted = (opcao_ & OpcaoAspas) != 0 && pos < size && text_[qsizetype(pos)] == Quote;
    unterminated = false;
    if (quoted) {
        for (++pos; pos < size; ++pos) {
            if (text_[qsizetype(pos)] != Quote) continue;
            if (pos + 1 < size && text_[qsizetype(pos) + 1] == Quote)
                ++pos;
            else
                break;
        }
        unterminated = pos >= size;
    }
    while (pos < size && !isLineEnd(text_[qsizetype(pos)]) && !separatorAt(pos)) ++pos;
    return pos;
}

std::size_t LeitorCsv::readRow(std::size_t pos, std::vector<Span>& cells, bool& unterminated) const {
    const auto size = std::size_t(text_.size());
    const auto sepLength = std::size_t(separador_.size());
    cells.clear();
    for (;;) {
        bool quoted = false;
        const std::size_t end = cellEnd(pos, quoted, unterminated);
        if (unterminated) return pos;  // the start of that cell
        Span span{std::uint32_t(pos), std::uint32_t(end - pos), quoted ? 1u : 0u};
        // The common quoted cell, "text" with no inner quotes, is kept as a plain span.
        if (quoted && span.length >= 2 && text_[qsizetype(pos)] == Quote && text_[qsizetype(end - 1)] == Quote &&
            !QStringView(text_).mid(qsizetype(pos) + 1, span.length - 2).contains(Quote)) {
            span = Span{std::uint32_t(pos + 1), span.length - 2u, 0u};
        }
        cells.push_back(span);
        pos = end;
        if (pos < size && !isLineEnd(text_[qsizetype(pos)])) {
            pos += sepLength;  // a separator: another cell follows, even at the line's end
            continue;
        }
        break;
    }
    if (pos < size) {  // at the line end: CRLF, LF or CR
        const bool cr = text_[qsizetype(pos)] == u'\r';
        ++pos;
        if (cr && pos < size && text_[qsizetype(pos)] == u'\n') ++pos;
    }
    return pos;
}

void LeitorCsv::parse() {
    const auto size = std::size_t(text_.size());
    std::size_t pos = 0;
    std::vector<Span> cells;
    while (pos < size) {
        bool unterminated = false;
        const std::size_t next = readRow(pos, cells, unterminated);
        if (unterminated) {
            // The table keeps the whole lines before it, and says where it stopped.
            linhaAspasPorFechar_ = lineOf(next);  // where the cell never closed starts
            return;
        }
        rowStart_.push_back(std::uint32_t(pos));
        colunas_ = std::max(colunas_, std::int32_t(cells.size()));
        pos = next;
    }
}

std::int32_t LeitorCsv::lineOf(std::size_t pos) const {
    std::int32_t line = 1;
    for (std::size_t i = 0; i < pos; ++i) {
        const QChar c = text_[qsizetype(i)];
        if (c == u'\n' || (c == u'\r' && (i + 1 >= pos || text_[qsizetype(i) + 1] != u'\n'))) ++line;
    }
    return line;
}

std::int32_t LeitorCsv::LinhaDoFicheiro(std::int32_t row) const {
    if (row < 0 || row >= Linhas()) return row + 1;  // outside the data: counted as lines
    return lineOf(rowStart_[std::size_t(row)]);
}

QString LeitorCsv::Celula(std::int32_t row, std::int32_t column) const {
    if (row < 0 || column < 0 || row >= Linhas()) return {};
    if (row != cachedRow_) {
        bool unterminated = false;
        readRow(rowStart_[std::size_t(row)], rowCells_, unterminated);
        cachedRow_ = row;
    }
    if (std::size_t(column) >= rowCells_.size()) return {};
    const Span& span = rowCells_[std::size_t(column)];
    const QStringView view = QStringView(text_).mid(span.start, span.length);
    return span.raw ? unquote(view) : view.toString();
}

}  // namespace tvx
