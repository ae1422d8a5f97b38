#pragma once
// A company database connection that answers the add-in's queries from
// tables kept in memory: the parameters row, customers and VAT exemption
// reasons by code, and invoice headers by key. Every query text is recorded;
// a query containing a scripted text raises the scripted error, and any
// other query is refused.
#include "host_api/dal_ligacao.h"
#include "platform/automation/automation_error.h"
#include "platform/automation/currency.h"
#include "support/parametros.h"

#include <QStringList>
#include <map>
#include <optional>
#include <set>
#include <vector>

namespace tvx::testing {

// One DOCGCCAB row, found by type, year, series and number.
struct CabecalhoFactura {
    QString tipo;
    std::int32_t numero = 0;
    std::int16_t serie = 1;
    std::int16_t ano = 2024;
    QString terceiro = QStringLiteral("C0001");
    Currency total;
    std::int16_t sinalCt = 1;
};

class FakeCompanyDb : public DalLigacao {
public:
    bool Abrir(const QString&) override { return true; }
    void Fechar() override {}
    void Consultar(const QString& sChave, const QString& sSql, std::shared_ptr<ado::Recordset>& rs, int iCursor,
                   int iOpcoes) override;
    std::int16_t Executar(const QString&, const QString&) override { return 0; }
    void Gravar(const QString&, std::shared_ptr<ado::Recordset>&) override {}

    void addFactura(const CabecalhoFactura& f) { facturas.push_back(f); }

    std::optional<Parametros> parametros = Parametros{};  // nullopt: an empty table
    std::set<QString> clientes{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C0001"),
                               QStringLiteral("C0002")};
    std::map<QString, QString> motivos{{QStringLiteral("M99"), QStringLiteral("Isento artigo 9.º do CIVA")}};
    std::vector<CabecalhoFactura> facturas;
    QStringList queries;
    std::optional<std::pair<QString, AutomationError>> falha;  // text in the query, error
};

}  // namespace tvx::testing
