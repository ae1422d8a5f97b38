#include "host_erp/documents_fixture.h"

namespace tvx::host_erp {
namespace {

using namespace host_erp::testing;

class DocContabilisticoTest : public DocumentsFixture {
protected:
    std::shared_ptr<DocComercial> readInvoice(const DocumentKey& key) {
        auto doc = api->DocComercial();
        Variant t(key.tipo), n(key.numero), s(key.serie), a(key.ano);
        EXPECT_EQ(doc->Ler(t, n, s, a), 0) << doc->UltimaMensagem().toStdString();
        return doc;
    }
    // The entry's lines as "account nature value" texts, in line order.
    QStringList entryLines(const QString& tpdoc) {
        auto rs = consultar(QStringLiteral("SELECT L.CONTA, L.NATUREZA, L.VALOR FROM MOVCTBLIN L JOIN MOVCTBCAB C "
                                           "ON C.ID = L.IDCAB WHERE C.TPDOC = '%1' ORDER BY L.NUMLINHA")
                                .arg(tpdoc));
        QStringList lines;
        for (; !rs->Eof(); rs->MoveNext())
            lines << QStringLiteral("%1 %2 %3").arg(CStr(rs->value(0)), CStr(rs->value(1)), CStr(rs->value(2)));
        return lines;
    }
};

TEST_F(DocContabilisticoTest, EntersAFinalInvoiceAndACreditNote) {
    auto entry = api->DocContabilistico();
    entry->DocumentoComercial(readInvoice(storeInvoice({}, true)));
    ASSERT_EQ(entry->Validar(), 0) << entry->UltimaMensagem().toStdString();
    ASSERT_EQ(entry->Inserir(), 0) << entry->UltimaMensagem().toStdString();
    // Customer debited with the total; the articles' and the VAT's accounts credited.
    EXPECT_EQ(entryLines(QStringLiteral("FT")),
              QStringList({QStringLiteral("2110001 D 112.3"), QStringLiteral("7211 C 100"), QStringLiteral("7221 C 10"),
                           QStringLiteral("24333 C 2.3")}));
    auto header = consultar(QStringLiteral("SELECT * FROM MOVCTBCAB"));
    EXPECT_EQ(header->value(QStringLiteral("AREA")), Variant(QStringLiteral("COM")));
    EXPECT_EQ(header->value(QStringLiteral("DIARIO")), Variant(QStringLiteral("VND")));
    EXPECT_EQ(header->value(QStringLiteral("TOTDEBITO")), header->value(QStringLiteral("TOTCREDITO")));
    EXPECT_EQ(entry->Inserir(), 1);
    EXPECT_EQ(entry->UltimaMensagem(), QStringLiteral("O documento FT 1/1/2024 já tem lançamento contabilístico."));

    InvoiceFields credit;
    credit.tipo = QStringLiteral("NC");
    credit.fare = 30;
    credit.fee = 0;
    auto nc = api->DocContabilistico();
    nc->DocumentoComercial(readInvoice(storeInvoice(credit, true)));
    ASSERT_EQ(nc->Validar(), 0) << nc->UltimaMensagem().toStdString();
    ASSERT_EQ(nc->Inserir(), 0);
    EXPECT_EQ(entryLines(QStringLiteral("NC")),
              QStringList({QStringLiteral("2110001 C 30"), QStringLiteral("7211 D 30")}));
}

TEST_F(DocContabilisticoTest, EntersAReceiptOnItsBankOrPaymentMethod) {
    const DocumentKey ft = storeInvoice({}, true);
    auto receipt = buildReceipt(QStringLiteral("RE"), QStringLiteral("C0001"), {{ft, money("112.3")}});
    ASSERT_EQ(receipt->Validar(), 0) << receipt->UltimaMensagem().toStdString();
    ASSERT_EQ(receipt->Inserir(), 0);
    // As the add-in does it: a new object reads the receipt back and is handed over.
    auto read = api->DocFinanceiro();
    Variant t(QStringLiteral("RE")), n(receipt->Cab()->NumeroDocumento()), s(std::int16_t(1)), a(std::int16_t(2024));
    ASSERT_EQ(read->Ler(t, n, s, a), 0);
    auto entry = api->DocContabilistico();
    entry->DocumentoFinanceiro(read);
    ASSERT_EQ(entry->Validar(), 0) << entry->UltimaMensagem().toStdString();
    ASSERT_EQ(entry->Inserir(), 0);
    EXPECT_EQ(entryLines(QStringLiteral("RE")),
              QStringList({QStringLiteral("1201 D 112.3"), QStringLiteral("2110001 C 112.3")}));

    // Without a bank the payment method's account takes the money; removing the receipt removes its entry.
    auto onAccount = buildReceipt(QStringLiteral("RA"), QStringLiteral("C0002"), {}, "40", QString());
    ASSERT_EQ(onAccount->Inserir(), 0) << onAccount->UltimaMensagem().toStdString();
    auto raEntry = api->DocContabilistico();
    raEntry->DocumentoFinanceiro(onAccount);
    ASSERT_EQ(raEntry->Inserir(), 0) << raEntry->UltimaMensagem().toStdString();
    EXPECT_EQ(entryLines(QStringLiteral("RA")),
              QStringList({QStringLiteral("1209 D 40"), QStringLiteral("2110002 C 40")}));
    EXPECT_EQ(onAccount->Remover(), 0) << onAccount->UltimaMensagem().toStdString();
    EXPECT_EQ(count(QStringLiteral("MOVCTBCAB"), QStringLiteral("TPDOC = 'RA'")), 0);
    EXPECT_EQ(count(QStringLiteral("MOVCTBLIN")), 2);
}

TEST_F(DocContabilisticoTest, RemovingASettlingReceiptTakesItsEntryAndOpensItsInvoicesAgain) {
    const DocumentKey ft = storeInvoice({}, true);
    auto receipt = buildReceipt(QStringLiteral("RE"), QStringLiteral("C0001"), {{ft, money("112.3")}});
    ASSERT_EQ(receipt->Inserir(), 0) << receipt->UltimaMensagem().toStdString();
    auto entry = api->DocContabilistico();
    entry->DocumentoFinanceiro(receipt);
    ASSERT_EQ(entry->Inserir(), 0) << entry->UltimaMensagem().toStdString();
    const QStringList others = entryLines(QStringLiteral("FT"));

    // As the receipt removal does it: a new object reads the number, then removes it.
    auto remover = api->DocFinanceiro();
    Variant t(QStringLiteral("re")), n(std::int32_t(1)), s(std::int16_t(1)), a(std::int16_t(2024));
    ASSERT_EQ(remover->Ler(t, n, s, a), 0) << remover->UltimaMensagem().toStdString();
    ASSERT_EQ(remover->Remover(), 0) << remover->UltimaMensagem().toStdString();
    EXPECT_EQ(valorPago(ft), Currency());
    EXPECT_EQ(count(QStringLiteral("MOVCTBCAB"), QStringLiteral("TPDOC = 'RE'")), 0);
    EXPECT_EQ(count(QStringLiteral("MOVCTBLIN"), QStringLiteral("IDCAB NOT IN (SELECT ID FROM MOVCTBCAB)")), 0);
    EXPECT_EQ(entryLines(QStringLiteral("FT")), others);
}

TEST_F(DocContabilisticoTest, RefusesWhenTheEntryCannotBeBuilt) {
    const DocumentKey ft = storeInvoice({}, true);
    auto receipt = buildReceipt(QStringLiteral("RE"), QStringLiteral("C0001"), {{ft, money("112.3")}});
    ASSERT_EQ(receipt->Inserir(), 0) << receipt->UltimaMensagem().toStdString();
    ligacao->Executar(QString(), QStringLiteral("UPDATE CLIENTES SET CONTACTB = '' WHERE CODIGO = 'C0001'"));
    auto entry = api->DocContabilistico();
    entry->DocumentoFinanceiro(receipt);
    EXPECT_EQ(entry->Validar(), 1);
    EXPECT_EQ(entry->UltimaMensagem(), QStringLiteral("O cliente C0001 não tem conta contabilística."));
    EXPECT_EQ(entry->Inserir(), 1);
    EXPECT_EQ(entry->UltimaMensagem(), QStringLiteral("O cliente C0001 não tem conta contabilística."));
    EXPECT_EQ(count(QStringLiteral("MOVCTBCAB")), 0);

    const std::vector<std::pair<std::function<void(DocContabilistico&)>, QString>> cases = {
        {[](DocContabilistico&) {}, QStringLiteral("Não foi indicado o documento a lançar.")},
        {[this](DocContabilistico& e) { e.DocumentoComercial(buildInvoice()); },
         QStringLiteral("O documento indicado não está gravado na empresa.")},
        {[this](DocContabilistico& e) {
             InvoiceFields other;
             other.terceiro = QStringLiteral("C0002");
             auto doc = buildInvoice(other);
             doc->Inserir();
             e.DocumentoComercial(doc);
         },
         QStringLiteral("O documento FT 2/1/2024 está em preparação e não tem lançamento contabilístico.")},
        {[this](DocContabilistico& e) {
             InvoiceFields zero;
             zero.terceiro = QStringLiteral("C0003");
             zero.fare = 0;
             zero.fee = 0;
             e.DocumentoComercial(readInvoice(storeInvoice(zero, true)));
         },
         QStringLiteral("O documento FT 2/1/2024 tem total zero: não há lançamento a fazer.")},
    };
    for (const auto& [give, message] : cases) {
        auto e = api->DocContabilistico();
        give(*e);
        EXPECT_EQ(e->Validar(), 1) << message.toStdString();
        EXPECT_EQ(e->UltimaMensagem(), message);
    }
}

}  // namespace
}  // namespace tvx::host_erp
