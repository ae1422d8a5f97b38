#pragma once
// A recording stand-in for the host's commercial documents: every member set
// and method call is written, in order, to one journal shared by the session,
// its documents, headers and lines ("D1.Cab.Serie=Integer:1",
// "D1.SugereValoresLin(L3,F,T,T,F,T,F,T)"). Answers come from a script; an
// inserted document gets its number from a counter, a finalised one the
// next final number.
#include "host_api/doc_comercial.h"
#include "host_api/sessao_api.h"
#include "platform/automation/conversions.h"

#include <QStringList>
#include <map>
#include <memory>
#include <vector>

namespace tvx::testing {

struct HostScript {
    std::int32_t validar = 0;
    std::int32_t inserir = 0;
    std::int32_t finalizar = 0;
    // Validar refuses documents whose Terceiro is listed here.
    QStringList validarRecusa;
    QString ultimaMensagem = QStringLiteral("Documento recusado pelo anfitrião");
    std::int32_t proximoNumero = 45;   // number of the next inserted document
    std::int32_t proximoFinal = 900;   // number of the next finalised document
    std::int16_t ano = 2024;
    // What Ler reads.
    Variant serieAssinada = Variant(true);
    Variant certificacao = Variant(true);
    Variant emPreparacao = Variant(false);
    QString lidoVossoNo = QStringLiteral("R1");
    QString lidoTerceiro = QStringLiteral("C0001");
};

class FakeSessao;

// Members kept by name; a member never set reads Empty.
class Membros {
public:
    Membros(FakeSessao& sessao, QString nome) : sessao_(sessao), nome_(std::move(nome)) {}
    Variant get(const char* membro) const;
    void set(const char* membro, const Variant& v);
    void setQuietly(const char* membro, const Variant& v) { valores_[QString::fromUtf8(membro)] = v; }
    const QString& nome() const { return nome_; }

protected:
    FakeSessao& sessao_;
    QString nome_;
    std::map<QString, Variant> valores_;
};

class FakeDoc;

class FakeSessao : public SessaoApi {
public:
    bool Iniciar(const QString&) override { return true; }
    void Ligacao(std::shared_ptr<tvx::DalLigacao>) override {}
    std::shared_ptr<tvx::DalLigacao> Ligacao() const override { return nullptr; }
    bool Terminar() override { return true; }
    std::shared_ptr<tvx::DocComercial> DocComercial() override;
    std::shared_ptr<tvx::LinhaDocComercial> LinhaDocComercial() override;
    std::shared_ptr<tvx::DocFinanceiro> DocFinanceiro() override { return nullptr; }
    std::shared_ptr<tvx::LinhaDocFinanceiro> LinhaDocFinanceiro() override { return nullptr; }
    std::shared_ptr<tvx::DocContabilistico> DocContabilistico() override { return nullptr; }

    void log(const QString& entry) { journal << entry; }
    // Journal entries that start with `prefix`.
    QStringList entries(const QString& prefix) const;
    // The documents handed out, in order.
    const std::vector<std::shared_ptr<FakeDoc>>& docs() const { return docs_; }
    // Documents stored by Inserir, in order.
    std::vector<std::shared_ptr<FakeDoc>> inseridos() const;

