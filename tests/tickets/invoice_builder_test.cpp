// Opening and closing an invoice: the header's member sets in order and
// their types, the CSV mode's date and number, the closing line, and the
// three ways an invoice is stored or refused.
#include "tickets/invoice_builder.h"

#include "platform/automation/clock.h"
#include "platform/automation/conversions.h"
#include "settings/dal_comandos.h"
#include "support/fake_company_db.h"
#include "support/recording_commercial_session.h"
#include "support/ticket_row.h"
#include "tickets/tickets_test_support.h"

#include <gtest/gtest.h>

namespace tvx::testing {
namespace {

class InvoiceBuilderTest : public ::testing::Test {
protected:
    InvoiceBuilderTest() { comandos.HlpDb_LigacaoSet(db); }

    void abrir(bool csv, const TicketRow& row = {}) {
        auto rs = ticketsRecordset({row}, csv);
        pImportarDocComercialNew(sessao, csv, doc, *rs, *parametros(),
                                 row.account.isNull() ? QString() : CStr(row.account));
    }
    bool gravar(bool csv) {
        auto rs = ticketsRecordset({TicketRow{}}, csv);
        return pImportarDocComercialSave(sessao, comandos, csv, doc, *rs, *parametros(), factura, mensagem);
    }
    std::shared_ptr<ado::Recordset> parametros() { return parametrosRecordset(param); }
    RecordingDocComercial& d(int n) { return *sessao.docs().at(std::size_t(n - 1)); }

