#include "host_erp/documents_fixture.h"

namespace tvx::host_erp {
namespace {

using namespace host_erp::testing;

class DocFinanceiroTest : public DocumentsFixture {
protected:
    void SetUp() override {
        DocumentsFixture::SetUp();
        ft1 = storeInvoice({}, true);  // 112.30
        InvoiceFields small;
        small.fare = 40;  // 40 + 10 + 2.30
        ft2 = storeInvoice(small, true);
        InvoiceFields credit;
        credit.tipo = QStringLiteral("NC");
        credit.fare = 30;
        credit.fee = 0;
        nc1 = storeInvoice(credit, true);
        InvoiceFields other;
        other.terceiro = QStringLiteral("C0002");
        other2 = storeInvoice(other, true);
        prep = storeInvoice();
    }
    std::int32_t insert(const std::shared_ptr<DocFinanceiro>& doc) {
        const std::int32_t r = doc->Validar();
        return r != 0 ? r : doc->Inserir();
    }

    DocumentKey ft1, ft2, nc1, other2, prep;
};

TEST_F(DocFinanceiroTest, AReceiptSettlesInvoicesAndACreditNoteLineByLine) {
    ASSERT_EQ(ft1.numero, 1);
    ASSERT_EQ(ft2.numero, 2);
    auto doc = buildReceipt(QStringLiteral("RE"), QStringLiteral("C0001"),
                            {{ft1, money("112.3")}, {ft2, money("20")}, {nc1, money("-30")}});
    ASSERT_EQ(insert(doc), 0) << doc->UltimaMensagem().toStdString();
    auto cab = doc->Cab();
    EXPECT_EQ(cab->NumeroDocumento(), Variant(std::int32_t(1)));
    EXPECT_EQ(cab->TipoDocumento(), Variant(QStringLiteral("RE")));
    EXPECT_EQ(cab->Ano(), Variant(std::int16_t(2024)));
    EXPECT_EQ(cab->banco(), Variant(QStringLiteral("BAT")));
    EXPECT_EQ(cab->LigacaoCtb(), Variant(true));

    EXPECT_EQ(valorPago(ft1), money("112.3"));
    EXPECT_EQ(valorPago(ft2), money("20"));
    EXPECT_EQ(valorPago(nc1), money("30"));
    EXPECT_EQ(valorPago(other2), Currency());
    EXPECT_EQ(scalar(QStringLiteral("SELECT TOTDOC FROM DOCFINCAB")), Variant(money("102.3")));
    EXPECT_EQ(count(QStringLiteral("DOCFINLIN")), 3);

    // What is left open can be settled by the next receipt, and no more.
    auto rest = buildReceipt(QStringLiteral("RE"), QStringLiteral("C0001"), {{ft2, money("32.31")}});
    EXPECT_EQ(insert(rest), 1);
    EXPECT_EQ(rest->UltimaMensagem(),
              QStringLiteral("O valor pago do documento FT 2/1/2024 (32,31) excede o valor em aberto (32,30)."));
    rest = buildReceipt(QStringLiteral("RE"), QStringLiteral("C0001"), {{ft2, money("32.3")}});
    ASSERT_EQ(insert(rest), 0) << rest->UltimaMensagem().toStdString();
    EXPECT_EQ(rest->Cab()->NumeroDocumento(), Variant(std::int32_t(2)));
    EXPECT_EQ(valorPago(ft2), money("52.3"));

    auto read = api->DocFinanceiro();
    Variant tipo(QStringLiteral("re")), numero(std::int32_t(1)), serie(std::int16_t(1)), ano(std::int16_t(2024));
    ASSERT_EQ(read->Ler(tipo, numero, serie, ano), 0) << read->UltimaMensagem().toStdString();
    EXPECT_EQ(read->Cab()->Terceiro(), Variant(QStringLiteral("C0001")));
    EXPECT_EQ(read->Cab()->NumeroDocumento(), Variant(std::int32_t(1)));
    EXPECT_EQ(read->Cab()->Data(), Variant(CDate(QStringLiteral("20-03-2024"))));
}

TEST_F(DocFinanceiroTest, AnOnAccountReceiptCarriesItsValueAndNoLines) {
    auto doc = buildReceipt(QStringLiteral("RA"), QStringLiteral("C0001"), {}, "150", QStringLiteral("NAOHA"));
    // The unknown bank was refused when set (and ignored by the caller); the rest went in.
    EXPECT_TRUE(doc->Cab()->banco().isEmpty());
    EXPECT_EQ(doc->Cab()->CarteiraOrigem(), Variant(std::int16_t(1)));
    ASSERT_EQ(insert(doc), 0) << doc->UltimaMensagem().toStdString();
    EXPECT_EQ(doc->Cab()->NumeroDocumento(), Variant(std::int32_t(1)));
    EXPECT_EQ(doc->Cab()->ValorRegularizado(), Variant(money("150")));
    EXPECT_EQ(scalar(QStringLiteral("SELECT TOTDOC FROM DOCFINCAB WHERE TPDOC = 'RA'")), Variant(money("150")));
    EXPECT_EQ(count(QStringLiteral("DOCFINLIN")), 0);
    EXPECT_EQ(valorPago(ft1), Currency());

    // Catalogue members refuse unknown codes at once, keeping what they held.
    auto cab = doc->Cab();
    try {
        cab->ModoDePagamento(QStringLiteral("XYZ"));
        ADD_FAILURE();
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), 380);
        EXPECT_EQ(e.description(), QStringLiteral("O modo de pagamento 'XYZ' não existe."));
    }
    EXPECT_EQ(cab->ModoDePagamento(), Variant(QStringLiteral("TRB")));
    EXPECT_THROW(cab->CarteiraDestino(std::int16_t(7)), AutomationError);
    EXPECT_THROW(cab->RegimeIva(QStringLiteral("EXT")), AutomationError);
    EXPECT_THROW(cab->Terceiro(Variant::null()), AutomationError);
    cab->bancoEmpresa(QString());  // "" is accepted: no bank
}

