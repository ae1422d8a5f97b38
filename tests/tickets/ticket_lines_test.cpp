// The block of lines a ticket puts on its invoice, as the host sees it: the
// member sets of each line in order, their value types, the suggestion call
// and the descriptions.
#include "tickets/ticket_lines.h"

#include "platform/automation/conversions.h"
#include "support/parametros.h"
#include "support/recording_commercial_session.h"
#include "support/ticket_row.h"
#include "tickets/tickets_test_support.h"

#include <gtest/gtest.h>

namespace tvx::testing {
namespace {

class TicketLinesTest : public ::testing::Test {
protected:
    void adicionar(const TicketRow& row, const Parametros& p = {}) {
        auto rs = ticketsRecordset({row});
        auto rsParam = parametrosRecordset(p);
        pImportarDocComercialAddNewTicket(sessao, doc, *rs, *rsParam);
    }
    RecordingDocComercial& fakeDoc() { return dynamic_cast<RecordingDocComercial&>(*doc); }
    QStringList descricoes() {
        QStringList out;
        for (const auto& l : fakeDoc().linhas) out << CStr(l->Descricao());
        return out;
    }
    QStringList artigos() {
        QStringList out;
        for (const auto& l : fakeDoc().linhas) out << CStr(l->Artigo());
        return out;
    }

