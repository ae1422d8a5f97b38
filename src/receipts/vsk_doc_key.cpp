#include "receipts/vsk_doc_key.h"

#include "platform/automation/conversions.h"

#include <functional>

namespace tvx {

namespace {

struct Property {
    const char* name;
    std::function<Variant(const VskDocKey&)> get;
    std::function<void(VskDocKey&, const Variant&)> set;
};

template <class T>
Property integer16(const char* name, std::int16_t (VskDocKey::*get)() const, void (VskDocKey::*set)(T)) {
    return {name, [get](const VskDocKey& k) { return Variant((k.*get)()); },
            [set](VskDocKey& k, const Variant& v) { (k.*set)(CInt(v)); }};
}

const std::vector<Property>& properties() {
    static const std::vector<Property> table = {
        integer16("SinalCt", &VskDocKey::SinalCt, &VskDocKey::SinalCt),
        integer16("Natureza", &VskDocKey::Natureza, &VskDocKey::Natureza),
        integer16("TipoOperacao", &VskDocKey::TipoOperacao, &VskDocKey::TipoOperacao),
        integer16("AreaGestao", &VskDocKey::AreaGestao, &VskDocKey::AreaGestao),
        {"Total", [](const VskDocKey& k) { return Variant(k.Total()); },
         [](VskDocKey& k, const Variant& v) { k.Total(CCur(v)); }},
        integer16("Ano", &VskDocKey::Ano, &VskDocKey::Ano),
        integer16("Serie", &VskDocKey::Serie, &VskDocKey::Serie),
        {"Numero", [](const VskDocKey& k) { return Variant(k.Numero()); },
         [](VskDocKey& k, const Variant& v) { k.Numero(CLng(v)); }},
        {"Tipo", [](const VskDocKey& k) { return Variant(k.Tipo()); },
         [](VskDocKey& k, const Variant& v) { k.Tipo(CStr(v)); }},
    };
    return table;
}

const QString Source = QStringLiteral("VskDocKey");

}  // namespace

QStringList VskDocKey::memberNames() const {
    QStringList names;
    for (const Property& p : properties()) names << QString::fromUtf8(p.name);
    return names;
}

Variant VskDocKey::Invoke(const QString& name, std::vector<Variant>& args) {
    for (const Property& p : properties()) {
        if (name.compare(QString::fromUtf8(p.name), Qt::CaseInsensitive) != 0) continue;
        if (args.empty()) return p.get(*this);
        if (args.size() != 1) throw err::wrongArgumentCount(Source);
        p.set(*this, args[0]);
        return Variant();
    }
    throw err::memberNotFound(Source);
}

}  // namespace tvx
