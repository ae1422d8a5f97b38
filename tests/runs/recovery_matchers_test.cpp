// The recoveries of an interrupted run find the one document the in-flight
// record stands for, over a real company database: an invoice by its type,
// customer, reference and ticket lines; a receipt by its customer, date and
// amount among those stored after the record and named by no transfer. A
// row the recovery cannot mark is an "Erro" row naming the document and the
// row, never a silent skip.
#include "diagnostics/diagnostico_log.h"
#include "host_erp/documents_fixture.h"
#include "platform/automation/conversions.h"
#include "receipts/recibo_pendente.h"
#include "settings/dal_comandos.h"
#include "support/fake_origem.h"
#include "support/linhas_do_log.h"
#include "tickets/factura_pendente.h"
#include "tickets/invoice_marker.h"

namespace tvx {
namespace {

class RecoveryMatchers : public host_erp::testing::DocumentsFixture {
protected:
    void SetUp() override {
        DocumentsFixture::SetUp();
        comandos.HlpDb_LigacaoSet(ligacao);
    }
    // An invoice in preparation of C0001 with reference REF-1 and one ticket line.
    host_erp::DocumentKey invoiceWithTicket(const QString& linha) {
        auto doc = invoiceHeader();
        addLine(*doc, QString(), 0, linha);
        addLine(*doc, QStringLiteral("FARE"), 100);
        EXPECT_EQ(doc->Inserir(), 0) << doc->UltimaMensagem().toStdString();
        return {CStr(doc->Cab()->TipoDocumento()), CLng(doc->Cab()->NossoNoDocumento()), CInt(doc->Cab()->Serie()),
                CInt(doc->Cab()->Ano())};
    }
    // A receipt of C0001 for 10 settling an invoice of its own, dated `data`; its reference.
    QString receipt(const QString& data) {
        const auto ft = storeInvoice({}, true);
        auto doc = buildReceipt(QStringLiteral("RE"), QStringLiteral("C0001"), {{ft, host_erp::testing::money("10")}});
        doc->Cab()->Data(data);
        EXPECT_EQ(doc->Inserir(), 0) << doc->UltimaMensagem().toStdString();
        return QStringLiteral("RE-%1-%2").arg(CLng(doc->Cab()->NumeroDocumento())).arg(CInt(doc->Cab()->Ano()));
    }

    // The log's rows from the first, each "Estado|Descrição".
    QStringList rows() {
        QStringList out;
        for (const QString& linha : testing::linhasDoLog(*log.rsDiagnostico())) out << linha.section(u'|', 1);
        return out;
    }

