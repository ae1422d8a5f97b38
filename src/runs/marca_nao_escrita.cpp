#include "runs/marca_nao_escrita.h"

namespace tvx {

namespace {

QString inicio(const QString& registos, const QString& documento) {
    return registos + QStringLiteral(": a marca de ") + documento +
           QStringLiteral(" (importação interrompida) não foi escrita");
}

}  // namespace

QString marcaNaoEscritaTexto(const QString& registos, const QString& documento, const std::optional<QString>& marca) {
    return inicio(registos, documento) +
           (marca ? QStringLiteral(": o registo tem a marca «") + *marca + QStringLiteral("»")
                  : QStringLiteral(": o registo já não existe no ficheiro da agência")) +
           QStringLiteral(". Verifique-o no Tumo Vesk: pode estar em dois documentos.");
}

QString marcaFalhadaTexto(const QString& registos, const QString& documento, const QString& erro) {
    // The error last: a long one is what the log's width cuts.
    return inicio(registos, documento) + QStringLiteral("; a próxima execução volta a tentar. ") + erro;
}

}  // namespace tvx
