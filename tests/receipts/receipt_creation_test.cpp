#include "receipts/receipt_creation.h"

#include "receipts/doc_contabilistico_insere.h"
#include "receipts/receipts_test_support.h"
#include "support/linhas_do_log.h"
#include "support/recording_finance_session.h"
#include "support/transferencia.h"

namespace tvx {
namespace {

using testing::raised;
using testing::Transferencia;

class ReceiptCreation : public testing::CompanyDbTest {
protected:
    void SetUp() override {
        CompanyDbTest::SetUp();
        diagnostico.pDiagnosticoCreate();
    }
    bool inserir(const Transferencia& t, const QString& fatura) {
        rs = testing::transferenciasRecordset({t});
        return pDocFinanceiroInsere(host, comandos, diagnostico, *rs, fatura, mensagem);
    }
    QStringList log() { return testing::linhasDoLog(*diagnostico.rsDiagnostico()); }

    testing::RecordingFinanceSession host;
    DiagnosticoLog diagnostico{DalComandos::HlpDb_DiagnosticoCreate};
    std::shared_ptr<ado::Recordset> rs;
    QString mensagem;
};

TEST_F(ReceiptCreation, AReceiptSettlingTwoInvoicesIsBuiltInTheHostsOrderAndEntered) {
    factura("FT", 12, "100.00");
    factura("FT", 15, "50.00");
    Transferencia t;
    t.id = 7;
    t.valor = Currency::fromLong(150);
    ASSERT_TRUE(inserir(t, QStringLiteral("FT-12-1-2024;FT-15-1-2024")));
    EXPECT_EQ(mensagem, QStringLiteral("RE-17-2024"));
    EXPECT_TRUE(log().isEmpty());
    EXPECT_EQ(host.journal, (QStringList{"F1.Cab.TipoDocumento=String:\"RE\"",
                                         "F1.Cab.Serie=Long:1",
                                         "F1.Cab.Sector=String:\"1\"",
                                         "F1.Cab.Data=String:\"05-03-2024\"",
                                         "F1.Cab.Ano=Integer:2024",
                                         "F1.Cab.Moeda=String:\"EUR\"",
                                         "F1.Cab.TipoTerceiro=Integer:2",
                                         "F1.Cab.Terceiro=String:\"C0001\"",
                                         "F1.Cab.ModoDePagamento=String:\"TRB\"",
                                         "F1.Cab.banco=String:\"BAT\"",
                                         "F1.Cab.CarteiraOrigem=Integer:1",
                                         "F1.Cab.CarteiraDestino=Integer:1",
                                         "F1.Cab.LigacaoCtb=Integer:-1",
                                         "F1.Cab.RegimeIva=String:\"NAC\"",
                                         "F1.Validar",
                                         "L1.TipoDocumentoLiq=String:\"FT\"",
                                         "L1.NumeroDocumentoLiq=Long:12",
                                         "L1.SerieDoLiquidado=Integer:1",
                                         "L1.Anol=Integer:2024",
                                         "L1.ValorPago=Currency:100",
                                         "F1.AdicionaLinha(L1)",
                                         "L2.TipoDocumentoLiq=String:\"FT\"",
                                         "L2.NumeroDocumentoLiq=Long:15",
                                         "L2.SerieDoLiquidado=Integer:1",
                                         "L2.Anol=Integer:2024",
                                         "L2.ValorPago=Currency:50",
                                         "F1.AdicionaLinha(L2)",
                                         "F1.Validar",
                                         "F1.Inserir",
                                         "F2.Ler(String:\"RE\",Long:17,Integer:1,Integer:2024)",
                                         "C1.DocumentoFinanceiro(F2)",
                                         "C1.Validar",
                                         "C1.Inserir"}));
}

TEST_F(ReceiptCreation, WithoutSettledInvoicesTheReceiptIsOnAccountAndARefusalIsWarnedFirst) {
    Transferencia t;
    t.id = 8;
    t.valor = Currency::parse(QStringLiteral("99.90"));
    ASSERT_TRUE(inserir(t, QString()));
    EXPECT_TRUE(log().isEmpty());  // nothing was refused
    EXPECT_EQ(host.entries(QStringLiteral("F1.Cab.")).mid(0, 4),
              (QStringList{"F1.Cab.TipoDocumento=String:\"RA\"", "F1.Cab.Serie=Long:2", "F1.Cab.Sector=String:\"2\"",
                           "F1.Cab.ValorRegularizado=Currency:99.9"}));
    EXPECT_TRUE(host.entries(QStringLiteral("L")).isEmpty());
    EXPECT_EQ(mensagem, QStringLiteral("RA-17-2024"));

    // An unknown invoice: warned on the transfer's line, then received on account.
    host.journal.clear();
    ASSERT_TRUE(inserir(t, QStringLiteral("FT-404-1-2024")));
    EXPECT_EQ(log(), (QStringList{"1|AVISO|ID=8 Um dos documentos a liquidar não Existe. FT-404-1-2024. Vai criar "
                                  " Recebimento por conta."}));
    EXPECT_EQ(host.entries(QStringLiteral("F3.Cab.TipoDocumento")),
              (QStringList{"F3.Cab.TipoDocumento=String:\"RA\""}));
    EXPECT_EQ(mensagem, QStringLiteral("RA-18-2024"));
}

TEST_F(ReceiptCreation, TheCashAccountGetsNoBankAndARefusedMemberDoesNotStopTheHeader) {
    Transferencia t;
    t.conta = Variant("0000");
    host.script.membrosRecusados = QStringList{QStringLiteral("Moeda"), QStringLiteral("bancoEmpresa")};
    ASSERT_TRUE(inserir(t, QString()));
    const QStringList cab = host.entries(QStringLiteral("F1.Cab."));
    EXPECT_EQ(cab.mid(5), (QStringList{"F1.Cab.Ano=Integer:2024", "F1.Cab.Moeda refused",
                                       "F1.Cab.TipoTerceiro=Integer:2", "F1.Cab.Terceiro=String:\"C0001\"",
                                       "F1.Cab.ModoDePagamento=String:\"TRB\"", "F1.Cab.bancoEmpresa refused",
                                       "F1.Cab.AgenciaEmpresa=String:\"\"", "F1.Cab.ContaBncEmpresa=String:\"\""}));
}

TEST_F(ReceiptCreation, HostRefusalsGiveFalseWithTheHostsReason) {
    host.script.validar = {0, 1};  // the second Validar refuses
    EXPECT_FALSE(inserir(Transferencia{}, QString()));
    EXPECT_EQ(mensagem, QStringLiteral("Recibo recusado pelo anfitrião"));
    EXPECT_TRUE(host.entries(QStringLiteral("F1.Inserir")).isEmpty());

    host.script.inserir = 3;
    EXPECT_FALSE(inserir(Transferencia{}, QString()));
    EXPECT_EQ(mensagem, QStringLiteral("Recibo recusado pelo anfitrião"));
    EXPECT_EQ(host.recibosInseridos, 0);
    EXPECT_TRUE(host.entries(QStringLiteral("C")).isEmpty());

    // The receipt is stored but its entry refused: reference and reason, no separator.
    host.script.inserir = 0;
    host.script.ctbValidar = 1;
    EXPECT_FALSE(inserir(Transferencia{}, QString()));
    EXPECT_EQ(mensagem, QStringLiteral("RA-17-2024Conta 21 inexistente"));
    EXPECT_EQ(host.recibosInseridos, 1);
    EXPECT_TRUE(host.entries(QStringLiteral("C1.Inserir")).isEmpty());
}

TEST_F(ReceiptCreation, ErrorsAreRaisedUnderTheProceduresNames) {
    host.script.semDocContabilistico = true;
    const auto semCtb = raised([&] { inserir(Transferencia{}, QString()); });
    ASSERT_TRUE(semCtb);
    EXPECT_EQ(semCtb->number(), 91);
    EXPECT_EQ(semCtb->source(), QStringLiteral("pDocFinanceiroInsere"));

    const auto comercial = raised([&] {
        QString m;
        testing::RecordingFinanceSession outro;
        pDocContabilisticoInsere(outro, outro.DocFinanceiro(), ModuloComercial, m);
    });
    ASSERT_TRUE(comercial);
    EXPECT_EQ(comercial->source(), QStringLiteral("pDocContabilisticoInsere"));

    factura("FT", 1, "10.00");
    const auto duplicada = raised([&] { inserir(Transferencia{}, QStringLiteral("FT-1-1-2024;FT-1-1-2024")); });
    ASSERT_TRUE(duplicada);
    EXPECT_EQ(duplicada->number(), 457);
    EXPECT_EQ(duplicada->source(), QStringLiteral("pDocFinanceiroInsere"));
}

}  // namespace
}  // namespace tvx
