#include "host_erp/demo_company.h"

#include "host_erp/company_server.h"
#include "platform/sql/connection.h"

#include "host_erp/host_catalogue.h"
#include "host_erp/host_users.h"

namespace tvx::host_erp {

namespace {

using Row = QVariantList;

void insertRows(const QSqlDatabase& db, const QString& table, const QStringList& columns, const QList<Row>& rows) {
    for (const Row& row : rows) insertRow(db, table, columns, row);
}

QStringList cols(const char* list) { return QString::fromLatin1(list).split(u',', Qt::SkipEmptyParts); }

void addCatalogues(const QSqlDatabase& db) {
    insertRows(db, QStringLiteral("TAXAS_IVA"), cols("CODIGO,DESCR,TAXA,CONTACTB"),
               {{1, QStringLiteral("Isento"), 0.0, QStringLiteral("")},
                {2, QStringLiteral("Reduzida"), 6.0, QStringLiteral("24331")},
                {3, QStringLiteral("Intermédia"), 13.0, QStringLiteral("24332")},
                {4, QStringLiteral("Normal"), 23.0, QStringLiteral("24333")}});
    insertRows(
        db, QStringLiteral("MOTIVO_ISENCAO_IVA"), cols("CODIGO,DESCRICAO,NORMA"),
        {{demo::MotivoIsencao, QStringLiteral("Não sujeito ou não tributado"), QStringLiteral("Outras situações")},
         {QStringLiteral("M07"), QStringLiteral("Isento nos termos do artigo 9.º do CIVA"),
          QStringLiteral("Artigo 9.º do CIVA")},
         {QStringLiteral("M01"), QStringLiteral("Artigo 16.º, n.º 6 do CIVA"),
          QStringLiteral("Artigo 16.º, n.º 6, alíneas a) a d) do CIVA")}});
    insertRows(db, QStringLiteral("REGIMES_IVA"), cols("CODIGO,DESCR"),
               {{demo::RegimeIva, QStringLiteral("Nacional")}});
    insertRows(db, QStringLiteral("MODOSPAG"), cols("CODIGO,DESCR,CONTACTB"),
               {{demo::ModoPagamento, QStringLiteral("Transferência bancária"), QStringLiteral("1209")},
                {QStringLiteral("NUM"), QStringLiteral("Numerário"), QStringLiteral("1101")}});
    insertRows(db, QStringLiteral("BANCOS"), cols("CODIGO,NOME,AGENCIA,CONTA,CONTACTB"),
               {{QStringLiteral("BAT"), QStringLiteral("Banco Atlântico"), QStringLiteral("Lisboa"),
                 QStringLiteral("PT50003500010001234567890"), QStringLiteral("1201")},
                {QStringLiteral("BLU"), QStringLiteral("Banco Lusitano"), QStringLiteral("Porto"),
                 QStringLiteral("PT50001000001234567890154"), QStringLiteral("1202")}});
    insertRows(db, QStringLiteral("CARTEIRAS"), cols("CODIGO,DESCR"), {{1, QStringLiteral("Carteira")}});
    insertRows(db, QStringLiteral("SECTORES"), cols("CODIGO,DESCR"),
               {{demo::Sector, QStringLiteral("Sede")}, {QStringLiteral("2"), QStringLiteral("Loja do Porto")}});
    insertRows(db, QStringLiteral("ARMAZENS"), cols("CODIGO,NOME"),
               {{demo::Armazem, QStringLiteral("Armazém principal")}});
    insertRows(db, QStringLiteral("ARTIGOS"), cols("CODIGO,NOME,TIPOIVA,MOTISENCAO,CONTACTB"),
               {{demo::ArtigoFare, QStringLiteral("Bilhete - tarifa"), 1, demo::MotivoIsencao, QStringLiteral("7211")},
                {demo::ArtigoTaxas, QStringLiteral("Bilhete - taxas"), 1, demo::MotivoIsencao, QStringLiteral("7212")},
                {demo::ArtigoFee, QStringLiteral("Taxa de serviço"), 4, QVariant(), QStringLiteral("7221")}});
}

void addDocumentTypes(const QSqlDatabase& db) {
    insertRows(db, QStringLiteral("TPDOC"),
               cols("CODIGO,DESCR,AREAG,TPOPER,NATCONTA,SINALCT,CATEGORIA,CERTIFICADO,DIARIO"),
               {{demo::Factura, QStringLiteral("Factura"), AreaComercial, 2, 1, 1, QStringLiteral("FACTURA"), 1,
                 QStringLiteral("VND")},
                {demo::NotaCredito, QStringLiteral("Nota de crédito"), AreaComercial, 3, 2, 2,
                 QStringLiteral("NOTA_CREDITO"), 1, QStringLiteral("VND")},
                {demo::Recibo, QStringLiteral("Recibo"), AreaFinanceira, 7, 1, 1, QStringLiteral("RECIBO"), 0,
                 QStringLiteral("TES")},
                {demo::ReciboConta, QStringLiteral("Recebimento por conta"), AreaFinanceira, 7, 1, 1,
                 QStringLiteral("RECIBO_CONTA"), 0, QStringLiteral("TES")}});
    QList<Row> series;
    for (const QString& type : {demo::Factura, demo::NotaCredito, demo::Recibo, demo::ReciboConta})
        series << Row{type, demo::Serie, QStringLiteral("Série %1").arg(demo::Serie), 1};
    series << Row{demo::Factura, 2, QStringLiteral("Série 2 (não assinada)"), 0};
    insertRows(db, QStringLiteral("NOMSERIE"), cols("TIPODOC,SERIE,DESCR,ASSINADA"), series);
}

void addCustomers(const QSqlDatabase& db, int count) {
    static const QStringList names = {QStringLiteral("Viagens Atlântida"), QStringLiteral("Turismo do Açor"),
                                      QStringLiteral("Rota d'Ouro"), QStringLiteral("Horizonte Férias"),
                                      QStringLiteral("Mundo & Companhia")};
    for (int n = 1; n <= count; ++n)
        insertRow(db, QStringLiteral("CLIENTES"), cols("CODIGO,NOME,NCONTRIB,LOCALIDADE,CONTACTB"),
                  {demoCustomerCode(n), QStringLiteral("%1 %2").arg(names[(n - 1) % names.size()]).arg(n),
                   QStringLiteral("5%1").arg(n, 8, 10, QChar(u'0')), QStringLiteral("Lisboa"),
                   QStringLiteral("211%1").arg(n, 4, 10, QChar(u'0'))});
}

}  // namespace

QString demoCustomerCode(int n) { return QStringLiteral("C%1").arg(n, 4, 10, QChar(u'0')); }

namespace {

std::function<void(const QSqlDatabase&)> demoFill(const DemoCompanyOptions& options) {
    return [&options](const QSqlDatabase& db) {
        addCatalogues(db);
        addDocumentTypes(db);
        addCustomers(db, options.customers);
        addUser(db, options.login, QStringLiteral("Utilizador de demonstração"), options.password);
    };
}

}  // namespace

void createDemoCompany(const QString& path, const DemoCompanyOptions& options) {
    createCompanyDatabase(path, options.company, demoFill(options));
}

void createDemoServerCompany(const sql::ServerLogin& login, const DemoCompanyOptions& options) {
    createServerCompany(login, options.company, demoFill(options));
}

}  // namespace tvx::host_erp
