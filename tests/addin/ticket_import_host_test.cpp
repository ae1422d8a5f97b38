// The ticket import end to end over the stand-in host: a generated company,
// an agency database with hand-made tickets, the add-in opened as the host
// opens it, the menu operations and the sales-view hooks; the results read
// back from both databases and from the log the viewer showed.
#include "addin/addin_runs.h"
#include "addin/solucao.h"
#include "agency/access.h"
#include "agency/csv.h"
#include "agency_demo/agency_db.h"
#include "agency_demo/agency_db_generator.h"
#include "agency_demo/csv_ticket_file.h"
#include "host_erp/host_fixture.h"
#include "platform/automation/class_registry.h"
#include "platform/automation/clock.h"
#include "platform/automation/conversions.h"
#include "settings/dal_comandos.h"
#include "support/fake_desktop.h"

#include <QDir>

namespace tvx::testing {
namespace {

using agency::AgencyDb;
using agency::Bilhete;

class TicketImportOverHostTest : public host_erp::testing::HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        registry::registerClass(addin::AccessProgId, [] { return std::make_shared<Access>(); });
        registry::registerClass(addin::CsvProgId, [] { return std::make_shared<CSV>(); });
        QDir(base.path()).mkpath(QStringLiteral("quorel"));
        writeSettings(QStringLiteral("quorel/BRISKO.EMPR01"),
                      QStringLiteral("[Api Vesk]\r\nLogin=vesk\r\npassword=vesk\r\nEmpresa=EMPR01\r\n"
                                     "[Ligação]\r\nServidor=SRV\\INST\r\nBaseDados=EMPR01\r\n"));
        agencia.emplace(AgencyDb::create(base.filePath(QStringLiteral("agencia.db"))));
        agencia->add(agency::Periodo{agency::periodo::Dia, QStringLiteral("DIA")});
        solucao = std::make_unique<addin::Solucao>(desktop, std::make_shared<addin::AddinRuns>());
        ASSERT_TRUE(solucao->ConnectionOpen(QStringLiteral("EMPR01"), QStringLiteral("vesk")));
        parametros(0);
    }
    void TearDown() override {
        solucao.reset();
        agencia.reset();
        registry::unregisterClass(addin::AccessProgId);
        registry::unregisterClass(addin::CsvProgId);
        HostFixture::TearDown();
    }

