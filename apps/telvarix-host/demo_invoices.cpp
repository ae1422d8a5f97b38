#include "telvarix-host/demo_invoices.h"

#include "host_api/dal_ligacao.h"
#include "host_api/sessao_api.h"
#include "host_erp/demo_company.h"
#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "telvarix-host/command_line.h"

#include <QTime>

namespace tvx::host_app {

namespace {

namespace demo = host_erp::demo;

void addLine(SessaoApi& api, DocComercial& doc, const QString& artigo, double price) {
    auto line = api.LinhaDocComercial();
    line->TipoDeLinha(std::int16_t(1));
    line->Artigo(artigo);
    line->Armazem(demo::Armazem);
    doc.SugereValoresLin(line, false, true, true, false, true, false, true);
    line->PrecoUnitario(price);
    line->PrecoUnitarioIntroduzido(price);
    line->Quantidade(std::int16_t(1));
    line->QuantidadeOrigem(std::int16_t(1));
    if (artigo != demo::ArtigoFee) line->MotivoIsencao(demo::MotivoIsencao);
    doc.AdicionaLinha(line);
}

void check(std::int32_t answer, DocComercial& doc, const DemoDocumentRequest& request) {
    if (answer != 0)
        throw CommandFailure(QStringLiteral("Tumo Vesk refused a demo %1 of %2: %3")
                                 .arg(request.tipo, request.cliente, doc.UltimaMensagem()));
}

Currency finalTotal(DalLigacao& company, const DemoDocument& d) {
    std::shared_ptr<ado::Recordset> rs;
    company.Consultar(QString(),
                      QStringLiteral("SELECT TOTDOC FROM DOCGCCAB WHERE TPDOC='%1' AND SERIE=%2 AND ANO=%3 "
                                     "AND NNUMDOC=%4 AND EMPREPARACAO=0")
                          .arg(d.tipo)
                          .arg(d.serie)
                          .arg(d.ano)
                          .arg(d.numero),
                      rs, -1, 0);
    if (!rs || rs->RecordCount() != 1)
        throw CommandFailure(QStringLiteral("the demo document %1 is not in the company.").arg(d.reference()));
    return CCur(rs->value(0));
}

}  // namespace

QString DemoDocument::reference() const {
    return QStringLiteral("%1-%2-%3-%4").arg(tipo).arg(numero).arg(serie).arg(ano);
}

DemoDocument createFinalDocument(SessaoApi& api, DalLigacao& company, const DemoDocumentRequest& request) {
    auto doc = api.DocComercial();
    const auto cab = doc->Cab();
    cab->TipoDocumento(request.tipo);
    cab->Sector(demo::Sector);
    cab->Serie(std::int16_t(demo::Serie));
    cab->Terceiro(request.cliente);
    cab->TipoPreco(std::int16_t(0));
    cab->Data(formatDate(request.data));
    cab->Moeda(QStringLiteral("EUR"));
    cab->IvaIncluido(std::int16_t(0));
    doc->Validar();
    cab->DataVencimento(cab->Data());
    cab->DataCarga(cab->Data());
    cab->HoraCarga(formatTime(QTime::currentTime()));
    if (request.fare > 0) addLine(api, *doc, demo::ArtigoFare, request.fare);
    if (request.fee > 0) addLine(api, *doc, demo::ArtigoFee, request.fee);
    check(doc->Validar(), *doc, request);
    check(doc->Inserir(), *doc, request);

    Variant ano = cab->Ano();
    Variant tipo = cab->TipoDocumento();
    Variant serie = cab->Serie();
    Variant numero = cab->NossoNoDocumento();
    auto final = api.DocComercial();
    check(final->Finalizar(ano, tipo, serie, numero), *final, request);

    DemoDocument d;
    d.tipo = CStr(final->Cab()->TipoDocumento());
    d.numero = CLng(final->Cab()->NossoNoDocumento());
    d.serie = CInt(final->Cab()->Serie());
    d.ano = CInt(final->Cab()->Ano());
    d.cliente = request.cliente;
    d.total = finalTotal(company, d);
    return d;
}

}  // namespace tvx::host_app
