// The transfer import over the stand-in host: a generated company with
// final invoices still to be paid, an agency database with hand-made
// transfers, the real source, receipts, accounting entries and log; the
// results read back from both databases and from the log the viewer showed.
#include "agency/access.h"
#include "agency_demo/agency_db.h"
#include "host_api/host_classes.h"
#include "host_erp/host_fixture.h"
#include "platform/automation/class_registry.h"
#include "platform/automation/conversions.h"
#include "receipts/importacao_mov_bancarios.h"
#include "settings/dal_comandos.h"
#include "support/run_desktop_fake.h"
#include "telvarix-host/demo_invoices.h"
#include "telvarix-host/demo_parameters.h"

namespace tvx {
namespace {

using agency::AgencyDb;
using host_app::DemoDocument;

// Agency customers (their IDs): three host customers and one the host does not know.
constexpr std::int32_t Cliente1 = 1, Cliente2 = 2, Cliente3 = 3, Desconhecido = 4;
// Agency banks: two company bank accounts and the cash account "0000".
constexpr std::int32_t Atlantico = 1, Lusitano = 2, Numerario = 3;

class TransferImportOverHost : public host_erp::testing::HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        ligacao = std::dynamic_pointer_cast<DalLigacao>(registry::create(host_classes::DalLigacao));
        ASSERT_TRUE(ligacao && ligacao->Abrir(addinConnectionString()));
        comandos.HlpDb_LigacaoSet(ligacao);
        comandos.HlpDb_ParametrosCreate();
        const QString agencyPath = base.filePath(QStringLiteral("agencia.db"));
        host_app::insertDemoParameters(*ligacao, {agencyPath});
        api = std::dynamic_pointer_cast<SessaoApi>(registry::create(host_classes::SessaoApi));
        ASSERT_TRUE(api->Iniciar(writeSettings(QStringLiteral("BRISKO.EMPR01"),
                                               QStringLiteral("[Api Vesk]\r\nLogin=vesk\r\npassword=vesk\r\n"
                                                              "Empresa=EMPR01\r\n"))));
        api->Ligacao(ligacao);

        agencia.emplace(AgencyDb::create(agencyPath));
        agencia->add(agency::Banco{Atlantico, QStringLiteral("PT50003500010001234567890"),
                                   QStringLiteral("Banco Atlântico"), QStringLiteral("BAT")});
        agencia->add(agency::Banco{Lusitano, QStringLiteral("PT50001000001234567890154"),
                                   QStringLiteral("Banco Lusitano"), QStringLiteral("BLU")});
        agencia->add(
            agency::Banco{Numerario, QStringLiteral("0000"), QStringLiteral("Numerário"), QStringLiteral("NUM")});
        agencia->add(agency::Cliente{Cliente1, QStringLiteral("C0001"), QStringLiteral("Lisboa")});
        agencia->add(agency::Cliente{Cliente2, QStringLiteral("C0002"), QStringLiteral("Lisboa")});
        agencia->add(agency::Cliente{Cliente3, QStringLiteral("C0003"), QStringLiteral("Porto")});
        agencia->add(agency::Cliente{Desconhecido, QStringLiteral("X0404"), QStringLiteral("Porto")});
    }
    void TearDown() override {
        agencia.reset();
        api.reset();
        ligacao.reset();
        HostFixture::TearDown();
    }

