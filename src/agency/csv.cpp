#include "agency/csv.h"

#include "platform/ado/field_info.h"
#include "platform/ado/field_value.h"
#include "platform/automation/automation_error.h"

#include <QSet>
#include <vector>

namespace tvx {

namespace {

// What a field receives from its row.
enum class Origem {
    Texto,     // the cell as it is
    Montante,  // the cell with every "," replaced by "."
    Desconto,  // as Montante, but 0 when the cell is empty
    Dia,       // always "DIA"
};

struct Campo {
    const char16_t* nome;
    ado::DataType tipo;
    int tamanho;
    int coluna;
    Origem origem;
};

// The fields in record-set order: the ticket layout of the Access source, then
// Periodo_Fact, Serviço, Tipo and DataFacturacao.
constexpr Campo Campos[] = {
    {u"ID", ado::adInteger, 0, 0, Origem::Texto},
    {u"Account", ado::adVarChar, 15, 40, Origem::Texto},
    {u"Codigo Companhia Aerea", ado::adVarChar, 10, 6, Origem::Texto},
    {u"Numero do Bilhete", ado::adVarChar, 20, 7, Origem::Texto},
    {u"Nome Passageiro", ado::adVarChar, 80, 9, Origem::Texto},
    {u"Destino", ado::adVarChar, 80, 16, Origem::Texto},
    {u"Partida", ado::adVarChar, 20, 36, Origem::Texto},
    {u"Chegada", ado::adVarChar, 20, 37, Origem::Texto},
    {u"Fare", ado::adDouble, 0, 11, Origem::Montante},
    {u"Tarifas Privadas", ado::adDouble, 0, 12, Origem::Montante},
    {u"Taxas", ado::adDouble, 0, 13, Origem::Montante},
    {u"Fees", ado::adDouble, 0, 18, Origem::Montante},
    {u"Factura", ado::adVarChar, 50, 27, Origem::Texto},
    {u"Ref_Faturacao", ado::adVarChar, 50, 38, Origem::Texto},
    {u"Pagamento", ado::adVarChar, 10, 10, Origem::Texto},
    {u"Desconto", ado::adDouble, 0, 43, Origem::Desconto},
    {u"Periodo_Fact", ado::adVarChar, 10, 39, Origem::Texto},
    {u"Serviço", ado::adVarChar, 10, 8, Origem::Texto},
    {u"Tipo", ado::adVarChar, 10, -1, Origem::Dia},
    {u"DataFacturacao", ado::adVarChar, 10, 29, Origem::Texto},
};

constexpr int ColunaServico = 8;
constexpr int ColunaPagamento = 10;

QString montante(QString text) { return text.replace(QLatin1Char(','), QLatin1Char('.')); }

Variant valorDoCampo(const Campo& campo, const TabelaCsv& tabela, std::int32_t linha) {
    switch (campo.origem) {
        case Origem::Dia:
            return Variant(QStringLiteral("DIA"));
        case Origem::Montante:
            return Variant(montante(tabela(linha, campo.coluna)));
        case Origem::Desconto: {
            const QString cell = tabela(linha, campo.coluna);
            return cell.isEmpty() ? Variant(std::int32_t(0)) : Variant(montante(cell));
        }
        case Origem::Texto:
            break;
    }
    return Variant(tabela(linha, campo.coluna));
}

// A cell that does not convert, or a column the file does not have: the
// error says where, by the file's line and the field.
AutomationError noCampo(const AutomationError& erro, const char16_t* campo, std::int32_t coluna,
                        const TabelaCsv& tabela, std::int32_t linha) {
    QString celula;
    const bool existe = tryIgnoringError([&] { celula = tabela(linha, coluna); });
    const QString onde = QStringLiteral("linha %1 do ficheiro, campo %2")
                             .arg(tabela.LinhaDoFicheiro(linha))
                             .arg(QString::fromUtf16(campo)) +
                         (existe ? QStringLiteral(" (\"%1\")").arg(celula)
                                 : QStringLiteral(" (a coluna %1 não existe no ficheiro)").arg(coluna + 1));
    return AutomationError(erro.number(), erro.description() + QStringLiteral(": ") + onde, erro.source());
}

// The texts of one column, kept once each: the same airline, customer or
// date on many rows shares one copy. A column of mostly different texts
// (ticket numbers) stops being looked up once it holds that many.
class TextosRepetidos {
public:
    Variant partilhado(Variant valor) {
        if (valor.type() != VarType::String) return valor;
        // A group's rows follow each other: the same text as the row before.
        if (anterior_.type() == VarType::String && anterior_.asString() == valor.asString()) return anterior_;
        anterior_ = guardado(std::move(valor));
        return anterior_;
    }

private:
    Variant guardado(Variant valor) {
        if (cheio_) return valor;
        const auto visto = textos_.constFind(valor.asString());
        if (visto != textos_.cend()) return Variant(*visto);
        if (textos_.size() >= Maximo) {
            cheio_ = true;
            textos_.clear();
        } else {
            textos_.insert(valor.asString());
        }
        return valor;
    }

