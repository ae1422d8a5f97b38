#include "tickets/campo_invalido.h"

#include "platform/automation/automation_error.h"
#include "platform/automation/conversions.h"
#include "runs/field_values.h"

#include <array>
#include <functional>

namespace tvx {

namespace {

bool converte(const std::function<void()>& conversao) { return tryIgnoringError(conversao); }

}  // namespace

QString pCampoInvalido(ado::Recordset& rs, bool bCsv) {
    const auto campo = [&](const QString& nome) { return rs.value(nome); };
    if (!converte([&] { (void)CLng(campo(QStringLiteral("ID"))); })) return QStringLiteral("ID");
    static const std::array<QString, 4> valores = {QStringLiteral("Fare"), QStringLiteral("Tarifas Privadas"),
                                                   QStringLiteral("Taxas"), QStringLiteral("Fees")};
    for (const QString& nome : valores)
        if (!converte([&] { (void)numeroOuZero(campo(nome)); })) return nome;
    const Variant desconto = campo(QStringLiteral("Desconto"));
    if (!desconto.isNull() && !converte([&] { (void)CCur(Variant(CDbl(desconto))); }))
        return QStringLiteral("Desconto");
    if (!converte([&] { (void)CStr(campo(QStringLiteral("Pagamento"))); })) return QStringLiteral("Pagamento");
    if (bCsv) {
        const Variant data = campo(QStringLiteral("DataFacturacao"));
        const bool vazia = data.isNull() || (data.type() == VarType::String && data.asString().isEmpty());
        if (!vazia && !converte([&] { (void)CDate(data); })) return QStringLiteral("DataFacturacao");
    }
    return {};
}

}  // namespace tvx
