#pragma once
// The add-in's own table beside the parameters table: qrl_EXECUCOES, one row
// (RECURSO 'EMPRESA') holding the company's run lock (who runs, since when,
// the last sign of life) and the in-flight record of each kind of run.
#include <QString>
#include <cstdint>

namespace tvx {
struct ProcessIdentity;
}

namespace tvx::execucoes_sql {

// Which in-flight record column a run keeps.
enum class Coluna { Factura, Recibo };

QString existeQuery();
QString createStatement();
QString linhaQuery();
QString linhaInsert();
// Takes the lock from `visto` (the holder seen, or the free row) for `eu`:
// changes one row only while the row still holds what was seen.
QString tomar(const ProcessIdentity& eu, std::int32_t operacao, const QString& agora, const ProcessIdentity& visto,
              const QString& batimentoVisto);
// Replaces the in-flight record of `coluna` while `eu` holds the row; two
// marks, bound in order: the record and the time. The same text at every
// document of a run, so that the connection prepares it once.
QString registar(const ProcessIdentity& eu, Coluna coluna);
QString batimento(const ProcessIdentity& eu, const QString& agora);
// Replaces the sign of life `batimentoVisto` of the holder `visto` by `agora`,
// while the row still holds both.
QString recontar(const ProcessIdentity& visto, const QString& batimentoVisto, const QString& agora);
// Frees the lock; `limpar` also clears the run's in-flight record.
QString libertar(const ProcessIdentity& eu, Coluna coluna, bool limpar);

}  // namespace tvx::execucoes_sql