    static constexpr qsizetype Maximo = 4096;
    QSet<QString> textos_;
    Variant anterior_;
    bool cheio_ = false;
};

}  // namespace

bool CSV::ConnectionOpen(const QString&, const QString&, const QString&) { return true; }
bool CSV::ConnectionClose() { return true; }
void CSV::UpdateTktIssued(std::int32_t, const QString&) {}
void CSV::UpdateMovBancarioComRecibo(std::int32_t, const QString&) {}
void CSV::UpdateTktIssuedFacturaFinalizada(const QString&, const QString&, const QString&) {}
std::shared_ptr<Collection> CSV::GetTabelas() { return std::make_shared<Collection>(); }

std::shared_ptr<ado::Recordset> CSV::GetRecordSet(const QString& sTable) {
    return reraiseAs(QStringLiteral("CSV::GetRecordSet"), [&] { return pRecordsetCriar(pFicheiroLer(sTable)); });
}

TabelaCsv CSV::pFicheiroLer(const QString& path) {
    LeitorCsv leitor;
    leitor.setSeparador(QStringLiteral(";"));
    leitor.setOpcaoLeitura(LeitorCsv::OpcaoAspas);
    // A file that cannot be read is an error, not a file without tickets.
    if (!leitor.Abrir(path)) err::raise(leitor.ErroAbertura());
    // A quote never closed would leave every later line out of the import:
    // the file is refused whole, nothing of it imported.
    if (const std::int32_t linha = leitor.LinhaAspasPorFechar())
        err::raise(
            err::InvalidCall,
            QStringLiteral("O ficheiro %1 tem aspas por fechar na linha %2: nada foi importado.").arg(path).arg(linha),
            QStringLiteral("CSV::pFicheiroLer"));
    const std::int32_t linhas = leitor.Linhas();
    const std::int32_t colunas = leitor.Colunas();
    return TabelaCsv(std::move(leitor), linhas, colunas);
}

bool CSV::linhaAceite(const QString& s, const QString& p) {
    return ((s == u"EMD" || s == u"REM") && p == u"CAS") || s == u"EMI" || p == u"CCR" || p == u"NCC";
}

std::shared_ptr<ado::Recordset> CSV::pRecordsetCriar(const TabelaCsv& tabela) {
    std::vector<ado::FieldInfo> campos;
    for (const Campo& campo : Campos)
        campos.push_back(ado::appendedField(QString::fromUtf16(campo.nome), campo.tipo, campo.tamanho, 0));
    // The taken rows first, so that their values go straight to their place:
    // a file of many rows makes one allocation, not one per row.
    std::vector<std::int32_t> aceites;
    for (std::int32_t i = 0; i <= tabela.UltimaLinha(); ++i) {
        if (tabela(i, 0).isEmpty()) continue;
        const auto celula = [&](std::int32_t coluna, const char16_t* campo) {
            try {
                return tabela(i, coluna);
            } catch (...) {
                throw noCampo(currentError(), campo, coluna, tabela, i);
            }
        };
        if (linhaAceite(celula(ColunaServico, u"Serviço"), celula(ColunaPagamento, u"Pagamento"))) aceites.push_back(i);
    }
    if (aceites.empty()) {
        auto rs = std::make_shared<ado::Recordset>();
        for (const Campo& campo : Campos)
            rs->Fields().Append(QString::fromUtf16(campo.nome), campo.tipo, campo.tamanho);
        rs->Open();
        return rs;
    }
    std::vector<Variant> valores;
    valores.reserve(aceites.size() * std::size(Campos));
    std::vector<TextosRepetidos> repetidos(std::size(Campos));
    for (const std::int32_t i : aceites) {
        for (std::size_t f = 0; f < std::size(Campos); ++f) {
            try {
                valores.push_back(
                    repetidos[f].partilhado(ado::coerceForField(campos[f], valorDoCampo(Campos[f], tabela, i))));
            } catch (...) {
                throw noCampo(currentError(), Campos[f].nome, Campos[f].coluna, tabela, i);
            }
        }
    }
    auto rs = std::make_shared<ado::Recordset>();
    rs->openRows(std::move(campos), std::move(valores));
    rs->setSort(QStringLiteral("Factura, ID"));
    return rs;
}

}  // namespace tvx
