#pragma once
// A recording stand-in for the host's financial documents and accounting
// entries: every member set and method call goes, in order, to one journal
// ("F1.Cab.Serie=Long:1", "F1.AdicionaLinha(L1)", "C1.DocumentoFinanceiro(F2)").
// Answers come from a script.
#include "host_api/sessao_api.h"

#include <QStringList>
#include <deque>
#include <map>
#include <memory>

namespace tvx::testing {

struct FinanceScript {
    std::deque<std::int32_t> validar;  // answers of the receipts' Validar, in order (then 0)
    std::int32_t inserir = 0;
    QString ultimaMensagem = QStringLiteral("Recibo recusado pelo anfitrião");
    std::int32_t proximoNumero = 17;  // NumeroDocumento given by Inserir
    QStringList membrosRecusados;     // header members whose set raises 380
    std::int32_t ctbValidar = 0;
    std::int32_t ctbInserir = 0;
    QString ctbMensagem = QStringLiteral("Conta 21 inexistente");
    bool semDocContabilistico = false;  // the factory answers Nothing
};

// Members kept by name and journaled as they are set.
class MembrosGravados {
public:
    MembrosGravados(QStringList& journal, QString nome, const FinanceScript* script = nullptr)
        : journal_(journal), nome_(std::move(nome)), script_(script) {}
    Variant get(const char* membro) const;
    void set(const char* membro, const Variant& v);
    void setQuietly(const char* membro, const Variant& v) { valores_[QString::fromUtf8(membro)] = v; }
    const QString& nome() const { return nome_; }

private:
    QStringList& journal_;
    QString nome_;
    const FinanceScript* script_;
    std::map<QString, Variant> valores_;
};

class RecordingFinanceSession : public SessaoApi {
public:
    bool Iniciar(const QString&) override { return true; }
    void Ligacao(std::shared_ptr<tvx::DalLigacao>) override {}
    std::shared_ptr<tvx::DalLigacao> Ligacao() const override { return nullptr; }
    bool Terminar() override { return true; }
    std::shared_ptr<tvx::DocComercial> DocComercial() override { return nullptr; }
    std::shared_ptr<tvx::LinhaDocComercial> LinhaDocComercial() override { return nullptr; }
    std::shared_ptr<tvx::DocFinanceiro> DocFinanceiro() override;
    std::shared_ptr<tvx::LinhaDocFinanceiro> LinhaDocFinanceiro() override;
    std::shared_ptr<tvx::DocContabilistico> DocContabilistico() override;

    // Journal entries that start with `prefix`.
    QStringList entries(const QString& prefix) const;

    FinanceScript script;
    QStringList journal;
    int recibosInseridos = 0;

private:
    int docs_ = 0;
    int linhas_ = 0;
    int ctbs_ = 0;
};

}  // namespace tvx::testing
