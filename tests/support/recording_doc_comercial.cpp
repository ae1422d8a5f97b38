#include "support/recording_doc_comercial.h"

#include "platform/automation/conversions.h"

namespace tvx::testing {

namespace {

QString flag(bool b) { return b ? QStringLiteral("T") : QStringLiteral("F"); }

QString argumentos(std::initializer_list<const Variant*> values) {
    QStringList texts;
    for (const Variant* v : values) texts << debugText(*v);
    return texts.join(u',');
}

}  // namespace

RecordingDocComercial::RecordingDocComercial(QStringList& journal, CommercialScript& script, const QString& nome)
    : Membros(journal, nome),
      cab(std::make_shared<RecordingCabDocComercial>(journal, nome + QStringLiteral(".Cab"))),
      script_(script) {}

std::int32_t RecordingDocComercial::AdicionaLinha(std::shared_ptr<LinhaDocComercial>& oLinha) {
    auto& linha = dynamic_cast<RecordingLinhaDocComercial&>(*oLinha);
    linhas.push_back(std::dynamic_pointer_cast<RecordingLinhaDocComercial>(oLinha));
    linha.setQuietly("NumeroDaLinha", Variant(std::int32_t(linhas.size())));
    log(QStringLiteral("AdicionaLinha(") + linha.nome() + u')');
    return 0;
}

void RecordingDocComercial::SugereValoresLin(std::shared_ptr<LinhaDocComercial>& oLinha, bool b1, bool b2, bool b3,
                                             bool b4, bool b5, bool b6, bool b7) {
    log(QStringLiteral("SugereValoresLin(") + dynamic_cast<RecordingLinhaDocComercial&>(*oLinha).nome() + u',' +
        QStringList{flag(b1), flag(b2), flag(b3), flag(b4), flag(b5), flag(b6), flag(b7)}.join(u',') + u')');
}

std::int32_t RecordingDocComercial::Validar() {
    log(QStringLiteral("Validar"));
    if (script_.validarRecusa.contains(CStr(cab->Terceiro()))) return 1;
    return script_.validar;
}

std::int32_t RecordingDocComercial::Inserir() {
    log(QStringLiteral("Inserir"));
    if (script_.inserir != 0) return script_.inserir;
    if (cab->NossoNoDocumento().isEmpty()) cab->setQuietly("NossoNoDocumento", Variant(script_.proximoNumero++));
    cab->setQuietly("Ano", Variant(script_.ano));
    inserido = true;
    return 0;
}

std::int32_t RecordingDocComercial::Finalizar(Variant& iAno, Variant& sTipoDoc, Variant& iSerie, Variant& lNumero) {
    log(QStringLiteral("Finalizar(") + argumentos({&iAno, &sTipoDoc, &iSerie, &lNumero}) + u')');
    if (script_.finalizar != 0) return script_.finalizar;
    cab->setQuietly("TipoDocumento", sTipoDoc);
    cab->setQuietly("Serie", iSerie);
    cab->setQuietly("Ano", iAno);
    cab->setQuietly("NossoNoDocumento", Variant(script_.proximoFinal++));
    return 0;
}

std::int32_t RecordingDocComercial::Ler(Variant& sTipoDoc, Variant& lNumero, Variant& iSerie, Variant& iAno) {
    log(QStringLiteral("Ler(") + argumentos({&sTipoDoc, &lNumero, &iSerie, &iAno}) + u')');
    cab->setQuietly("VossoNoDocumento", Variant(script_.lidoVossoNo));
    cab->setQuietly("Terceiro", Variant(script_.lidoTerceiro));
    return 0;
}

QString RecordingDocComercial::UltimaMensagem() {
    return script_.ultimaMensagem + QStringLiteral(" (") + nome() + u')';
}

}  // namespace tvx::testing
