#include "agency/access.h"

#include "agency_demo/agency_db.h"
#include "agency_demo/agency_db_generator.h"
#include "platform/automation/clock.h"
#include "platform/automation/conversions.h"
#include "tickets/tickets_test_support.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

namespace tvx {
namespace {

using agency::AgencyDb;
using agency::Bilhete;
using agency::Text;

const QDateTime Sunday(QDate(2024, 3, 10), QTime(9, 30));
const QDateTime Saturday(QDate(2024, 3, 16), QTime(18, 0));

// Period IDs of the fixture's `faturacao`.
enum Periodo { Dia = 1, Dom, Seg, Ter, Qua, Qui, Sex, Sab, Mes };

Text text(const char* s) { return s ? Text(QString::fromUtf8(s)) : std::nullopt; }

// A ticket; by default one that every rule takes.
Bilhete bilhete(std::int32_t id, const char* servico = "EMI", const char* pagamento = "CAS", agency::Id periodo = Dia,
                const char* factura = nullptr, const char* ref = "R1", const char* account = "C1") {
    Bilhete t;
    t.id = id;
    t.servico = text(servico);
    t.pagamento = text(pagamento);
    t.periodoFact = periodo;
    t.factura = text(factura);
    t.refFaturacao = text(ref);
    t.account = text(account);
    t.fare = 100.0;
    return t;
}

class AccessSource : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = dir_.filePath(QStringLiteral("agencia.db"));
        db_.emplace(AgencyDb::create(path_));
        const QStringList tipos = {"DIA", "DOM", "SEG", "TER", "QUA", "QUI", "SEX", "SAB", "MES"};
        for (int i = 0; i < tipos.size(); ++i) db_->add(agency::Periodo{i + 1, tipos[i]});
    }
    void add(const std::vector<Bilhete>& tickets) {
        for (const Bilhete& t : tickets) db_->add(t);
    }
    std::shared_ptr<ado::Recordset> open(const char* table) {
        access_.ConnectionOpen(path_, QString(), QString());
        return access_.GetRecordSet(QString::fromUtf8(table));
    }
    static std::vector<std::int32_t> ids(ado::Recordset& rs) {
        std::vector<std::int32_t> out;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) out.push_back(CLng(rs.value(QStringLiteral("ID"))));
        return out;
    }
    std::vector<std::int32_t> selected() {
        const auto found = ids(*open("TKT Issued"));
        access_.ConnectionClose();
        return found;
    }
    // One column of a table by ID, Null shown as "<Null>".
    QStringList column(const char* table, const char* name) {
        QStringList out;
        for (const QVariant& v : db_->column(
                 QStringLiteral("SELECT [%1] FROM [%2] ORDER BY [ID]").arg(QLatin1String(name), QLatin1String(table))))
            out << (v.isNull() ? QStringLiteral("<Null>") : v.toString());
        return out;
    }

    QTemporaryDir dir_;
    QString path_;
    std::optional<AgencyDb> db_;
    Access access_;
};

TEST_F(AccessSource, TicketSelectionRules) {
    add({bilhete(1), bilhete(2, "EMI", "CAS", Dom), bilhete(3, "EMI", "CAS", Sab), bilhete(4, "EMI", "CAS", Seg),
         bilhete(5, "EMI", "CAS", Mes), bilhete(6, "EMI", "CAS", 99),  // no such period: its tipo is Null
         bilhete(7, "EMI", "CAS", std::nullopt), bilhete(8, "REM", "CCR"), bilhete(9, "EMD", "NCC"), bilhete(10, "REE"),
         bilhete(11, nullptr), bilhete(12, "EMI", "INV"), bilhete(13, "EMI", nullptr),
         bilhete(14, "EMI", "CAS", Dia, "FT-12"), bilhete(15, "EMI", "CAS", Dia, "Tumo Vesk-FT 12/1/2024"),
         bilhete(16, "EMI", "CAS", Dia, "")});  // an empty marker is a marker
    {
        ScopedClock clock(Sunday);
        EXPECT_EQ(selected(), (std::vector<std::int32_t>{1, 2, 8, 9}));
    }
    ScopedClock clock(Saturday);
    EXPECT_EQ(selected(), (std::vector<std::int32_t>{1, 3, 8, 9}));
    EXPECT_TRUE(Access::sqlDoRecordSet(QStringLiteral("TKT Issued")).contains(QStringLiteral("[tipo]='SAB')")));
}

