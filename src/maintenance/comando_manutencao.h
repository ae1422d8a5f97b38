#pragma once
// The command text of the configuration editor: the "Utilizador" value taken
// at "Confirmar". Four or more parts separated by single spaces ask for the
// removal of a range of receipts (type, year, first and last number); the
// keyword ZUNK, in any case and with any blanks around it, asks for the SQL
// script.
#include <QString>
#include <cstdint>

namespace tvx {

class ComandoManutencao {
public:
    static const QString PalavraScript;  // "ZUNK"
    // The most numbers one removal may span: each is a host call and a log
    // row, and a range typed by mistake ("RE 2026 1 2147483647") would run
    // for days.
    static constexpr std::int64_t MaximoNumeros = 1000000;

    explicit ComandoManutencao(QString sComando) : m_sComando(std::move(sComando)) {}

    // True for a removal command, whose values then stand in the four
    // arguments. The text is split as typed, so a leading space or two
    // spaces in a row give empty parts; a part that is not a number of its
    // size raises the conversion error (13 or 6), a range of more than
    // MaximoNumeros numbers error 5 naming the maximum. Finding the keyword
    // sets the script flag and answers False.
    bool RemoverRecibos(QString& sTpdoc, std::int16_t& iAno, std::int32_t& lPrim, std::int32_t& lUlt);
    // The keyword was found by RemoverRecibos.
    bool ScriptPedido() const { return m_bScript; }

    // Whether `sTexto` is a command that would run (the keyword, or a removal
    // whose parts convert); never raises.
    static bool executavel(const QString& sTexto);
    // Whether `sTexto` is taken for a command at all (the keyword, or four or
    // more parts), whether or not its parts convert.
    static bool pareceComando(const QString& sTexto);

private:
    QString m_sComando;
    bool m_bScript = false;
};

}  // namespace tvx
