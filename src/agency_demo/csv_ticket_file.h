#pragma once
// Writes ticket files in the layout of the agency's CSV export: 44 cells a
// line separated by ";", amounts with a decimal comma.
#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace tvx::agency {

// Cell positions of the export (0-based); the other columns are left empty.
namespace csv {
inline constexpr int Id = 0;
inline constexpr int CodigoCompanhiaAerea = 6;
inline constexpr int NumeroDoBilhete = 7;
inline constexpr int Servico = 8;
inline constexpr int NomePassageiro = 9;
inline constexpr int Pagamento = 10;
inline constexpr int Fare = 11;
inline constexpr int TarifasPrivadas = 12;
inline constexpr int Taxas = 13;
inline constexpr int Destino = 16;
inline constexpr int Fees = 18;
inline constexpr int Factura = 27;
inline constexpr int DataFacturacao = 29;
inline constexpr int Partida = 36;
inline constexpr int Chegada = 37;
inline constexpr int RefFaturacao = 38;
inline constexpr int PeriodoFact = 39;
inline constexpr int Account = 40;
inline constexpr int Desconto = 43;
inline constexpr int Columns = 44;
}  // namespace csv

// One line: Columns empty cells to fill by position.
QStringList emptyCsvLine(int columns = csv::Columns);
class Draw;
// A plausible ticket line with ID `id`.
QStringList csvTicketLine(std::int32_t id, Draw& draw, const QDate& today);
// The export's header line (column titles).
QStringList csvHeaderLine();

// Joins cells with ";" and lines with CRLF, quoting cells that hold ";", quotes
// or line ends; UTF-8 without a byte-order mark.
QByteArray csvText(const std::vector<QStringList>& lines);
// Writes the lines to `path`, replacing it. Raises AutomationError when it cannot.
void writeCsvFile(const QString& path, const std::vector<QStringList>& lines);
// A header line and `rows` ticket lines with IDs 1..rows.
void generateCsvTicketFile(const QString& path, std::int32_t rows, std::uint32_t seed, const QDate& today);

}  // namespace tvx::agency
