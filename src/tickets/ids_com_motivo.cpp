#include "tickets/ids_com_motivo.h"

namespace tvx {

QString idsComMotivo(const std::vector<std::int32_t>& ids, const QString& sMotivo, qsizetype iTamanho) {
    const QString inicio = QStringLiteral("TKT Issued ID ");
    QString lista;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const QString seguinte = (i ? lista + QStringLiteral(", ") : lista) + QString::number(ids[i]);
        const std::size_t restantes = ids.size() - i - 1;
        const QString resto = restantes ? QStringLiteral(" e mais %1").arg(restantes) : QString();
        // Room for this ID, for what is left unsaid, and for the reason.
        if (inicio.size() + seguinte.size() + resto.size() + 1 + sMotivo.size() > iTamanho && i > 0) {
            lista += QStringLiteral(" e mais %1").arg(ids.size() - i);
            return inicio + lista + u' ' + sMotivo;
        }
        lista = seguinte;
    }
    return inicio + lista + u' ' + sMotivo;
}

}  // namespace tvx
