#include "support/fake_dal_ligacao.h"

#include "platform/ado/recordset.h"

namespace tvx::testing {

bool FakeDalLigacao::Abrir(const QString& s) {
    log(QStringLiteral("Abrir(") + s + u')');
    return host.abrirAnswer;
}

void FakeDalLigacao::Fechar() {
    log(QStringLiteral("Fechar"));
    closed_ = true;
}

void FakeDalLigacao::Consultar(const QString&, const QString& sql, std::shared_ptr<ado::Recordset>& rs, int, int) {
    log(QStringLiteral("Consultar(") + sql.trimmed() + u')');
    failIfClosed();
    failIf(host.consultarError);
    if (sql.contains(QStringLiteral("qrl_EXECUCOES"))) {
        rs = execucoes(sql.contains(QStringLiteral("sys.objects")));
        return;
    }
    if (!sql.contains(QStringLiteral("sys.objects"))) {
        rs = parametrosRecordset(host.parametros);
        return;
    }
    rs = std::make_shared<ado::Recordset>();
    rs->Fields().Append(QStringLiteral("name"), ado::adVarWChar, 128);
    rs->Open();
    if (host.tableExists) {
        rs->AddNew();
        rs->setValue(0, Variant(QStringLiteral("qrl_PARAMETROS")));
        rs->Update();
        rs->MoveFirst();
    }
}

std::int16_t FakeDalLigacao::Executar(const QString&, const QString& sql) {
    log(QStringLiteral("Executar(") + sql.section(QStringLiteral("\r\n"), 0, 0) + u')');
    failIfClosed();
    failIf(host.executarError);
    // The runs' lock row: every change of it takes.
    if (sql.startsWith(QStringLiteral("UPDATE qrl_EXECUCOES"))) return 1;
    host.tableExists = true;
    return 0;
}

std::shared_ptr<ado::Recordset> FakeDalLigacao::execucoes(bool existencia) {
    auto rs = std::make_shared<ado::Recordset>();
    const QStringList campos = existencia
                                   ? QStringList{QStringLiteral("name")}
                                   : QStringList{QStringLiteral("ESTACAO"),          QStringLiteral("PROCESSO"),
                                                 QStringLiteral("ARRANQUE"),         QStringLiteral("OPERACAO"),
                                                 QStringLiteral("INICIO"),           QStringLiteral("BATIMENTO"),
                                                 QStringLiteral("FACTURA_PENDENTE"), QStringLiteral("RECIBO_PENDENTE")};
    for (const QString& c : campos) rs->Fields().Append(c, ado::adVarWChar, 200);
    rs->Open();
    rs->AddNew();
    for (const QString& c : campos)
        rs->setValue(c, c == u"PROCESSO" || c == u"ARRANQUE" ? Variant(QStringLiteral("0")) : Variant(QString()));
    rs->Update();
    rs->MoveFirst();
    return rs;
}

void FakeDalLigacao::failIfClosed() const {
    if (closed_) err::raise(err::ObjectClosed, QStringLiteral("DalLigacao"));
}

}  // namespace tvx::testing