    // A final document of the company, dated before every transfer.
    DemoDocument documento(const QString& tipo, const QString& cliente, double fare, double fee = 0) {
        return host_app::createFinalDocument(*api, *ligacao, {tipo, cliente, fare, fee, hoje.addDays(-20)});
    }
    // Transfers come in the order they are added (one day apart).
    std::int32_t transferencia(std::int32_t cliente, std::int32_t banco, Currency valor, const QString& fatura) {
        const std::int32_t id = ++transferencias_;
        agencia->add(agency::Transferencia{id, cliente, banco, QDateTime(hoje.addDays(-15 + id), QTime(0, 0)),
                                           valor.toDouble(), QStringLiteral("TRF"), fatura, std::nullopt});
        return id;
    }
    void importar() {
        ImportacaoMovBancarios run({api,
                                    comandos,
                                    diagnostico,
                                    origem,
                                    [] { return std::make_shared<Access>(); },
                                    ui.desktop(),
                                    QStringLiteral("EMPR01"),
                                    {}});
        run.pImportarMovBancarios();
    }
    QVariant estadoImportado(std::int32_t id) {
        return agencia->column(QStringLiteral("SELECT estado_importado FROM Transferencias WHERE ID=%1").arg(id)).at(0);
    }
    // The first column of a query on the company database, as texts.
    QStringList empresa(const QString& sql) {
        std::shared_ptr<ado::Recordset> rs;
        ligacao->Consultar(QString(), sql, rs, -1, 0);
        QStringList values;
        if (rs->RecordCount() > 0)
            for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) values << CStr(rs->value(0));
        return values;
    }
    static QString ano(const QDate& d) { return QString::number(d.year()); }
    QString anoDa(std::int32_t id) const { return ano(hoje.addDays(-15 + id)); }

    const QDate hoje = QDate::currentDate();
    std::shared_ptr<DalLigacao> ligacao;
    DalComandos comandos;
    std::shared_ptr<SessaoApi> api;
    std::optional<AgencyDb> agencia;
    DiagnosticoLog diagnostico{DalComandos::HlpDb_DiagnosticoCreate};
    std::shared_ptr<OrigemDados> origem;
    testing::RunDesktopFake ui;

private:
    std::int32_t transferencias_ = 0;
};

TEST_F(TransferImportOverHost, TransfersSettleTheirInvoicesOrGoOnAccountAndAreMarkedWithTheReceipt) {
    const DemoDocument ft1 = documento(QStringLiteral("FT"), QStringLiteral("C0001"), 100);
    const DemoDocument ft2 = documento(QStringLiteral("FT"), QStringLiteral("C0001"), 50, 12.5);
    const DemoDocument ft3 = documento(QStringLiteral("FT"), QStringLiteral("C0002"), 100);
    const DemoDocument nc = documento(QStringLiteral("NC"), QStringLiteral("C0002"), 0, 20);
    const DemoDocument ft4 = documento(QStringLiteral("FT"), QStringLiteral("C0003"), 80);
    const QString y = ano(hoje.addDays(-20));

    const auto duas =
        transferencia(Cliente1, Atlantico, ft1.total + ft2.total, ft1.reference() + u';' + ft2.reference());
    const auto credito =
        transferencia(Cliente2, Atlantico, ft3.total - nc.total, ft3.reference() + u';' + nc.reference());
    const auto centimo = transferencia(Cliente3, Lusitano, ft4.total + Currency::fromScaled(100), ft4.reference());
    const auto alheia = transferencia(Cliente1, Numerario, ft4.total, ft4.reference());
    const auto segunda =
        transferencia(Cliente3, Atlantico, ft4.total, ft4.reference() + QStringLiteral(";FT-404-1-") + y);
    importar();

    const QString recibo1 = QStringLiteral("RE-1-") + anoDa(duas);
    const QString recibo2 = QStringLiteral("RE-2-") + anoDa(credito);
    EXPECT_EQ(ui.linhasNoViewer,
              (QStringList{QStringLiteral("1|OK|ID=1 ") + recibo1, QStringLiteral("2|OK|ID=2 ") + recibo2,
                           QStringLiteral("3|OK|ID=3 RA-1-") + anoDa(centimo),
                           QStringLiteral("4|AVISO|ID=4 Um dos documentos a liquidar tem terceiro <C0003> diferente da "
                                          "transferência <C0001>. ") +
                               ft4.reference() + QStringLiteral(". Vai criar  Recebimento por conta."),
                           QStringLiteral("4|OK|ID=4 RA-2-") + anoDa(alheia),
                           QStringLiteral("5|AVISO|ID=5 Um dos documentos a liquidar não Existe. FT-404-1-") + y +
                               QStringLiteral(". Vai criar  Recebimento por conta."),
                           QStringLiteral("5|OK|ID=5 RA-3-") + anoDa(segunda)}));
    EXPECT_EQ(ui.messages.last().prompt, QStringLiteral("Importação de movimentos terminou com êxito!"));
    EXPECT_EQ(estadoImportado(duas).toString(), recibo1);
    EXPECT_EQ(estadoImportado(segunda).toString(), QStringLiteral("RA-3-") + anoDa(segunda));

    // The settled documents are paid in full, the credit note included; the others stay open.
    EXPECT_EQ(empresa(QStringLiteral("SELECT TOTDOC - VALORPAGO FROM DOCGCCAB WHERE EMPREPARACAO=0 ORDER BY ID")),
              (QStringList{"0", "0", "0", "0", ft4.total.toString()}));
    EXPECT_EQ(empresa(QStringLiteral("SELECT VALORPAGO FROM DOCFINLIN ORDER BY ID")),
              (QStringList{ft1.total.toString(), ft2.total.toString(), ft3.total.toString(), (-nc.total).toString()}));
    // The cash account's receipt names no bank; every receipt has its accounting entry.
    EXPECT_EQ(empresa(QStringLiteral("SELECT BANCO || '/' || BANCOEMP || '/' || VALORREG FROM DOCFINCAB "
                                     "WHERE TPDOC='RA' ORDER BY NNUMDOC")),
              (QStringList{"BLU//" + (ft4.total + Currency::fromScaled(100)).toString(), "//" + ft4.total.toString(),
                           "BAT//" + ft4.total.toString()}));
    EXPECT_EQ(empresa(QStringLiteral("SELECT COUNT(*) FROM MOVCTBCAB WHERE AREA='FIN'")), QStringList{"5"});

    // A second run finds nothing pending.
    importar();
    EXPECT_TRUE(ui.linhasNoViewer.isEmpty());
    EXPECT_EQ(empresa(QStringLiteral("SELECT COUNT(*) FROM DOCFINCAB")), QStringList{"5"});
}