TEST_F(AccessSource, TicketsComeByReferenceThenAccountWithTheirFields) {
    ScopedClock clock(Sunday);
    Bilhete full = bilhete(5, "EMI", "CAS", Dia, nullptr, "R2", "C1");
    full.codigoCompanhiaAerea = QStringLiteral("IB ");
    full.nomePassageiro = QStringLiteral("O'BRIEN/SEÁN MR");
    full.dateOut = QDateTime(QDate(2024, 4, 1), QTime(7, 45));
    full.dateIn = QDateTime(QDate(2024, 4, 8), QTime(0, 0));
    full.fare = 125.3;
    full.taxas = 30.25;
    full.desconto = 2.5;
    add({bilhete(1, "EMI", "CAS", Dia, nullptr, "R2", "C2"), full, bilhete(3, "EMI", "CAS", Dia, nullptr, "R1", "C9"),
         bilhete(4, "EMI", "CAS", Dia, nullptr, "R3", "C0"), bilhete(2, "EMI", "CAS", Dia, nullptr, "R2", "C1")});
    auto rs = open("TKT Issued");
    const QStringList names = {"ID",
                               "Account",
                               "Codigo Companhia Aerea",
                               "Numero do Bilhete",
                               "Nome Passageiro",
                               "Destino",
                               "Partida",
                               "Chegada",
                               "Fare",
                               "Tarifas Privadas",
                               "Taxas",
                               "Fees",
                               "Factura",
                               "Ref_Faturacao",
                               "Pagamento",
                               "Desconto"};
    ASSERT_EQ(rs->Fields().Count(), names.size());
    for (int i = 0; i < names.size(); ++i) EXPECT_EQ(rs->Fields().Item(i).Name(), names[i]);
    EXPECT_EQ(ids(*rs), (std::vector<std::int32_t>{3, 2, 5, 1, 4}));  // R1/C9, R2/C1 (2 and 5), R2/C2, R3/C0

    rs->MoveFirst();
    rs->Find(QStringLiteral("ID = 5"));
    const auto v = [&rs](const char* name) { return rs->value(QString::fromUtf8(name)); };
    EXPECT_EQ(v("Codigo Companhia Aerea"), Variant("IB "));
    EXPECT_EQ(v("Nome Passageiro"), Variant("O'BRIEN/SEÁN MR"));
    EXPECT_EQ(v("Partida").type(), VarType::Date);
    EXPECT_EQ(CStr(v("Partida")), QStringLiteral("01-04-2024 07:45:00"));
    EXPECT_EQ(CStr(v("Chegada")), QStringLiteral("08-04-2024"));
    EXPECT_DOUBLE_EQ(CDbl(v("Fare")), 125.3);
    EXPECT_DOUBLE_EQ(CDbl(v("Taxas")), 30.25);
    EXPECT_DOUBLE_EQ(CDbl(v("Desconto")), 2.5);
    rs->MoveFirst();  // cells a ticket leaves empty read as Null
    for (const char* name : {"Partida", "Taxas", "Desconto", "Nome Passageiro", "Factura"})
        EXPECT_TRUE(v(name).isNull()) << name;
}

