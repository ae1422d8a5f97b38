#include "host_erp/financial_store.h"

#include "host_erp/document_rows.h"
#include "host_erp/sql_literals.h"
#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "platform/sql/connection.h"

namespace tvx::host_erp {

namespace {

const QString kHeaders = QStringLiteral("DOCFINCAB");
const QString kLines = QStringLiteral("DOCFINLIN");

constexpr MemberColumn kHeaderMap[] = {
    {"TipoDocumento", "TPDOC", MemberKind::Text},
    {"Serie", "SERIE", MemberKind::Integer},
    {"Sector", "SECTOR", MemberKind::Text},
    {"ValorRegularizado", "VALORREG", MemberKind::Money},
    {"Data", "DATA", MemberKind::Date},
    {"Ano", "ANO", MemberKind::Integer},
    {"Moeda", "MOEDA", MemberKind::Text},
    {"TipoTerceiro", "TIPOTERC", MemberKind::Integer},
    {"Terceiro", "Terceiro", MemberKind::Text},
    {"ModoDePagamento", "MODOPAG", MemberKind::Text},
    {"bancoEmpresa", "BANCOEMP", MemberKind::Text},
    {"AgenciaEmpresa", "AGENCIAEMP", MemberKind::Text},
    {"ContaBncEmpresa", "CONTABNCEMP", MemberKind::Text},
    {"banco", "BANCO", MemberKind::Text},
    {"CarteiraOrigem", "CARTORIGEM", MemberKind::Integer},
    {"CarteiraDestino", "CARTDESTINO", MemberKind::Integer},
    {"LigacaoCtb", "LIGACAOCTB", MemberKind::Boolean},
    {"RegimeIva", "REGIMEIVA", MemberKind::Text},
    {"NumeroDocumento", "NNUMDOC", MemberKind::Long},
};

constexpr MemberColumn kLineMap[] = {
    {"TipoDocumentoLiq", "TPDOCLIQ", MemberKind::Text},    {"NumeroDocumentoLiq", "NNUMDOCLIQ", MemberKind::Long},
    {"SerieDoLiquidado", "SERIELIQ", MemberKind::Integer}, {"Anol", "ANOLIQ", MemberKind::Integer},
    {"ValorPago", "VALORPAGO", MemberKind::Money},
};

void writeHeader(ado::Recordset& rs, const FinancialDraft& d, std::int32_t numero, const QString& utilizador,
                 const QDateTime& now) {
    setColumns(rs, {{"TPDOC", d.tipo.codigo},
                    {"ANO", d.ano},
                    {"SERIE", d.serie},
                    {"NNUMDOC", numero},
                    {"SECTOR", d.sector},
                    {"DATA", Variant::fromDate(d.data)},
                    {"MOEDA", d.moeda},
                    {"TIPOTERC", std::int16_t(d.tipoTerceiro)},
                    {"Terceiro", d.cliente.codigo},
                    {"MODOPAG", d.modoPagamento},
                    {"BANCOEMP", d.bancoEmpresa},
                    {"AGENCIAEMP", d.agenciaEmpresa},
                    {"CONTABNCEMP", d.contaBncEmpresa},
                    {"BANCO", d.banco},
                    {"CARTORIGEM", std::int16_t(d.carteiraOrigem)},
                    {"CARTDESTINO", std::int16_t(d.carteiraDestino)},
                    {"LIGACAOCTB", d.ligacaoCtb},
                    {"REGIMEIVA", d.regimeIva},
                    {"VALORREG", d.valorRegularizado},
                    {"TOTDOC", d.total},
                    {"AREAG", std::int16_t(d.tipo.areag)},
                    {"TPOPER", std::int16_t(d.tipo.tpoper)},
                    {"NATCONTA", std::int16_t(d.tipo.natconta)},
                    {"SINALCT", std::int16_t(d.tipo.sinalct)},
                    {"UTILIZADOR", utilizador},
                    {"DATACRIACAO", Variant::fromDateTime(now)}});
}

}  // namespace

qint64 insertFinancial(sql::Connection& db, const FinancialDraft& d, std::int32_t numero, const QString& utilizador,
                       const QDateTime& now) {
    return idOf(*insertWithLines(
        db, kHeaders, kLines, [&](ado::Recordset& rs) { writeHeader(rs, d, numero, utilizador, now); }, d.linhas.size(),
        [&](NewLine& rs, qint64 id, std::size_t i) {
            const Settlement& s = d.linhas[i];
            setColumns(rs, {{"IDCAB", std::int32_t(id)},
                            {"NUMLINHA", std::int32_t(i + 1)},
                            {"TPDOCLIQ", s.documento.key.tipo},
                            {"NNUMDOCLIQ", s.documento.key.numero},
                            {"SERIELIQ", s.documento.key.serie},
                            {"ANOLIQ", s.documento.key.ano},
                            {"VALORPAGO", s.valorPago}});
        }));
}

qint64 findFinancial(sql::Connection& db, const DocumentKey& key) {
    return firstId(db, kHeaders, sqlKeyCondition(key));
}

StoredFinancial loadFinancial(sql::Connection& db, qint64 id, FinancialHeader& cab) {
    const RowSet header = rowById(db, kHeaders, id);
    cab.members().clear();
    readMembers(*header, kHeaderMap, cab.members());
    StoredFinancial stored;
    stored.id = id;
    stored.key = {CStr(cab.TipoDocumento()), CLng(cab.NumeroDocumento()), CInt(cab.Serie()), CInt(cab.Ano())};
    stored.linhas = readLines<FinancialLine>(db, kLines, id, kLineMap);
    return stored;
}

void deleteFinancial(sql::Connection& db, qint64 id) { deleteWithLines(db, kHeaders, kLines, id); }

}  // namespace tvx::host_erp