    DalComandos comandos;
    DiagnosticoLog log{DalComandos::HlpDb_DiagnosticoCreate};
};

TEST_F(RecoveryMatchers, OfTwoInvoicesOfOneCustomerAndReferenceOnlyTheOneWithTheRecordsTicketLinesIsTaken) {
    const auto nosso = invoiceWithTicket(QStringLiteral("Bilhete Nº0741111111"));
    invoiceWithTicket(QStringLiteral("Bilhete Nº0742222222"));  // newer: looked at first
    DocumentoPendente p{.tipoDocumento = QStringLiteral("FT"),
                        .agencia = {},
                        .conta = QStringLiteral("C0001"),
                        .referencia = QStringLiteral("REF-1"),
                        .ids = {7},
                        .linhas = {QStringLiteral("Bilhete Nº0741111111")},
                        .valor = {},
                        .data = {},
                        .ultimoDocumento = 0};
    IdentidadeFactura factura;
    bool emPreparacao = false;
    ASSERT_TRUE(pFacturaPendenteProcurar(comandos, p, factura, emPreparacao));
    EXPECT_EQ(factura.lNumero, nosso.numero);
    EXPECT_TRUE(emPreparacao);

    // A record whose ticket is in no invoice finds none: the ticket stays pending.
    p.linhas = {QStringLiteral("Bilhete Nº0743333333")};
    EXPECT_FALSE(pFacturaPendenteProcurar(comandos, p, factura, emPreparacao));
    p.linhas = {QStringLiteral("Bilhete Nº0741111111")};
    p.referencia = QStringLiteral("REF-2");
    EXPECT_FALSE(pFacturaPendenteProcurar(comandos, p, factura, emPreparacao));
}

TEST_F(RecoveryMatchers, ATicketThatCannotTakeTheFoundInvoicesMarkIsAnErrorRowAndAFailedWriteKeepsTheRecord) {
    const auto nosso = invoiceWithTicket(QStringLiteral("Bilhete Nº0741111111"));
    const IdentidadeFactura factura{nosso.tipo, nosso.numero, nosso.serie, nosso.ano};
    const DocumentoPendente p{.tipoDocumento = QStringLiteral("FT"),
                              .agencia = {},
                              .conta = QStringLiteral("C0001"),
                              .referencia = QStringLiteral("REF-1"),
                              .ids = {7, 8, 9, 10, 11},
                              .linhas = {QStringLiteral("Bilhete Nº0741111111")},
                              .valor = {},
                              .data = {},
                              .ultimoDocumento = 0};
    testing::FakeOrigem origem;
    origem.marcas[8] = marcaProvisoria(factura);                       // marked before the run stopped
    origem.marcas[9] = marcaFinal(factura.sTipoDoc, factura.lNumero);  // and finalised since
    origem.marcas[10] = QStringLiteral("Tumo Vesk-FT 99/1/2024");      // invoiced by another run too
    origem.semRegisto = {11};
    log.pDiagnosticoCreate();
    pFacturaPendenteRecuperar(comandos, p, origem, log);
    const QString doc = factura.texto();
    EXPECT_EQ(rows(),
              (QStringList{QStringLiteral("AVISO|Factura recuperada de uma importação interrompida: %1 (em preparação) "
                                          "TKT Issued ID 7")
                               .arg(doc),
                           QStringLiteral("Erro|TKT Issued ID 10: a marca de %1 (importação interrompida) não foi "
                                          "escrita: o registo tem a marca «Tumo Vesk-FT 99/1/2024». Verifique-o no "
                                          "Tumo Vesk: pode estar em dois documentos.")
                               .arg(doc),
                           QStringLiteral("Erro|TKT Issued ID 11: a marca de %1 (importação interrompida) não foi "
                                          "escrita: o registo já não existe no ficheiro da agência. Verifique-o no "
                                          "Tumo Vesk: pode estar em dois documentos.")
                               .arg(doc)}));

    // A write the source refuses passes to the run, which keeps the record.
    testing::FakeOrigem cheia;
    cheia.falhaMarca = {7};
    log.pDiagnosticoCreate();
    EXPECT_THROW(pFacturaPendenteRecuperar(comandos, p, cheia, log), AutomationError);
    EXPECT_EQ(rows(), QStringList{QStringLiteral("Erro|TKT Issued ID 7, 8, 9, 10, 11: a marca de %1 (importação "
                                                 "interrompida) não foi escrita; a próxima execução volta a tentar. "
                                                 "Disco cheio")
                                      .arg(doc)});
}

TEST_F(RecoveryMatchers, AReceiptIsTakenOnlyWhenStoredAfterTheRecordOnItsDateAndNamedByNoTransfer) {
    receipt(QStringLiteral("20-03-2024"));  // before the record
    const std::int64_t marca = pUltimoReciboGet(comandos);
    const QString deOutra = receipt(QStringLiteral("20-03-2024"));  // another transfer's
    receipt(QStringLiteral("21-03-2024"));                          // another date
    const QString nosso = receipt(QStringLiteral("20-03-2024"));

    testing::FakeOrigem origem;
    origem.recibos[9] = deOutra;
    const DocumentoPendente p{.tipoDocumento = {},
                              .agencia = {},
                              .conta = QStringLiteral("C0001"),
                              .referencia = {},
                              .ids = {7},
                              .linhas = {},
                              .valor = QStringLiteral("10"),
                              .data = QStringLiteral("20-03-2024"),
                              .ultimoDocumento = marca};
    pReciboPendenteRecuperar(*api, comandos, p, {QStringLiteral("RE"), QStringLiteral("RPC")}, origem, log);
    EXPECT_EQ(origem.recibos[7], nosso);

    // The transfer carries another receipt already: an "Erro" row, not "Recibo recuperado".
    origem.recibos[7] = deOutra;
    log.pDiagnosticoCreate();
    pReciboPendenteRecuperar(*api, comandos, p, {QStringLiteral("RE"), QStringLiteral("RPC")}, origem, log);
    EXPECT_EQ(rows(), QStringList{QStringLiteral("Erro|ID=7: a marca de %1 (importação interrompida) não foi escrita: "
                                                 "o registo tem a marca «%2». Verifique-o no Tumo Vesk: pode estar em "
                                                 "dois documentos.")
                                      .arg(nosso, deOutra)});
    origem.recibos.erase(7);
    origem.falhaMarca = {7};
    log.pDiagnosticoCreate();
    EXPECT_THROW(
        pReciboPendenteRecuperar(*api, comandos, p, {QStringLiteral("RE"), QStringLiteral("RPC")}, origem, log),
        AutomationError);
    EXPECT_EQ(rows(), QStringList{QStringLiteral("Erro|ID=7: a marca de %1 (importação interrompida) não foi escrita; "
                                                 "a próxima execução volta a tentar. Disco cheio")
                                      .arg(nosso)});
}

}  // namespace
}  // namespace tvx
