#include "host_erp/commercial_document.h"

#include "host_erp/document_numbering.h"
#include "host_erp/document_signature.h"
#include "host_erp/host_catalogue.h"
#include "host_erp/host_refusal.h"
#include "host_erp/host_transaction.h"
#include "host_erp/line_suggestions.h"
#include "platform/automation/automation_error.h"
#include "platform/automation/clock.h"

namespace tvx::host_erp {

namespace {

std::shared_ptr<CommercialLine> hostLine(const std::shared_ptr<LinhaDocComercial>& line) {
    return std::dynamic_pointer_cast<CommercialLine>(line);
}

DocumentKey requireKey(const Variant& tipo, const Variant& numero, const Variant& serie, const Variant& ano) {
    const auto key = keyOf(tipo, numero, serie, ano);
    if (!key) refuse(QStringLiteral("A identificação do documento não é válida."));
    return *key;
}

}  // namespace

CommercialDocument::CommercialDocument(std::shared_ptr<SessionState> session)
    : session_(std::move(session)), cab_(std::make_shared<CommercialHeader>()) {}

sql::Connection& CommercialDocument::db() const { return companyDatabase(*session_); }

std::int32_t CommercialDocument::AdicionaLinha(std::shared_ptr<LinhaDocComercial>& oLinha) {
    return answer(message_, [&] {
        const auto line = hostLine(oLinha);
        if (!line) refuse(QStringLiteral("A linha indicada não é uma linha de documento comercial."));
        if (stored_.id != 0) refuse(QStringLiteral("O documento já está gravado e não aceita novas linhas."));
        if (line->numbered()) refuse(QStringLiteral("A linha indicada já pertence a um documento."));
        linhas_.push_back(line);
        ++edits_;
        line->members().store(QStringLiteral("NumeroDaLinha"), std::int32_t(linhas_.size()));
    });
}

void CommercialDocument::SugereValoresLin(std::shared_ptr<LinhaDocComercial>& oLinha, bool b1, bool b2, bool b3,
                                          bool b4, bool b5, bool b6, bool b7) {
    const auto line = hostLine(oLinha);
    if (!line) err::raise(err::TypeMismatch, QStringLiteral("DocComercial"));
    suggestLineValues(db(), *line, {b1, b2, b3, b4, b5, b6, b7});
}

quint64 CommercialDocument::edits() const {
    quint64 sum = edits_ + cab_->members().edits();
    for (const auto& line : linhas_) sum += line->members().edits();
    return sum;
}

CommercialDraft CommercialDocument::checked() {
    sql::Connection& database = db();
    const quint64 now = edits();
    // One look at the others' commits serves the stamp and the check below.
    const CataloguePin pin(database);
    const sql::ChangeStamp stamp{database.ownWrites(), pin.othersCommits()};
    if (checked_ && checked_->edits == now && checked_->stamp == stamp) return checked_->draft;
    checked_.reset();
    CommercialDraft draft = checkCommercial(database, *cab_, linhas_, origem_);
    checked_ = Checked{now, stamp, draft};
    return draft;
}

std::int32_t CommercialDocument::Validar() {
    return answer(message_, [&] {
        sondar(*session_, "CommercialDocument.Validar");
        checked();
    });
}

std::int32_t CommercialDocument::Inserir() {
    return answer(message_, [&] {
        sondar(*session_, "CommercialDocument.Inserir");
        if (stored_.id != 0) refuse(QStringLiteral("O documento já está gravado."));
        sql::Connection& database = db();
        // Checked inside the transaction: what is stored is what was checked,
        // and the check's look at the others' commits needs no read of its own.
        HostTransaction transaction(database);
        const CommercialDraft draft = checked();
        DocumentKey key = draft.key(draft.numero.value_or(0));
        if (draft.numero) {
            if (findCommercial(database, key, true) != 0)
                refuse(QStringLiteral("Já existe o documento %1 em preparação.").arg(describe(key)));
            noteNumberTaken(database, key, NumberSequence::Preparation);
        } else {
            key.numero = takeNextNumber(database, key, NumberSequence::Preparation);
        }
        const auto header = insertCommercial(database, draft, key.numero, session_->login, clock().now());
        transaction.commit();
        // The header as stored; the caller's line objects stay the document's lines.
        stored_ = readCommercialHeader(*header, *cab_);
        stored_.linhas = linhas_;
        origem_ = stored_.origem;
    });
}

void CommercialDocument::load(qint64 id) {
    checked_.reset();
    stored_ = loadCommercial(db(), id, *cab_);
    linhas_ = stored_.linhas;
    origem_ = stored_.origem;
}

std::int32_t CommercialDocument::Finalizar(Variant& iAno, Variant& sTipoDoc, Variant& iSerie, Variant& lNumero) {
    return answer(message_, [&] {
        sondar(*session_, "CommercialDocument.Finalizar");
        finalise(requireKey(sTipoDoc, lNumero, iSerie, iAno));
        sTipoDoc = Variant(stored_.key.tipo);
        lNumero = Variant(stored_.key.numero);
        iSerie = Variant(stored_.key.serie);
        iAno = Variant(stored_.key.ano);
    });
}

void CommercialDocument::finalise(const DocumentKey& key) {
    sql::Connection& database = db();
    HostTransaction transaction(database);
    const qint64 id = findCommercial(database, key, true);
    if (id == 0) {
        if (findCommercial(database, key, false) != 0)
            refuse(QStringLiteral("O documento %1 já está finalizado.").arg(describe(key)));
        refuse(QStringLiteral("O documento %1 não existe em preparação.").arg(describe(key)));
    }
    CommercialHeader current;
    const StoredCommercial prepared = loadCommercialHeader(database, id, current);
    DocumentKey finalKey = prepared.key;
    finalKey.numero = takeNextNumber(database, finalKey, NumberSequence::Final);
    const QDateTime now = clock().now();
    QString assinatura;
    const auto serie = series(database, finalKey.tipo, finalKey.serie);
    if (serie && serie->assinada)
        assinatura = documentSignature(current.Data().asDate().date(), now, finalKey, prepared.total,
                                       previousSignature(database, finalKey));
    markFinal(database, id, finalKey.numero, assinatura, now);
    transaction.commit();
    load(id);
}

std::int32_t CommercialDocument::Ler(Variant& sTipoDoc, Variant& lNumero, Variant& iSerie, Variant& iAno) {
    return answer(message_, [&] {
        sondar(*session_, "CommercialDocument.Ler");
        const DocumentKey key = requireKey(sTipoDoc, lNumero, iSerie, iAno);
        qint64 id = findCommercial(db(), key, false);
        if (id == 0) id = findCommercial(db(), key, true);
        if (id == 0) refuse(QStringLiteral("O documento %1 não existe.").arg(describe(key)));
        load(id);
    });
}

std::int32_t CommercialDocument::lerEmPreparacao(const DocumentKey& key) {
    return answer(message_, [&] {
        const qint64 id = findCommercial(db(), key, true);
        if (id == 0) refuse(QStringLiteral("O documento %1 não existe em preparação.").arg(describe(key)));
        load(id);
    });
}

std::int32_t CommercialDocument::Remover() {
    return answer(message_, [&] {
        sondar(*session_, "CommercialDocument.Remover");
        if (stored_.id == 0) refuse(QStringLiteral("Não há documento lido para remover."));
        if (!stored_.emPreparacao)
            refuse(
                QStringLiteral("O documento %1 está finalizado e não pode ser removido.").arg(describe(stored_.key)));
        sql::Connection& database = db();
        HostTransaction transaction(database);
        deleteCommercial(database, stored_.id);
        transaction.commit();
        stored_ = {};
    });
}

Variant CommercialDocument::IsSerieAssinada() {
    const QString tipo = textOf(cab_->TipoDocumento());
    if (tipo.isEmpty() || cab_->Serie().isEmpty()) return Variant::null();
    const auto found = series(db(), tipo, numberOr(cab_->Serie(), 0));
    return found ? Variant(found->assinada) : Variant::null();
}

Variant CommercialDocument::IsDocumentoCertificacao() {
    const QString tipo = textOf(cab_->TipoDocumento());
    const auto found = tipo.isEmpty() ? std::nullopt : documentType(db(), tipo);
    return found ? Variant(found->certificado) : Variant::null();
}

Variant CommercialDocument::EmPreparacao() { return Variant(stored_.id == 0 || stored_.emPreparacao); }

}  // namespace tvx::host_erp
