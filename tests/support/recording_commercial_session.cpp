#include "support/recording_commercial_session.h"

namespace tvx::testing {

std::shared_ptr<tvx::DocComercial> RecordingCommercialSession::DocComercial() {
    const QString nome = QStringLiteral("D%1").arg(docs_.size() + 1);
    docs_.push_back(std::make_shared<RecordingDocComercial>(journal, script, nome));
    journal << QStringLiteral("new ") + nome;
    return docs_.back();
}

std::shared_ptr<tvx::LinhaDocComercial> RecordingCommercialSession::LinhaDocComercial() {
    return std::make_shared<RecordingLinhaDocComercial>(journal, QStringLiteral("L%1").arg(++linhas_));
}

QStringList RecordingCommercialSession::entries(const QString& prefix) const {
    QStringList found;
    for (const QString& e : journal)
        if (e.startsWith(prefix)) found << e;
    return found;
}

std::vector<std::shared_ptr<RecordingDocComercial>> RecordingCommercialSession::inseridos() const {
    std::vector<std::shared_ptr<RecordingDocComercial>> found;
    for (const auto& d : docs_)
        if (d->inserido) found.push_back(d);
    return found;
}

}  // namespace tvx::testing