TEST_F(AccessSource, MarkersWrittenBack) {
    ScopedClock clock(Sunday);
    const QString provisional = QStringLiteral("Tumo Vesk-FT 7/1/2024");
    const std::string p = provisional.toStdString();
    add({bilhete(1), bilhete(2), bilhete(3), bilhete(4, "EMI", "CAS", Dia, p.c_str()),
         bilhete(5, "EMI", "CAS", Dia, "Tumo Vesk-FT 8/1/2024"),  // another number inside: replaced too
         bilhete(6, "EMI", "CAS", Dia, "FT-3"),                   // final already: left alone
         bilhete(7, "EMI", "CAS", Dia, p.c_str(), "R1", "C2"),    // other account
         bilhete(8, "EMI", "CAS", Dia, p.c_str(), "R2", "C1"),    // other reference
         bilhete(9, "REE", "CAS", Dia, p.c_str()),                // service not invoiced
         bilhete(10, "EMI", "CAS", Dia, "Tumo Vesk"),             // too short for the prefix
         bilhete(11, "EMI", "CAS", Dia, p.c_str(), "O'R", "D'C")});
    access_.ConnectionOpen(path_, QString(), QString());
    access_.UpdateTktIssued(2, QStringLiteral("Tumo Vesk-FT 9/1/2024"));
    access_.UpdateTktIssued(3, QStringLiteral("O'NEIL') OR ('1'='1"));  // stored as written, nothing else touched
    access_.UpdateTktIssuedFacturaFinalizada(QStringLiteral("R1"), QStringLiteral("C1"), QStringLiteral("FT-7"));
    // Apostrophes in spliced values match their own rows and cannot widen the statement.
    access_.UpdateTktIssuedFacturaFinalizada(QStringLiteral("R1"), QStringLiteral("x') OR ('1'='1"),
                                             QStringLiteral("X"));
    access_.UpdateTktIssuedFacturaFinalizada(QStringLiteral("O'R"), QStringLiteral("D'C"), QStringLiteral("FT-'9"));
    // What a recovery reads where its conditional mark wrote nothing: "" for Null, nothing for no row.
    EXPECT_EQ(access_.marcaDoTicket(1), QString());
    EXPECT_EQ(access_.marcaDoTicket(11), QStringLiteral("FT-'9"));
    EXPECT_EQ(access_.marcaDoTicket(12), std::nullopt);
    access_.ConnectionClose();
    EXPECT_EQ(column("TKT Issued", "Factura"),
              QStringList({"<Null>", "FT-7", "O'NEIL') OR ('1'='1", "FT-7", "FT-7", "FT-3", provisional, provisional,
                           provisional, "Tumo Vesk", "FT-'9"}));
    EXPECT_EQ(selected(), (std::vector<std::int32_t>{1}));
}

// Access compares text without regard to case, accented letters included.
TEST_F(AccessSource, TextComparesWithoutCase) {
    ScopedClock clock(Sunday);
    const std::int32_t dia = db_->add(agency::Periodo{std::nullopt, QStringLiteral("dia")});
    const QString provisional = QStringLiteral("tumo vesk-FT 7/1/2024");
    const std::string p = provisional.toStdString();
    add({bilhete(1, "emi", "cas", dia, nullptr, "b"), bilhete(2, "EMI", "Cas", Dia, nullptr, "A"),
         bilhete(3, "Emd", "ncc", Dia, nullptr, "a"), bilhete(4, "EMI", "inv"),
         bilhete(5, "EMI", "CAS", Dia, p.c_str(), "r1", "joão"),
         bilhete(6, "EMI", "CAS", Dia, p.c_str(), "R1", "JOAO")});
    const std::vector<std::int32_t> found = selected();
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[2], 1);  // "A" and "a" before "b"

    access_.ConnectionOpen(path_, QString(), QString());
    access_.UpdateTktIssuedFacturaFinalizada(QStringLiteral("R1"), QStringLiteral("JOÃO"), QStringLiteral("FT-7"));
    access_.ConnectionClose();
    EXPECT_EQ(column("TKT Issued", "Factura").mid(4), QStringList({"FT-7", provisional}));
}

TEST_F(AccessSource, MarkersOfABatchCountOnlyOnceCommitted) {
    add({bilhete(1), bilhete(2)});
    const QString marca = QStringLiteral("Tumo Vesk-FT 1/1/2024");
    EXPECT_FALSE(access_.beginMarkers());  // not open
    access_.ConnectionOpen(path_, QString(), QString());
    ASSERT_TRUE(access_.beginMarkers());
    EXPECT_FALSE(access_.beginMarkers());  // one batch at a time
    access_.UpdateTktIssued(1, marca);
    EXPECT_EQ(column("TKT Issued", "Factura"), QStringList({"<Null>", "<Null>"}));  // others do not see it yet
    access_.commitMarkers();
    EXPECT_EQ(column("TKT Issued", "Factura"), QStringList({marca, "<Null>"}));

    ASSERT_TRUE(access_.beginMarkers());
    access_.UpdateTktIssued(2, marca);
    access_.rollbackMarkers();
    access_.rollbackMarkers();  // nothing left to drop: harmless
    EXPECT_EQ(column("TKT Issued", "Factura"), QStringList({marca, "<Null>"}));
    try {
        access_.commitMarkers();
        ADD_FAILURE() << "a commit without a batch";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.source(), QStringLiteral("Access::commitMarkers"));
    }
    access_.ConnectionClose();
}

