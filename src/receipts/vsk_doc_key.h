#pragma once
// A document key: the identity of a host invoice a transfer settles, with
// the figures of its header that the receipt needs. A plain record, public
// and creatable, whose properties a late-binding caller reaches by name.
#include "platform/automation/currency.h"
#include "platform/automation/dispatch.h"

#include <QString>
#include <cstdint>

namespace tvx {

class VskDocKey : public Dispatch {
public:
    // Interface slot order: SinalCt, Natureza, TipoOperacao, AreaGestao,
    // Total, Ano, Serie, Numero, Tipo (each a setter, then a getter).
    void SinalCt(std::int16_t value) { sinalCt_ = value; }
    std::int16_t SinalCt() const { return sinalCt_; }
    void Natureza(std::int16_t value) { natureza_ = value; }
    std::int16_t Natureza() const { return natureza_; }
    void TipoOperacao(std::int16_t value) { tipoOperacao_ = value; }
    std::int16_t TipoOperacao() const { return tipoOperacao_; }
    void AreaGestao(std::int16_t value) { areaGestao_ = value; }
    std::int16_t AreaGestao() const { return areaGestao_; }
    void Total(Currency value) { total_ = value; }
    Currency Total() const { return total_; }
    void Ano(std::int16_t value) { ano_ = value; }
    std::int16_t Ano() const { return ano_; }
    void Serie(std::int16_t value) { serie_ = value; }
    std::int16_t Serie() const { return serie_; }
    void Numero(std::int32_t value) { numero_ = value; }
    std::int32_t Numero() const { return numero_; }
    void Tipo(QString value) { tipo_ = std::move(value); }
    const QString& Tipo() const { return tipo_; }

    // Late binding: no argument reads a property, one argument sets it
    // (converted to the property's type, with the platform's errors).
    QStringList memberNames() const override;
    Variant Invoke(const QString& name, std::vector<Variant>& args) override;

private:
    QString tipo_;
    std::int32_t numero_ = 0;
    std::int16_t serie_ = 0;
    std::int16_t ano_ = 0;
    Currency total_;
    std::int16_t areaGestao_ = 0;
    std::int16_t tipoOperacao_ = 0;
    std::int16_t natureza_ = 0;
    std::int16_t sinalCt_ = 0;
};

}  // namespace tvx
