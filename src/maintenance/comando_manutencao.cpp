#include "maintenance/comando_manutencao.h"

#include "platform/automation/automation_error.h"
#include "platform/automation/conversions.h"

#include <QStringList>

namespace tvx {

const QString ComandoManutencao::PalavraScript = QStringLiteral("ZUNK");

bool ComandoManutencao::RemoverRecibos(QString& sTpdoc, std::int16_t& iAno, std::int32_t& lPrim, std::int32_t& lUlt) {
    m_bScript = false;
    const QString sAparado = Trim(m_sComando);
    if (sAparado.isEmpty()) return false;
    if (UCase(sAparado) == PalavraScript) {
        m_bScript = true;
        return false;
    }
    const QStringList partes = m_sComando.split(u' ', Qt::KeepEmptyParts);
    if (partes.size() < 4) return false;
    sTpdoc = partes[0];
    iAno = CInt(Variant(partes[1]));
    lPrim = CLng(Variant(partes[2]));
    lUlt = CLng(Variant(partes[3]));
    return true;
}

bool ComandoManutencao::executavel(const QString& sTexto) {
    ComandoManutencao comando(sTexto);
    QString sTpdoc;
    std::int16_t iAno = 0;
    std::int32_t lPrim = 0, lUlt = 0;
    bool bRemocao = false;
    tryIgnoringError([&] { bRemocao = comando.RemoverRecibos(sTpdoc, iAno, lPrim, lUlt); });
    return bRemocao || comando.ScriptPedido();
}

}  // namespace tvx
