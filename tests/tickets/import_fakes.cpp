#include "tickets/import_fakes.h"

#include "platform/automation/conversions.h"

#include <QRegularExpression>

namespace tvx::testing {

namespace {

Variant opcional(const std::optional<QString>& v) { return v ? Variant(*v) : Variant::null(); }

std::shared_ptr<ado::Recordset> recordsetDeTexto(const QString& campo, const QStringList& valores) {
    auto rs = std::make_shared<ado::Recordset>();
    rs->Fields().Append(campo, ado::adVarChar, 255);
    rs->Open();
    for (const QString& v : valores) {
        rs->AddNew();
        rs->setValue(campo, Variant(v));
        rs->Update();
    }
    if (!valores.isEmpty()) rs->MoveFirst();
    return rs;
}

// The text between the first pair of single quotes after `after`.
QString citado(const QString& sql, const QString& after) {
    const auto m = QRegularExpression(QRegularExpression::escape(after) + QStringLiteral("'((?:[^']|'')*)'")).match(sql);
    return m.hasMatch() ? m.captured(1).replace(QStringLiteral("''"), QStringLiteral("'")) : QString();
}

}  // namespace

std::shared_ptr<ado::Recordset> parametrosRecordset(const Parametros& p) {
    auto rs = std::make_shared<ado::Recordset>();
    const std::vector<std::pair<QString, int>> campos = {
        {QStringLiteral("FATTIPODOCUM"), ado::adVarWChar}, {QStringLiteral("FATSECTOR"), ado::adVarWChar},
        {QStringLiteral("FATSERIE"), ado::adInteger},      {QStringLiteral("FATFINALIZA"), ado::adInteger},
        {QStringLiteral("ARMAZEM"), ado::adVarWChar},      {QStringLiteral("ARTIGOFARE"), ado::adVarWChar},
        {QStringLiteral("ARTIGOTAXAS"), ado::adVarWChar},  {QStringLiteral("ARTIGOSERVICEFEE"), ado::adVarWChar},
        {QStringLiteral("ARTIGOISENCAOIVA"), ado::adVarWChar}, {QStringLiteral("BDNOME"), ado::adVarWChar},
        {QStringLiteral("BDPASSW"), ado::adVarWChar},
    };
    for (const auto& [nome, tipo] : campos) rs->Fields().Append(nome, tipo, tipo == ado::adInteger ? 0 : 1000);
    rs->Open();
    rs->AddNew();
    rs->setValue(QStringLiteral("FATTIPODOCUM"), Variant(p.FATTIPODOCUM));
    rs->setValue(QStringLiteral("FATSECTOR"), Variant(p.FATSECTOR));
    rs->setValue(QStringLiteral("FATSERIE"), Variant(p.FATSERIE));
    rs->setValue(QStringLiteral("FATFINALIZA"), p.FATFINALIZA ? Variant(*p.FATFINALIZA) : Variant::null());
    rs->setValue(QStringLiteral("ARMAZEM"), opcional(p.ARMAZEM));
    rs->setValue(QStringLiteral("ARTIGOFARE"), Variant(p.ARTIGOFARE));
    rs->setValue(QStringLiteral("ARTIGOTAXAS"), Variant(p.ARTIGOTAXAS));
    rs->setValue(QStringLiteral("ARTIGOSERVICEFEE"), Variant(p.ARTIGOSERVICEFEE));
    rs->setValue(QStringLiteral("ARTIGOISENCAOIVA"), Variant(p.ARTIGOISENCAOIVA));
    rs->setValue(QStringLiteral("BDNOME"), Variant(p.BDNOME));
    rs->setValue(QStringLiteral("BDPASSW"), Variant(QString()));
    rs->Update();
    rs->MoveFirst();
    return rs;
}

void FakeCompanyDb::Consultar(const QString&, const QString& sSql, std::shared_ptr<ado::Recordset>& rs, int, int) {
    queries << sSql;
    if (sSql.contains(QStringLiteral("qrl_PARAMETROS"))) {
        rs = parametros ? parametrosRecordset(*parametros) : recordsetDeTexto(QStringLiteral("BDNOME"), {});
    } else if (sSql.contains(QStringLiteral("CLIENTES"))) {
        if (falhaClientes) throw *falhaClientes;
        const QString codigo = citado(sSql, QStringLiteral("CODIGO="));
        rs = recordsetDeTexto(QStringLiteral("CODIGO"), clientes.count(codigo) ? QStringList{codigo} : QStringList{});
    } else if (sSql.contains(QStringLiteral("MOTIVO_ISENCAO_IVA"))) {
        const auto it = motivos.find(citado(sSql, QStringLiteral("CODIGO=")));
        rs = recordsetDeTexto(QStringLiteral("DESCRICAO"), it == motivos.end() ? QStringList{} : QStringList{it->second});
    } else {
        throw AutomationError(err::ProviderCommandError, QStringLiteral("Unexpected query"), QStringLiteral("Fake"));
    }
}

std::shared_ptr<ado::Recordset> ticketsRecordset(const std::vector<TicketRow>& rows, bool csv) {
    auto rs = std::make_shared<ado::Recordset>();
    auto& f = rs->Fields();
    f.Append(QStringLiteral("ID"), ado::adInteger);
    f.Append(QStringLiteral("Account"), ado::adVarChar, 15);
    f.Append(QStringLiteral("Codigo Companhia Aerea"), ado::adVarChar, 10);
    f.Append(QStringLiteral("Numero do Bilhete"), ado::adVarChar, 20);
    f.Append(QStringLiteral("Nome Passageiro"), ado::adVarChar, 80);
    f.Append(QStringLiteral("Destino"), ado::adVarChar, 80);
    f.Append(QStringLiteral("Partida"), csv ? ado::adVarChar : ado::adDate, 20);
    f.Append(QStringLiteral("Chegada"), csv ? ado::adVarChar : ado::adDate, 20);
    for (const char* n : {"Fare", "Tarifas Privadas", "Taxas", "Fees"}) f.Append(QString::fromUtf8(n), ado::adDouble);
    f.Append(QStringLiteral("Factura"), ado::adVarChar, 50);
    f.Append(QStringLiteral("Ref_Faturacao"), ado::adVarChar, 50);
    f.Append(QStringLiteral("Pagamento"), ado::adVarChar, 10);
    f.Append(QStringLiteral("Desconto"), ado::adDouble);
    if (csv) f.Append(QStringLiteral("DataFacturacao"), ado::adVarChar, 10);
    rs->Open();
    for (const TicketRow& r : rows) {
        rs->AddNew();
        rs->setValue(QStringLiteral("ID"), Variant(r.id));
        rs->setValue(QStringLiteral("Account"), r.account);
        rs->setValue(QStringLiteral("Codigo Companhia Aerea"), r.codigoCompanhia);
        rs->setValue(QStringLiteral("Numero do Bilhete"), r.numeroBilhete);
        rs->setValue(QStringLiteral("Nome Passageiro"), r.nome);
        rs->setValue(QStringLiteral("Destino"), r.destino);
        rs->setValue(QStringLiteral("Partida"), r.partida);
        rs->setValue(QStringLiteral("Chegada"), r.chegada);
        rs->setValue(QStringLiteral("Fare"), r.fare);
        rs->setValue(QStringLiteral("Tarifas Privadas"), r.tarifasPrivadas);
        rs->setValue(QStringLiteral("Taxas"), r.taxas);
        rs->setValue(QStringLiteral("Fees"), r.fees);
        rs->setValue(QStringLiteral("Factura"), r.factura);
        rs->setValue(QStringLiteral("Ref_Faturacao"), r.ref);
        rs->setValue(QStringLiteral("Pagamento"), r.pagamento);
        rs->setValue(QStringLiteral("Desconto"), r.desconto);
        if (csv) rs->setValue(QStringLiteral("DataFacturacao"), r.dataFacturacao);
        rs->Update();
    }
    if (!rows.empty()) rs->MoveFirst();
    return rs;
}

bool FakeOrigem::ConnectionOpen(const QString& sDataSource, const QString&, const QString&) {
    log << QStringLiteral("open ") + sDataSource;
    if (falhaAbrir) throw *falhaAbrir;
    open = true;
    return true;
}

bool FakeOrigem::ConnectionClose() {
    log << QStringLiteral("close");
    open = false;  // closing a source that never opened does nothing, as Access's does
    return true;
}

std::shared_ptr<ado::Recordset> FakeOrigem::GetRecordSet(const QString& sTable) {
    log << QStringLiteral("read ") + sTable;
    return tickets;
}

void FakeOrigem::UpdateTktIssued(std::int32_t Id, const QString& sFactura) {
    log << QStringLiteral("mark %1 %2").arg(Id).arg(sFactura);
    if (falhaMarca.count(Id))
        throw AutomationError(-2147467259, QStringLiteral("Disco cheio"), QStringLiteral("Access::UpdateTktIssued"));
    marcas[Id] = sFactura;
}

void FakeOrigem::UpdateTktIssuedFacturaFinalizada(const QString& sRefFact, const QString& sCliente,
                                                  const QString& sFactura) {
    log << QStringLiteral("final %1 %2 %3").arg(sRefFact, sCliente, sFactura);
}

}  // namespace tvx::testing