TEST_F(TransferImportOverHost, ARefusedReceiptLeavesItsTransferPendingAndOneWithoutItsEntryMarksIt) {
    const DemoDocument ft = documento(QStringLiteral("FT"), QStringLiteral("C0001"), 100);
    const auto invalido = transferencia(Desconhecido, Atlantico, ft.total, QString());
    const auto paga = transferencia(Cliente1, Atlantico, ft.total, ft.reference());
    const auto outraVez = transferencia(Cliente1, Atlantico, ft.total, ft.reference());
    // The company has no ledger account for the Lusitano bank: the receipt's entry is refused.
    ligacao->Executar(QString(), QStringLiteral("UPDATE BANCOS SET CONTACTB='' WHERE CODIGO='BLU'"));
    const auto semConta = transferencia(Cliente2, Lusitano, Currency::fromLong(40), QString());
    importar();

    ASSERT_EQ(ui.linhasNoViewer.size(), 4);
    EXPECT_EQ(ui.linhasNoViewer[0], QStringLiteral("1|Erro|Linha com Cliente inválido. ID =1 Cliente =X0404"));
    EXPECT_EQ(ui.linhasNoViewer[1], QStringLiteral("2|OK|ID=2 RE-1-") + anoDa(paga));
    EXPECT_TRUE(ui.linhasNoViewer[2].startsWith(QStringLiteral("3|Erro|ID=3 "))) << ui.linhasNoViewer[2].toStdString();
    EXPECT_FALSE(ui.linhasNoViewer[2].contains(QStringLiteral("RE-")));
    EXPECT_TRUE(ui.linhasNoViewer[3].startsWith(QStringLiteral("4|Erro|ID=4 RA-1-") + anoDa(semConta)))
        << ui.linhasNoViewer[3].toStdString();
    EXPECT_GT(ui.linhasNoViewer[3].size(), QStringLiteral("4|Erro|ID=4 RA-1-2024").size());  // the entry's reason
    EXPECT_EQ(ui.messages.last().prompt, QStringLiteral("Ocorreram erros na importação de movimentos."));

    EXPECT_FALSE(estadoImportado(invalido).isValid() && !estadoImportado(invalido).isNull());
    EXPECT_EQ(estadoImportado(paga).toString(), QStringLiteral("RE-1-") + anoDa(paga));
    EXPECT_TRUE(estadoImportado(outraVez).isNull());
    // The receipt without its entry is in the host: its transfer carries it,
    // so that no run makes a second one, and its row asks to finish it by hand.
    EXPECT_EQ(estadoImportado(semConta).toString(), QStringLiteral("RA-1-") + anoDa(semConta));
    EXPECT_TRUE(ui.linhasNoViewer[3].endsWith(
        QStringLiteral("O recibo ficou sem lançamento contabilístico: complete-o no Tumo Vesk.")));
    // The refused receipt is not in the host; the one without its entry is.
    EXPECT_EQ(empresa(QStringLiteral("SELECT TPDOC || '-' || NNUMDOC FROM DOCFINCAB ORDER BY ID")),
              (QStringList{"RE-1", "RA-1"}));
    EXPECT_EQ(empresa(QStringLiteral("SELECT TPDOC FROM MOVCTBCAB WHERE AREA='FIN'")), QStringList{"RE"});
}