    void parametros(int finaliza, const QString& artigoFare = QStringLiteral("FARE"),
                    const QString& bdpassw = QString()) {
        solucao->estado().m_Comandos.HlpDb_Executar(QStringLiteral("DELETE FROM qrl_PARAMETROS"));
        solucao->estado().m_Comandos.HlpDb_Executar(
            QStringLiteral("INSERT INTO qrl_PARAMETROS (FATTIPODOCUM, FATSECTOR, FATSERIE, FATFINALIZA, ARMAZEM, "
                           "ARTIGOFARE, ARTIGOTAXAS, ARTIGOSERVICEFEE, ARTIGOISENCAOIVA, BDNOME, BDUSER, BDPASSW, "
                           "RECTIPODOCUM, RECSECTOR, RECSERIE, RPCTIPODOCUM, RPCSECTOR, RPCSERIE) VALUES ('FT', '1', "
                           "1, %1, 'A1', '%2', 'TAXAS', 'FEE', 'M99', '%3', '', '%4', 'RE', '1', 1, 'RA', '1', 1)")
                .arg(finaliza)
                .arg(artigoFare, agencia->path(), bdpassw));
    }
    void bilhete(std::int32_t id, const char* ref, const char* account, const char* pagamento = "CAS", double fees = 10,
                 const agency::Text& factura = std::nullopt) {
        Bilhete t;
        t.id = id;
        t.refFaturacao = QString::fromUtf8(ref);
        t.account = QString::fromUtf8(account);
        t.pagamento = QString::fromUtf8(pagamento);
        t.servico = QStringLiteral("EMI");
        t.periodoFact = agency::periodo::Dia;
        t.codigoCompanhiaAerea = QStringLiteral("74");
        t.numeroDoBilhete = QStringLiteral("04712345%1").arg(id);
        t.nomePassageiro = QStringLiteral("SILVA/ANA MRS");
        t.destino = QStringLiteral("LIS-FNC-LIS");
        t.dateOut = QDateTime(QDate(2024, 3, 20), QTime(7, 0));
        t.fare = 120;
        t.taxas = 35.5;
        t.fees = fees;
        t.factura = factura;
        agencia->add(t);
    }
    void operacao(std::int32_t code) {
        Variant pai, op(code), user(QStringLiteral("vesk"));
        solucao->Operacoes(pai, op, user);
    }
    QStringList marcas() {
        QStringList out;
        for (const QVariant& v : agencia->column(QStringLiteral("SELECT [Factura] FROM [TKT Issued] ORDER BY [ID]")))
            out << (v.isNull() ? QStringLiteral("<Null>") : v.toString());
        return out;
    }
    // "Terceiro VOSSONDOC NNUMDOC EMPREPARACAO" per stored invoice, in the order stored.
    QStringList facturas() {
        std::shared_ptr<ado::Recordset> rs;
        solucao->estado().m_Comandos.HlpDb_Ligacao()->Consultar(
            QString(), QStringLiteral("SELECT Terceiro, VOSSONDOC, NNUMDOC, EMPREPARACAO FROM DOCGCCAB ORDER BY ID"),
            rs, -1, 0);
        QStringList out;
        if (rs->RecordCount() == 0) return out;
        for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext())
            out << QStringList{CStr(rs->value(0)), CStr(rs->value(1)), CStr(rs->value(2)),
                               CBool(rs->value(3)) ? QStringLiteral("prep") : QStringLiteral("final")}
                       .join(QLatin1Char(' '));
        return out;
    }
    QStringList ultimoLog() const { return desktop->viewerLogs.empty() ? QStringList{} : desktop->viewerLogs.back(); }
    QString ultimaMensagem() const {
        return desktop->messages_.calls().empty() ? QString() : desktop->messages_.last().prompt;
    }

    ScopedClock relogio{QDateTime(QDate(2024, 3, 11), QTime(10, 30))};
    std::optional<AgencyDb> agencia;
    std::shared_ptr<FakeDesktop> desktop = std::make_shared<FakeDesktop>();
    std::unique_ptr<addin::Solucao> solucao;
};

const QString Sucesso = QStringLiteral("Importação de movimentos terminou com êxito!");
const QString ComErros = QStringLiteral("Ocorreram erros na importação de movimentos.");

TEST_F(TicketImportOverHostTest, GroupsTicketsIntoInvoicesAndNeverInvoicesAMarkedTicketAgain) {
    bilhete(1, "R1", "C0001");
    bilhete(2, "R1", "C0001", "CAS", -5);  // rejected between two of its group
    bilhete(3, "R1", "C0001", "NCC");
    bilhete(4, "R1", "C0001", "CCR");
    bilhete(5, "R1", "C0002");
    bilhete(6, "R2", "C0002");
    bilhete(7, "R2", "C0999");  // not a customer of the company
    operacao(addin::OpImportarBilhetes);

    EXPECT_EQ(facturas(), (QStringList{"C0001 R1 1 prep", "C0002 R1 2 prep", "C0002 R2 3 prep"}));
    EXPECT_EQ(ultimoLog(), (QStringList{"2|Erro|Valor Negativos em Fees. TKT Issued ID =2",
                                        "5|Processado|Factura em Preparação FT 1/1/2024 TKT Issued ID 1",
                                        "5|Processado|Factura em Preparação FT 1/1/2024 TKT Issued ID 3",
                                        "5|Processado|Factura em Preparação FT 1/1/2024 TKT Issued ID 4",
                                        "6|Processado|Factura em Preparação FT 2/1/2024 TKT Issued ID 5",
                                        "7|Erro|Linha com Cliente inválido. TKT Issued ID =7",
                                        "7|Processado|Factura em Preparação FT 3/1/2024 TKT Issued ID 6"}));
    EXPECT_EQ(marcas(),
              (QStringList{"Tumo Vesk-FT 1/1/2024", "<Null>", "Tumo Vesk-FT 1/1/2024", "Tumo Vesk-FT 1/1/2024",
                           "Tumo Vesk-FT 2/1/2024", "Tumo Vesk-FT 3/1/2024", "<Null>"}));
    EXPECT_EQ(ultimaMensagem(), ComErros);
    EXPECT_EQ(desktop->progress.first(), QStringLiteral("caption Importação de Movimentos"));
    EXPECT_TRUE(desktop->progress.contains(QStringLiteral("label A importar: linha 7  de 7")));

    // The same day again: only the two rejected tickets come back, and are rejected again.
    operacao(addin::OpImportarBilhetes);
    EXPECT_EQ(facturas().size(), 3);
    EXPECT_EQ(ultimoLog(), (QStringList{"1|Erro|Valor Negativos em Fees. TKT Issued ID =2",
                                        "2|Erro|Linha com Cliente inválido. TKT Issued ID =7"}));
}

