#pragma once
// A run's locks for tests of the runs over fakes: always free (or refused
// when told), holding the in-flight record a previous run is said to have
// left, and recording every record written.
#include "runs/run_guard.h"

#include <QStringList>
#include <vector>

namespace tvx::testing {

class FreeRunGuard : public RunGuard {
public:
    struct Estado {
        bool recusar = false;
        DocumentoPendente anterior;
        std::vector<DocumentoPendente> registados;
        int resolvidos = 0;
        int libertados = 0;
    };
    explicit FreeRunGuard(Estado& estado) : e_(estado) {}

    bool adquirir(const QString&, const QString&, ui::MessageBox& messages, const QString& sTitulo) override;
    const DocumentoPendente& anterior() const override { return e_.anterior; }
    void registar(const DocumentoPendente& documento) override { e_.registados.push_back(documento); }
    void resolvido() override { ++e_.resolvidos; }
    void batimento() override {}
    void libertar() override { ++e_.libertados; }

private:
    Estado& e_;
};

}  // namespace tvx::testing
