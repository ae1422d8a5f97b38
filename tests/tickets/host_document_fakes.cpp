#include "tickets/host_document_fakes.h"


namespace tvx::testing {

Variant Membros::get(const char* membro) const {
    const auto it = valores_.find(QString::fromUtf8(membro));
    return it == valores_.end() ? Variant() : it->second;
}

void Membros::set(const char* membro, const Variant& v) {
    sessao_.log(nome_ + QLatin1Char('.') + QString::fromUtf8(membro) + QLatin1Char('=') + debugText(v));
    setQuietly(membro, v);
}

std::shared_ptr<tvx::DocComercial> FakeSessao::DocComercial() {
    docs_.push_back(std::make_shared<FakeDoc>(*this, QStringLiteral("D%1").arg(docs_.size() + 1)));
    log(QStringLiteral("new ") + docs_.back()->nome());
    return docs_.back();
}

std::shared_ptr<tvx::LinhaDocComercial> FakeSessao::LinhaDocComercial() {
    return std::make_shared<FakeLinha>(*this, QStringLiteral("L%1").arg(++linhas_));
}

QStringList FakeSessao::entries(const QString& prefix) const {
    QStringList out;
    for (const QString& e : journal)
        if (e.startsWith(prefix)) out << e;
    return out;
}

std::vector<std::shared_ptr<FakeDoc>> FakeSessao::inseridos() const {
    std::vector<std::shared_ptr<FakeDoc>> out;
    for (const auto& d : docs_)
        if (d->inserido) out.push_back(d);
    return out;
}

}  // namespace tvx::testing
