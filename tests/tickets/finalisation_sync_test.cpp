// The follow-up of a finalised invoice: which documents count as final, the
// reading of the document and the markers rewritten.
#include "tickets/finalisation_sync.h"

#include "support/fake_origem.h"
#include "support/recording_commercial_session.h"
#include "tickets/tickets_test_support.h"

#include <gtest/gtest.h>

namespace tvx::testing {
namespace {

class FinalisationSyncTest : public ::testing::Test {
protected:
    void sincronizar() {
        pDocComerciaActualizaOrigem(&sessao, &origem, QStringLiteral("FT"), 123, std::int16_t(1), std::int16_t(2024));
    }
    RecordingCommercialSession sessao;
    FakeOrigem origem;
};

TEST_F(FinalisationSyncTest, AFinalDocumentGivesItsTicketsTheFinalMarker) {
    sincronizar();
    EXPECT_EQ(sessao.journal.filter(QStringLiteral("Ler")),
              QStringList{"D1.Ler(String:\"FT\",Long:123,Integer:1,Integer:2024)"});
    EXPECT_EQ(origem.calls, QStringList{"UpdateTktIssuedFacturaFinalizada(R1,C0001,FT-123)"});
}

TEST_F(FinalisationSyncTest, DocumentsInPreparationOrNotCertifiedChangeNothing) {
    sessao.script.emPreparacao = Variant(true);
    sincronizar();
    sessao.script.emPreparacao = Variant::null();
    sincronizar();
    sessao.script.emPreparacao = Variant(false);
    sessao.script.serieAssinada = Variant::null();
    sincronizar();
    sessao.script.serieAssinada = Variant(true);
    sessao.script.certificacao = Variant(false);
    sincronizar();
    EXPECT_TRUE(origem.calls.isEmpty());
    EXPECT_EQ(sessao.docs().size(), 4u);
}

TEST_F(FinalisationSyncTest, FailuresAreRaisedUnderTheProceduresName) {
    EXPECT_RAISED_FROM(
        pDocComerciaActualizaOrigem(&sessao, nullptr, QStringLiteral("FT"), 1, std::int16_t(1), std::int16_t(2024)),
        err::ObjectNotSet, "pDocComerciaActualizaOrigem");
}

}  // namespace
}  // namespace tvx::testing