TEST_F(TransferImportOverHost, AnErrorInsideARowStopsTheRunAfterTheEarlierReceiptsAndMarks) {
    const DemoDocument ft = documento(QStringLiteral("FT"), QStringLiteral("C0001"), 100);
    const auto primeira = transferencia(Cliente1, Atlantico, ft.total, ft.reference());
    const auto duplicada = transferencia(Cliente1, Atlantico, ft.total, ft.reference() + u';' + ft.reference());
    const auto depois = transferencia(Cliente2, Atlantico, Currency::fromLong(10), QString());
    importar();

    EXPECT_EQ(estadoImportado(primeira).toString(), QStringLiteral("RE-1-") + anoDa(primeira));
    EXPECT_TRUE(estadoImportado(duplicada).isNull());
    EXPECT_TRUE(estadoImportado(depois).isNull());
    ASSERT_EQ(ui.messages.calls().size(), 1u);
    EXPECT_EQ(ui.messages.last().prompt, QStringLiteral("Erro ao importar.\r\nThis key is already associated with "
                                                        "an element of this collection"));
    EXPECT_EQ(ui.messages.last().title, QStringLiteral("Importação de Mov.Bancários"));
    EXPECT_EQ(ui.viewerShows, 0);
    EXPECT_EQ(empresa(QStringLiteral("SELECT COUNT(*) FROM DOCFINCAB")), QStringList{"1"});
}

TEST_F(TransferImportOverHost, ValuesThatDoNotConvertAreLoggedWithTheirRowAndTheRunGoesOn) {
    const DemoDocument ft = documento(QStringLiteral("FT"), QStringLiteral("C0001"), 100);
    const auto textoNoValor = transferencia(Cliente1, Atlantico, Currency::fromLong(10), QString());
    agencia->exec(QStringLiteral("UPDATE Transferencias SET Valor = 'dez' WHERE ID = %1").arg(textoNoValor));
    const auto faturaSemNumero = transferencia(Cliente1, Atlantico, ft.total, QStringLiteral("FT-doze-1-2024"));
    const auto paga = transferencia(Cliente1, Atlantico, ft.total, ft.reference());
    importar();

    // Each bad row is an "Erro" row naming it and the field; the run reached the last one.
    EXPECT_EQ(
        ui.linhasNoViewer.filter(QStringLiteral("|Erro|")),
        (QStringList{QStringLiteral("1|Erro|ID=%1 Valor inválido em Valor (dez)").arg(textoNoValor),
                     QStringLiteral("2|Erro|ID=%1 Valor inválido em Fatura (FT-doze-1-2024)").arg(faturaSemNumero)}));
    EXPECT_TRUE(estadoImportado(textoNoValor).isNull());
    EXPECT_TRUE(estadoImportado(faturaSemNumero).isNull());
    EXPECT_EQ(estadoImportado(paga).toString(), QStringLiteral("RE-1-") + anoDa(paga));
    EXPECT_EQ(empresa(QStringLiteral("SELECT COUNT(*) FROM DOCFINCAB")), QStringList{"1"});
}

}  // namespace
}  // namespace tvx