TEST_F(TicketImportOverHostTest, FinalisedInvoicesCarryTheirFinalNumberInTheMessage) {
    parametros(1);
    bilhete(1, "R1", "C0001");
    bilhete(2, "R2", "C0001", "CCR");
    operacao(addin::OpImportarBilhetes);
    EXPECT_EQ(facturas(), (QStringList{"C0001 R1 1 final", "C0001 R2 2 final"}));
    EXPECT_EQ(ultimoLog(), (QStringList{"2|Processado|Factura Nº 1 FT 1/1/2024 TKT Issued ID 1",
                                        "2|Processado|Factura Nº 2 FT 2/1/2024 TKT Issued ID 2"}));
    EXPECT_EQ(marcas(), (QStringList{"Tumo Vesk-FT 1/1/2024", "Tumo Vesk-FT 2/1/2024"}));
    EXPECT_EQ(ultimaMensagem(), Sucesso);
}

TEST_F(TicketImportOverHostTest, ARefusedInvoiceLeavesItsTicketsForTheNextRun) {
    parametros(0, QStringLiteral("NAOEXISTE"));  // the fare lines name an article the host does not have
    bilhete(1, "R1", "C0001", "CCR");
    bilhete(2, "R2", "C0001", "CAS");
    bilhete(3, "R3", "C0001", "CCR");
    operacao(addin::OpImportarBilhetes);
    ASSERT_EQ(ultimoLog().size(), 3);
    EXPECT_EQ(ultimoLog()[0], QStringLiteral("2|Processado|Factura em Preparação FT 1/1/2024 TKT Issued ID 1"));
    EXPECT_TRUE(ultimoLog()[1].startsWith(QStringLiteral("3|Erro|TKT Issued ID 2 "))) << ultimoLog()[1].toStdString();
    EXPECT_GT(ultimoLog()[1].size(), QStringLiteral("3|Erro|TKT Issued ID 2 ").size());  // the host's reason
    EXPECT_EQ(ultimoLog()[2], QStringLiteral("3|Processado|Factura em Preparação FT 2/1/2024 TKT Issued ID 3"));
    EXPECT_EQ(marcas(), (QStringList{"Tumo Vesk-FT 1/1/2024", "<Null>", "Tumo Vesk-FT 2/1/2024"}));
    EXPECT_EQ(ultimaMensagem(), ComErros);

    parametros(0);
    operacao(addin::OpImportarBilhetes);
    EXPECT_EQ(ultimoLog(), QStringList{"1|Processado|Factura em Preparação FT 3/1/2024 TKT Issued ID 2"});
    EXPECT_EQ(facturas().size(), 3);
}

