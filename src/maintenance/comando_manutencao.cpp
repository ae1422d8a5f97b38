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
    if (const std::int64_t numeros = std::int64_t(lUlt) - lPrim + 1; numeros > MaximoNumeros)
        err::raise(err::InvalidCall,
                   QStringLiteral("A remoção de %1 a %2 abrange %3 números; o máximo de uma remoção é %4. Divida-a "
                                  "em intervalos mais pequenos.")
                       .arg(lPrim)
                       .arg(lUlt)
                       .arg(numeros)
                       .arg(MaximoNumeros),
                   QString());
    return true;
}

bool ComandoManutencao::pareceComando(const QString& sTexto) {
    return UCase(Trim(sTexto)) == PalavraScript || sTexto.split(u' ', Qt::KeepEmptyParts).size() >= 4;
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
