#pragma once
// The host's catalogue, as its document rules read it from the company
// database. Codes match without regard to case (the columns are NOCASE);
// each lookup answers nullopt when there is no such row.
//
// Answers are kept with the connection, table by table, and used again while
// that table has not changed (the connection's change stamp): a commit by
// another connection, or a write to the table through this one, drops them.
#include "platform/automation/currency.h"

#include <QString>
#include <optional>

namespace tvx::sql {
class Connection;
}

namespace tvx::host_erp {

// TPDOC.CATEGORIA values.
namespace categoria {
inline const QString Factura = QStringLiteral("FACTURA");
inline const QString NotaCredito = QStringLiteral("NOTA_CREDITO");
inline const QString Recibo = QStringLiteral("RECIBO");
inline const QString ReciboConta = QStringLiteral("RECIBO_CONTA");
}  // namespace categoria

// TPDOC.AREAG values.
inline constexpr int AreaComercial = 4;
inline constexpr int AreaFinanceira = 6;

struct DocumentType {
    QString codigo;  // as the host keeps it (the caller may have given another case)
    QString descr;
    int areag = 0;
    int tpoper = 0;
    int natconta = 0;
    int sinalct = 1;
    QString categoria;
    bool certificado = false;
    QString diario;
    bool activo = true;
};

struct Series {
    QString descr;
    bool assinada = false;
    bool activa = true;
};

struct Customer {
    QString codigo;
    QString nome;
    QString ncontrib;
    QString contaCtb;
    bool activo = true;
};

struct Article {
    QString codigo;
    QString nome;
    int tipoIva = 0;
    QString motivoIsencao;
    Currency preco;
    bool movStock = false;
    QString contaCtb;
    bool activo = true;
};

struct VatRate {
    int codigo = 0;
    double taxa = 0;
    QString contaCtb;
};

struct CatalogueMemo;

// Within its scope the catalogue is read as it was when each table was first
// consulted: lookups do not check again for changes, so one document check
// sees one catalogue and pays for the checks once. Pins nest.
class CataloguePin {
public:
    explicit CataloguePin(sql::Connection& db);
    ~CataloguePin();
    CataloguePin(const CataloguePin&) = delete;
    CataloguePin& operator=(const CataloguePin&) = delete;

    // The database's count of other connections' commits when the outermost
    // pin was taken (see sql::Connection::othersCommits).
    qint64 othersCommits() const;

private:
    sql::Connection& db_;
    CatalogueMemo* memo_;
};

std::optional<DocumentType> documentType(sql::Connection& db, const QString& codigo);
std::optional<Series> series(sql::Connection& db, const QString& tipo, int serie);
std::optional<Customer> customer(sql::Connection& db, const QString& codigo);
std::optional<Article> article(sql::Connection& db, const QString& codigo);
std::optional<VatRate> vatRate(sql::Connection& db, int tipoIva);

// Whether a code is in a catalogue table keyed by CODIGO (SECTORES,
// ARMAZENS, MOTIVO_ISENCAO_IVA, BANCOS, MODOSPAG, REGIMES_IVA, CARTEIRAS).
bool hasCode(sql::Connection& db, const QString& table, const QString& codigo);
// The accounting account (CONTACTB) of a bank or payment method; "" when
// the row has none or there is no such row.
QString accountOf(sql::Connection& db, const QString& table, const QString& codigo);

// The company's currency and its first warehouse ("" when it has none).
QString companyCurrency(sql::Connection& db);
QString firstWarehouse(sql::Connection& db);

}  // namespace tvx::host_erp
