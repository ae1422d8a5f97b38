#pragma once
// Text-table reader for the CSV ticket file: lines of cells split by a separator.
//
// Parsing rules:
// - Lines end with CRLF, LF or a lone CR; a line end right before the end of the
//   file does not start another line. An empty line is a line of one empty cell.
// - With OpcaoAspas set in OpcaoLeitura, a cell that starts with a double quote is
//   quoted: separators and line ends inside it are text, "" stands for one quote,
//   and anything after the closing quote up to the separator is kept as written.
//   Without it, quotes are ordinary characters.
// - The file's bytes are decoded as the profile files are: UTF-8 or UTF-16 with
//   a byte-order mark, UTF-8 when valid, otherwise Windows-1252.
//
// A quoted cell whose closing quote never comes would swallow the rest of the
// file into one cell: the reader stops there, and LinhaAspasPorFechar names the
// line where that cell starts (so the whole file can be refused).
//
// Linhas is the number of lines read and Colunas the number of cells of the
// widest line; both are counts, 0 for an empty file. A caller that visits rows
// 0..Linhas and columns 0..Colunas (bounds included) therefore reads every cell,
// plus one spare row and column that read as empty. Celula gives "" for any
// cell beyond a line's end or beyond the data.
#include <QString>
#include <cstdint>
#include <vector>

namespace tvx {

class LeitorCsv {
public:
    static constexpr std::int32_t OpcaoAspas = 1;

    void setSeparador(const QString& separador) { separador_ = separador; }
    const QString& Separador() const { return separador_; }
    void setOpcaoLeitura(std::int32_t opcao) { opcao_ = opcao; }
    std::int32_t OpcaoLeitura() const { return opcao_; }

    // Reads the whole file. False when it cannot be read (the table is then
    // empty and ErroAbertura tells why).
    bool Abrir(const QString& path);
    // Parses text already in memory, with the same rules.
    void Ler(const QString& text);
    // 0 after a good Abrir, else err::FileNotFound or err::PathFileAccess.
    std::int32_t ErroAbertura() const { return erroAbertura_; }
    // The line (from 1) where a quoted cell starts that is never closed; 0 when none.
    std::int32_t LinhaAspasPorFechar() const { return linhaAspasPorFechar_; }

    std::int32_t Linhas() const { return std::int32_t(rowStart_.size()); }
    std::int32_t Colunas() const { return colunas_; }
    QString Celula(std::int32_t row, std::int32_t column) const;
    // The line of the file (from 1) where `row` starts: rows and lines differ
    // once a quoted cell holds a line break.
    std::int32_t LinhaDoFicheiro(std::int32_t row) const;

private:
    // Where a cell lies in text_. Raw cells (quoted with escapes or trailing
    // text) are unquoted when read.
    struct Span {
        std::uint32_t start;
        std::uint32_t length : 31;
        std::uint32_t raw : 1;
    };
    void clear();
    void parse();
    // The cells of the row that starts at `pos`, into `cells`; where the next
    // row starts. Sets `unterminated` (and stops) at a quoted cell never closed.
    std::size_t readRow(std::size_t pos, std::vector<Span>& cells, bool& unterminated) const;
    std::size_t cellEnd(std::size_t pos, bool& quoted, bool& unterminated) const;
    std::int32_t lineOf(std::size_t pos) const;
    bool separatorAt(std::size_t pos) const;

    QString separador_ = QStringLiteral(";");
    std::int32_t opcao_ = 0;
    std::int32_t erroAbertura_ = 0;
    QString text_;
    // Where each row starts in text_. A row's cells are found again when it
    // is read (rows are read in turn): a file of many rows keeps no cell
    // positions, only the last row's.
    std::vector<std::uint32_t> rowStart_;
    mutable std::int32_t cachedRow_ = -1;
    mutable std::vector<Span> rowCells_;
    std::int32_t colunas_ = 0;
    std::int32_t linhaAspasPorFechar_ = 0;
};

}  // namespace tvx
