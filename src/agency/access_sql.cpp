#include "agency/access_sql.h"

#include "platform/sql/sql_quote.h"

namespace tvx::access_sql {

namespace {

// Both ticket statements take only these services and payments.
const QString ServicoFaturavel = QStringLiteral("([Serviço]='EMI' OR [Serviço]='REM' OR [Serviço]='EMD')");
const QString PagamentoFaturavel = QStringLiteral("([Pagamento] IN ('CAS','CCR','NCC'))");

}  // namespace

QString connectionString(const QString& sDataSource) {
    return QStringLiteral("Provider=Microsoft.ACE.OLEDB.12.0;Data Source='") + sql::sqlEscape(sDataSource) +
           QStringLiteral("';Persist Security Info=False;");
}

QString codigoDiaSemana(const QDate& date) {
    // dayOfWeek counts Monday as 1 and Sunday as 7; the codes start on Sunday.
    static const QString codes[] = {QStringLiteral("DOM"), QStringLiteral("SEG"), QStringLiteral("TER"),
                                    QStringLiteral("QUA"), QStringLiteral("QUI"), QStringLiteral("SEX"),
                                    QStringLiteral("SAB")};
    return codes[date.dayOfWeek() % 7];
}

QString selectTktIssued(const QString& codigoDia) {
    return QStringLiteral(
               "SELECT    [TKT Issued].[ID] "
               "         ,[Account] "
               "         ,[Codigo Companhia Aerea] "
               "         ,[Numero do Bilhete] "
               "         ,[Nome Passageiro] "
               "         ,[Destino] "
               "         ,[Date_Out] AS Partida "
               "         ,[Date_In]  AS Chegada "
               "         ,[Fare]  "
               "         ,[Tarifas Privadas]  "
               "         ,[Taxas]  "
               "         ,[Fees]  "
               "         ,[Factura]"
               "         ,[Ref_Faturacao]"
               "         ,[Pagamento]"
               "         ,[Desconto]"
               "FROM     [TKT Issued] LEFT OUTER JOIN [faturacao] ON [faturacao].[ID]=[TKT Issued].[Periodo_Fact]"
               "WHERE    ") +
           ServicoFaturavel + QStringLiteral("  AND ([Factura] IS NULL) AND ") + PagamentoFaturavel +
           QStringLiteral(
               " AND "
               "         (([faturacao].[tipo]='DIA') OR ([faturacao].[tipo]='") +
           codigoDia +
           QStringLiteral(
               "') ) "
               "ORDER BY [Ref_Faturacao], [Account] ");
}

QString selectExtratosBancos() {
    return QStringLiteral(
        "SELECT    Transferencias.ID "
        "         ,Transferencias.Cliente "
        "         ,Transferencias.Banco "
        "         ,Bancos.Conta "
        "         ,Bancos.Banco "
        "         ,Bancos.Codigo "
        "         ,[Dados dos clientes].Account "
        "         ,[Dados dos clientes].Agency "
        "         ,Transferencias.Data "
        "         ,Transferencias.Valor "
        "         ,Transferencias.Descritivo "
        "         ,Transferencias.Fatura "
        "         ,Transferencias.estado_importado "
        "FROM     Bancos "
        "             INNER JOIN ( [Dados dos clientes] "
        "                             INNER JOIN Transferencias "
        "                                 ON [Dados dos clientes].ID = Transferencias.Cliente "
        "                         ) "
        "                     ON Bancos.ID = Transferencias.Banco "
        "WHERE    (((Transferencias.Cliente) Is Not Null) AND "
        "          ((Transferencias.Banco) Is Not Null) AND "
        "          (([Dados dos clientes].Account)<>'') AND "
        "          ((Transferencias.Valor)>0) AND "
        "          (((Transferencias.estado_importado) Is Null ) OR ((Transferencias.estado_importado) ='' )) "
        "          ) "
        "ORDER BY  Transferencias.Data ");
}

QString updateTktIssued(std::int32_t id, const QString& sFactura) {
    return QStringLiteral("UPDATE   [TKT Issued] SET      [Factura] = '") + sql::sqlEscape(sFactura) +
           QStringLiteral("' WHERE    ([ID]=") + QString::number(id) + QStringLiteral(") ");
}

QString updateMovBancarioComRecibo(std::int32_t id, const QString& sRecibo) {
    return QStringLiteral("UPDATE   [Transferencias] SET      [estado_importado] = '") + sql::sqlEscape(sRecibo) +
           QStringLiteral("' WHERE    ([Transferencias.ID]=") + QString::number(id) + QStringLiteral(") ");
}

QString updateTktIssuedFacturaFinalizada(const QString& sRefFact, const QString& sCliente, const QString& sFactura) {
    return QStringLiteral("UPDATE   [TKT Issued] SET      [Factura] = '") + sql::sqlEscape(sFactura) +
           QStringLiteral("' WHERE    ") + ServicoFaturavel + QStringLiteral(" AND ") + PagamentoFaturavel +
           QStringLiteral(" AND          ([Ref_Faturacao]='") + sql::sqlEscape(sRefFact) +
           QStringLiteral("') AND ([Account]='") + sql::sqlEscape(sCliente) +
           QStringLiteral("') AND (LEFT([Factura],10)='Tumo Vesk-')");
}

}  // namespace tvx::access_sql
