#pragma once
// The company's run lock: one run at a time per company, across processes and
// workstations, kept in the company database itself (table qrl_EXECUCOES, see
// execucoes_sql.h) so that every workstation of the company sees it. The row
// also carries each kind of run's in-flight record (documento_pendente.h).
//
// A lock whose holder is gone is taken over without anyone's help: a process
// of this workstation that is no longer running at once, a process of
// another workstation once it has given no sign of life for five minutes (a
// run writes one at every document and at least every 30 seconds).
#include "platform/automation/variant.h"
#include "runs/documento_pendente.h"
#include "runs/execucoes_sql.h"
#include "runs/process_identity.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <vector>

namespace tvx {

class DalComandos;

class CompanyRunLock {
public:
    using Coluna = execucoes_sql::Coluna;

    CompanyRunLock(DalComandos& comandos, std::int32_t operacao, Coluna coluna);
    // Frees the lock when still held; never raises.
    ~CompanyRunLock();
    CompanyRunLock(const CompanyRunLock&) = delete;
    CompanyRunLock& operator=(const CompanyRunLock&) = delete;

    // Takes the lock (making its table and row when missing). False when a
    // live run holds it: recusa() tells the user which, and nothing changed.
    bool adquirir(const QString& sEmpresa);
    const QString& recusa() const { return recusa_; }

    // The in-flight record the previous run of this kind left behind (empty
    // when that run ended with everything settled).
    const DocumentoPendente& anterior() const { return anterior_; }
    // Replaces the in-flight record (also a sign of life). The write does not
    // wait for the disk: the host's durable commit of the document that
    // follows makes it durable too (dal_ligacao_diferida.h), and the
    // agency's durable commit of the previous document's marks is what lets
    // it replace the previous record. Raises when the lock is no longer this run's.
    void registar(const DocumentoPendente& documento);
    // The recorded document is settled (stored and marked, or never stored):
    // the record is cleared when the lock is freed, without a write of its own.
    void resolvido() { resolvido_ = true; }
    // True when nothing of this run's kind is left in flight.
    bool resolvidoJa() const { return resolvido_; }
    // A sign of life for the other workstations, written at most every 30 s.
    void batimento();
    // Frees the lock, clearing the in-flight record when it is settled.
    void libertar();

    static constexpr qint64 SegundosEntreBatimentos = 30;
    static constexpr qint64 SegundosAteAbandono = 300;

private:
    QString agora() const;
    // Whether the holder `dono` seen with the sign of life `batimento` still runs.
    bool vivo(const ProcessIdentity& dono, const QString& batimento);
    // Runs a statement that changes the held row; `diferido`: with `valores`, deferred.
    void executarComoDono(const QString& sql, const std::vector<Variant>& valores = {}, bool diferido = false);

    DalComandos& comandos_;
    std::int32_t operacao_;
    Coluna coluna_;
    ProcessIdentity eu_ = ProcessIdentity::current();
    bool detido_ = false;
    bool resolvido_ = true;
    DocumentoPendente anterior_;
    QDateTime ultimoBatimento_;
    QString recusa_;
    QString registo_;  // the statement that replaces the record, made at the first record
};

}  // namespace tvx
