#include "tickets/campo_invalido.h"

#include "platform/automation/automation_error.h"
#include "platform/automation/control_characters.h"
#include "platform/automation/conversions.h"
#include "runs/field_values.h"

#include <array>
#include <functional>

namespace tvx {

namespace {

bool converte(const std::function<void()>& conversao) { return tryIgnoringError(conversao); }

bool vazio(const Variant& v) { return v.isNull() || (v.type() == VarType::String && v.asString().isEmpty()); }

// An amount the invoice can carry: a number within the currency's range.
void montante(double valor) { (void)CCur(Variant(valor)); }

// A date within the platform's range; a text the reader could not take for a
// date ("9999-99-99 99:99") must read as one.
void data(const Variant& v) { (void)CDate(v.type() == VarType::String ? v : Variant(CDbl(v))); }

// The texts that go into the invoice's lines, its header or an SQL lookup.
bool textoLimpo(const Variant& v) { return !holdsControlCharacter(textoDoValor(v)); }

}  // namespace

QString pCampoInvalido(ado::Recordset& rs, bool bCsv) {
    const auto campo = [&](const QString& nome) { return rs.value(nome); };
    if (!converte([&] { (void)CLng(campo(QStringLiteral("ID"))); })) return QStringLiteral("ID");
    static const std::array<QString, 4> valores = {QStringLiteral("Fare"), QStringLiteral("Tarifas Privadas"),
                                                   QStringLiteral("Taxas"), QStringLiteral("Fees")};
    for (const QString& nome : valores)
        if (!converte([&] { montante(numeroOuZero(campo(nome))); })) return nome;
    // The fare line carries both fares.
    if (!converte([&] {
            montante(numeroOuZero(campo(QStringLiteral("Fare"))) +
                     numeroOuZero(campo(QStringLiteral("Tarifas Privadas"))));
        }))
        return QStringLiteral("Fare");
    const Variant desconto = campo(QStringLiteral("Desconto"));
    if (!desconto.isNull() && !converte([&] { (void)CCur(Variant(CDbl(desconto))); }))
        return QStringLiteral("Desconto");
    if (!converte([&] { (void)CStr(campo(QStringLiteral("Pagamento"))); })) return QStringLiteral("Pagamento");
    if (bCsv) {
        const Variant dia = campo(QStringLiteral("DataFacturacao"));
        if (!vazio(dia) && !converte([&] { (void)CDate(dia); })) return QStringLiteral("DataFacturacao");
    }
    static const std::array<QString, 8> textos = {
        QStringLiteral("Account"),           QStringLiteral("Ref_Faturacao"),
        QStringLiteral("Factura"),           QStringLiteral("Pagamento"),
        QStringLiteral("Numero do Bilhete"), QStringLiteral("Codigo Companhia Aerea"),
        QStringLiteral("Nome Passageiro"),   QStringLiteral("Destino")};
    for (const QString& nome : textos)
        if (!textoLimpo(campo(nome))) return nome;
    static const std::array<QString, 2> datas = {QStringLiteral("Partida"), QStringLiteral("Chegada")};
    for (const QString& nome : datas) {
        const Variant v = campo(nome);
        if (!vazio(v) && !converte([&] { data(v); })) return nome;
    }
    return {};
}

}  // namespace tvx
