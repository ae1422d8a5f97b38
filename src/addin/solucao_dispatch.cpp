// Solucao's automation interface: its public members by name, in the order
// the host knows them, with their arguments by reference.
#include "addin/solucao.h"
#include "platform/automation/conversions.h"

#include <functional>
#include <utility>
#include <vector>

namespace tvx::addin {

namespace {

struct Member {
    QString name;
    std::size_t arity;
    std::function<Variant(Solucao&, std::vector<Variant>&)> call;
};

template <class... A, std::size_t... I>
void callWith(Solucao& s, void (Solucao::*f)(A...), std::vector<Variant>& args, std::index_sequence<I...>) {
    (s.*f)(args[I]...);
}

// A procedure whose arguments are all variants by reference.
template <class... A>
Member procedure(const char* name, void (Solucao::*f)(A...)) {
    return {QString::fromUtf8(name), sizeof...(A), [f](Solucao& s, std::vector<Variant>& args) {
                callWith(s, f, args, std::index_sequence_for<A...>{});
                return Variant();
            }};
}

// ConnectionOpen and ConnectionValidate: two texts in, an automation boolean out.
Member connection(const char* name, bool (Solucao::*f)(const QString&, const QString&)) {
    return {QString::fromUtf8(name), 2,
            [f](Solucao& s, std::vector<Variant>& args) { return Variant((s.*f)(CStr(args[0]), CStr(args[1]))); }};
}

#define TVX_PROCEDURE(name) procedure(#name, &Solucao::name)

const std::vector<Member>& members() {
    static const std::vector<Member> table = {
        connection("ConnectionOpen", &Solucao::ConnectionOpen),
        {QStringLiteral("ConnectionClose"), 0,
         [](Solucao& s, std::vector<Variant>&) { return Variant(s.ConnectionClose()); }},
        connection("ConnectionValidate", &Solucao::ConnectionValidate),
        TVX_PROCEDURE(Operacoes),
#define TVX_HOOK_MEMBER(name, params, work) TVX_PROCEDURE(name),
        TVX_VIEW_HOOKS(TVX_HOOK_MEMBER)
#undef TVX_HOOK_MEMBER
    };
    return table;
}

#undef TVX_PROCEDURE

}  // namespace

QStringList Solucao::memberNames() const {
    QStringList names;
    for (const Member& m : members()) names << m.name;
    return names;
}

Variant Solucao::Invoke(const QString& name, std::vector<Variant>& args) {
    for (const Member& m : members()) {
        if (m.name.compare(name, Qt::CaseInsensitive) != 0) continue;
        if (args.size() != m.arity) throw err::wrongArgumentCount(QStringLiteral("Solucao"));
        return m.call(*this, args);
    }
    throw err::memberNotFound(QStringLiteral("Solucao"));
}

}  // namespace tvx::addin
