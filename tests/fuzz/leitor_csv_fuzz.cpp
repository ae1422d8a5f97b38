// LeitorCsv over any bytes, decoded as a ticket file is. Property: writing the
// table back with every cell quoted and reading that gives the same table
// (as many lines, as many columns, the same text in every cell).
#include "agency/leitor_csv.h"
#include "fuzz_check.h"
#include "platform/profile/profile_encoding.h"

#include <QStringList>

namespace tvx {
namespace {

// The table with every cell quoted, "" for a quote, each line as wide as the widest.
QString requoted(const LeitorCsv& l, const QString& separador) {
    QString out;
    for (std::int32_t row = 0; row < l.Linhas(); ++row) {
        QStringList cells;
        for (std::int32_t column = 0; column < l.Colunas(); ++column)
            cells << u'"' + l.Celula(row, column).replace(u'"', QStringLiteral("\"\"")) + u'"';
        out += cells.join(separador) + QStringLiteral("\r\n");
    }
    return out;
}

// A separator that can stand between quoted cells without being read as part of one.
bool quotable(const QString& separador) {
    return !separador.isEmpty() && !separador.contains(u'"') && !separador.contains(u'\r') &&
           !separador.contains(u'\n');
}

void readBack(const QString& text, const QString& separador, std::int32_t opcao) {
    LeitorCsv first;
    first.setSeparador(separador);
    first.setOpcaoLeitura(opcao);
    first.Ler(text);
    fuzz::check(first.Linhas() >= 0 && first.Colunas() >= 0, "counts are never negative");
    fuzz::check((first.Linhas() == 0) == (first.Colunas() == 0), "an empty table has no columns and no lines");
    fuzz::check(first.Celula(first.Linhas(), 0).isEmpty() && first.Celula(0, first.Colunas()).isEmpty(),
                "the spare row and column read as empty");

    const QString quotedSeparator = quotable(separador) ? separador : QStringLiteral(";");
    LeitorCsv second;
    second.setSeparador(quotedSeparator);
    second.setOpcaoLeitura(LeitorCsv::OpcaoAspas);
    const QString again = requoted(first, quotedSeparator);
    second.Ler(again);
    TVX_FUZZ_CHECK(second.Linhas() == first.Linhas() && second.Colunas() == first.Colunas(),
                   "the re-quoted table has as many lines and columns",
                   QStringLiteral("%1x%2 then %3x%4\n%5")
                       .arg(first.Linhas())
                       .arg(first.Colunas())
                       .arg(second.Linhas())
                       .arg(second.Colunas())
                       .arg(again));
    for (std::int32_t row = 0; row < first.Linhas(); ++row)
        for (std::int32_t column = 0; column < first.Colunas(); ++column)
            TVX_FUZZ_CHECK(first.Celula(row, column) == second.Celula(row, column), "the re-quoted cell reads the same",
                           QStringLiteral("(%1,%2): [%3] then [%4]")
                               .arg(row)
                               .arg(column)
                               .arg(first.Celula(row, column), second.Celula(row, column)));
}

}  // namespace
}  // namespace tvx

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using tvx::LeitorCsv;
    const QString text = tvx::decodeProfile(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))).text;
    tvx::readBack(text, QStringLiteral(";"), LeitorCsv::OpcaoAspas);
    tvx::readBack(text, QStringLiteral(";"), 0);
    // A longer separator, and one that is not quotable (re-quoted with ";").
    tvx::readBack(text, QStringLiteral("<>"), LeitorCsv::OpcaoAspas);
    tvx::readBack(text, QStringLiteral("\""), LeitorCsv::OpcaoAspas);
    return 0;
}
