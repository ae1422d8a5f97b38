#include "telvarix-host/demo_parameters.h"

#include "host_api/dal_ligacao.h"
#include "host_erp/demo_company.h"
#include "platform/sql/sql_quote.h"

#include <QStringList>
#include <utility>
#include <vector>

namespace tvx::host_app {

namespace {

QString text(const QString& value) { return sql::sqlQuoted(value); }
QString number(int value) { return QString::number(value); }

}  // namespace

void insertDemoParameters(DalLigacao& company, const DemoParameters& p) {
    namespace demo = host_erp::demo;
    const std::vector<std::pair<const char*, QString>> row = {
        {"FATTIPODOCUM", text(demo::Factura)},
        {"FATSECTOR", text(demo::Sector)},
        {"FATSERIE", number(demo::Serie)},
        {"FATFINALIZA", number(p.fatFinaliza)},
        {"ARMAZEM", text(demo::Armazem)},
        {"ARTIGOFARE", text(demo::ArtigoFare)},
        {"ARTIGOTAXAS", text(demo::ArtigoTaxas)},
        {"ARTIGOSERVICEFEE", text(demo::ArtigoFee)},
        {"ARTIGOISENCAOIVA", text(demo::MotivoIsencao)},
        {"BDNOME", text(p.bdNome)},
        {"BDUSER", text(QString())},
        {"BDPASSW", text(QString())},
        {"RECTIPODOCUM", text(demo::Recibo)},
        {"RECSECTOR", text(demo::Sector)},
        {"RECSERIE", number(demo::Serie)},
        {"RPCTIPODOCUM", text(demo::ReciboConta)},
        {"RPCSECTOR", text(demo::Sector)},
        {"RPCSERIE", number(demo::Serie)},
    };
    QStringList columns;
    QStringList values;
    for (const auto& [column, value] : row) {
        columns << QString::fromLatin1(column);
        values << value;
    }
    company.Executar(QString(), QStringLiteral("INSERT INTO qrl_PARAMETROS (%1) VALUES (%2)")
                                    .arg(columns.join(QStringLiteral(", ")), values.join(QStringLiteral(", "))));
}

}  // namespace tvx::host_app
