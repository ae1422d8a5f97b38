// A refused invoice's row: its tickets, then the host's reason, which a long
// list of tickets must never push out of the log's 255 characters.
#include "tickets/ids_com_motivo.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

TEST(IdsComMotivo, AShortListIsWholeAndALongOneIsShortenedSoThatTheReasonFits) {
    EXPECT_EQ(idsComMotivo({2, 3}, QStringLiteral("Recusado")), QStringLiteral("TKT Issued ID 2, 3 Recusado"));

    std::vector<std::int32_t> quarenta;
    for (std::int32_t id = 1000001; id <= 1000040; ++id) quarenta.push_back(id);
    const QString motivo = QStringLiteral("O cliente C0001 tem o crédito esgotado e não pode receber mais faturas.");
    const QString texto = idsComMotivo(quarenta, motivo);
    EXPECT_LE(texto.size(), 255);
    EXPECT_TRUE(texto.endsWith(u' ' + motivo)) << texto.toStdString();
    EXPECT_TRUE(texto.startsWith(QStringLiteral("TKT Issued ID 1000001, 1000002, "))) << texto.toStdString();
    // How many were left unnamed, so nobody takes the list for all of them.
    const qsizetype ditos = texto.left(texto.size() - motivo.size()).count(u',') + 1;
    EXPECT_TRUE(texto.contains(QStringLiteral(" e mais %1 ").arg(40 - ditos))) << texto.toStdString();
}

}  // namespace
}  // namespace tvx