TEST_F(TicketImportOverHostTest, TheCsvImportGroupsByInvoiceAndWritesNothingBack) {
    const auto linha = [](std::int32_t id, const char* factura, const char* ref, const char* account) {
        QStringList l = agency::emptyCsvLine();
        l[agency::csv::Id] = QString::number(id);
        l[agency::csv::Servico] = QStringLiteral("EMI");
        l[agency::csv::Pagamento] = QStringLiteral("CCR");
        l[agency::csv::Fare] = l[agency::csv::TarifasPrivadas] = l[agency::csv::Taxas] = QStringLiteral("0");
        l[agency::csv::Fees] = QStringLiteral("12,50");
        l[agency::csv::Factura] = QString::fromUtf8(factura);
        l[agency::csv::DataFacturacao] = QStringLiteral("04-03-2024");
        l[agency::csv::RefFaturacao] = QString::fromUtf8(ref);
        l[agency::csv::Account] = QString::fromUtf8(account);
        return l;
    };
    const QString ficheiro = base.filePath(QStringLiteral("bilhetes.csv"));
    agency::writeCsvFile(ficheiro, {agency::csvHeaderLine(), linha(1, "X/41", "R1", "C0001"),
                                    linha(2, "X/41", "R9", "C0002"), linha(3, "X/42", "R9", "C0002")});
    parametros(1, QStringLiteral("FARE"), QStringLiteral("karven"));  // the hidden switch: 1000 reads a CSV file
    desktop->dialog->chooseNext(ficheiro);
    operacao(addin::OpImportarBilhetes);

    EXPECT_EQ(facturas(), (QStringList{"C0001 R1 41 prep", "C0002 R9 42 prep"}));
    EXPECT_EQ(ultimoLog(), (QStringList{"3|Processado|Factura de Recuperação FT 41/1/2024 TKT Issued ID 1",
                                        "3|Processado|Factura de Recuperação FT 41/1/2024 TKT Issued ID 2",
                                        "3|Processado|Factura de Recuperação FT 42/1/2024 TKT Issued ID 3"}));
}

TEST_F(TicketImportOverHostTest, FinalisingInTheSalesViewReplacesTheProvisionalMarkers) {
    bilhete(1, "R1", "C0001");
    bilhete(2, "R1", "C0001", "CCR");
    bilhete(3, "R2", "C0001");
    bilhete(4, "R1", "C0001", "CAS", 10, QStringLiteral("FT-7"));  // invoiced long ago
    // The sales view is open across the import: its source stays open.
    Variant pai, vista, empresa, user, cancel(false);
    solucao->OnVistaVendasAbrir(pai, vista, empresa, user, cancel);
    operacao(addin::OpImportarBilhetes);
    ASSERT_EQ(facturas(), (QStringList{"C0001 R1 1 prep", "C0001 R2 2 prep"}));

    const auto gravarNaVista = [&](std::int32_t numero, bool finalizar) {
        auto doc = solucao->estado().m_Api->DocComercial();
        Variant ano(std::int16_t(2024)), tipo(QStringLiteral("FT")), serie(std::int16_t(1)), n(numero);
        if (finalizar) {
            ASSERT_EQ(doc->Finalizar(ano, tipo, serie, n), 0) << doc->UltimaMensagem().toStdString();
        } else {
            ASSERT_EQ(doc->Ler(tipo, n, serie, ano), 0) << doc->UltimaMensagem().toStdString();
        }
        Variant oApi{ObjectRef(doc)};
        solucao->OnVistaVendasGravar(oApi, empresa, user);
    };
    gravarNaVista(2, false);  // still in preparation: nothing changes
    EXPECT_EQ(marcas(),
              (QStringList{"Tumo Vesk-FT 1/1/2024", "Tumo Vesk-FT 1/1/2024", "Tumo Vesk-FT 2/1/2024", "FT-7"}));
    gravarNaVista(1, true);
    EXPECT_EQ(marcas(), (QStringList{"FT-1", "FT-1", "Tumo Vesk-FT 2/1/2024", "FT-7"}));
    EXPECT_EQ(ultimaMensagem(), Sucesso);  // the hook showed nothing

    Variant semDoc;
    solucao->OnVistaVendasFechar(semDoc, empresa, user);
}

