#include "settings/dal_comandos_sql.h"

#include "platform/sql/sql_quote.h"

#include <QStringList>

namespace tvx::comandos_sql {

QString parametrosExisteQuery() {
    return QStringLiteral(
               "SELECT * FROM sys.objects WHERE object_id = OBJECT_ID(N'[dbo].[qrl_PARAMETROS]') AND type in (N'U')") +
           CrLf;
}

QString parametrosCreateStatement() {
    static const QStringList lines = {
        QStringLiteral("CREATE TABLE [qrl_PARAMETROS]"),
        QStringLiteral(" (   "),
        QStringLiteral("    [ID]                     [int] IDENTITY(1,1) NOT NULL, "),
        QStringLiteral("    [FATTIPODOCUM]           [nvarchar](3)       NOT NULL, "),
        QStringLiteral("    [FATSECTOR]              [nvarchar](3)       NOT NULL, "),
        QStringLiteral("    [FATSERIE]               [int]               NOT NULL, "),
        QStringLiteral("    [FATFINALIZA]            [int]               NOT NULL, "),
        QStringLiteral("    [ARMAZEM]                [nvarchar](6)       NOT NULL, "),
        QStringLiteral("    [ARTIGOFARE]             [nvarchar](15)      NOT NULL, "),
        QStringLiteral("    [ARTIGOTAXAS]            [nvarchar](15)      NOT NULL, "),
        QStringLiteral("    [ARTIGOSERVICEFEE]       [nvarchar](15)      NOT NULL, "),
        QStringLiteral("    [ARTIGOISENCAOIVA]       [nvarchar](3)       NOT NULL, "),
        QStringLiteral("    [BDNOME]                 [nvarchar](1000)    NOT NULL, "),
        QStringLiteral("    [BDUSER]                 [nvarchar](255)     NOT NULL, "),
        QStringLiteral("    [BDPASSW]                [nvarchar](255)     NOT NULL, "),
        QStringLiteral("    [RECTIPODOCUM]           [nvarchar](3)       NOT NULL, "),
        QStringLiteral("    [RECSECTOR]              [nvarchar](3)       NOT NULL, "),
        QStringLiteral("    [RECSERIE]               [int]               NOT NULL, "),
        QStringLiteral("    [RPCTIPODOCUM]           [nvarchar](3)       NOT NULL, "),
        QStringLiteral("    [RPCSECTOR]              [nvarchar](3)       NOT NULL, "),
        QStringLiteral("    [RPCSERIE]               [int]               NOT NULL, "),
        QStringLiteral("    [RECEBMODPAG]           [nvarchar](3)            NULL, "),
        QStringLiteral(" CONSTRAINT [PK_qrl_PARAMETROS] PRIMARY KEY CLUSTERED "),
        QStringLiteral("     ( "),
        QStringLiteral("         [ID] Asc "),
        QStringLiteral("     )WITH (PAD_INDEX  = OFF, STATISTICS_NORECOMPUTE  = OFF, IGNORE_DUP_KEY = OFF, "
                       "ALLOW_ROW_LOCKS  = ON, ALLOW_PAGE_LOCKS  = ON) ON [PRIMARY] "),
        QStringLiteral(" ) ON [PRIMARY] "),
    };
    QString statement;
    for (const QString& line : lines) statement += line + CrLf;
    return statement;
}

QString parametrosGetQuery() { return QStringLiteral("SELECT TOP(1) * FROM qrl_PARAMETROS ") + CrLf; }

QString listQuery(const QString& select, const QString& from, const QString& where, const QString& orderBy) {
    QString text = select + from;
    if (!where.isEmpty()) text += QStringLiteral("WHERE   ") + where;
    if (!orderBy.isEmpty()) text += QStringLiteral("ORDER BY   ") + orderBy;
    return text;
}

QString clienteByCodQuery(const QString& codigo) {
    return QStringLiteral("SELECT       *  ") + CrLf + QStringLiteral("FROM         CLIENTES ") + CrLf +
           QStringLiteral("WHERE        (CODIGO='") + sql::sqlEscape(codigo) + QStringLiteral("') ") + CrLf;
}

QString docGcCabByKeyQuery(const QString& tipoDoc, std::int32_t numero, std::int16_t ano, std::int16_t serie) {
    return QStringLiteral("SELECT     * FROM DOCGCCAB WHERE (TPDOC ='") + sql::sqlEscape(tipoDoc) +
           QStringLiteral("') AND (ANO=") + QString::number(ano) + QStringLiteral(") AND (SERIE=") +
           QString::number(serie) + QStringLiteral(") AND (NNUMDOC=") + QString::number(numero) +
           QStringLiteral(" )  ") + CrLf;
}

}  // namespace tvx::comandos_sql
