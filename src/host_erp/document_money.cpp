#include "host_erp/document_money.h"

namespace tvx::host_erp {

Currency toCents(Currency value) {
    constexpr std::int64_t cent = Currency::Scale / 100;
    const std::int64_t scaled = value.scaled();
    const std::int64_t half = scaled < 0 ? -cent / 2 : cent / 2;
    return Currency::fromScaled((scaled + half) / cent * cent);
}

Currency centsOf(double value) { return toCents(Currency::fromDouble(value)); }

QString moneyText(Currency value) {
    const Currency cents = toCents(value);
    const std::int64_t hundredths = cents.scaled() / (Currency::Scale / 100);
    const std::int64_t whole = hundredths / 100;
    const std::int64_t rest = hundredths % 100;
    const QString sign = hundredths < 0 ? QStringLiteral("-") : QString();
    return QStringLiteral("%1%2,%3").arg(sign).arg(qAbs(whole)).arg(qAbs(rest), 2, 10, QChar(u'0'));
}

}  // namespace tvx::host_erp