TEST_F(TicketImportOverHostTest, EveryGeneratedTicketOfTheDayIsInvoicedOrLogged) {
    agencia.reset();
    QFile::remove(base.filePath(QStringLiteral("agencia.db")));
    agency::AgencyDbParams p;
    p.tickets = 300;
    p.transfers = 0;
    p.today = QDate(2024, 3, 11);
    agency::generateAgencyDb(base.filePath(QStringLiteral("agencia.db")), p);
    agencia.emplace(AgencyDb::open(base.filePath(QStringLiteral("agencia.db"))));
    const auto porMarcar = [&] {
        return agencia->column(QStringLiteral("SELECT COUNT(*) FROM [TKT Issued] WHERE [Factura] IS NULL"))
            .front()
            .toInt();
    };
    const int antes = porMarcar();
    operacao(addin::OpImportarBilhetes);
    const QStringList log = ultimoLog();
    ASSERT_FALSE(log.isEmpty());
    const int processados = int(log.filter(QStringLiteral("|Processado|")).size());
    EXPECT_GT(processados, 100);
    EXPECT_EQ(porMarcar(), antes - processados);
    EXPECT_EQ(processados + log.filter(QStringLiteral("|Erro|")).size(), log.size());
    for (const QString& row : log.filter(QStringLiteral("|Erro|")))
        EXPECT_TRUE(row.contains(QStringLiteral("Cliente inválido")) || row.contains(QStringLiteral("Negativos")))
            << row.toStdString();
}

TEST_F(TicketImportOverHostTest, ValuesThatDoNotConvertAndCaseOfTheAgencysCodesAreHandledAsAccessWould) {
    bilhete(1, "R1", "C0001");
    bilhete(2, "R1", "C0001");
    bilhete(3, "R1", "C0001", "cas");  // Access reads "cas" as "CAS"
    bilhete(4, "R2", "c0002");         // the host's customer, whatever the case
    agencia->exec(QStringLiteral("UPDATE [TKT Issued] SET Fare = 'cem' WHERE ID = 2"));
    agencia->exec(QStringLiteral("UPDATE [TKT Issued] SET [Serviço] = 'emi' WHERE ID = 4"));
    operacao(addin::OpImportarBilhetes);

    EXPECT_EQ(ultimoLog().filter(QStringLiteral("|Erro|")),
              QStringList{QStringLiteral("2|Erro|Valor inválido em Fare (cem). TKT Issued ID =2")});
    EXPECT_EQ(marcas(),
              (QStringList{"Tumo Vesk-FT 1/1/2024", "<Null>", "Tumo Vesk-FT 1/1/2024", "Tumo Vesk-FT 2/1/2024"}));
    EXPECT_EQ(ultimaMensagem(), ComErros);
}

TEST_F(TicketImportOverHostTest, AnAmountBeyondTheCurrencyAControlCharacterOrABadDateStopsOnlyItsTicket) {
    for (std::int32_t id = 1; id <= 5; ++id) bilhete(id, "R1", "C0001");
    agencia->exec(QStringLiteral("UPDATE [TKT Issued] SET Fare = 1e15 WHERE ID = 2"));
    agencia->exec(QStringLiteral("UPDATE [TKT Issued] SET Account = 'C0001' || char(0) || 'X' WHERE ID = 3"));
    agencia->exec(QStringLiteral("UPDATE [TKT Issued] SET Date_Out = '9999-99-99 99:99' WHERE ID = 4"));
    operacao(addin::OpImportarBilhetes);

    // Each "Erro" row without its line number (the account with a NUL sorts last).
    QStringList erros;
    for (const QString& row : ultimoLog().filter(QStringLiteral("|Erro|"))) erros << row.section(u'|', 2);
    erros.sort();
    ASSERT_EQ(erros.size(), 3) << erros.join(u'\n').toStdString();
    EXPECT_EQ(erros[0], QStringLiteral("Valor inválido em Account (C0001") + QChar(u'\0') +
                            QStringLiteral("X). TKT Issued ID =3"));
    EXPECT_TRUE(erros[1].startsWith(QStringLiteral("Valor inválido em Fare (")) && erros[1].endsWith(u"ID =2"))
        << erros[1].toStdString();
    EXPECT_EQ(erros[2], QStringLiteral("Valor inválido em Partida (9999-99-99 99:99). TKT Issued ID =4"));
    EXPECT_EQ(marcas(), (QStringList{"Tumo Vesk-FT 1/1/2024", "<Null>", "<Null>", "<Null>", "Tumo Vesk-FT 1/1/2024"}));
    EXPECT_EQ(ultimaMensagem(), ComErros);
}

}  // namespace
}  // namespace tvx::testing