TEST_F(DocFinanceiroTest, ValidarRefusesWithTheReason) {
    const DocumentKey missing{QStringLiteral("FT"), 9, 1, 2024};
    struct Case {
        QString tipo;
        QString terceiro;
        std::vector<Settles> lines;
        const char* regularizado;
        QString message;
    };
    const QString re = QStringLiteral("RE"), ra = QStringLiteral("RA"), c1 = QStringLiteral("C0001");
    const std::vector<Case> cases = {
        {re, QStringLiteral("C9999"), {{ft1, money("1")}}, nullptr, QStringLiteral("O cliente 'C9999' não existe.")},
        {QStringLiteral("RX"),
         c1,
         {{ft1, money("1")}},
         nullptr,
         QStringLiteral("O tipo de documento 'RX' não existe.")},
        {QStringLiteral("FT"),
         c1,
         {{ft1, money("1")}},
         nullptr,
         QStringLiteral("O tipo de documento 'FT' não é um documento financeiro.")},
        {re, c1, {{missing, money("1")}}, nullptr, QStringLiteral("O documento a liquidar FT 9/1/2024 não existe.")},
        {re,
         c1,
         {{other2, money("1")}},
         nullptr,
         QStringLiteral("O documento a liquidar FT 3/1/2024 é do cliente C0002 e não do cliente C0001.")},
        {re,
         c1,
         {{ft1, money("112.31")}},
         nullptr,
         QStringLiteral("O valor pago do documento FT 1/1/2024 (112,31) excede o valor em aberto (112,30).")},
        {re,
         c1,
         {{prep, money("1")}},
         nullptr,
         QStringLiteral("O documento a liquidar FT 4/1/2024 está em preparação.")},
        {re,
         c1,
         {{nc1, money("30")}},
         nullptr,
         QStringLiteral("O valor pago do documento NC 1/1/2024 deve ser negativo (documento a crédito).")},
        {re,
         c1,
         {{ft1, money("-1")}},
         nullptr,
         QStringLiteral("O valor pago do documento FT 1/1/2024 deve ser positivo.")},
        {re,
         c1,
         {{ft1, Currency()}},
         nullptr,
         QStringLiteral("O valor pago do documento FT 1/1/2024 não pode ser zero.")},
        {re,
         c1,
         {{ft1, money("1")}, {ft1, money("2")}},
         nullptr,
         QStringLiteral("O documento FT 1/1/2024 é liquidado em mais de uma linha.")},
        {re,
         c1,
         {{ft2, money("10")}, {nc1, money("-30")}},
         nullptr,
         QStringLiteral("O total do recibo não pode ser negativo.")},
        {re, c1, {}, nullptr, QStringLiteral("O recibo não tem documentos a liquidar.")},
        {ra, c1, {{ft1, money("1")}}, "1", QStringLiteral("Um recebimento por conta não liquida documentos.")},
        {ra, c1, {}, nullptr, QStringLiteral("O recebimento por conta não indica o valor regularizado.")},
        {ra, c1, {}, "-5", QStringLiteral("O valor regularizado não pode ser negativo.")},
    };
    for (const Case& c : cases) {
        auto doc = buildReceipt(c.tipo, c.terceiro, c.lines, c.regularizado);
        EXPECT_EQ(doc->Validar(), 1) << c.message.toStdString();
        EXPECT_EQ(doc->UltimaMensagem(), c.message);
        EXPECT_EQ(doc->Inserir(), 1) << c.message.toStdString();
        EXPECT_EQ(doc->UltimaMensagem(), c.message);
    }
    auto wrongSeries = buildReceipt(re, c1, {{ft1, money("1")}});
    wrongSeries->Cab()->Serie(std::int16_t(5));
    EXPECT_EQ(wrongSeries->Validar(), 1);
    EXPECT_EQ(wrongSeries->UltimaMensagem(), QStringLiteral("A série 5 não existe para o tipo de documento RE."));
    auto supplier = buildReceipt(re, c1, {{ft1, money("1")}});
    supplier->Cab()->TipoTerceiro(std::int16_t(1));
    EXPECT_EQ(supplier->Validar(), 1);
    EXPECT_EQ(supplier->UltimaMensagem(),
              QStringLiteral("O tipo de terceiro 1 não é aceite: os recibos são de clientes (tipo 2)."));
    EXPECT_EQ(count(QStringLiteral("DOCFINCAB")), 0);
    EXPECT_EQ(count(QStringLiteral("NUMERACAO"), QStringLiteral("TIPODOC IN ('RE', 'RA')")), 0);
    EXPECT_EQ(valorPago(ft1), Currency());
}

