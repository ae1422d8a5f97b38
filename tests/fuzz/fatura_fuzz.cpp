// The Fatura text of a bank transfer ("type-number-series-year" references
// separated by ";") resolved against a company database holding a few
// invoices. The input is the transfer's amount on its first line, then the
// Fatura text. Properties: an error is one of the procedure's own (raised
// again under its name); a refusal names one of the text's references and
// settles nothing; keys come back only when their signed totals make up the
// amount, and the keys rendered back into a Fatura text resolve to the same keys.
#include "fuzz_check.h"
#include "receipts/settlement_resolution.h"
#include "settings/dal_comandos.h"
#include "support/fake_company_db.h"

#include <QStringList>

namespace tvx {
namespace {

std::shared_ptr<testing::FakeCompanyDb> companyDb() {
    static const auto db = [] {
        auto d = std::make_shared<testing::FakeCompanyDb>();
        d->addFactura({QStringLiteral("FT"), 12, 1, 2024, QStringLiteral("C0001"), Currency::parse("100.00"), 1});
        d->addFactura({QStringLiteral("FT"), 15, 1, 2024, QStringLiteral("C0001"), Currency::parse("50.00"), 1});
        d->addFactura({QStringLiteral("FT"), 15, 2, 2024, QStringLiteral("C0001"), Currency::parse("0.01"), 1});
        d->addFactura({QStringLiteral("NC"), 3, 1, 2024, QStringLiteral("C0001"), Currency::parse("30.00"), 2});
        d->addFactura({QStringLiteral("FT"), 20, 1, 2024, QStringLiteral("C0002"), Currency::parse("80.00"), 1});
        return d;
    }();
    return db;
}

// The helpers over that database, as the transfer run lends them.
DalComandos& comandos() {
    static DalComandos c = [] {
        DalComandos d;
        d.HlpDb_LigacaoSet(companyDb());
        return d;
    }();
    return c;
}

QString keyText(const VskDocKey& k) {
    return QStringLiteral("%1-%2-%3-%4").arg(k.Tipo()).arg(k.Numero()).arg(k.Serie()).arg(k.Ano());
}

QString described(const VskDocKeys& keys) {
    QStringList out;
    for (const auto& k : keys)
        out << keyText(*k) + QStringLiteral(" total %1 sinal %2").arg(k->Total().toString()).arg(k->SinalCt());
    return out.join(u';');
}

struct Resolved {
    std::shared_ptr<VskDocKeys> keys;
    QString mensagem;
    bool raised = false;
};

Resolved resolve(const QString& fatura, Currency valor) {
    Resolved r;
    r.mensagem = QStringLiteral("stale");
    try {
        r.keys = pDocQueTipoRecibo(comandos(), fatura, QStringLiteral("C0001"), valor, r.mensagem);
    } catch (const AutomationError& e) {
        TVX_FUZZ_CHECK(e.source() == QStringLiteral("pDocQueTipoRecibo"),
                       "errors are raised again under the procedure's name", e.source());
        TVX_FUZZ_CHECK(
            e.number() == err::TypeMismatch || e.number() == err::Overflow || e.number() == err::DuplicateKey,
            "the only errors are a reference that is not a number, out of range or named twice",
            QStringLiteral("%1 %2 for [%3]").arg(e.number()).arg(e.description(), fatura));
        r.raised = true;
        return r;
    }
    fuzz::check(r.keys != nullptr, "a collection always comes back");
    return r;
}

}  // namespace
}  // namespace tvx

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tvx;
    using fuzz::check;
    const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString fatura = input.section(u'\n', 1);
    Currency valor;
    try {
        valor = Currency::parse(input.section(u'\n', 0, 0).trimmed());
    } catch (const AutomationError&) {
    }

    const Resolved first = resolve(fatura, valor);
    if (first.raised) return 0;
    if (!first.mensagem.isEmpty()) {
        TVX_FUZZ_CHECK(first.keys->Count() == 0, "a refusal settles nothing", fatura);
        TVX_FUZZ_CHECK(first.mensagem.startsWith(RecusaMalDefinido) || first.mensagem.startsWith(RecusaNaoExiste) ||
                           first.mensagem.startsWith(QStringLiteral("Um dos documentos a liquidar tem terceiro <")),
                       "a refusal is one of the three", first.mensagem);
        bool named = false;
        for (const QString& reference : fatura.split(u';'))
            named = named || (!reference.isEmpty() && first.mensagem.endsWith(reference));
        TVX_FUZZ_CHECK(named, "a refusal names the reference refused",
                       first.mensagem + QStringLiteral(" for ") + fatura);
        return 0;
    }
    if (first.keys->Count() == 0) return 0;

    Currency soma;
    QStringList references;
    for (const auto& k : *first.keys) {
        soma += k->Total();
        references << keyText(*k);
    }
    TVX_FUZZ_CHECK(soma == valor, "the keys' signed totals make up the amount", described(*first.keys));
    const Resolved again = resolve(references.join(u';'), valor);
    TVX_FUZZ_CHECK(!again.raised && again.mensagem.isEmpty() && described(*again.keys) == described(*first.keys),
                   "the keys rendered back resolve to the same keys",
                   fatura + QStringLiteral(" gave ") + described(*first.keys) + QStringLiteral(" then ") +
                       (again.keys ? described(*again.keys) : QStringLiteral("an error")));
    return 0;
}
