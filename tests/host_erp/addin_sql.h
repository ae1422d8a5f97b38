#pragma once
// The SQL texts the add-in sends to the company database, as it builds them.
#include <QString>
#include <QStringList>

namespace tvx::host_erp::testing {

inline QString crlfLines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) text += line + QStringLiteral("\r\n");
    return text;
}

inline QString parametersExistenceTest() {
    return QStringLiteral(
               "SELECT * FROM sys.objects WHERE object_id = OBJECT_ID(N'[dbo].[qrl_PARAMETROS]') AND type in (N'U')") +
           QStringLiteral("\r\n");
}

inline QString parametersCreateTable() {
    return crlfLines({
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
    });
}

inline QString parametersRead() { return QStringLiteral("SELECT TOP(1) * FROM qrl_PARAMETROS \r\n"); }

// A parameters row as the configuration editor would add it.
inline QString parametersInsert(const QString& bdNome = QStringLiteral("C:\\agencia\\vendas.mdb")) {
    return QStringLiteral(
               "INSERT INTO qrl_PARAMETROS (FATTIPODOCUM, FATSECTOR, FATSERIE, FATFINALIZA, ARMAZEM, ARTIGOFARE, "
               "ARTIGOTAXAS, ARTIGOSERVICEFEE, ARTIGOISENCAOIVA, BDNOME, BDUSER, BDPASSW, RECTIPODOCUM, RECSECTOR, "
               "RECSERIE, RPCTIPODOCUM, RPCSECTOR, RPCSERIE) VALUES (N'FT', N'1', 1, 0, N'A1', N'FARE', N'TAXAS', "
               "N'FEE', N'M99', N'%1', N'', N'', N'RE', N'1', 1, N'RA', N'1', 1)")
        .arg(QString(bdNome).replace(u'\'', QStringLiteral("''")));
}

}  // namespace tvx::host_erp::testing
