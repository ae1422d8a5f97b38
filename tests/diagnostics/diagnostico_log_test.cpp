#include "diagnostics/diagnostico_log.h"
#include "settings/dal_comandos.h"

#include "log_rows.h"
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

using testing::logRows;

TEST(DiagnosticoLog, AddStoresRowsDocumentZeroAsNullAndKeepsRowsWithOversizedCells) {
    DiagnosticoLog log{DalComandos::HlpDb_DiagnosticoCreate};
    log.pDiagnosticoCreate();
    const QString longa = QString(300, u'x') + QStringLiteral("fim");
    log.pDiagnosticoAdd(1, QString(), estado::Processado, 0, QStringLiteral("Fatura gerada"));
    log.pDiagnosticoAdd(2, QStringLiteral("C0001"), estado::Erro, 4521, QStringLiteral("Cliente inexistente"));
    log.pDiagnosticoAdd(3, QString(16, u'9'), QStringLiteral("ESTADO-COMPRIDO!"), -7, longa);

    const auto rows = logRows(*log.rsDiagnostico());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].linha, Variant(std::int32_t(1)));
    EXPECT_TRUE(rows[0].documento.isNull());
    EXPECT_EQ(rows[0].descricao, Variant("Fatura gerada"));
    EXPECT_EQ(rows[1].cliente, Variant("C0001"));
    EXPECT_EQ(rows[1].documento, Variant(std::int32_t(4521)));
    // Too long for their 15 characters: the cell stays empty, the row is still added.
    EXPECT_TRUE(rows[2].cliente.isNull());
    EXPECT_TRUE(rows[2].estado.isNull());
    EXPECT_EQ(rows[2].documento, Variant(std::int32_t(-7)));
    // A long message keeps its first 255 characters instead of being lost,
    // never cutting a character made of two UTF-16 units in half.
    EXPECT_EQ(rows[2].descricao, Variant(longa.left(255)));
    const QString par = QString(254, u'a') + QString::fromUtf8("\xF0\x9F\x98\x80") + QStringLiteral("bb");
    log.pDiagnosticoAdd(4, {}, estado::OK, 0, par);
    EXPECT_EQ(log.rsDiagnostico()->value(QStringLiteral("Descrição")), Variant(QString(254, u'a')));
}

TEST(DiagnosticoLog, TemErrosCountsErroInAnyCaseAndLeavesTheLogUnfiltered) {
    DiagnosticoLog log{DalComandos::HlpDb_DiagnosticoCreate};
    log.pDiagnosticoCreate();
    EXPECT_FALSE(log.pDiagnosticoTemErros());
    EXPECT_EQ(log.rsDiagnostico()->Filter(), Variant(std::int32_t(ado::adFilterNone)));

    log.pDiagnosticoAdd(1, {}, estado::OK, 0, {});
    log.pDiagnosticoAdd(2, {}, estado::Processado, 10, {});
    log.pDiagnosticoAdd(3, {}, estado::AVISO, 0, {});
    EXPECT_FALSE(log.pDiagnosticoTemErros());
    EXPECT_EQ(log.rsDiagnostico()->RecordCount(), 3);

    log.pDiagnosticoAdd(4, {}, estado::ERRO, 0, QStringLiteral("Remoção falhou"));
    EXPECT_TRUE(log.pDiagnosticoTemErros());
    EXPECT_EQ(log.rsDiagnostico()->RecordCount(), 4);
    EXPECT_EQ(log.rsDiagnostico()->Filter(), Variant(std::int32_t(ado::adFilterNone)));

    DiagnosticoLog outro{DalComandos::HlpDb_DiagnosticoCreate};
    outro.pDiagnosticoCreate();
    outro.pDiagnosticoAdd(1, {}, estado::Erro, 0, {});
    EXPECT_TRUE(outro.pDiagnosticoTemErros());
}

TEST(DiagnosticoLog, WithoutALogAddAndCloseAreHarmlessAndTheErrorTestRaises) {
    DiagnosticoLog log{DalComandos::HlpDb_DiagnosticoCreate};
    EXPECT_NO_THROW(log.pDiagnosticoAdd(1, {}, estado::OK, 0, {}));
    EXPECT_NO_THROW(log.pDiagnosticoClose());
    EXPECT_THROW(log.pDiagnosticoTemErros(), AutomationError);

    log.pDiagnosticoCreate();
    const auto rs = log.rsDiagnostico();
    log.pDiagnosticoClose();
    EXPECT_EQ(log.rsDiagnostico(), nullptr);
    EXPECT_EQ(rs->State(), ado::adStateClosed);
    EXPECT_NO_THROW(log.pDiagnosticoClose());
}

}  // namespace
}  // namespace tvx
