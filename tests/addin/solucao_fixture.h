#pragma once
// An entry object over the fake host, with a recording desktop and runs.
#include "addin/recording_runs.h"
#include "addin/solucao.h"
#include "settings/dal_comandos.h"
#include "support/fake_desktop.h"
#include "support/fake_host.h"
#include "support/view_document.h"

#include <gtest/gtest.h>

inline void PrintTo(const QString& s, std::ostream* out) { *out << '"' << s.toStdString() << '"'; }

namespace tvx::testing {

class SolucaoTest : public ::testing::Test {
protected:
    addin::Solucao& solucao() { return *solucao_; }
    const addin::SolucaoEstado& estado() const { return solucao_->estado(); }
    const std::vector<MessageBoxCall>& boxes() const { return desktop->messages_.calls(); }
    // The settings file the fake host's folders give for `empresa`.
    QString iniFile(const QString& empresa) const {
        return host.base.path() + QStringLiteral("\\quorel\\BRISKO.") + empresa;
    }
    int logCount(const QString& piece) const {
        return int(
            std::count_if(host.log.begin(), host.log.end(), [&](const QString& l) { return l.contains(piece); }));
    }
    void operacao(const Variant& code) {
        Variant pai, op = code, user(QStringLiteral("joao"));
        solucao_->Operacoes(pai, op, user);
    }

    FakeHost host;
    std::shared_ptr<FakeDesktop> desktop = std::make_shared<FakeDesktop>();
    std::shared_ptr<RecordingRuns> runs = std::make_shared<RecordingRuns>();

private:
    std::unique_ptr<addin::Solucao> solucao_ = std::make_unique<addin::Solucao>(desktop, runs);
};

// `expected` appear in `log` in this order (other entries may lie between them).
inline ::testing::AssertionResult inOrder(const QStringList& log, const QStringList& expected) {
    qsizetype at = 0;
    for (const QString& e : expected) {
        while (at < log.size() && log[at] != e) ++at;
        if (at == log.size())
            return ::testing::AssertionFailure() << "missing or out of order: " << e.toStdString() << "\nlog:\n"
                                                 << log.join(QLatin1Char('\n')).toStdString();
        ++at;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace tvx::testing
