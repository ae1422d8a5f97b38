#include "host_erp/commercial_store.h"

#include "host_erp/document_rows.h"
#include "host_erp/sql_literals.h"
#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "platform/sql/connection.h"

namespace tvx::host_erp {

namespace {

const QString kHeaders = QStringLiteral("DOCGCCAB");
const QString kLines = QStringLiteral("DOCGCLIN");

constexpr MemberColumn kHeaderMap[] = {
    {"TipoDocumento", "TPDOC", MemberKind::Text},
    {"Sector", "SECTOR", MemberKind::Text},
    {"Serie", "SERIE", MemberKind::Integer},
    {"Terceiro", "Terceiro", MemberKind::Text},
    {"TipoPreco", "TIPOPRECO", MemberKind::Integer},
    {"Data", "DATA", MemberKind::Date},
    {"NossoNoDocumento", "NNUMDOC", MemberKind::Long},
    {"Moeda", "MOEDA", MemberKind::Text},
    {"IvaIncluido", "IVAINCL", MemberKind::Boolean},
    {"DataVencimento", "DATAVENC", MemberKind::Date},
    {"DataCarga", "DATACARGA", MemberKind::Date},
    {"HoraCarga", "HORACARGA", MemberKind::Text},
    {"Processo", "PROCESSO", MemberKind::Text},
    {"VossoNoDocumento", "VOSSONDOC", MemberKind::Text},
    {"Ano", "ANO", MemberKind::Integer},
};

constexpr MemberColumn kLineMap[] = {
    {"NumeroDaLinha", "NUMLINHA", MemberKind::Long},    {"Ordenacao", "ORDENACAO", MemberKind::Long},
    {"TipoDeLinha", "TIPOLINHA", MemberKind::Integer},  {"Artigo", "ARTIGO", MemberKind::Text},
    {"Armazem", "ARMAZEM", MemberKind::Text},           {"Descricao", "DESCRICAO", MemberKind::Text},
    {"Quantidade", "QUANTIDADE", MemberKind::Double},   {"QuantidadeOrigem", "QTDORIGEM", MemberKind::Double},
    {"PrecoUnitario", "PRECOUNIT", MemberKind::Double}, {"PrecoUnitarioIntroduzido", "PRECOINTROD", MemberKind::Double},
    {"TaxaDesconto", "TAXADESC", MemberKind::Double},   {"TipoIva", "TIPOIVA", MemberKind::Integer},
    {"TaxaIva", "TAXAIVA", MemberKind::Double},         {"MotivoIsencao", "MOTISENCAO", MemberKind::Text},
};

Variant dateOrNull(const QDate& d) { return d.isValid() ? Variant::fromDate(d) : Variant::null(); }

void writeHeader(ado::Recordset& rs, const CommercialDraft& d, std::int32_t numero, const QString& utilizador,
                 const QDateTime& now) {
    setColumns(rs, {{"TPDOC", d.tipo.codigo},
                    {"ANO", d.ano},
                    {"SERIE", d.serie},
                    {"NNUMDOC", numero},
                    {"EMPREPARACAO", true},
                    {"SECTOR", d.sector},
                    {"Terceiro", d.cliente.codigo},
                    {"NOME", d.cliente.nome},
                    {"NCONTRIB", d.cliente.ncontrib},
                    {"DATA", Variant::fromDate(d.data)},
                    {"DATAVENC", dateOrNull(d.dataVencimento)},
                    {"DATACARGA", dateOrNull(d.dataCarga)},
                    {"HORACARGA", d.horaCarga},
                    {"TIPOPRECO", std::int16_t(d.tipoPreco)},
                    {"MOEDA", d.moeda},
                    {"IVAINCL", d.ivaIncluido},
                    {"PROCESSO", d.processo},
                    {"VOSSONDOC", d.vossoNoDocumento},
                    {"ORIGEM", std::int16_t(d.origem)},
                    {"TOTMERC", d.totais.mercadoria},
                    {"TOTDESC", d.totais.desconto},
                    {"TOTIVA", d.totais.iva},
                    {"TOTDOC", d.totais.total},
                    {"VALORPAGO", Currency()},
                    {"AREAG", std::int16_t(d.tipo.areag)},
                    {"TPOPER", std::int16_t(d.tipo.tpoper)},
                    {"NATCONTA", std::int16_t(d.tipo.natconta)},
                    {"SINALCT", std::int16_t(d.tipo.sinalct)},
                    {"UTILIZADOR", utilizador},
                    {"DATACRIACAO", Variant::fromDateTime(now)}});
}

void writeLine(NewLine& rs, qint64 idCab, const CommercialLineDraft& l) {
    setColumns(rs, {{"IDCAB", std::int32_t(idCab)},
                    {"NUMLINHA", l.numero},
                    {"ORDENACAO", l.ordenacao},
                    {"TIPOLINHA", std::int16_t(l.tipoLinha)},
                    {"ARTIGO", l.artigo},
                    {"ARMAZEM", l.armazem},
                    {"DESCRICAO", l.descricao},
                    {"QUANTIDADE", l.quantidade},
                    {"QTDORIGEM", l.quantidadeOrigem},
                    {"PRECOUNIT", l.preco},
                    {"PRECOINTROD", l.precoIntroduzido},
                    {"TAXADESC", l.taxaDesconto},
                    {"TIPOIVA", std::int16_t(l.tipoIva)},
                    {"TAXAIVA", l.taxaIva},
                    {"MOTISENCAO", l.motivoIsencao},
                    {"VALORLIQ", l.valores.liquido},
                    {"VALORIVA", l.valores.iva},
                    {"TOTAL", l.valores.total}});
}

}  // namespace

RowSet insertCommercial(sql::Connection& db, const CommercialDraft& d, std::int32_t numero, const QString& utilizador,
                        const QDateTime& now) {
    return insertWithLines(
        db, kHeaders, kLines, [&](ado::Recordset& rs) { writeHeader(rs, d, numero, utilizador, now); }, d.linhas.size(),
        [&](NewLine& rs, qint64 id, std::size_t i) { writeLine(rs, id, d.linhas[i]); });
}

qint64 findCommercial(sql::Connection& db, const DocumentKey& key, bool emPreparacao) {
    return firstId(
        db, kHeaders,
        sqlKeyCondition(key) && SqlCondition{QStringLiteral("EMPREPARACAO = ?"), {Variant(emPreparacao ? 1 : 0)}});
}

StoredCommercial readCommercialHeader(const ado::Recordset& header, CommercialHeader& cab) {
    cab.members().clear();
    readMembers(header, kHeaderMap, cab.members());
    StoredCommercial stored;
    stored.id = idOf(header);
    stored.emPreparacao = CBool(header.value(QStringLiteral("EMPREPARACAO")));
    stored.key = {CStr(cab.TipoDocumento()), CLng(cab.NossoNoDocumento()), CInt(cab.Serie()), CInt(cab.Ano())};
    stored.total = CCur(header.value(QStringLiteral("TOTDOC")));
    stored.valorPago = CCur(header.value(QStringLiteral("VALORPAGO")));
    stored.origem = header.value(QStringLiteral("ORIGEM"));
    return stored;
}

StoredCommercial loadCommercialHeader(sql::Connection& db, qint64 id, CommercialHeader& cab) {
    return readCommercialHeader(*rowById(db, kHeaders, id), cab);
}

StoredCommercial loadCommercial(sql::Connection& db, qint64 id, CommercialHeader& cab) {
    StoredCommercial stored = loadCommercialHeader(db, id, cab);
    stored.linhas = readLines<CommercialLine>(db, kLines, id, kLineMap);
    return stored;
}

void markFinal(sql::Connection& db, qint64 id, std::int32_t numero, const QString& assinatura, const QDateTime& now) {
    RowSet header = rowById(db, kHeaders, id);
    setColumns(*header, {{"NNUMDOC", numero},
                         {"EMPREPARACAO", false},
                         {"ASSINATURA", assinatura},
                         {"DATAFINAL", Variant::fromDateTime(now)}});
    header->Update();
    db.WriteBack(*header);
}

void deleteCommercial(sql::Connection& db, qint64 id) { deleteWithLines(db, kHeaders, kLines, id); }

}  // namespace tvx::host_erp
