#pragma once
// A logged-on host session over the demo company, with helpers that build
// documents in the order the add-in sets their members, and read the
// company database back.
#include "host_api/host_classes.h"
#include "host_api/sessao_api.h"
#include "host_erp/document_key.h"
#include "host_erp/host_fixture.h"
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/automation/class_registry.h"
#include "platform/automation/conversions.h"
#include "platform/sql/connection.h"
#include "platform/sql/sql_dialect.h"

#include <ostream>
#include <vector>

inline void PrintTo(const QString& s, std::ostream* out) { *out << '"' << s.toStdString() << '"'; }

namespace tvx::host_erp::testing {

inline Currency money(const char* text) { return Currency::parse(QString::fromLatin1(text)); }

struct InvoiceFields {
    QString tipo = QStringLiteral("FT");
    int serie = 1;
    QString terceiro = QStringLiteral("C0001");
    QString data = QStringLiteral("05-03-2024");
    double fare = 100;  // exempt article line
    double fee = 10;    // article line at 23 %
};

struct Settles {
    DocumentKey documento;
    Currency valorPago;
};

class DocumentsFixture : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        api = std::dynamic_pointer_cast<SessaoApi>(registry::create(host_classes::SessaoApi));
        ASSERT_TRUE(
            api->Iniciar(writeSettings(QStringLiteral("BRISKO.EMPR01"),
                                       QStringLiteral("[Api Vesk]\r\nLogin=vesk\r\npassword=vesk\r\nEmpresa=EMPR01\r\n"
                                                      "[Ligação]\r\nServidor=SRV\\INST\r\nBaseDados=EMPR01\r\n"))));
        ligacao = std::dynamic_pointer_cast<DalLigacao>(registry::create(host_classes::DalLigacao));
        ASSERT_TRUE(ligacao->Abrir(addinConnectionString()));
        api->Ligacao(ligacao);
    }
    void TearDown() override {
        api->Terminar();
        ligacao->Fechar();
        HostFixture::TearDown();
    }

    // A priced or text line as the add-in fills it (SugereValoresLin between).
    void addLine(DocComercial& doc, const QString& artigo, double preco, const QString& descricao = {}) {
        auto line = api->LinhaDocComercial();
        line->TipoDeLinha(std::int16_t(1));
        line->Artigo(artigo);
        line->Armazem(artigo.isEmpty() ? QString() : QStringLiteral("A1"));
        doc.SugereValoresLin(line, false, true, true, false, true, false, true);
        if (artigo.isEmpty()) {
            line->Descricao(descricao);
            line->TipoIva(std::int16_t(4));
            line->TaxaIva(std::int16_t(23));
        } else {
            line->PrecoUnitario(preco);
            line->PrecoUnitarioIntroduzido(preco);
            line->Quantidade(std::int16_t(1));
            line->QuantidadeOrigem(std::int16_t(1));
            line->MotivoIsencao(QStringLiteral("M99"));
        }
        ASSERT_EQ(doc.AdicionaLinha(line), 0) << doc.UltimaMensagem().toStdString();
        line->Ordenacao(line->NumeroDaLinha());
    }

    // The header as the add-in fills it, no lines yet.
    std::shared_ptr<DocComercial> invoiceHeader(const InvoiceFields& fields = {}) {
        auto doc = api->DocComercial();
        auto cab = doc->Cab();
        cab->TipoDocumento(fields.tipo);
        cab->Sector(QStringLiteral("1"));
        cab->Serie(std::int32_t(fields.serie));
        cab->Terceiro(fields.terceiro);
        cab->TipoPreco(std::int16_t(0));
        cab->Data(fields.data);
        cab->Moeda(QStringLiteral("EUR"));
        cab->IvaIncluido(std::int16_t(0));
        doc->Validar();
        cab->DataVencimento(cab->Data());
        cab->DataCarga(cab->Data());
        cab->HoraCarga(QStringLiteral("10:15:00"));
        cab->Processo(QString());
        cab->VossoNoDocumento(QStringLiteral("REF-1"));
        return doc;
    }

    std::shared_ptr<DocComercial> buildInvoice(const InvoiceFields& fields = {}) {
        auto doc = invoiceHeader(fields);
        addLine(*doc, QString(), 0, QStringLiteral("Bilhete Nº0741234567"));
        addLine(*doc, QStringLiteral("FARE"), fields.fare);
        addLine(*doc, QStringLiteral("FEE"), fields.fee);
        addLine(*doc, QString(), 0, QStringLiteral("Não sujeito ou não tributado"));
        doc->Origem(std::int16_t(3));
        return doc;
    }

    // Stores an invoice in preparation and, when asked, finalises it; its key.
    DocumentKey storeInvoice(const InvoiceFields& fields = {}, bool finalise = false) {
        auto doc = buildInvoice(fields);
        EXPECT_EQ(doc->Validar(), 0) << doc->UltimaMensagem().toStdString();
        EXPECT_EQ(doc->Inserir(), 0) << doc->UltimaMensagem().toStdString();
        DocumentKey key{CStr(doc->Cab()->TipoDocumento()), CLng(doc->Cab()->NossoNoDocumento()),
                        CInt(doc->Cab()->Serie()), CInt(doc->Cab()->Ano())};
        if (!finalise) return key;
        return finaliseInvoice(key);
    }

    DocumentKey finaliseInvoice(const DocumentKey& key) {
        auto doc = api->DocComercial();
        Variant ano(key.ano), tipo(key.tipo), serie(key.serie), numero(key.numero);
        EXPECT_EQ(doc->Finalizar(ano, tipo, serie, numero), 0) << doc->UltimaMensagem().toStdString();
        return {key.tipo, CLng(numero), key.serie, key.ano};
    }

    // A receipt as the add-in fills it: header members with errors ignored,
    // Validar, then one line per settled document.
    std::shared_ptr<DocFinanceiro> buildReceipt(const QString& tipo, const QString& terceiro,
                                                const std::vector<Settles>& lines,
                                                const char* valorRegularizado = nullptr,
                                                const QString& banco = QStringLiteral("BAT")) {
        auto doc = api->DocFinanceiro();
        auto cab = doc->Cab();
        runIgnoringErrors({[&] { cab->TipoDocumento(tipo); }, [&] { cab->Serie(std::int32_t(1)); },
                           [&] { cab->Sector(QStringLiteral("1")); },
                           [&] {
                               if (valorRegularizado) cab->ValorRegularizado(money(valorRegularizado));
                           },
                           [&] { cab->Data(QStringLiteral("20-03-2024")); }, [&] { cab->Ano(std::int16_t(2024)); },
                           [&] { cab->Moeda(QStringLiteral("EUR")); }, [&] { cab->TipoTerceiro(std::int16_t(2)); },
                           [&] { cab->Terceiro(terceiro); }, [&] { cab->ModoDePagamento(QStringLiteral("TRB")); },
                           [&] { cab->banco(banco); }, [&] { cab->CarteiraOrigem(std::int16_t(1)); },
                           [&] { cab->CarteiraDestino(std::int16_t(1)); }, [&] { cab->LigacaoCtb(std::int16_t(-1)); },
                           [&] { cab->RegimeIva(QStringLiteral("NAC")); }});
        doc->Validar();
        for (const Settles& s : lines) {
            auto line = api->LinhaDocFinanceiro();
            line->TipoDocumentoLiq(s.documento.tipo);
            line->NumeroDocumentoLiq(s.documento.numero);
            line->SerieDoLiquidado(s.documento.serie);
            line->Anol(s.documento.ano);
            line->ValorPago(s.valorPago);
            doc->AdicionaLinha(line);
        }
        return doc;
    }

    std::shared_ptr<ado::Recordset> consultar(const QString& sql) {
        std::shared_ptr<ado::Recordset> rs;
        ligacao->Consultar(QString(), sql, rs, -1, 0);
        return rs;
    }
    Variant scalar(const QString& sql) {
        auto rs = consultar(sql);
        return rs->RecordCount() > 0 ? rs->value(0) : Variant();
    }
    int count(const QString& table, const QString& where = QStringLiteral("1 = 1")) {
        return CLng(scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2").arg(table, where)));
    }
    // The header the add-in's settlement lookup reads for a document.
    std::shared_ptr<ado::Recordset> addinLookup(const DocumentKey& key) {
        return consultar(QStringLiteral("SELECT     * FROM DOCGCCAB WHERE (TPDOC ='%1') AND (ANO=%2) AND (SERIE=%3) "
                                        "AND (NNUMDOC=%4 )  \r\n")
                             .arg(key.tipo)
                             .arg(key.ano)
                             .arg(key.serie)
                             .arg(key.numero));
    }
    Currency valorPago(const DocumentKey& key) { return CCur(addinLookup(key)->value(QStringLiteral("VALORPAGO"))); }

    // Every row of the tables, as text, to compare the database before and after.
    QString snapshot(const QStringList& tables) {
        QString text;
        for (const QString& table : tables) {
            auto rs = consultar(QStringLiteral("SELECT * FROM %1 ORDER BY 1").arg(table));
            text += table + u'\n';
            for (; !rs->Eof(); rs->MoveNext()) {
                for (int i = 0; i < rs->Fields().Count(); ++i) text += debugText(rs->value(i)) + u'|';
                text += u'\n';
            }
        }
        return text;
    }
    // Runs SQLite's own SQL on the company file through a second connection (triggers for injected failures).
    void runNative(const QString& sql) {
        auto native = sql::Connection::openSqlite(companyFile(), std::make_shared<sql::NativeDialect>());
        native->Execute(sql);
    }

    std::shared_ptr<SessaoApi> api;
    std::shared_ptr<DalLigacao> ligacao;
};

}  // namespace tvx::host_erp::testing
