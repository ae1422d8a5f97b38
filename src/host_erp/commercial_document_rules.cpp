#include "host_erp/commercial_document_rules.h"

#include "host_erp/document_rules.h"
#include "host_erp/host_refusal.h"
#include "platform/automation/conversions.h"

namespace tvx::host_erp {

namespace {

QString percent(double rate) { return QString::number(rate, 'g', 15) + u'%'; }

QDate optionalDate(const Variant& v) { return v.isEmpty() ? QDate() : v.asDate().date(); }

// Whether `text` is a time of day as "HH:mm:ss". The plain form is read by
// hand (every document has one); anything else goes to Qt's parser.
bool isTimeOfDay(const QString& text) {
    const auto two = [&](int at, int below) {
        const char16_t a = text[at].unicode(), b = text[at + 1].unicode();
        return a >= u'0' && a <= u'9' && b >= u'0' && b <= u'9' && (a - u'0') * 10 + (b - u'0') < below;
    };
    if (text.size() == 8 && text[2] == u':' && text[5] == u':' && two(0, 24) && two(3, 60) && two(6, 60)) return true;
    return QTime::fromString(text, QStringLiteral("HH:mm:ss")).isValid();
}

void checkVat(sql::Connection& db, const CommercialLine& line, const Article& art, CommercialLineDraft& d) {
    d.tipoIva = numberOr(line.TipoIva(), art.tipoIva);
    const auto rate = vatRate(db, d.tipoIva);
    if (!rate) refuse(QStringLiteral("O tipo de IVA %1 da linha %2 não existe.").arg(d.tipoIva).arg(d.numero));
    d.taxaIva = doubleOr(line.TaxaIva(), rate->taxa);
    if (d.taxaIva != rate->taxa)
        refuse(QStringLiteral("A taxa de IVA da linha %1 (%2) não corresponde ao tipo de IVA %3 (%4).")
                   .arg(d.numero)
                   .arg(percent(d.taxaIva))
                   .arg(d.tipoIva)
                   .arg(percent(rate->taxa)));
    if (d.taxaIva != 0) return;
    if (d.motivoIsencao.isEmpty())
        refuse(QStringLiteral("A linha %1 é isenta de IVA e não indica o motivo de isenção.").arg(d.numero));
    if (!hasCode(db, QStringLiteral("MOTIVO_ISENCAO_IVA"), d.motivoIsencao))
        refuse(QStringLiteral("O motivo de isenção '%1' da linha %2 não existe.").arg(d.motivoIsencao).arg(d.numero));
}

void checkArticleLine(sql::Connection& db, const CommercialLine& line, CommercialLineDraft& d) {
    const auto art = article(db, d.artigo);
    if (!art) refuse(QStringLiteral("O artigo '%1' da linha %2 não existe.").arg(d.artigo).arg(d.numero));
    if (!art->activo) refuse(QStringLiteral("O artigo '%1' da linha %2 está inactivo.").arg(art->codigo).arg(d.numero));
    d.artigo = art->codigo;
    if (!d.armazem.isEmpty() && !hasCode(db, QStringLiteral("ARMAZENS"), d.armazem))
        refuse(QStringLiteral("O armazém '%1' da linha %2 não existe.").arg(d.armazem).arg(d.numero));
    if (d.armazem.isEmpty() && art->movStock)
        refuse(QStringLiteral("A linha %1 movimenta stock e não indica o armazém.").arg(d.numero));
    if (d.quantidade < 0) refuse(QStringLiteral("A quantidade da linha %1 não pode ser negativa.").arg(d.numero));
    if (d.preco < 0) refuse(QStringLiteral("O preço da linha %1 não pode ser negativo.").arg(d.numero));
    if (d.taxaDesconto < 0 || d.taxaDesconto > 100)
        refuse(QStringLiteral("O desconto da linha %1 deve estar entre 0 e 100.").arg(d.numero));
    checkVat(db, line, *art, d);
}

CommercialLineDraft checkLine(sql::Connection& db, const CommercialLine& line, bool ivaIncluido) {
    CommercialLineDraft d;
    d.numero = numberOr(line.NumeroDaLinha(), 0);
    d.ordenacao = numberOr(line.Ordenacao(), d.numero);
    d.tipoLinha = numberOr(line.TipoDeLinha(), LinhaNormal);
    d.artigo = textOf(line.Artigo());
    d.armazem = textOf(line.Armazem());
    d.descricao = textOf(line.Descricao());
    if (d.descricao.size() > 250)  // named only when refused: most lines pass
        checkText(line.Descricao(), 250, QStringLiteral("Descricao da linha %1").arg(d.numero));
    d.quantidade = doubleOr(line.Quantidade(), 0);
    d.quantidadeOrigem = doubleOr(line.QuantidadeOrigem(), d.quantidade);
    d.preco = doubleOr(line.PrecoUnitario(), 0);
    d.precoIntroduzido = doubleOr(line.PrecoUnitarioIntroduzido(), d.preco);
    d.taxaDesconto = doubleOr(line.TaxaDesconto(), 0);
    d.motivoIsencao = textOf(line.MotivoIsencao());
    if (d.tipoLinha != LinhaNormal && d.tipoLinha != LinhaComentario)
        refuse(QStringLiteral("A linha %1 tem um tipo de linha (%2) desconhecido.").arg(d.numero).arg(d.tipoLinha));
    if (d.artigo.isEmpty() || d.tipoLinha == LinhaComentario) {
        if (d.quantidade * d.preco != 0)
            refuse(QStringLiteral("A linha %1 tem valor mas não indica o artigo.").arg(d.numero));
        d.tipoIva = numberOr(line.TipoIva(), 0);
        d.taxaIva = doubleOr(line.TaxaIva(), 0);
        return d;
    }
    checkArticleLine(db, line, d);
    d.valores = lineAmounts(d.quantidade, d.preco, d.taxaDesconto, d.taxaIva, ivaIncluido);
    return d;
}

}  // namespace

CommercialDraft checkCommercial(sql::Connection& db, const CommercialHeader& cab,
                                const std::vector<std::shared_ptr<CommercialLine>>& linhas, const Variant& origem) {
    const CataloguePin pin(db);
    CommercialDraft d;
    d.tipo = checkDocumentType(db, cab.TipoDocumento(), AreaComercial);
    d.serie = checkSeries(db, d.tipo, cab.Serie());
    d.sector = checkSector(db, cab.Sector());
    d.cliente = checkCustomer(db, cab.Terceiro());
    d.data = checkDate(cab.Data());
    d.ano = checkYear(cab.Ano(), d.data);
    d.moeda = checkCurrency(db, cab.Moeda());
    if (!cab.NossoNoDocumento().isEmpty()) {
        d.numero = numberOr(cab.NossoNoDocumento(), 0);
        if (*d.numero <= 0) refuse(QStringLiteral("O número do documento (%1) não é válido.").arg(*d.numero));
    }
    d.dataVencimento = optionalDate(cab.DataVencimento());
    d.dataCarga = optionalDate(cab.DataCarga());
    if (d.dataVencimento.isValid() && d.dataVencimento < d.data)
        refuse(QStringLiteral("A data de vencimento (%1) é anterior à data do documento (%2).")
                   .arg(formatDate(d.dataVencimento), formatDate(d.data)));
    d.horaCarga = textOf(cab.HoraCarga());
    if (!d.horaCarga.isEmpty() && !isTimeOfDay(d.horaCarga))
        refuse(QStringLiteral("A hora de carga '%1' não é válida.").arg(d.horaCarga));
    d.tipoPreco = numberOr(cab.TipoPreco(), 0);
    d.ivaIncluido = !cab.IvaIncluido().isEmpty() && cab.IvaIncluido().asBool();
    d.processo = checkText(cab.Processo(), 50, QStringLiteral("Processo"));
    d.vossoNoDocumento = checkText(cab.VossoNoDocumento(), 50, QStringLiteral("VossoNoDocumento"));
    d.origem = numberOr(origem, 0);
    if (linhas.empty()) refuse(QStringLiteral("O documento não tem linhas."));
    for (const auto& line : linhas) {
        d.linhas.push_back(checkLine(db, *line, d.ivaIncluido));
        d.totais.add(d.linhas.back().valores);
    }
    return d;
}

}  // namespace tvx::host_erp