class AccessTransfers : public AccessSource {
protected:
    void SetUp() override {
        AccessSource::SetUp();
        db_->add(
            agency::Banco{1, QStringLiteral("PT500035"), QStringLiteral("Banco Atlântico"), QStringLiteral("BAT")});
        db_->add(agency::Banco{2, QStringLiteral("0000"), QStringLiteral("Numerário"), QStringLiteral("NUM")});
        db_->add(agency::Cliente{1, QStringLiteral("C0001"), QStringLiteral("Rota d'Ouro")});
        db_->add(agency::Cliente{2, QString(), QStringLiteral("Sem conta")});
        db_->add(agency::Cliente{3, std::nullopt, QStringLiteral("Conta Null")});
    }
    void transfer(std::int32_t id, agency::Id cliente, agency::Id banco, double valor, int day,
                  const char* estado = nullptr) {
        db_->add(agency::Transferencia{id, cliente, banco, QDateTime(QDate(2024, 3, day), QTime(0, 0)), valor,
                                       QStringLiteral("TRF %1").arg(id), QStringLiteral("FT-%1-1-2024").arg(id),
                                       text(estado)});
    }
};

TEST_F(AccessTransfers, PendingTransfersOldestFirst) {
    transfer(1, 1, 1, 150.0, 9);
    transfer(2, 1, 2, 80.5, 3, "");  // empty state: pending
    transfer(3, 1, 1, 0.0, 4);       // no amount
    transfer(4, 1, 1, -20.0, 4);
    transfer(5, 1, 1, 99.0, 4, "RE-1-2024");  // imported
    transfer(6, 2, 1, 99.0, 4);               // customer with an empty account
    transfer(7, 3, 1, 99.0, 4);               // customer with a Null account
    transfer(8, std::nullopt, 1, 99.0, 4);
    transfer(9, 1, std::nullopt, 99.0, 4);
    transfer(10, 1, 7, 99.0, 4);  // unknown bank
    transfer(11, 1, 1, 0.01, 6);
    auto rs = open("Extratos_bancos");
    const QStringList names = {
        "ID",   "Cliente", "Transferencias.Banco", "Conta",  "Bancos.Banco",    "Codigo", "Account", "Agency",
        "Data", "Valor",   "Descritivo",           "Fatura", "estado_importado"};
    ASSERT_EQ(rs->Fields().Count(), names.size());
    for (int i = 0; i < names.size(); ++i) EXPECT_EQ(rs->Fields().Item(i).Name(), names[i]);
    EXPECT_EQ(ids(*rs), (std::vector<std::int32_t>{2, 11, 1}));

    rs->MoveFirst();
    EXPECT_EQ(rs->value(QStringLiteral("Conta")), Variant("0000"));
    EXPECT_EQ(rs->value(QStringLiteral("Bancos.Banco")), Variant("Numerário"));
    EXPECT_EQ(CLng(rs->value(QStringLiteral("Transferencias.Banco"))), 2);
    EXPECT_EQ(rs->value(QStringLiteral("Agency")), Variant("Rota d'Ouro"));
    EXPECT_EQ(rs->value(QStringLiteral("Data")).type(), VarType::Date);
    EXPECT_EQ(CCur(rs->value(QStringLiteral("Valor"))), Currency::fromScaled(805000));
    EXPECT_EQ(rs->value(QStringLiteral("estado_importado")), Variant(""));

    access_.UpdateMovBancarioComRecibo(2, QStringLiteral("RE-4-2024"));
    access_.UpdateMovBancarioComRecibo(1, QStringLiteral("RE-'5"));
    EXPECT_EQ(ids(*access_.GetRecordSet(QStringLiteral("Extratos_bancos"))), (std::vector<std::int32_t>{11}));
    EXPECT_EQ(column("Transferencias", "estado_importado").mid(0, 2), QStringList({"RE-'5", "RE-4-2024"}));
    EXPECT_EQ(access_.marcaDaTransferencia(2), QStringLiteral("RE-4-2024"));
    EXPECT_EQ(access_.marcaDaTransferencia(3), QString());
    EXPECT_EQ(access_.marcaDaTransferencia(12), std::nullopt);
}

