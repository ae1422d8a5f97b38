#pragma once
// DocComercial of the stand-in host: a sales document (invoice or credit
// note) built through its header and lines, checked by Validar
// (doc_comercial_rules.h), stored in preparation by Inserir and made final by
// Finalizar (document_numbering.h, commercial_store.h).
//
// - AdicionaLinha numbers the line (NumeroDaLinha 1, 2, ...) and keeps the
//   line object itself, so members set on it afterwards (Ordenacao) count.
// - Inserir checks the document again, then stores it in preparation under
//   the next number of the series' preparation sequence, or under the
//   NossoNoDocumento the caller gave (refused when a document in preparation
//   already has it). The header then shows the number and the year.
// - Finalizar(year, type, series, number) finalises the document in
//   preparation with that key, whatever this object held: it gets the next
//   final number of its series and, in a signed series, its signature; the
//   object then holds that document and the number argument its final number.
// - Ler reads the final document with that key, or else the one in
//   preparation (lerEmPreparacao reads only the latter); Remover removes a document read or inserted, only while it
//   is in preparation.
// - IsSerieAssinada / IsDocumentoCertificacao answer for the header's
//   series and type (Null when they are unknown); EmPreparacao is False only
//   for a final document read or finalised.
// Every write runs in one transaction. A refusal answers 1 with the reason
// in UltimaMensagem; a database failure is raised, after the rollback.
#include "host_api/doc_comercial.h"
#include "host_erp/commercial_store.h"
#include "host_erp/session_state.h"
#include "platform/sql/connection.h"

#include <optional>

namespace tvx::host_erp {

class CommercialDocument : public DocComercial {
public:
    explicit CommercialDocument(std::shared_ptr<SessionState> session);

    std::shared_ptr<CabDocComercial> Cab() override { return cab_; }
    Variant Origem() const override { return origem_; }
    void Origem(const Variant& value) override {
        origem_ = toMemberKind(value, MemberKind::Integer);
        ++edits_;
    }
    std::int32_t AdicionaLinha(std::shared_ptr<LinhaDocComercial>& oLinha) override;
    void SugereValoresLin(std::shared_ptr<LinhaDocComercial>& oLinha, bool b1, bool b2, bool b3, bool b4, bool b5,
                          bool b6, bool b7) override;
    std::int32_t Validar() override;
    std::int32_t Inserir() override;
    std::int32_t Finalizar(Variant& iAno, Variant& sTipoDoc, Variant& iSerie, Variant& lNumero) override;
    std::int32_t Ler(Variant& sTipoDoc, Variant& lNumero, Variant& iSerie, Variant& iAno) override;
    std::int32_t Remover() override;
    QString UltimaMensagem() override { return message_; }
    Variant IsSerieAssinada() override;
    Variant IsDocumentoCertificacao() override;
    Variant EmPreparacao() override;

    // The host's own reading of a document in preparation (its views), which
    // Ler cannot reach when a final document has the same number.
    std::int32_t lerEmPreparacao(const DocumentKey& key);
    // The stored document this object holds (id 0 when none).
    const StoredCommercial& stored() const { return stored_; }

private:
    // A check that passed, with what it was made on: the document as it was
    // (its edits) and the database as it was (its change stamp).
    struct Checked {
        quint64 edits = 0;
        sql::ChangeStamp stamp;
        CommercialDraft draft;
    };

    sql::Connection& db() const;
    void load(qint64 id);
    void finalise(const DocumentKey& key);
    // The document checked (doc_comercial_rules.h), or the last check's result
    // when neither the document nor the database has changed since.
    CommercialDraft checked();
    // Every change to the header, the lines or Origem, and every line added, makes this grow.
    quint64 edits() const;

    std::shared_ptr<SessionState> session_;
    std::shared_ptr<CommercialHeader> cab_;
    std::vector<std::shared_ptr<CommercialLine>> linhas_;
    Variant origem_;
    QString message_;
    StoredCommercial stored_;
    quint64 edits_ = 0;
    std::optional<Checked> checked_;
};

}  // namespace tvx::host_erp
