#pragma once
// The add-in's parameters row (qrl_PARAMETROS) as the tests' company
// databases answer it: every field a run reads, with working defaults
// (FATFINALIZA 0: invoices left in preparation).
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

namespace tvx::ado {
class Recordset;
}

namespace tvx::testing {

struct Parametros {
    // The ticket import's invoices and their lines.
    QString FATTIPODOCUM = QStringLiteral("FT");
    QString FATSECTOR = QStringLiteral("1");
    std::int32_t FATSERIE = 1;
    std::optional<std::int32_t> FATFINALIZA = 0;  // nullopt: Null
    std::optional<QString> ARMAZEM = QStringLiteral("A1");
    QString ARTIGOFARE = QStringLiteral("FARE");
    QString ARTIGOTAXAS = QStringLiteral("TAXAS");
    QString ARTIGOSERVICEFEE = QStringLiteral("FEE");
    QString ARTIGOISENCAOIVA = QStringLiteral("M99");
    // The agency source.
    QString BDNOME = QStringLiteral("C:\\Agencia\\agencia.accdb");
    QString BDUSER;
    QString BDPASSW;
    // The transfer import's receipts, and its receipts on account.
    QString RECTIPODOCUM = QStringLiteral("RE");
    std::int32_t RECSERIE = 1;
    QString RECSECTOR = QStringLiteral("1");
    QString RPCTIPODOCUM = QStringLiteral("RA");
    std::int32_t RPCSERIE = 2;
    QString RPCSECTOR = QStringLiteral("2");
};

// The parameters table holding `p` as its one row; with nullopt, no row.
std::shared_ptr<ado::Recordset> parametrosRecordset(const std::optional<Parametros>& p);

}  // namespace tvx::testing
