#pragma once
// A demo company for tests, benchmarks and the stand-in host program: the
// document types, series, sector, warehouse, articles, VAT rates and
// exemption reasons the add-in's parameters name, customers whose codes are
// the agency demo's accounts, the company's banks and one host user.
#include "host_erp/company_database.h"

#include <QString>

namespace tvx::sql {
struct ServerLogin;
}

namespace tvx::host_erp {

// The codes the demo company holds (for parameters rows and tests).
namespace demo {
inline const QString Factura = QStringLiteral("FT");      // invoice, certified, series 1 signed
inline const QString NotaCredito = QStringLiteral("NC");  // credit note, SINALCT 2
inline const QString Recibo = QStringLiteral("RE");       // receipt settling documents
inline const QString ReciboConta = QStringLiteral("RA");  // on-account receipt
inline constexpr int Serie = 1;
inline const QString Sector = QStringLiteral("1");
inline const QString Armazem = QStringLiteral("A1");
inline const QString ArtigoFare = QStringLiteral("FARE");
inline const QString ArtigoTaxas = QStringLiteral("TAXAS");
inline const QString ArtigoFee = QStringLiteral("FEE");
inline const QString MotivoIsencao = QStringLiteral("M99");
inline const QString ModoPagamento = QStringLiteral("TRB");
inline const QString RegimeIva = QStringLiteral("NAC");
}  // namespace demo

struct DemoCompanyOptions {
    CompanyInfo company{QStringLiteral("EMPR01"),    QStringLiteral("Viagens Demo, Lda."),
                        QStringLiteral("500000000"), QStringLiteral("Rua Augusta, 1"),
                        QStringLiteral("Lisboa"),    QStringLiteral("1100-048")};
    int customers = 12;  // codes C0001 … as the agency demo numbers its accounts
    QString login = QStringLiteral("vesk");
    QString password = QStringLiteral("vesk");
};

// The code of the n-th demo customer (1-based): "C0001", …
QString demoCustomerCode(int n);

// Creates the company file (refusing an existing one) and fills it.
void createDemoCompany(const QString& path, const DemoCompanyOptions& options = {});
// The same company as a database on a PostgreSQL server (company_server.h).
void createDemoServerCompany(const sql::ServerLogin& login, const DemoCompanyOptions& options = {});

}  // namespace tvx::host_erp
