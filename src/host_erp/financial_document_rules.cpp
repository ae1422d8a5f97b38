#include "host_erp/financial_document_rules.h"

#include "host_erp/document_rules.h"
#include "host_erp/host_refusal.h"

#include <set>

namespace tvx::host_erp {

namespace {

void checkKind(const FinancialDraft& d, std::size_t lines) {
    if (d.valorRegularizado < Currency()) refuse(QStringLiteral("O valor regularizado não pode ser negativo."));
    if (d.tipo.categoria == categoria::ReciboConta) {
        if (lines > 0) refuse(QStringLiteral("Um recebimento por conta não liquida documentos."));
        if (d.valorRegularizado == Currency())
            refuse(QStringLiteral("O recebimento por conta não indica o valor regularizado."));
    } else if (lines == 0) {
        refuse(QStringLiteral("O recibo não tem documentos a liquidar."));
    }
}

void readPayment(const FinancialHeader& cab, FinancialDraft& d) {
    d.modoPagamento = textOf(cab.ModoDePagamento());
    d.bancoEmpresa = textOf(cab.bancoEmpresa());
    d.agenciaEmpresa = checkText(cab.AgenciaEmpresa(), 50, QStringLiteral("AgenciaEmpresa"));
    d.contaBncEmpresa = checkText(cab.ContaBncEmpresa(), 50, QStringLiteral("ContaBncEmpresa"));
    d.banco = textOf(cab.banco());
    d.carteiraOrigem = numberOr(cab.CarteiraOrigem(), 0);
    d.carteiraDestino = numberOr(cab.CarteiraDestino(), 0);
    d.ligacaoCtb = !cab.LigacaoCtb().isEmpty() && cab.LigacaoCtb().asBool();
    d.regimeIva = textOf(cab.RegimeIva());
}

}  // namespace

FinancialDraft checkFinancial(sql::Connection& db, const FinancialHeader& cab,
                              const std::vector<std::shared_ptr<FinancialLine>>& linhas) {
    FinancialDraft d;
    d.tipo = checkDocumentType(db, cab.TipoDocumento(), AreaFinanceira);
    d.serie = checkSeries(db, d.tipo, cab.Serie());
    d.sector = checkSector(db, cab.Sector());
    d.data = checkDate(cab.Data());
    d.ano = checkYear(cab.Ano(), d.data);
    d.moeda = checkCurrency(db, cab.Moeda());
    d.tipoTerceiro = numberOr(cab.TipoTerceiro(), TerceiroCliente);
    if (d.tipoTerceiro != TerceiroCliente)
        refuse(QStringLiteral("O tipo de terceiro %1 não é aceite: os recibos são de clientes (tipo 2).")
                   .arg(d.tipoTerceiro));
    d.cliente = checkCustomer(db, cab.Terceiro());
    readPayment(cab, d);
    d.valorRegularizado = moneyOr(cab.ValorRegularizado(), Currency());
    checkKind(d, linhas.size());
    std::set<qint64> settled;
    d.total = d.valorRegularizado;
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        Settlement s = checkSettlement(db, *linhas[i], int(i + 1), d.cliente.codigo);
        if (!settled.insert(s.documento.id).second)
            refuse(QStringLiteral("O documento %1 é liquidado em mais de uma linha.").arg(describe(s.documento.key)));
        d.total += s.valorPago;
        d.linhas.push_back(std::move(s));
    }
    if (d.total < Currency()) refuse(QStringLiteral("O total do recibo não pode ser negativo."));
    return d;
}

}  // namespace tvx::host_erp