TEST_F(DocFinanceiroTest, RemovingAReceiptGivesTheSettledAmountsBack) {
    auto doc = buildReceipt(QStringLiteral("RE"), QStringLiteral("C0001"),
                            {{ft1, money("100")}, {ft2, money("52.3")}, {nc1, money("-30")}});
    ASSERT_EQ(insert(doc), 0) << doc->UltimaMensagem().toStdString();

    // As the receipt removal does it: read each number, remove it.
    auto remover = api->DocFinanceiro();
    Variant tipo(QStringLiteral("re")), numero(std::int32_t(1)), serie(std::int16_t(1)), ano(std::int16_t(2024));
    ASSERT_EQ(remover->Ler(tipo, numero, serie, ano), 0) << remover->UltimaMensagem().toStdString();
    EXPECT_EQ(remover->Remover(), 0) << remover->UltimaMensagem().toStdString();
    for (const DocumentKey& key : {ft1, ft2, nc1}) EXPECT_EQ(valorPago(key), Currency()) << describe(key).toStdString();
    EXPECT_EQ(count(QStringLiteral("DOCFINCAB")), 0);
    EXPECT_EQ(count(QStringLiteral("DOCFINLIN")), 0);
    EXPECT_EQ(remover->Remover(), 1);
    EXPECT_EQ(remover->UltimaMensagem(), QStringLiteral("Não há documento lido para remover."));
    EXPECT_EQ(remover->Ler(tipo, numero, serie, ano), 1);
    EXPECT_EQ(remover->UltimaMensagem(), QStringLiteral("O documento re 1/1/2024 não existe."));

    // The whole open amount can be settled again; the removed number is not given again.
    auto again = buildReceipt(QStringLiteral("RE"), QStringLiteral("C0001"), {{ft1, money("112.3")}});
    ASSERT_EQ(insert(again), 0) << again->UltimaMensagem().toStdString();
    EXPECT_EQ(again->Cab()->NumeroDocumento(), Variant(std::int32_t(2)));
}

TEST_F(DocFinanceiroTest, AFailureInTheMiddleOfAReceiptLeavesTheDatabaseAsItWas) {
    const QStringList tables = {QStringLiteral("DOCGCCAB"), QStringLiteral("DOCFINCAB"), QStringLiteral("DOCFINLIN"),
                                QStringLiteral("NUMERACAO")};
    const QString before = snapshot(tables);
    runNative(
        QStringLiteral("CREATE TRIGGER falha BEFORE UPDATE OF VALORPAGO ON DOCGCCAB WHEN NEW.TPDOC = 'NC' "
                       "BEGIN SELECT RAISE(ABORT, 'falha simulada'); END"));
    auto doc = buildReceipt(QStringLiteral("RE"), QStringLiteral("C0001"), {{ft1, money("100")}, {nc1, money("-30")}});
    EXPECT_THROW(doc->Inserir(), AutomationError);
    EXPECT_EQ(snapshot(tables), before);
    EXPECT_TRUE(doc->Cab()->NumeroDocumento().isEmpty());
    runNative(QStringLiteral("DROP TRIGGER falha"));
    ASSERT_EQ(doc->Inserir(), 0) << doc->UltimaMensagem().toStdString();
    EXPECT_EQ(doc->Cab()->NumeroDocumento(), Variant(std::int32_t(1)));
}

}  // namespace
}  // namespace tvx::host_erp
