#include "agency/access_sql.h"

#include "tickets/tickets_test_support.h"

#include <gtest/gtest.h>

namespace tvx::access_sql {
namespace {

TEST(AccessSql, WeekdayCodesStartOnSunday) {
    const QDate sunday(2024, 3, 10);
    const QStringList expected = {"DOM", "SEG", "TER", "QUA", "QUI", "SEX", "SAB", "DOM"};
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(codigoDiaSemana(sunday.addDays(i)), expected[i]) << sunday.addDays(i).toString().toStdString();
}

TEST(AccessSql, SelectionsAreTheAgencysTextsExactly) {
    EXPECT_EQ(
        selectTktIssued(QStringLiteral("SAB")),
        QStringLiteral(
            "SELECT    [TKT Issued].[ID]          ,[Account]          ,[Codigo Companhia Aerea]          "
            ",[Numero do Bilhete]          ,[Nome Passageiro]          ,[Destino]          ,[Date_Out] AS Partida  "
            "        ,[Date_In]  AS Chegada          ,[Fare]           ,[Tarifas Privadas]           ,[Taxas]       "
            "    ,[Fees]           ,[Factura]         ,[Ref_Faturacao]         ,[Pagamento]         ,[Desconto]FROM "
            "    [TKT Issued] LEFT OUTER JOIN [faturacao] ON [faturacao].[ID]=[TKT Issued].[Periodo_Fact]WHERE    "
            "([Serviço]='EMI' OR [Serviço]='REM' OR [Serviço]='EMD')  AND ([Factura] IS NULL) AND ([Pagamento] IN "
            "('CAS','CCR','NCC')) AND          (([faturacao].[tipo]='DIA') OR ([faturacao].[tipo]='SAB') ) ORDER BY "
            "[Ref_Faturacao], [Account] "));
    EXPECT_EQ(
        selectExtratosBancos(),
        QStringLiteral(
            "SELECT    Transferencias.ID          ,Transferencias.Cliente          ,Transferencias.Banco          "
            ",Bancos.Conta          ,Bancos.Banco          ,Bancos.Codigo          ,[Dados dos clientes].Account  "
            "        ,[Dados dos clientes].Agency          ,Transferencias.Data          ,Transferencias.Valor    "
            "      ,Transferencias.Descritivo          ,Transferencias.Fatura          "
            ",Transferencias.estado_importado "
            "FROM     Bancos              INNER JOIN ( [Dados dos clientes]                              INNER JOIN "
            "Transferencias                                  ON [Dados dos clientes].ID = Transferencias.Cliente    "
            "                      )                      ON Bancos.ID = Transferencias.Banco WHERE    "
            "(((Transferencias.Cliente) Is Not Null) AND           ((Transferencias.Banco) Is Not Null) AND         "
            "  (([Dados dos clientes].Account)<>'') AND           ((Transferencias.Valor)>0) AND           "
            "(((Transferencias.estado_importado) Is Null ) OR ((Transferencias.estado_importado) ='' ))           ) "
            "ORDER BY  Transferencias.Data "));
    EXPECT_EQ(connectionString(QStringLiteral("/dados/agência.accdb")),
              QStringLiteral("Provider=Microsoft.ACE.OLEDB.12.0;Data Source='/dados/agência.accdb';Persist Security "
                             "Info=False;"));
    // A quote in the path is doubled, as a quoted connection-string value needs.
    EXPECT_EQ(
        connectionString(QStringLiteral("/d'ouro.db")),
        QStringLiteral("Provider=Microsoft.ACE.OLEDB.12.0;Data Source='/d''ouro.db';Persist Security Info=False;"));
}

TEST(AccessSql, UpdatesAreTheAgencysTextsWithQuotesDoubled) {
    EXPECT_EQ(
        updateTktIssued(-7, QStringLiteral("Tumo Vesk-FT 123/1/2024")),
        QStringLiteral("UPDATE   [TKT Issued] SET      [Factura] = 'Tumo Vesk-FT 123/1/2024' WHERE    ([ID]=-7) "));
    EXPECT_EQ(updateMovBancarioComRecibo(2147483647, QStringLiteral("RE-5-2024")),
              QStringLiteral("UPDATE   [Transferencias] SET      [estado_importado] = 'RE-5-2024' WHERE    "
                             "([Transferencias.ID]=2147483647) "));
    EXPECT_EQ(
        updateTktIssuedFacturaFinalizada(QStringLiteral("R1"), QStringLiteral("C0001"), QStringLiteral("FT-123")),
        QStringLiteral("UPDATE   [TKT Issued] SET      [Factura] = 'FT-123' WHERE    ([Serviço]='EMI' OR "
                       "[Serviço]='REM' OR [Serviço]='EMD') AND ([Pagamento] IN ('CAS','CCR','NCC')) AND          "
                       "([Ref_Faturacao]='R1') AND ([Account]='C0001') AND (LEFT([Factura],10)='Tumo Vesk-')"));
    // Every spliced value: an apostrophe stays inside its literal.
    EXPECT_EQ(updateTktIssued(1, QStringLiteral("d'x'')")),
              QStringLiteral("UPDATE   [TKT Issued] SET      [Factura] = 'd''x'''')' WHERE    ([ID]=1) "));
    EXPECT_EQ(updateMovBancarioComRecibo(1, QStringLiteral("'")),
              QStringLiteral(
                  "UPDATE   [Transferencias] SET      [estado_importado] = '''' WHERE    ([Transferencias.ID]=1) "));
    const QString finalizada =
        updateTktIssuedFacturaFinalizada(QStringLiteral("R'1"), QStringLiteral("O'C"), QStringLiteral("F'T"));
    EXPECT_TRUE(finalizada.contains(QStringLiteral("[Factura] = 'F''T' WHERE")));
    EXPECT_TRUE(finalizada.contains(QStringLiteral("([Ref_Faturacao]='R''1') AND ([Account]='O''C')")));
}

}  // namespace
}  // namespace tvx::access_sql