    ScopedClock relogio{QDateTime(QDate(2024, 3, 11), QTime(14, 5, 9))};
    std::shared_ptr<FakeCompanyDb> db = std::make_shared<FakeCompanyDb>();
    DalComandos comandos;
    Parametros param;
    RecordingCommercialSession sessao;
    DocComercialRef doc;
    IdentidadeFactura factura;
    QString mensagem;
};

TEST_F(InvoiceBuilderTest, TheHeaderIsSetInOrderFromTheParametersAndTheFirstTicket) {
    abrir(false);
    EXPECT_EQ(sessao.journal,
              (QStringList{"new D1", "D1.Cab.TipoDocumento=String:\"FT\"", "D1.Cab.Sector=String:\"1\"",
                           "D1.Cab.Serie=Long:1", "D1.Cab.Terceiro=String:\"A\"", "D1.Cab.TipoPreco=Integer:0",
                           "D1.Cab.Data=String:\"11-03-2024\"", "D1.Cab.Moeda=String:\"EUR\"",
                           "D1.Cab.IvaIncluido=Integer:0", "D1.Validar", "D1.Cab.DataVencimento=String:\"11-03-2024\"",
                           "D1.Cab.DataCarga=String:\"11-03-2024\"", "D1.Cab.HoraCarga=String:\"14:05:09\"",
                           "D1.Cab.Processo=String:\"\"", "D1.Cab.VossoNoDocumento=String:\"R1\""}));

    TicketRow semReferencia;
    semReferencia.ref = Variant::null();
    abrir(false, semReferencia);
    EXPECT_EQ(d(2).cab->VossoNoDocumento(), Variant(QString()));
}

TEST_F(InvoiceBuilderTest, CsvTicketsGiveTheDateAndTheNumberOfTheirInvoice) {
    const auto comFactura = [](const char* f) {
        TicketRow t;
        t.factura = Variant(QString::fromUtf8(f));
        t.dataFacturacao = Variant(QStringLiteral("05/02/2024"));
        return t;
    };
    abrir(true, comFactura("A/17"));
    abrir(true, comFactura("A/17/3"));
    abrir(true, comFactura("A17"));
    EXPECT_EQ(d(1).cab->Data(), Variant(QStringLiteral("05-02-2024")));
    EXPECT_EQ(d(1).cab->DataVencimento(), Variant(QStringLiteral("05-02-2024")));
    EXPECT_EQ(d(1).cab->NossoNoDocumento(), Variant(QStringLiteral("17")));
    EXPECT_EQ(d(2).cab->NossoNoDocumento(), Variant(QStringLiteral("17")));
    EXPECT_TRUE(d(3).cab->NossoNoDocumento().isEmpty());
    // The number is set right after the date.
    EXPECT_EQ(sessao.entries(QStringLiteral("D1.Cab.")).mid(5, 3),
              (QStringList{"D1.Cab.Data=String:\"05-02-2024\"", "D1.Cab.NossoNoDocumento=String:\"17\"",
                           "D1.Cab.Moeda=String:\"EUR\""}));
}

TEST_F(InvoiceBuilderTest, AnInvoiceLeftInPreparationEndsWithTheExemptionLine) {
    abrir(false);
    EXPECT_TRUE(gravar(false));
    EXPECT_EQ(mensagem, QStringLiteral("Factura em Preparação"));
    EXPECT_EQ(factura.texto(), QStringLiteral("FT 45/1/2024"));
    ASSERT_EQ(d(1).linhas.size(), 1u);
    EXPECT_EQ(d(1).linhas[0]->Descricao(), Variant(QStringLiteral("Isento artigo 9.º do CIVA")));
    EXPECT_EQ(d(1).linhas[0]->TipoDeLinha(), Variant(std::int16_t(1)));
    EXPECT_EQ(sessao.entries(QStringLiteral("D1."))
                  .mid(sessao.entries(QStringLiteral("D1.")).indexOf("D1.AdicionaLinha(L1)")),
              (QStringList{"D1.AdicionaLinha(L1)", "D1.Origem=Integer:3", "D1.Validar", "D1.Inserir"}));
    EXPECT_EQ(sessao.docs().size(), 1u);  // never finalised

    // A reason the host does not know: the line is still there, empty.
    param.ARTIGOISENCAOIVA = QStringLiteral("X'1");
    param.FATFINALIZA.reset();  // Null: left in preparation too
    abrir(false);
    EXPECT_TRUE(gravar(false));
    EXPECT_EQ(d(2).linhas.at(0)->Descricao(), Variant(QString()));
    EXPECT_TRUE(db->queries.last().contains(QStringLiteral("CODIGO='X''1' ")));
    EXPECT_EQ(mensagem, QStringLiteral("Factura em Preparação"));
}

TEST_F(InvoiceBuilderTest, FinalisingUsesANewDocumentAndReportsTheFinalNumber) {
    param.FATFINALIZA = 1;
    abrir(false);
    ASSERT_TRUE(gravar(false));
    EXPECT_EQ(sessao.journal.filter(QStringLiteral("Finalizar")),
              QStringList{"D2.Finalizar(Integer:2024,String:\"FT\",Integer:1,Long:45)"});
    EXPECT_EQ(mensagem, QStringLiteral("Factura Nº 900"));
    EXPECT_EQ(factura.lNumero, 900);
    EXPECT_EQ(factura.texto(), QStringLiteral("FT 900/1/2024"));

    // CSV recovery invoices are never finalised, whatever the parameters say.
    abrir(true);
    ASSERT_TRUE(gravar(true));
    EXPECT_EQ(mensagem, QStringLiteral("Factura de Recuperação"));
    EXPECT_EQ(sessao.entries(QStringLiteral("D3.Origem")), QStringList{"D3.Origem=Integer:2"});
    EXPECT_EQ(sessao.journal.filter(QStringLiteral("Finalizar")).size(), 1);
}

TEST_F(InvoiceBuilderTest, HostRefusalsAreFalseWithTheMessageOfTheDocumentThatRefused) {
    sessao.script.validar = 7;
    abrir(false);
    EXPECT_FALSE(gravar(false));
    EXPECT_EQ(mensagem, QStringLiteral("Documento recusado pelo anfitrião (D1)"));
    EXPECT_TRUE(sessao.entries(QStringLiteral("D1.Inserir")).isEmpty());

    sessao.script.validar = 0;
    sessao.script.finalizar = 3;
    param.FATFINALIZA = 1;
    abrir(false);
    EXPECT_FALSE(gravar(false));
    EXPECT_EQ(mensagem, QStringLiteral("Documento recusado pelo anfitrião (D3)"));  // the one that finalised
    EXPECT_TRUE(d(2).inserido);                                                     // stored, left in preparation
}

TEST_F(InvoiceBuilderTest, ErrorsAreRaisedUnderEachProceduresName) {
    db->motivos.clear();
    db->parametros.reset();
    auto rs = ticketsRecordset({TicketRow{}});
    auto vazio = ticketsRecordset({});
    EXPECT_RAISED_FROM(pImportarDocComercialNew(sessao, false, doc, *rs, *vazio, QStringLiteral("A")), 0,
                       "pImportarDocComercialNew");
    DocComercialRef nenhum;
    EXPECT_RAISED_FROM(
        pImportarDocComercialSave(sessao, comandos, false, nenhum, *rs, *parametros(), factura, mensagem),
        err::ObjectNotSet, "pImportarDocComercialSave");
    comandos.HlpDb_LigacaoSet(nullptr);
    abrir(false);
    EXPECT_RAISED_FROM(gravar(false), 0, "pImportarDocComercialSave");
}

}  // namespace
}  // namespace tvx::testing