TEST_F(AccessSource, FailuresCarryTheOperationsSource) {
    Access never;
    EXPECT_RAISED_FROM(never.GetRecordSet(QStringLiteral("TKT Issued")), err::ObjectNotSet, "Access::GetRecordSet");
    EXPECT_RAISED_FROM(never.UpdateTktIssued(1, QStringLiteral("x")), err::ObjectNotSet, "Access::UpdateTktIssued");
    EXPECT_RAISED_FROM(never.UpdateMovBancarioComRecibo(1, QStringLiteral("x")), err::ObjectNotSet,
                       "Access::UpdateMovBancarioComRecibo");
    EXPECT_RAISED_FROM(
        never.UpdateTktIssuedFacturaFinalizada(QStringLiteral("R"), QStringLiteral("C"), QStringLiteral("F")),
        err::ObjectNotSet, "Access::UpdateTktIssuedFacturaFinalizada");
    EXPECT_TRUE(never.ConnectionClose());  // nothing to close: a run's finish never fails on it
    EXPECT_RAISED_FROM(never.ConnectionOpen(dir_.filePath(QStringLiteral("missing.db")), QString(), QString()), 0,
                       "Access::ConnectionOpen");
    EXPECT_FALSE(QFileInfo::exists(dir_.filePath(QStringLiteral("missing.db"))));  // nothing created

    EXPECT_TRUE(access_.ConnectionOpen(path_, QString(), QString()));
    EXPECT_RAISED_FROM(access_.GetRecordSet(QStringLiteral("tkt issued")), 0,
                       "Access::GetRecordSet");  // exact names only
    EXPECT_RAISED_FROM(access_.GetRecordSet(QStringLiteral("Bancos")), 0, "Access::GetRecordSet");
    db_->exec(QStringLiteral("DROP TABLE [Transferencias]"));
    EXPECT_RAISED_FROM(access_.GetRecordSet(QStringLiteral("Extratos_bancos")), err::ProviderCommandError,
                       "Access::GetRecordSet");
    EXPECT_RAISED_FROM(access_.UpdateMovBancarioComRecibo(1, QStringLiteral("RE-1")), err::ProviderCommandError,
                       "Access::UpdateMovBancarioComRecibo");
    db_->exec(QStringLiteral("ALTER TABLE [TKT Issued] DROP COLUMN [Desconto]"));
    EXPECT_RAISED_FROM(access_.GetRecordSet(QStringLiteral("TKT Issued")), err::ProviderCommandError,
                       "Access::GetRecordSet");
    EXPECT_TRUE(access_.ConnectionClose());
    EXPECT_TRUE(access_.ConnectionClose());
    EXPECT_RAISED_FROM(access_.UpdateTktIssued(1, QStringLiteral("x")), err::ObjectNotSet, "Access::UpdateTktIssued");
}

TEST_F(AccessSource, TablesInCatalogueOrderAndTheirErrorsUnchanged) {
    access_.ConnectionOpen(path_, QString(), QString());
    const auto tabelas = access_.GetTabelas();
    QStringList names;
    for (const auto& entry : *tabelas) names << CStr(entry.item);
    EXPECT_EQ(names, QStringList({"Bancos", "Dados dos clientes", "faturacao", "TKT Issued", "Transferencias"}));
    access_.ConnectionClose();
    try {
        access_.GetTabelas();
        ADD_FAILURE() << "GetTabelas on a closed source raised nothing";
    } catch (const AutomationError& e) {
        EXPECT_FALSE(e.source().startsWith(QStringLiteral("Access::")));
    }
}

TEST(AccessGeneratedFile, HasWorkForItsDayAndOpensUnderAnyPath) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Rota d'Ouro")));
    const QString path = dir.filePath(QStringLiteral("Rota d'Ouro/agência.db"));
    agency::AgencyDbParams params;
    params.tickets = 300;
    params.today = Sunday.date();
    agency::generateAgencyDb(path, params);

    ScopedClock clock(Sunday);
    Access access;
    ASSERT_TRUE(access.ConnectionOpen(path, QString(), QString()));
    auto tickets = access.GetRecordSet(QStringLiteral("TKT Issued"));
    EXPECT_GT(tickets->RecordCount(), 150);
    EXPECT_LT(tickets->RecordCount(), 300);
    EXPECT_GT(access.GetRecordSet(QStringLiteral("Extratos_bancos"))->RecordCount(), 0);
    EXPECT_TRUE(access.ConnectionClose());
}

}  // namespace
}  // namespace tvx
