#pragma once
// The header and the settlement lines of the host's financial document.
//
// The header's members that name a catalogue entry (ModoDePagamento,
// bancoEmpresa, banco, CarteiraOrigem, CarteiraDestino, RegimeIva) are
// checked when they are set: an unknown code is refused at once with error
// 380 and the member keeps its value. Every other member is checked by
// Validar.
#include "host_api/doc_financeiro.h"
#include "host_erp/host_members.h"
#include "host_erp/session_state.h"

namespace tvx::host_erp {

#define TVX_CATALOGUE_MEMBER(Name, Kind, Table, Message)                                                   \
    ::tvx::Variant Name() const override { return members_.get(QStringLiteral(#Name)); }                   \
    void Name(const ::tvx::Variant& value) override {                                                      \
        setChecked(QStringLiteral(#Name), value, ::tvx::host_erp::MemberKind::Kind, QStringLiteral(Table), \
                   QStringLiteral(Message));                                                               \
    }

class FinancialHeader : public CabDocFinanceiro {
public:
    explicit FinancialHeader(std::shared_ptr<SessionState> session) : session_(std::move(session)) {}

    TVX_MEMBER(TipoDocumento, Text)
    TVX_MEMBER(Serie, Integer)
    TVX_MEMBER(Sector, Text)
    TVX_MEMBER(ValorRegularizado, Money)
    TVX_MEMBER(Data, Date)
    TVX_MEMBER(Ano, Integer)
    TVX_MEMBER(Moeda, Text)
    TVX_MEMBER(TipoTerceiro, Integer)
    TVX_MEMBER(Terceiro, Text)
    TVX_CATALOGUE_MEMBER(ModoDePagamento, Text, "MODOSPAG", "O modo de pagamento '%1' não existe.")
    TVX_CATALOGUE_MEMBER(bancoEmpresa, Text, "BANCOS", "O banco '%1' não existe.")
    TVX_MEMBER(AgenciaEmpresa, Text)
    TVX_MEMBER(ContaBncEmpresa, Text)
    TVX_CATALOGUE_MEMBER(banco, Text, "BANCOS", "O banco '%1' não existe.")
    TVX_CATALOGUE_MEMBER(CarteiraOrigem, Integer, "CARTEIRAS", "A carteira %1 não existe.")
    TVX_CATALOGUE_MEMBER(CarteiraDestino, Integer, "CARTEIRAS", "A carteira %1 não existe.")
    TVX_MEMBER(LigacaoCtb, Boolean)
    TVX_CATALOGUE_MEMBER(RegimeIva, Text, "REGIMES_IVA", "O regime de IVA '%1' não existe.")
    // Given by Inserir (Empty before).
    Variant NumeroDocumento() const override { return members_.get(QStringLiteral("NumeroDocumento")); }

    Members& members() { return members_; }

private:
    void setChecked(const QString& name, const Variant& value, MemberKind kind, const QString& table,
                    const QString& message);

    std::shared_ptr<SessionState> session_;
    Members members_;
};

#undef TVX_CATALOGUE_MEMBER

class FinancialLine : public LinhaDocFinanceiro {
public:
    TVX_MEMBER(TipoDocumentoLiq, Text)
    TVX_MEMBER(NumeroDocumentoLiq, Long)
    TVX_MEMBER(SerieDoLiquidado, Integer)
    TVX_MEMBER(Anol, Integer)
    TVX_MEMBER(ValorPago, Money)

    Members& members() { return members_; }

private:
    Members members_;
};

}  // namespace tvx::host_erp
