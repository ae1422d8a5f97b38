#pragma once
// The "Erro" rows of a recovery that found an interrupted run's document
// stored but could not give its source rows their marks. `registos` names the
// rows as the run's log does ("TKT Issued ID 7", "ID=7"), `documento` the
// document ("FT 45/1/2024", "RE-5-2024").
#include <QString>
#include <optional>

namespace tvx {

// The conditional mark wrote nothing: the row carries `marca` (another
// document's) or, with no value, is gone. Nothing a rerun could write; the
// user is told what to check by hand.
QString marcaNaoEscritaTexto(const QString& registos, const QString& documento, const std::optional<QString>& marca);

// The mark's write failed with `erro`: the in-flight record stays and the
// next run tries again.
QString marcaFalhadaTexto(const QString& registos, const QString& documento, const QString& erro);

}  // namespace tvx
