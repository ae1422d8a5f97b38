#include "support/fake_company_db.h"

#include "platform/ado/recordset.h"

#include <QRegularExpression>

namespace tvx::testing {

namespace {

using RecordsetRef = std::shared_ptr<ado::Recordset>;

QString semAspasDobradas(QString text) { return text.replace(QStringLiteral("''"), QStringLiteral("'")); }

// The quoted text right after `after` ("CODIGO=" in "CODIGO='X''1'"), unescaped.
QString citado(const QString& sql, const QString& after) {
    const auto m =
        QRegularExpression(QRegularExpression::escape(after) + QStringLiteral("'((?:[^']|'')*)'")).match(sql);
    return m.hasMatch() ? semAspasDobradas(m.captured(1)) : QString();
}

RecordsetRef recordsetDeTexto(const QString& campo, const QStringList& valores) {
    auto rs = std::make_shared<ado::Recordset>();
    rs->Fields().Append(campo, ado::adVarChar, 255);
    rs->Open();
    for (const QString& v : valores) {
        rs->AddNew();
        rs->setValue(campo, Variant(v));
        rs->Update();
    }
    return rs;
}

RecordsetRef cabecalhos(const std::vector<CabecalhoFactura>& facturas, const QRegularExpressionMatch& chave) {
    auto rs = std::make_shared<ado::Recordset>();
    for (const auto& [nome, tipo] : std::vector<std::pair<QString, int>>{{QStringLiteral("TPDOC"), ado::adVarChar},
                                                                         {QStringLiteral("NNUMDOC"), ado::adInteger},
                                                                         {QStringLiteral("Terceiro"), ado::adVarChar},
                                                                         {QStringLiteral("TOTDOC"), ado::adCurrency},
                                                                         {QStringLiteral("AREAG"), ado::adInteger},
                                                                         {QStringLiteral("TPOPER"), ado::adInteger},
                                                                         {QStringLiteral("NATCONTA"), ado::adInteger},
                                                                         {QStringLiteral("SINALCT"), ado::adInteger}})
        rs->Fields().Append(nome, tipo, 50);
    rs->Open();
    const QString tipo = semAspasDobradas(chave.captured(1));
    for (const CabecalhoFactura& f : facturas) {
        if (f.tipo != tipo || f.ano != chave.captured(2).toInt() || f.serie != chave.captured(3).toInt() ||
            f.numero != chave.captured(4).toInt())
            continue;
        rs->AddNew();
        rs->setValue(QStringLiteral("TPDOC"), Variant(f.tipo));
        rs->setValue(QStringLiteral("NNUMDOC"), Variant(f.numero));
        rs->setValue(QStringLiteral("Terceiro"), Variant(f.terceiro));
        rs->setValue(QStringLiteral("TOTDOC"), Variant(f.total));
        rs->setValue(QStringLiteral("AREAG"), Variant(std::int32_t(1)));
        rs->setValue(QStringLiteral("TPOPER"), Variant(std::int32_t(4)));
        rs->setValue(QStringLiteral("NATCONTA"), Variant(std::int32_t(f.sinalCt)));
        rs->setValue(QStringLiteral("SINALCT"), Variant(std::int32_t(f.sinalCt)));
        rs->Update();
    }
    return rs;
}

}  // namespace

void FakeCompanyDb::Consultar(const QString&, const QString& sSql, std::shared_ptr<ado::Recordset>& rs, int, int) {
    queries << sSql;
    if (falha && sSql.contains(falha->first)) throw falha->second;

    static const QRegularExpression docgccab(
        QStringLiteral(R"(TPDOC ='((?:[^']|'')*)'\) AND \(ANO=(-?\d+)\) AND \(SERIE=(-?\d+)\) AND \(NNUMDOC=(-?\d+))"));
    if (const auto chave = docgccab.match(sSql); chave.hasMatch()) {
        rs = cabecalhos(facturas, chave);
    } else if (sSql.contains(QStringLiteral("qrl_PARAMETROS"))) {
        rs = parametrosRecordset(parametros);
    } else if (sSql.contains(QStringLiteral("CLIENTES"))) {
        const QString codigo = citado(sSql, QStringLiteral("CODIGO="));
        rs = recordsetDeTexto(QStringLiteral("CODIGO"), clientes.count(codigo) ? QStringList{codigo} : QStringList{});
    } else if (sSql.contains(QStringLiteral("MOTIVO_ISENCAO_IVA"))) {
        const auto it = motivos.find(citado(sSql, QStringLiteral("CODIGO=")));
        rs = recordsetDeTexto(QStringLiteral("DESCRICAO"),
                              it == motivos.end() ? QStringList{} : QStringList{it->second});
    } else if (sSql.contains(QStringLiteral("VOSSONDOC"))) {
        // The recovery's search for an interrupted run's invoice: none was stored.
        rs = recordsetDeTexto(QStringLiteral("ID"), {});
    } else if (sSql.contains(QStringLiteral("MAX(ID)"))) {
        // The host's last receipt, for the in-flight record: none here.
        rs = std::make_shared<ado::Recordset>();
        rs->Fields().Append(QStringLiteral("ULTIMO"), ado::adInteger, 0);
        rs->Open();
        rs->AddNew();
        rs->setValue(0, Variant::null());
        rs->Update();
    } else {
        throw AutomationError(err::ProviderCommandError, QStringLiteral("Unexpected query: ") + sSql,
                              QStringLiteral("FakeCompanyDb"));
    }
    if (rs->RecordCount() > 0) rs->MoveFirst();
}

}  // namespace tvx::testing
