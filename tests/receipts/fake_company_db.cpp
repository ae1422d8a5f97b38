#include "receipts/fake_company_db.h"

#include "platform/ado/recordset.h"

#include <QRegularExpression>

namespace tvx::testing {

namespace {

using RecordsetRef = std::shared_ptr<ado::Recordset>;

RecordsetRef tabela(const std::vector<std::pair<QString, int>>& campos) {
    auto rs = std::make_shared<ado::Recordset>();
    for (const auto& [nome, tipo] : campos) rs->Fields().Append(nome, tipo, 50);
    rs->Open();
    return rs;
}

void linha(ado::Recordset& rs, const std::vector<std::pair<QString, Variant>>& valores) {
    rs.AddNew();
    for (const auto& [nome, valor] : valores) rs.setValue(nome, valor);
    rs.Update();
}

RecordsetRef cabecalhos(const std::vector<CabecalhoFactura>& facturas, const QRegularExpressionMatch& chave) {
    auto rs = tabela({{QStringLiteral("TPDOC"), ado::adVarChar},
                      {QStringLiteral("NNUMDOC"), ado::adInteger},
                      {QStringLiteral("Terceiro"), ado::adVarChar},
                      {QStringLiteral("TOTDOC"), ado::adCurrency},
                      {QStringLiteral("AREAG"), ado::adInteger},
                      {QStringLiteral("TPOPER"), ado::adInteger},
                      {QStringLiteral("NATCONTA"), ado::adInteger},
                      {QStringLiteral("SINALCT"), ado::adInteger}});
    const QString tipo = chave.captured(1).replace(QStringLiteral("''"), QStringLiteral("'"));
    for (const CabecalhoFactura& f : facturas) {
        if (f.tipo != tipo || f.ano != chave.captured(2).toInt() || f.serie != chave.captured(3).toInt() ||
            f.numero != chave.captured(4).toInt())
            continue;
        linha(*rs, {{QStringLiteral("TPDOC"), Variant(f.tipo)},
                    {QStringLiteral("NNUMDOC"), Variant(f.numero)},
                    {QStringLiteral("Terceiro"), Variant(f.terceiro)},
                    {QStringLiteral("TOTDOC"), Variant(f.total)},
                    {QStringLiteral("AREAG"), Variant(std::int32_t(1))},
                    {QStringLiteral("TPOPER"), Variant(std::int32_t(4))},
                    {QStringLiteral("NATCONTA"), Variant(std::int32_t(f.sinalCt))},
                    {QStringLiteral("SINALCT"), Variant(std::int32_t(f.sinalCt))}});
    }
    if (rs->RecordCount() > 0) rs->MoveFirst();
    return rs;
}

}  // namespace

FakeCompanyDb::FakeCompanyDb() {
    parametros = {
        {QStringLiteral("BDNOME"), Variant("C:\\Agencia\\agencia.accdb")},
        {QStringLiteral("RECTIPODOCUM"), Variant("RE")},
        {QStringLiteral("RECSERIE"), Variant(std::int32_t(1))},
        {QStringLiteral("RECSECTOR"), Variant("1")},
        {QStringLiteral("RPCTIPODOCUM"), Variant("RA")},
        {QStringLiteral("RPCSERIE"), Variant(std::int32_t(2))},
        {QStringLiteral("RPCSECTOR"), Variant("2")},
    };
}

void FakeCompanyDb::Consultar(const QString&, const QString& sSql, std::shared_ptr<ado::Recordset>& rs, int, int) {
    queries << sSql;
    if (falha && sSql.contains(falha->first)) throw falha->second;

    static const QRegularExpression docgccab(
        QStringLiteral(R"(TPDOC ='((?:[^']|'')*)'\) AND \(ANO=(-?\d+)\) AND \(SERIE=(-?\d+)\) AND \(NNUMDOC=(-?\d+))"));
    static const QRegularExpression cliente(QStringLiteral(R"(CODIGO='((?:[^']|'')*)'\))"));
    if (const auto m = docgccab.match(sSql); m.hasMatch()) {
        rs = cabecalhos(facturas, m);
    } else if (const auto c = cliente.match(sSql); c.hasMatch()) {
        rs = tabela({{QStringLiteral("CODIGO"), ado::adVarChar}});
        if (clientes.contains(c.captured(1).replace(QStringLiteral("''"), QStringLiteral("'"))))
            linha(*rs, {{QStringLiteral("CODIGO"), Variant(c.captured(1))}});
    } else if (sSql.contains(QStringLiteral("qrl_PARAMETROS"))) {
        std::vector<std::pair<QString, int>> campos;
        std::vector<std::pair<QString, Variant>> valores;
        for (const auto& [nome, valor] : parametros) {
            campos.emplace_back(nome, valor.type() == VarType::String ? ado::adVarChar : ado::adInteger);
            valores.emplace_back(nome, valor);
        }
        rs = tabela(campos);
        linha(*rs, valores);
    } else if (sSql.contains(QStringLiteral("MAX(ID)"))) {
        // The host's last receipt, for the in-flight record: none here.
        rs = tabela({{QStringLiteral("ULTIMO"), ado::adInteger}});
        linha(*rs, {{QStringLiteral("ULTIMO"), Variant::null()}});
    } else {
        throw AutomationError(err::ProviderCommandError, QStringLiteral("Unexpected query: ") + sSql);
    }
    if (rs->RecordCount() > 0) rs->MoveFirst();
}

}  // namespace tvx::testing
