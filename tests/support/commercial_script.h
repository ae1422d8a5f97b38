#pragma once
// How the recording commercial documents answer: refusals, the numbers the
// host gives, and what Ler reads.
#include "platform/automation/variant.h"

#include <QStringList>
#include <cstdint>

namespace tvx::testing {

struct CommercialScript {
    std::int32_t validar = 0;
    std::int32_t inserir = 0;
    std::int32_t finalizar = 0;
    // Validar refuses documents whose Terceiro is listed here.
    QStringList validarRecusa;
    QString ultimaMensagem = QStringLiteral("Documento recusado pelo anfitrião");
    std::int32_t proximoNumero = 45;  // number of the next inserted document
    std::int32_t proximoFinal = 900;  // number of the next finalised document
    std::int16_t ano = 2024;
    // What Ler reads.
    Variant serieAssinada = Variant(true);
    Variant certificacao = Variant(true);
    Variant emPreparacao = Variant(false);
    QString lidoVossoNo = QStringLiteral("R1");
    QString lidoTerceiro = QStringLiteral("C0001");
};

}  // namespace tvx::testing
