#include "support/parametros.h"

#include "platform/ado/recordset.h"

#include <vector>

namespace tvx::testing {

namespace {

Variant opcional(const std::optional<QString>& v) { return v ? Variant(*v) : Variant::null(); }
Variant opcional(const std::optional<std::int32_t>& v) { return v ? Variant(*v) : Variant::null(); }

}  // namespace

std::shared_ptr<ado::Recordset> parametrosRecordset(const std::optional<Parametros>& p) {
    const Parametros v = p.value_or(Parametros{});
    struct Campo {
        QString nome;
        int tipo;
        Variant valor;
    };
    const auto texto = [](const char* nome, const Variant& valor) {
        return Campo{QString::fromLatin1(nome), ado::adVarWChar, valor};
    };
    const auto inteiro = [](const char* nome, const Variant& valor) {
        return Campo{QString::fromLatin1(nome), ado::adInteger, valor};
    };
    const std::vector<Campo> campos = {
        texto("FATTIPODOCUM", Variant(v.FATTIPODOCUM)),
        texto("FATSECTOR", Variant(v.FATSECTOR)),
        inteiro("FATSERIE", Variant(v.FATSERIE)),
        inteiro("FATFINALIZA", opcional(v.FATFINALIZA)),
        texto("ARMAZEM", opcional(v.ARMAZEM)),
        texto("ARTIGOFARE", Variant(v.ARTIGOFARE)),
        texto("ARTIGOTAXAS", Variant(v.ARTIGOTAXAS)),
        texto("ARTIGOSERVICEFEE", Variant(v.ARTIGOSERVICEFEE)),
        texto("ARTIGOISENCAOIVA", Variant(v.ARTIGOISENCAOIVA)),
        texto("BDNOME", Variant(v.BDNOME)),
        texto("BDUSER", Variant(v.BDUSER)),
        texto("BDPASSW", Variant(v.BDPASSW)),
        texto("RECTIPODOCUM", Variant(v.RECTIPODOCUM)),
        inteiro("RECSERIE", Variant(v.RECSERIE)),
        texto("RECSECTOR", Variant(v.RECSECTOR)),
        texto("RPCTIPODOCUM", Variant(v.RPCTIPODOCUM)),
        inteiro("RPCSERIE", Variant(v.RPCSERIE)),
        texto("RPCSECTOR", Variant(v.RPCSECTOR)),
    };
    auto rs = std::make_shared<ado::Recordset>();
    for (const Campo& c : campos) rs->Fields().Append(c.nome, c.tipo, c.tipo == ado::adInteger ? 0 : 255);
    rs->Open();
    if (!p) return rs;
    rs->AddNew();
    for (const Campo& c : campos) rs->setValue(c.nome, c.valor);
    rs->Update();
    rs->MoveFirst();
    return rs;
}

}  // namespace tvx::testing
