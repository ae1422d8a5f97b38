// Filter and Find criteria of any text over a record set of every kind of
// field. Property: the criteria parser accepts the text or raises 3001 (3265
// when the text names a field the record set does not have), nothing else; a
// refused Filter leaves the one in force; an accepted one shows a subset of the rows.
#include "fuzz_check.h"
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"

#include <QDate>

namespace tvx::ado {
namespace {

constexpr int kRows = 6;

Recordset& table() {
    static Recordset* rs = [] {
        auto* r = new Recordset;
        r->Fields().Append(QStringLiteral("Linha"), adInteger);
        r->Fields().Append(QStringLiteral("Num.Cliente"), adVarChar, 15, adFldIsNullable | adFldMayBeNull);
        r->Fields().Append(QStringLiteral("Estado"), adVarChar, 15, adFldIsNullable | adFldMayBeNull);
        r->Fields().Append(QStringLiteral("Descrição"), adVarWChar, 255, adFldIsNullable | adFldMayBeNull);
        r->Fields().Append(QStringLiteral("Valor"), adCurrency, 8, adFldIsNullable | adFldMayBeNull);
        r->Fields().Append(QStringLiteral("Data"), adDate, 8, adFldIsNullable | adFldMayBeNull);
        r->Fields().Append(QStringLiteral("Pago"), adBoolean, 2, adFldIsNullable | adFldMayBeNull);
        r->Fields().Append(QStringLiteral("Taxa"), adDouble, 8, adFldIsNullable | adFldMayBeNull);
        r->Fields().Append(QStringLiteral("Total"), adBigInt, 8, adFldIsNullable | adFldMayBeNull);
        r->Open();
        const char* estados[] = {"OK", "Erro", "ERRO", "Processado", "AVISO", nullptr};
        for (int i = 0; i < kRows; ++i) {
            r->AddNew();
            r->setValue(QStringLiteral("Linha"), i + 1);
            r->setValue(QStringLiteral("Num.Cliente"), QStringLiteral("C-%1").arg(i % 3));
            r->setValue(QStringLiteral("Estado"), estados[i] ? Variant(estados[i]) : Variant::null());
            r->setValue(QStringLiteral("Descrição"), i == 2 ? Variant(QStringLiteral("Cliente d'Água * 50%"))
                                                            : Variant(QStringLiteral("linha %1").arg(i)));
            r->setValue(QStringLiteral("Valor"),
                        i == 3 ? Variant::null() : Variant(QStringLiteral("%1.25").arg(i * 10)));
            r->setValue(QStringLiteral("Data"), Variant::fromDate(QDate(2024, 2, 1 + i)));
            r->setValue(QStringLiteral("Pago"), Variant(i % 2 == 0));
            r->setValue(QStringLiteral("Taxa"), Variant(i / 8.0 - 0.25));
            r->setValue(QStringLiteral("Total"), i == 4 ? Variant::null() : Variant(double(i) * 1e12));
            r->Update();
        }
        return r;
    }();
    return *rs;
}

// Runs `body`; true when it did not raise. Any error but 3001 and 3265 breaks the property.
template <class F>
bool accepted(F&& body, const QString& text) {
    try {
        body();
        return true;
    } catch (const AutomationError& e) {
        TVX_FUZZ_CHECK(e.number() == err::BadArguments || e.number() == err::ItemNotFound,
                       "criteria are accepted or refused with 3001 (3265 for an unknown field)",
                       QStringLiteral("%1 for [%2]: %3").arg(e.number()).arg(text, e.description()));
        return false;
    }
}

}  // namespace
}  // namespace tvx::ado

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tvx::ado;
    using tvx::fuzz::check;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    Recordset& rs = table();

    rs.setFilter(QStringLiteral("Linha <> 2"));
    const int before = rs.RecordCount();
    if (accepted([&] { rs.setFilter(text); }, text)) {
        check(rs.RecordCount() <= kRows, "a filter shows a subset of the rows");
        TVX_FUZZ_CHECK(rs.Filter() == (text.trimmed().isEmpty() ? tvx::Variant(std::int32_t(adFilterNone))
                                                                : tvx::Variant(text.trimmed())),
                       "the filter in force is the text given", text);
        if (rs.RecordCount() > 0) check(rs.AbsolutePosition() == 1, "a filter moves to its first row");
    } else {
        TVX_FUZZ_CHECK(rs.Filter() == tvx::Variant(QStringLiteral("Linha <> 2")) && rs.RecordCount() == before,
                       "a refused filter leaves the one in force", text);
    }

    rs.setFilter(tvx::Variant(std::int32_t(adFilterNone)));
    rs.MoveFirst();
    if (accepted([&] { rs.Find(text); }, text))
        check(!rs.Bof() && rs.AbsolutePosition() != adPosBOF, "a forward search never ends before the first row");
    rs.MoveLast();
    accepted([&] { rs.Find(text, 1, adSearchBackward); }, text);
    return 0;
}
