#pragma once
// Sample texts the generators draw from: passengers (some with accents or an
// apostrophe), routes, airline codes as the agency types them, agencies.
#include <QString>
#include <vector>

namespace tvx::agency {

inline const std::vector<QString> Passengers = {
    QStringLiteral("SOUSA/ANA MRS"),    QStringLiteral("CONCEIÇÃO/JOÃO MR"), QStringLiteral("GONÇALVES/PEDRO MR"),
    QStringLiteral("LOPES/INÊS MRS"),   QStringLiteral("O'BRIEN/SEÁN MR"),   QStringLiteral("D'ALMEIDA/MARIA MRS"),
    QStringLiteral("FERREIRA/RUI MR"),  QStringLiteral("MARTINS/LUÍSA MS"),  QStringLiteral("COSTA/TOMÁS MSTR"),
    QStringLiteral("PEREIRA/CÉLIA MRS")};
inline const std::vector<QString> Routes = {QStringLiteral("LIS-MAD-LIS"), QStringLiteral("OPO-PAR"),
                                            QStringLiteral("LIS-LAD-LIS"), QStringLiteral("FAO-LHR"),
                                            QStringLiteral("LIS-GRU-LIS"), QStringLiteral("OPO-FNC-OPO"),
                                            QStringLiteral("LIS-BCN")};
// Codes as the agency types them; some carry a trailing blank.
inline const std::vector<QString> Airlines = {QStringLiteral("TP"), QStringLiteral("IB "), QStringLiteral("AF"),
                                              QStringLiteral("BA"), QStringLiteral("LH "), QStringLiteral("FR")};
inline const std::vector<QString> Agencies = {QStringLiteral("Viagens Atlântida"), QStringLiteral("Turismo do Açor"),
                                              QStringLiteral("Rota d'Ouro"), QStringLiteral("Horizonte Férias"),
                                              QStringLiteral("Mundo & Companhia")};

}  // namespace tvx::agency
