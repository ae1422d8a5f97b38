#include "tickets/ticket_lines.h"

#include "platform/automation/automation_error.h"
#include "platform/automation/conversions.h"
#include "runs/field_values.h"

#include <optional>

namespace tvx {

namespace {

using LinhaRef = std::shared_ptr<LinhaDocComercial>;

const Variant Zero(std::int16_t(0));
const Variant Um(std::int16_t(1));
const Variant TipoIvaComentario(std::int16_t(4));
const Variant TaxaIvaComentario(std::int16_t(23));

// The host's suggestion of values, always asked the same way.
void sugerir(DocComercial& oDoc, LinhaRef& oLinha) {
    oDoc.SugereValoresLin(oLinha, false, true, true, false, true, false, true);
}

void semArtigo(LinhaDocComercial& l) {
    l.TipoDeLinha(Um);
    l.Artigo(Variant(QString()));
    l.Armazem(Variant(QString()));
}

void semPrecoNemQuantidade(LinhaDocComercial& l) {
    l.PrecoUnitario(Zero);
    l.Quantidade(Zero);
    l.QuantidadeOrigem(Zero);
}

// A comment line of the ticket. The first two lines ask the host's
// suggestion before clearing price and quantities, the next two after.
enum class Sugestao { AntesDosZeros, DepoisDosZeros };

void adicionarComentario(SessaoApi& api, DocComercial& oDoc, const QString& sDescricao, Sugestao quando) {
    LinhaRef oLinha = api.LinhaDocComercial();
    semArtigo(*oLinha);
    if (quando == Sugestao::AntesDosZeros) {
        sugerir(oDoc, oLinha);
        oLinha->Descricao(Variant(sDescricao));
        semPrecoNemQuantidade(*oLinha);
    } else {
        semPrecoNemQuantidade(*oLinha);
        sugerir(oDoc, oLinha);
        oLinha->Descricao(Variant(sDescricao));
    }
    oLinha->TipoIva(TipoIvaComentario);
    oLinha->TaxaIva(TaxaIvaComentario);
    adicionarLinha(oDoc, oLinha);
}

struct LinhaComPreco {
    Variant artigo;
    Variant armazem;
    double preco = 0;
    std::optional<Currency> desconto;
    Variant motivoIsencao;
};

void adicionarComPreco(SessaoApi& api, DocComercial& oDoc, const LinhaComPreco& dados) {
    LinhaRef oLinha = api.LinhaDocComercial();
    oLinha->TipoDeLinha(Um);
    oLinha->Artigo(dados.artigo);
    oLinha->Armazem(dados.armazem);
    sugerir(oDoc, oLinha);
    oLinha->PrecoUnitario(Variant(dados.preco));
    oLinha->PrecoUnitarioIntroduzido(Variant(dados.preco));
    if (dados.desconto) oLinha->TaxaDesconto(Variant(*dados.desconto));
    oLinha->Quantidade(Um);
    oLinha->QuantidadeOrigem(Um);
    oLinha->MotivoIsencao(dados.motivoIsencao);
    adicionarLinha(oDoc, oLinha);
}

// The discount of the fare line: only a positive rate is given.
std::optional<Currency> descontoPositivo(const Variant& desconto) {
    if (desconto.isNull() || CDbl(desconto) <= 0) return std::nullopt;
    return CCur(desconto);
}

}  // namespace

void adicionarLinha(DocComercial& oDoc, LinhaRef& oLinha) {
    oDoc.AdicionaLinha(oLinha);
    oLinha->Ordenacao(oLinha->NumeroDaLinha());
}

void adicionarLinhaTexto(SessaoApi& api, DocComercial& oDoc, const QString& sDescricao) {
    LinhaRef oLinha = api.LinhaDocComercial();
    semArtigo(*oLinha);
    oLinha->Descricao(Variant(sDescricao));
    adicionarLinha(oDoc, oLinha);
}

QString descricaoBilhete(const Variant& codigoCompanhia, const Variant& numeroBilhete) {
    const QString sCompanhia = codigoCompanhia.isNull()
                                   ? QStringLiteral("000")
                                   : (QStringLiteral("000") + Trim(CStr(codigoCompanhia))).right(3);
    return QStringLiteral("Bilhete Nº") + sCompanhia + textoOuVazio(numeroBilhete);
}

void pImportarDocComercialAddNewTicket(SessaoApi& api, DocComercialRef& oDoc, ado::Recordset& rs,
                                       ado::Recordset& rsParam) {
    reraiseAs(QStringLiteral("pImportarDocComercialAddNewTicket"), [&] {
        if (!oDoc) err::raise(err::ObjectNotSet);
        DocComercial& doc = *oDoc;
        const auto campo = [&](const char* nome) { return rs.value(QString::fromUtf8(nome)); };
        const auto parametro = [&](const char* nome) { return rsParam.value(QString::fromUtf8(nome)); };

        adicionarComentario(api, doc, descricaoBilhete(campo("Codigo Companhia Aerea"), campo("Numero do Bilhete")),
                            Sugestao::AntesDosZeros);
        adicionarComentario(api, doc, QStringLiteral(" ") + textoOuVazio(campo("Nome Passageiro")),
                            Sugestao::AntesDosZeros);
        adicionarComentario(api, doc, QStringLiteral(" ") + textoOuVazio(campo("Destino")), Sugestao::DepoisDosZeros);
        adicionarComentario(api, doc,
                            QStringLiteral("  Partida a ") + textoOuVazio(campo("Partida")) +
                                QStringLiteral(" Chegada a ") + textoOuVazio(campo("Chegada")),
                            Sugestao::DepoisDosZeros);

        const QString sPagamento = UCase(CStr(campo("Pagamento")));  // Null: Invalid use of Null
        const bool bPagoNaAgencia = sPagamento == u"NCC" || sPagamento == u"CAS";
        const Variant armazem = parametro("ARMAZEM").isNull() ? Variant(QString()) : parametro("ARMAZEM");
        const Variant motivo = parametro("ARTIGOISENCAOIVA");
        if (bPagoNaAgencia) {
            adicionarComPreco(api, doc,
                              {parametro("ARTIGOFARE"), armazem,
                               numeroOuZero(campo("Fare")) + numeroOuZero(campo("Tarifas Privadas")),
                               descontoPositivo(campo("Desconto")), motivo});
            adicionarComPreco(api, doc,
                              {parametro("ARTIGOTAXAS"), armazem, numeroOuZero(campo("Taxas")), std::nullopt, motivo});
        }
        adicionarComPreco(api, doc,
                          {parametro("ARTIGOSERVICEFEE"), armazem, numeroOuZero(campo("Fees")), std::nullopt, motivo});
        adicionarLinhaTexto(api, doc, QString());
    });
}

}  // namespace tvx
