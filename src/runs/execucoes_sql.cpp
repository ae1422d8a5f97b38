#include "runs/execucoes_sql.h"

#include "platform/sql/sql_quote.h"
#include "runs/process_identity.h"

namespace tvx::execucoes_sql {

namespace {

QString coluna(Coluna c) {
    return c == Coluna::Factura ? QStringLiteral("FACTURA_PENDENTE") : QStringLiteral("RECIBO_PENDENTE");
}

// The row while `p` holds it.
QString daLinhaDe(const ProcessIdentity& p) {
    return QStringLiteral("WHERE RECURSO = N'EMPRESA' AND ESTACAO = %1 AND PROCESSO = %2 AND ARRANQUE = %3")
        .arg(sql::sqlNQuoted(p.estacao), QString::number(p.pid), QString::number(p.arranque));
}

}  // namespace

QString existeQuery() {
    return QStringLiteral(
        "SELECT * FROM sys.objects WHERE object_id = OBJECT_ID(N'[dbo].[qrl_EXECUCOES]') AND type in (N'U')");
}

QString createStatement() {
    return QStringLiteral(
        "CREATE TABLE [qrl_EXECUCOES] (\r\n"
        "    [RECURSO]           [nvarchar](20)   NOT NULL,\r\n"
        "    [ESTACAO]           [nvarchar](100)  NOT NULL,\r\n"
        "    [PROCESSO]          [bigint]         NOT NULL,\r\n"
        "    [ARRANQUE]          [bigint]         NOT NULL,\r\n"
        "    [OPERACAO]          [int]            NOT NULL,\r\n"
        "    [INICIO]            [nvarchar](25)   NOT NULL,\r\n"
        "    [BATIMENTO]         [nvarchar](25)   NOT NULL,\r\n"
        "    [FACTURA_PENDENTE]  [nvarchar](max)  NOT NULL,\r\n"
        "    [RECIBO_PENDENTE]   [nvarchar](max)  NOT NULL,\r\n"
        " CONSTRAINT [PK_qrl_EXECUCOES] PRIMARY KEY CLUSTERED ([RECURSO] ASC) ON [PRIMARY]\r\n"
        ") ON [PRIMARY]\r\n");
}

QString linhaQuery() {
    return QStringLiteral(
        "SELECT ESTACAO, PROCESSO, ARRANQUE, OPERACAO, INICIO, BATIMENTO, FACTURA_PENDENTE, RECIBO_PENDENTE "
        "FROM qrl_EXECUCOES WHERE RECURSO = N'EMPRESA'");
}

QString linhaInsert() {
    return QStringLiteral(
        "INSERT INTO qrl_EXECUCOES (RECURSO, ESTACAO, PROCESSO, ARRANQUE, OPERACAO, INICIO, BATIMENTO, "
        "FACTURA_PENDENTE, RECIBO_PENDENTE) VALUES (N'EMPRESA', N'', 0, 0, 0, N'', N'', N'', N'')");
}

QString tomar(const ProcessIdentity& eu, std::int32_t operacao, const QString& agora, const ProcessIdentity& visto,
              const QString& batimentoVisto) {
    return QStringLiteral(
               "UPDATE qrl_EXECUCOES SET ESTACAO = %1, PROCESSO = %2, ARRANQUE = %3, OPERACAO = %4, "
               "INICIO = %5, BATIMENTO = %5 %6 AND BATIMENTO = %7")
        .arg(sql::sqlNQuoted(eu.estacao), QString::number(eu.pid), QString::number(eu.arranque),
             QString::number(operacao), sql::sqlNQuoted(agora), daLinhaDe(visto), sql::sqlNQuoted(batimentoVisto));
}

QString registar(const ProcessIdentity& eu, Coluna c) {
    return QStringLiteral("UPDATE qrl_EXECUCOES SET %1 = ?, BATIMENTO = ? %2").arg(coluna(c), daLinhaDe(eu));
}

QString batimento(const ProcessIdentity& eu, const QString& agora) {
    return QStringLiteral("UPDATE qrl_EXECUCOES SET BATIMENTO = %1 %2").arg(sql::sqlNQuoted(agora), daLinhaDe(eu));
}

QString recontar(const ProcessIdentity& visto, const QString& batimentoVisto, const QString& agora) {
    return QStringLiteral("UPDATE qrl_EXECUCOES SET BATIMENTO = %1 %2 AND BATIMENTO = %3")
        .arg(sql::sqlNQuoted(agora), daLinhaDe(visto), sql::sqlNQuoted(batimentoVisto));
}

QString libertar(const ProcessIdentity& eu, Coluna c, bool limpar) {
    const QString limpeza = limpar ? QStringLiteral(", %1 = N''").arg(coluna(c)) : QString();
    return QStringLiteral(
               "UPDATE qrl_EXECUCOES SET ESTACAO = N'', PROCESSO = 0, ARRANQUE = 0, OPERACAO = 0, "
               "INICIO = N'', BATIMENTO = N''%1 %2")
        .arg(limpeza, daLinhaDe(eu));
}

}  // namespace tvx::execucoes_sql
