#include "support/view_document.h"

#include "support/recording_doc_comercial.h"

namespace tvx::testing {

namespace {

// What a recording document writes to and answers from, kept with the
// document since no session hands it out.
struct OwnRecords {
    QStringList journal;
    CommercialScript script;
};

class ViewDocument : private OwnRecords, public RecordingDocComercial {
public:
    ViewDocument() : RecordingDocComercial(OwnRecords::journal, OwnRecords::script, QStringLiteral("V")) {}
};

}  // namespace

ObjectRef viewDocument(const QString& tipo, std::int32_t numero, std::int16_t serie, std::int16_t ano) {
    auto doc = std::make_shared<ViewDocument>();
    doc->cab->TipoDocumento(Variant(tipo));
    doc->cab->NossoNoDocumento(Variant(numero));
    doc->cab->Serie(Variant(serie));
    doc->cab->Ano(Variant(ano));
    return doc;
}

}  // namespace tvx::testing
