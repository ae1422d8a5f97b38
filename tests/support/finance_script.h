#pragma once
// How the recording financial documents and accounting entries answer.
#include <QStringList>
#include <cstdint>
#include <deque>

namespace tvx::testing {

struct FinanceScript {
    std::deque<std::int32_t> validar;  // answers of the receipts' Validar, in order (then 0)
    std::int32_t inserir = 0;
    QString ultimaMensagem = QStringLiteral("Recibo recusado pelo anfitrião");
    std::int32_t proximoNumero = 17;  // NumeroDocumento given by Inserir
    QStringList membrosRecusados;     // header members whose set raises 380
    std::int32_t ctbValidar = 0;
    std::int32_t ctbInserir = 0;
    QString ctbMensagem = QStringLiteral("Conta 21 inexistente");
    bool semDocContabilistico = false;  // the factory answers Nothing
};

}  // namespace tvx::testing
