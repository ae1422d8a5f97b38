#pragma once
// A company database connection that answers the add-in's three queries
// from tables kept in memory: invoice headers by key, customers by code and
// the parameters row. Every query text is recorded; a query containing a
// scripted text raises the scripted error.
#include "host_api/dal_ligacao.h"
#include "platform/automation/automation_error.h"
#include "platform/automation/currency.h"

#include <QStringList>
#include <map>
#include <optional>
#include <vector>

namespace tvx::testing {

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
    FakeCompanyDb();

    bool Abrir(const QString&) override { return true; }
    void Fechar() override {}
    void Consultar(const QString& sChave, const QString& sSql, std::shared_ptr<ado::Recordset>& rs, int iCursor,
                   int iOpcoes) override;
    std::int16_t Executar(const QString&, const QString&) override { return 0; }
    void Gravar(const QString&, std::shared_ptr<ado::Recordset>&) override {}

    void addFactura(const CabecalhoFactura& f) { facturas.push_back(f); }

    std::vector<CabecalhoFactura> facturas;
    QStringList clientes{QStringLiteral("C0001"), QStringLiteral("C0002")};
    // The parameters row, field by field.
    std::map<QString, Variant> parametros;
    QStringList queries;
    std::optional<std::pair<QString, AutomationError>> falha;  // text in the query, error
};

}  // namespace tvx::testing