    RecordingCommercialSession sessao;
    DocComercialRef doc = sessao.DocComercial();
};

const QString Sugestao = QStringLiteral("D1.SugereValoresLin(%1,F,T,T,F,T,F,T)");

TEST_F(TicketLinesTest, AnAgencyPaidTicketGivesEightLinesSetInTheHostsOrder) {
    TicketRow t;
    t.fare = Variant(100.0);
    t.tarifasPrivadas = Variant(5.5);
    t.desconto = Variant(10.0);
    t.partida = Variant::fromDateTime(QDateTime(QDate(2024, 3, 10), QTime(8, 15)));
    t.chegada = Variant::fromDate(QDate(2024, 3, 17));
    adicionar(t);

    EXPECT_EQ(artigos(), (QStringList{"", "", "", "", "FARE", "TAXAS", "FEE", ""}));
    EXPECT_EQ(descricoes(), (QStringList{"Bilhete Nº0741234567890", " SILVA/JOAO MR", " LIS-OPO",
                                         "  Partida a 10-03-2024 08:15:00 Chegada a 17-03-2024", "", "", "", ""}));
    const auto entriesOf = [&](const QString& linha) {
        QStringList out;
        for (const QString& e : sessao.journal)
            if (e.startsWith(linha + QLatin1Char('.')) || e.endsWith(QLatin1Char('(') + linha + QLatin1Char(')')) ||
                e == Sugestao.arg(linha))
                out << e;
        return out;
    };
    // First comment line: the suggestion comes before the zeros.
    EXPECT_EQ(
        entriesOf(QStringLiteral("L1")),
        (QStringList{"L1.TipoDeLinha=Integer:1", "L1.Artigo=String:\"\"", "L1.Armazem=String:\"\"", Sugestao.arg("L1"),
                     "L1.Descricao=String:\"Bilhete Nº0741234567890\"", "L1.PrecoUnitario=Integer:0",
                     "L1.Quantidade=Integer:0", "L1.QuantidadeOrigem=Integer:0", "L1.TipoIva=Integer:4",
                     "L1.TaxaIva=Integer:23", "D1.AdicionaLinha(L1)", "L1.Ordenacao=Long:1"}));
    // Third comment line: the zeros come before the suggestion.
    EXPECT_EQ(entriesOf(QStringLiteral("L3")),
              (QStringList{"L3.TipoDeLinha=Integer:1", "L3.Artigo=String:\"\"", "L3.Armazem=String:\"\"",
                           "L3.PrecoUnitario=Integer:0", "L3.Quantidade=Integer:0", "L3.QuantidadeOrigem=Integer:0",
                           Sugestao.arg("L3"), "L3.Descricao=String:\" LIS-OPO\"", "L3.TipoIva=Integer:4",
                           "L3.TaxaIva=Integer:23", "D1.AdicionaLinha(L3)", "L3.Ordenacao=Long:3"}));
    // The fare line: prices as doubles, the discount as a currency value.
    EXPECT_EQ(
        entriesOf(QStringLiteral("L5")),
        (QStringList{"L5.TipoDeLinha=Integer:1", "L5.Artigo=String:\"FARE\"", "L5.Armazem=String:\"A1\"",
                     Sugestao.arg("L5"), "L5.PrecoUnitario=Double:105.5", "L5.PrecoUnitarioIntroduzido=Double:105.5",
                     "L5.TaxaDesconto=Currency:10", "L5.Quantidade=Integer:1", "L5.QuantidadeOrigem=Integer:1",
                     "L5.MotivoIsencao=String:\"M99\"", "D1.AdicionaLinha(L5)", "L5.Ordenacao=Long:5"}));
    EXPECT_TRUE(entriesOf(QStringLiteral("L6")).contains("L6.PrecoUnitario=Double:20"));
    EXPECT_TRUE(entriesOf(QStringLiteral("L7")).contains("L7.PrecoUnitario=Double:10"));
    // No discount on the tax line; no VAT given to the priced lines.
    for (const char* l : {"L6", "L7"}) {
        for (const QString& e : entriesOf(QString::fromUtf8(l))) {
            EXPECT_FALSE(e.contains("TaxaDesconto") || e.contains("TipoIva") || e.contains("TaxaIva"))
                << e.toStdString();
        }
    }
    // The separator: no suggestion.
    EXPECT_EQ(entriesOf(QStringLiteral("L8")),
              (QStringList{"L8.TipoDeLinha=Integer:1", "L8.Artigo=String:\"\"", "L8.Armazem=String:\"\"",
                           "L8.Descricao=String:\"\"", "D1.AdicionaLinha(L8)", "L8.Ordenacao=Long:8"}));
}

TEST_F(TicketLinesTest, PaymentDecidesThePricedLinesAndNullsReadAsEmptyOrZero) {
    TicketRow cartao;
    cartao.pagamento = Variant(QStringLiteral("CCR"));
    adicionar(cartao);
    EXPECT_EQ(artigos(), (QStringList{"", "", "", "", "FEE", ""}));

    fakeDoc().linhas.clear();
    TicketRow vazio;
    vazio.pagamento = Variant(QStringLiteral("ncc"));  // letter case does not matter
    vazio.codigoCompanhia = vazio.numeroBilhete = vazio.nome = vazio.destino = Variant::null();
    vazio.fare = vazio.fees = vazio.taxas = vazio.tarifasPrivadas = Variant::null();
    Parametros semArmazem;
    semArmazem.ARMAZEM.reset();
    adicionar(vazio, semArmazem);
    EXPECT_EQ(descricoes(), (QStringList{"Bilhete Nº000", " ", " ", "  Partida a  Chegada a ", "", "", "", ""}));
    for (int i : {4, 5, 6}) {
        EXPECT_EQ(fakeDoc().linhas[i]->PrecoUnitario(), Variant(0.0));
        EXPECT_EQ(fakeDoc().linhas[i]->Armazem(), Variant(QString()));
    }
}

TEST_F(TicketLinesTest, AirlineCodesAndDiscounts) {
    EXPECT_EQ(descricaoBilhete(Variant(QStringLiteral(" 74 ")), Variant(QStringLiteral("99"))), "Bilhete Nº07499");
    EXPECT_EQ(descricaoBilhete(Variant(QStringLiteral("1234")), Variant::null()), "Bilhete Nº234");
    EXPECT_EQ(descricaoBilhete(Variant(std::int32_t(5)), Variant(QStringLiteral("7"))), "Bilhete Nº0057");

    for (const Variant& d : {Variant(0.0), Variant(-3.0), Variant::null()}) {
        TicketRow t;
        t.desconto = d;
        adicionar(t);
    }
    EXPECT_TRUE(sessao.entries(QStringLiteral("")).filter(QStringLiteral("TaxaDesconto")).isEmpty());
}

TEST_F(TicketLinesTest, ANullPaymentFailsUnderTheProceduresNameAfterTheCommentLines) {
    TicketRow t;
    t.pagamento = Variant::null();
    EXPECT_RAISED_FROM(adicionar(t), err::InvalidUseOfNull, "pImportarDocComercialAddNewTicket");
    EXPECT_EQ(fakeDoc().linhas.size(), 4u);

    DocComercialRef nenhum;
    auto rs = ticketsRecordset({TicketRow{}});
    auto rsParam = parametrosRecordset(Parametros{});
    EXPECT_RAISED_FROM(pImportarDocComercialAddNewTicket(sessao, nenhum, *rs, *rsParam), err::ObjectNotSet,
                       "pImportarDocComercialAddNewTicket");
}

}  // namespace
}  // namespace tvx::testing