    HostScript script;
    QStringList journal;

private:
    std::vector<std::shared_ptr<FakeDoc>> docs_;
    int linhas_ = 0;
};

#define TVX_FAKE_MEMBER(Name)                                   \
    Variant Name() const override { return get(#Name); }        \
    void Name(const Variant& value) override { set(#Name, value); }


class FakeCab : public CabDocComercial, public Membros {
public:
    using Membros::Membros;
    TVX_FAKE_MEMBER(TipoDocumento)
    TVX_FAKE_MEMBER(Sector)
    TVX_FAKE_MEMBER(Serie)
    TVX_FAKE_MEMBER(Terceiro)
    TVX_FAKE_MEMBER(TipoPreco)
    TVX_FAKE_MEMBER(Data)
    TVX_FAKE_MEMBER(NossoNoDocumento)
    TVX_FAKE_MEMBER(Moeda)
    TVX_FAKE_MEMBER(IvaIncluido)
    TVX_FAKE_MEMBER(DataVencimento)
    TVX_FAKE_MEMBER(DataCarga)
    TVX_FAKE_MEMBER(HoraCarga)
    TVX_FAKE_MEMBER(Processo)
    TVX_FAKE_MEMBER(VossoNoDocumento)
    TVX_FAKE_MEMBER(Ano)
};

class FakeLinha : public LinhaDocComercial, public Membros {
public:
    using Membros::Membros;
    TVX_FAKE_MEMBER(TipoDeLinha)
    TVX_FAKE_MEMBER(Artigo)
    TVX_FAKE_MEMBER(Armazem)
    TVX_FAKE_MEMBER(Descricao)
    TVX_FAKE_MEMBER(PrecoUnitario)
    TVX_FAKE_MEMBER(PrecoUnitarioIntroduzido)
    TVX_FAKE_MEMBER(Quantidade)
    TVX_FAKE_MEMBER(QuantidadeOrigem)
    TVX_FAKE_MEMBER(TipoIva)
    TVX_FAKE_MEMBER(TaxaIva)
    TVX_FAKE_MEMBER(TaxaDesconto)
    TVX_FAKE_MEMBER(MotivoIsencao)
    TVX_FAKE_MEMBER(Ordenacao)
    Variant NumeroDaLinha() const override { return get("NumeroDaLinha"); }
};

class FakeDoc : public DocComercial, public Membros {
public:
    FakeDoc(FakeSessao& s, const QString& nome)
        : Membros(s, nome), cab(std::make_shared<FakeCab>(s, nome + QStringLiteral(".Cab"))) {}

    std::shared_ptr<CabDocComercial> Cab() override { return cab; }
    TVX_FAKE_MEMBER(Origem)
    std::int32_t AdicionaLinha(std::shared_ptr<LinhaDocComercial>& oLinha) override {
        auto& linha = dynamic_cast<FakeLinha&>(*oLinha);
        linhas.push_back(std::dynamic_pointer_cast<FakeLinha>(oLinha));
        linha.setQuietly("NumeroDaLinha", Variant(std::int32_t(linhas.size())));
        sessao_.log(nome_ + QStringLiteral(".AdicionaLinha(") + linha.nome() + QLatin1Char(')'));
        return 0;
    }
    void SugereValoresLin(std::shared_ptr<LinhaDocComercial>& oLinha, bool b1, bool b2, bool b3, bool b4, bool b5,
                          bool b6, bool b7) override {
        sessao_.log(nome_ + QStringLiteral(".SugereValoresLin(") + dynamic_cast<FakeLinha&>(*oLinha).nome() +
                    QLatin1Char(',') + QStringList{flag(b1), flag(b2), flag(b3), flag(b4), flag(b5), flag(b6), flag(b7)}.join(QLatin1Char(',')) +
                    QLatin1Char(')'));
    }
    std::int32_t Validar() override {
        sessao_.log(nome_ + QStringLiteral(".Validar"));
        if (sessao_.script.validarRecusa.contains(CStr(cab->Terceiro()))) return 1;
        return sessao_.script.validar;
    }
    std::int32_t Inserir() override {
        sessao_.log(nome_ + QStringLiteral(".Inserir"));
        if (sessao_.script.inserir != 0) return sessao_.script.inserir;
        if (cab->NossoNoDocumento().isEmpty()) cab->setQuietly("NossoNoDocumento", Variant(sessao_.script.proximoNumero++));
        cab->setQuietly("Ano", Variant(sessao_.script.ano));
        inserido = true;
        return 0;
    }
    std::int32_t Finalizar(Variant& iAno, Variant& sTipoDoc, Variant& iSerie, Variant& lNumero) override {
        sessao_.log(nome_ + QStringLiteral(".Finalizar(") + debugText(iAno) + QLatin1Char(',') + debugText(sTipoDoc) +
                    QLatin1Char(',') + debugText(iSerie) + QLatin1Char(',') + debugText(lNumero) + QLatin1Char(')'));
        if (sessao_.script.finalizar != 0) return sessao_.script.finalizar;
        cab->setQuietly("TipoDocumento", sTipoDoc);
        cab->setQuietly("Serie", iSerie);
        cab->setQuietly("Ano", iAno);
        cab->setQuietly("NossoNoDocumento", Variant(sessao_.script.proximoFinal++));
        return 0;
    }
    std::int32_t Ler(Variant& sTipoDoc, Variant& lNumero, Variant& iSerie, Variant& iAno) override {
        sessao_.log(nome_ + QStringLiteral(".Ler(") + debugText(sTipoDoc) + QLatin1Char(',') + debugText(lNumero) +
                    QLatin1Char(',') + debugText(iSerie) + QLatin1Char(',') + debugText(iAno) + QLatin1Char(')'));
        cab->setQuietly("VossoNoDocumento", Variant(sessao_.script.lidoVossoNo));
        cab->setQuietly("Terceiro", Variant(sessao_.script.lidoTerceiro));
        return 0;
    }
    std::int32_t Remover() override { return 0; }
    QString UltimaMensagem() override { return sessao_.script.ultimaMensagem + QStringLiteral(" (") + nome_ + QLatin1Char(')'); }
    Variant IsSerieAssinada() override { return sessao_.script.serieAssinada; }
    Variant IsDocumentoCertificacao() override { return sessao_.script.certificacao; }
    Variant EmPreparacao() override { return sessao_.script.emPreparacao; }

    static QString flag(bool b) { return b ? QStringLiteral("T") : QStringLiteral("F"); }

    std::shared_ptr<FakeCab> cab;
    std::vector<std::shared_ptr<FakeLinha>> linhas;
    bool inserido = false;
};

}  // namespace tvx::testing
