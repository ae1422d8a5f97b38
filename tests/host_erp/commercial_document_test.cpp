#include "host_erp/commercial_document.h"
#include "host_erp/documents_fixture.h"

#include <functional>

namespace tvx::host_erp {
namespace {

using namespace host_erp::testing;

class DocComercialTest : public DocumentsFixture {};

TEST_F(DocComercialTest, BuildsAnInvoiceAsTheAddinDoesAndStoresItInPreparation) {
    auto doc = buildInvoice();
    // The host's suggestions: the article's name and VAT; a price the caller set is kept.
    auto line = api->LinhaDocComercial();
    line->Artigo(QStringLiteral("fee"));
    line->PrecoUnitario(7.5);
    doc->SugereValoresLin(line, true, true, true, false, true, false, true);
    EXPECT_EQ(line->Descricao(), Variant(QStringLiteral("Taxa de serviço")));
    EXPECT_EQ(line->PrecoUnitario(), Variant(7.5));
    EXPECT_EQ(line->TipoIva(), Variant(std::int16_t(4)));
    EXPECT_EQ(line->TaxaIva(), Variant(23.0));
    EXPECT_EQ(line->Quantidade(), Variant(1.0));
    EXPECT_TRUE(line->NumeroDaLinha().isEmpty());
    auto text = api->LinhaDocComercial();
    doc->SugereValoresLin(text, true, true, true, true, true, true, true);
    EXPECT_TRUE(text->Descricao().isEmpty());  // no article, nothing to suggest

    EXPECT_EQ(doc->Validar(), 0) << doc->UltimaMensagem().toStdString();
    EXPECT_EQ(doc->EmPreparacao(), Variant(true));
    EXPECT_EQ(doc->Inserir(), 0) << doc->UltimaMensagem().toStdString();
    EXPECT_EQ(doc->Cab()->NossoNoDocumento(), Variant(std::int32_t(1)));
    EXPECT_EQ(doc->Cab()->Ano(), Variant(std::int16_t(2024)));
    EXPECT_EQ(doc->Cab()->VossoNoDocumento(), Variant(QStringLiteral("REF-1")));
    EXPECT_EQ(doc->EmPreparacao(), Variant(true));
    EXPECT_EQ(doc->Inserir(), 1);
    EXPECT_EQ(doc->UltimaMensagem(), QStringLiteral("O documento já está gravado."));

    auto header = addinLookup({QStringLiteral("FT"), 1, 1, 2024});
    ASSERT_EQ(header->RecordCount(), 1);
    // Fare 100 exempt, fee 10 + 23 % VAT.
    EXPECT_EQ(header->value(QStringLiteral("TOTDOC")), Variant(money("112.3")));
    EXPECT_EQ(header->value(QStringLiteral("TOTIVA")), Variant(money("2.3")));
    EXPECT_EQ(header->value(QStringLiteral("Terceiro")), Variant(QStringLiteral("C0001")));
    EXPECT_EQ(header->value(QStringLiteral("EMPREPARACAO")), Variant(true));
    EXPECT_EQ(header->value(QStringLiteral("ORIGEM")), Variant(std::int16_t(3)));
    // The type's codes copied: commercial area, a sale, a debit counted positive.
    for (const auto& [column, code] : {std::pair{"AREAG", 4}, {"TPOPER", 2}, {"NATCONTA", 1}, {"SINALCT", 1}})
        EXPECT_EQ(header->value(QLatin1String(column)), Variant(std::int16_t(code))) << column;
    auto lines = consultar(QStringLiteral("SELECT * FROM DOCGCLIN ORDER BY NUMLINHA"));
    ASSERT_EQ(lines->RecordCount(), 4);
    lines->setAbsolutePosition(2);
    EXPECT_EQ(lines->value(QStringLiteral("DESCRICAO")), Variant(QStringLiteral("Bilhete - tarifa")));
    EXPECT_EQ(lines->value(QStringLiteral("MOTISENCAO")), Variant(QStringLiteral("M99")));
    EXPECT_EQ(lines->value(QStringLiteral("ORDENACAO")), Variant(std::int32_t(2)));
    lines->setAbsolutePosition(4);
    EXPECT_EQ(lines->value(QStringLiteral("DESCRICAO")), Variant(QStringLiteral("Não sujeito ou não tributado")));
    EXPECT_EQ(lines->value(QStringLiteral("TOTAL")), Variant(Currency()));
}

TEST_F(DocComercialTest, NumbersPreparationAndFinalDocumentsInSequencesOfTheirOwn) {
    for (int n = 1; n <= 3; ++n) EXPECT_EQ(storeInvoice().numero, n);

    // The second in preparation becomes the first final invoice; the number argument comes back changed.
    auto doc = api->DocComercial();
    Variant ano(std::int16_t(2024)), tipo(QStringLiteral("ft")), serie(std::int16_t(1)), numero(std::int32_t(2));
    ASSERT_EQ(doc->Finalizar(ano, tipo, serie, numero), 0) << doc->UltimaMensagem().toStdString();
    EXPECT_EQ(numero, Variant(std::int32_t(1)));
    EXPECT_EQ(tipo, Variant(QStringLiteral("FT")));
    EXPECT_EQ(doc->Cab()->NossoNoDocumento(), Variant(std::int32_t(1)));
    EXPECT_EQ(doc->EmPreparacao(), Variant(false));
    EXPECT_EQ(doc->IsSerieAssinada(), Variant(true));
    EXPECT_EQ(doc->IsDocumentoCertificacao(), Variant(true));
    EXPECT_EQ(finaliseInvoice({QStringLiteral("FT"), 3, 1, 2024}).numero, 2);

    // Preparation numbers go on from where they were; a number the caller gives is kept and followed.
    EXPECT_EQ(storeInvoice().numero, 4);
    auto given = buildInvoice();
    given->Cab()->NossoNoDocumento(QStringLiteral("17"));
    ASSERT_EQ(given->Inserir(), 0) << given->UltimaMensagem().toStdString();
    EXPECT_EQ(given->Cab()->NossoNoDocumento(), Variant(std::int32_t(17)));
    EXPECT_EQ(storeInvoice().numero, 18);
    auto twice = buildInvoice();
    twice->Cab()->NossoNoDocumento(std::int32_t(17));
    EXPECT_EQ(twice->Inserir(), 1);
    EXPECT_EQ(twice->UltimaMensagem(), QStringLiteral("Já existe o documento FT 17/1/2024 em preparação."));

    // Final 1 and preparation 1 share the number: the add-in's lookup meets the final one first.
    auto both = addinLookup({QStringLiteral("FT"), 1, 1, 2024});
    ASSERT_EQ(both->RecordCount(), 2);
    EXPECT_EQ(both->value(QStringLiteral("EMPREPARACAO")), Variant(false));

    // Signed series chain their signatures; series 2 is not signed.
    const QString first =
        CStr(scalar(QStringLiteral("SELECT ASSINATURA FROM DOCGCCAB WHERE EMPREPARACAO = 0 AND NNUMDOC = 1")));
    const QString second =
        CStr(scalar(QStringLiteral("SELECT ASSINATURA FROM DOCGCCAB WHERE EMPREPARACAO = 0 AND NNUMDOC = 2")));
    EXPECT_FALSE(first.isEmpty());
    EXPECT_NE(first, second);
    InvoiceFields unsigned_;
    unsigned_.serie = 2;
    const DocumentKey inSeries2 = storeInvoice(unsigned_, true);
    EXPECT_EQ(inSeries2.numero, 1);
    auto read = api->DocComercial();
    Variant t(inSeries2.tipo), n(inSeries2.numero), s(inSeries2.serie), a(inSeries2.ano);
    ASSERT_EQ(read->Ler(t, n, s, a), 0);
    EXPECT_EQ(read->IsSerieAssinada(), Variant(false));

    // Finalising what is not in preparation.
    Variant a2(std::int16_t(2024)), t2(QStringLiteral("FT")), s2(std::int16_t(1)), n2(std::int32_t(2));
    EXPECT_EQ(doc->Finalizar(a2, t2, s2, n2), 1);
    EXPECT_EQ(doc->UltimaMensagem(), QStringLiteral("O documento FT 2/1/2024 já está finalizado."));
    Variant n3(std::int32_t(99));
    EXPECT_EQ(doc->Finalizar(a2, t2, s2, n3), 1);
    EXPECT_EQ(doc->UltimaMensagem(), QStringLiteral("O documento FT 99/1/2024 não existe em preparação."));
    EXPECT_EQ(n3, Variant(std::int32_t(99)));
    EXPECT_EQ(CLng(scalar(QStringLiteral("SELECT ULTIMONUM FROM NUMERACAO WHERE TIPODOC = 'FT' AND SERIE = 1"))), 2);
}

TEST_F(DocComercialTest, ValidarRefusesWithTheReason) {
    using Change = std::function<void(DocComercial&)>;
    auto cab = [](const std::function<void(CabDocComercial&)>& f) {
        return Change([f](DocComercial& d) { f(*d.Cab()); });
    };
    auto lineWith = [this](const std::function<void(LinhaDocComercial&)>& f) {
        return Change([this, f](DocComercial& d) {
            auto line = api->LinhaDocComercial();
            line->Artigo(QStringLiteral("FEE"));
            line->Quantidade(1.0);
            line->PrecoUnitario(5.0);
            d.SugereValoresLin(line, false, true, true, false, true, false, true);
            f(*line);
            d.AdicionaLinha(line);
        });
    };
    const std::vector<std::pair<Change, QString>> cases = {
        {cab([](auto& c) { c.TipoDocumento(QStringLiteral("XX")); }),
         QStringLiteral("O tipo de documento 'XX' não existe.")},
        {cab([](auto& c) { c.TipoDocumento(QStringLiteral("RE")); }),
         QStringLiteral("O tipo de documento 'RE' não é um documento comercial de venda.")},
        {cab([](auto& c) { c.Serie(std::int16_t(9)); }),
         QStringLiteral("A série 9 não existe para o tipo de documento FT.")},
        {cab([](auto& c) { c.Sector(QStringLiteral("9")); }), QStringLiteral("O sector '9' não existe.")},
        {cab([](auto& c) { c.Terceiro(QStringLiteral("X1")); }), QStringLiteral("O cliente 'X1' não existe.")},
        {cab([](auto& c) { c.Terceiro(QString()); }), QStringLiteral("O cliente do documento não foi indicado.")},
        {cab([](auto& c) { c.Ano(std::int16_t(2023)); }),
         QStringLiteral("O ano 2023 não corresponde à data do documento (05-03-2024).")},
        {cab([](auto& c) { c.Moeda(QStringLiteral("USD")); }),
         QStringLiteral("A moeda 'USD' não é aceite: os documentos são em EUR.")},
        {cab([](auto& c) { c.NossoNoDocumento(std::int32_t(0)); }),
         QStringLiteral("O número do documento (0) não é válido.")},
        {cab([](auto& c) { c.HoraCarga(QStringLiteral("25:00:00")); }),
         QStringLiteral("A hora de carga '25:00:00' não é válida.")},
        {cab([](auto& c) { c.HoraCarga(QStringLiteral("23:60:59")); }),
         QStringLiteral("A hora de carga '23:60:59' não é válida.")},
        {lineWith([](auto& l) { l.Artigo(QStringLiteral("NADA")); }),
         QStringLiteral("O artigo 'NADA' da linha 5 não existe.")},
        {lineWith([](auto& l) { l.Armazem(QStringLiteral("Z9")); }),
         QStringLiteral("O armazém 'Z9' da linha 5 não existe.")},
        {lineWith([](auto& l) {
             l.TipoIva(std::int16_t(1));
             l.TaxaIva(0.0);
         }),
         QStringLiteral("A linha 5 é isenta de IVA e não indica o motivo de isenção.")},
        {lineWith([](auto& l) {
             l.TipoIva(std::int16_t(1));
             l.TaxaIva(0.0);
             l.MotivoIsencao(QStringLiteral("M55"));
         }),
         QStringLiteral("O motivo de isenção 'M55' da linha 5 não existe.")},
        {lineWith([](auto& l) { l.TaxaIva(6.0); }),
         QStringLiteral("A taxa de IVA da linha 5 (6%) não corresponde ao tipo de IVA 4 (23%).")},
        {lineWith([](auto& l) { l.TipoIva(std::int16_t(7)); }),
         QStringLiteral("O tipo de IVA 7 da linha 5 não existe.")},
        {lineWith([](auto& l) { l.PrecoUnitario(-1.0); }), QStringLiteral("O preço da linha 5 não pode ser negativo.")},
        {lineWith([](auto& l) { l.TaxaDesconto(Currency::fromLong(101)); }),
         QStringLiteral("O desconto da linha 5 deve estar entre 0 e 100.")},
        {lineWith([](auto& l) { l.Artigo(QString()); }),
         QStringLiteral("A linha 5 tem valor mas não indica o artigo.")},
        {lineWith([](auto& l) { l.TipoDeLinha(std::int16_t(7)); }),
         QStringLiteral("A linha 5 tem um tipo de linha (7) desconhecido.")},
        {lineWith([](auto& l) { l.Descricao(QString(251, u'x')); }),
         QStringLiteral("O campo Descricao da linha 5 tem mais de 250 caracteres.")},
    };
    for (const auto& [change, message] : cases) {
        auto doc = buildInvoice();
        change(*doc);
        EXPECT_EQ(doc->Validar(), 1) << message.toStdString();
        EXPECT_EQ(doc->UltimaMensagem(), message);
        EXPECT_EQ(doc->Inserir(), 1) << message.toStdString();
        EXPECT_EQ(doc->UltimaMensagem(), message);
    }
    auto empty = api->DocComercial();
    empty->Cab()->TipoDocumento(QStringLiteral("FT"));
    EXPECT_EQ(empty->Validar(), 1);
    EXPECT_EQ(empty->UltimaMensagem(), QStringLiteral("A série do documento não foi indicada."));
    auto bare = invoiceHeader();
    EXPECT_EQ(bare->Validar(), 1);
    EXPECT_EQ(bare->UltimaMensagem(), QStringLiteral("O documento não tem linhas."));
    EXPECT_EQ(count(QStringLiteral("DOCGCCAB")), 0);
    EXPECT_EQ(count(QStringLiteral("NUMERACAO")), 0);

    // Members refuse values that are not of their kind, and keep what they held.
    auto doc = buildInvoice();
    EXPECT_THROW(doc->Cab()->Data(QStringLiteral("31-02-2024")), AutomationError);
    EXPECT_THROW(doc->Cab()->Serie(QStringLiteral("A")), AutomationError);
    EXPECT_EQ(doc->Cab()->Serie(), Variant(std::int16_t(1)));
    std::shared_ptr<LinhaDocComercial> foreign;
    EXPECT_EQ(doc->AdicionaLinha(foreign), 1);
    EXPECT_EQ(doc->UltimaMensagem(), QStringLiteral("A linha indicada não é uma linha de documento comercial."));
}

TEST_F(DocComercialTest, ReadsAndRemovesDocumentsInPreparationOnly) {
    const DocumentKey prep = storeInvoice();
    const DocumentKey final = storeInvoice({}, true);
    ASSERT_EQ(final.numero, 1);

    auto doc = api->DocComercial();
    EXPECT_EQ(doc->EmPreparacao(), Variant(true));
    EXPECT_TRUE(doc->IsSerieAssinada().isNull());
    EXPECT_TRUE(doc->IsDocumentoCertificacao().isNull());
    Variant tipo(QStringLiteral("ft")), numero(std::int32_t(99)), serie(std::int16_t(1)), ano(std::int16_t(2024));
    EXPECT_EQ(doc->Ler(tipo, numero, serie, ano), 1);
    EXPECT_EQ(doc->UltimaMensagem(), QStringLiteral("O documento ft 99/1/2024 não existe."));
    EXPECT_EQ(doc->Remover(), 1);
    EXPECT_EQ(doc->UltimaMensagem(), QStringLiteral("Não há documento lido para remover."));

    // Number 1 is both the final invoice and the first in preparation: Ler reads the final one.
    numero = Variant(std::int32_t(1));
    ASSERT_EQ(doc->Ler(tipo, numero, serie, ano), 0);
    EXPECT_EQ(doc->EmPreparacao(), Variant(false));
    EXPECT_EQ(doc->Cab()->Terceiro(), Variant(QStringLiteral("C0001")));
    EXPECT_EQ(doc->Cab()->VossoNoDocumento(), Variant(QStringLiteral("REF-1")));
    EXPECT_EQ(doc->Cab()->Data(), Variant(CDate(QStringLiteral("05-03-2024"))));
    EXPECT_EQ(doc->Remover(), 1);
    EXPECT_EQ(doc->UltimaMensagem(),
              QStringLiteral("O documento FT 1/1/2024 está finalizado e não pode ser removido."));

    // Preparation 2 became final 1: it is no longer there under its preparation number.
    numero = Variant(prep.numero + 1);
    EXPECT_EQ(doc->Ler(tipo, numero, serie, ano), 1);
    EXPECT_EQ(doc->UltimaMensagem(), QStringLiteral("O documento ft 2/1/2024 não existe."));
    EXPECT_EQ(count(QStringLiteral("DOCGCCAB"), QStringLiteral("EMPREPARACAO = 1")), 1);

    // The host's views reach preparation 1 all the same.
    auto toRemove = api->DocComercial();
    EXPECT_EQ(count(QStringLiteral("DOCGCLIN")), 8);
    ASSERT_EQ(std::dynamic_pointer_cast<CommercialDocument>(toRemove)->lerEmPreparacao(prep), 0);
    EXPECT_EQ(toRemove->EmPreparacao(), Variant(true));
    EXPECT_EQ(toRemove->Remover(), 0) << toRemove->UltimaMensagem().toStdString();
    EXPECT_EQ(count(QStringLiteral("DOCGCCAB")), 1);
    EXPECT_EQ(count(QStringLiteral("DOCGCLIN")), 4);
}

TEST_F(DocComercialTest, AFailureInTheMiddleOfAWriteLeavesTheDatabaseAsItWas) {
    storeInvoice();
    const QStringList tables = {QStringLiteral("DOCGCCAB"), QStringLiteral("DOCGCLIN"), QStringLiteral("NUMERACAO")};
    const QString before = snapshot(tables);
    runNative(
        QStringLiteral("CREATE TRIGGER falha BEFORE INSERT ON DOCGCLIN WHEN NEW.NUMLINHA = 3 "
                       "BEGIN SELECT RAISE(ABORT, 'falha simulada'); END"));
    auto doc = buildInvoice();
    try {
        doc->Inserir();
        ADD_FAILURE() << "the failure did not reach the caller";
    } catch (const AutomationError& e) {
        EXPECT_TRUE(e.description().contains(u"falha simulada")) << e.what();
    }
    EXPECT_EQ(snapshot(tables), before);
    EXPECT_EQ(doc->EmPreparacao(), Variant(true));
    EXPECT_TRUE(doc->Cab()->NossoNoDocumento().isEmpty());

    // The same failure while finalising: the document stays in preparation, no final number is used.
    runNative(
        QStringLiteral("DROP TRIGGER falha; CREATE TRIGGER falha BEFORE UPDATE OF EMPREPARACAO ON DOCGCCAB "
                       "BEGIN SELECT RAISE(ABORT, 'falha simulada'); END"));
    auto finalising = api->DocComercial();
    Variant ano(std::int16_t(2024)), tipo(QStringLiteral("FT")), serie(std::int16_t(1)), numero(std::int32_t(1));
    EXPECT_THROW(finalising->Finalizar(ano, tipo, serie, numero), AutomationError);
    EXPECT_EQ(snapshot(tables), before);
    EXPECT_EQ(numero, Variant(std::int32_t(1)));

    runNative(QStringLiteral("DROP TRIGGER falha"));
    EXPECT_EQ(doc->Inserir(), 0) << doc->UltimaMensagem().toStdString();
    EXPECT_EQ(doc->Cab()->NossoNoDocumento(), Variant(std::int32_t(2)));  // the number the failure had taken
    EXPECT_EQ(finaliseInvoice({QStringLiteral("FT"), 1, 1, 2024}).numero, 1);
}

}  // namespace
}  // namespace tvx::host_erp
