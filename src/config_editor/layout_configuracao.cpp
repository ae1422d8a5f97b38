#include "config_editor/layout_configuracao.h"

#include "platform/ui/property_grid_item.h"

namespace tvx::configuracao {

namespace {

const QString TipoDocumento = QStringLiteral("Tipo de Documento");
const QString TipoDocumentoDescricao = QStringLiteral("Tipo de documento");
const QString Serie = QStringLiteral("Série");
const QString Sector = QStringLiteral("Sector");
const QString SectorDescricao = QStringLiteral("Sector ");  // as the window has it, with its space
const QString ArtigoDescricao = QStringLiteral("Código do artigo/descritor a usar no documento comercial");

std::vector<CategoriaLayout> construir() {
    return {
        {QStringLiteral("Documento Comercial"),
         QStringLiteral("Configuração do documento comercial (Fatura) a usar na importação"),
         {{1000, TipoDocumento, TipoDocumentoDescricao, QStringLiteral("FATTIPODOCUM"), Lista::TiposDoc},
          {1001, Serie, Serie, QStringLiteral("FATSERIE"), Lista::Series},
          {1002, Sector, SectorDescricao, QStringLiteral("FATSECTOR"), Lista::Sectores},
          {1003, QStringLiteral("Finaliza"),
           QStringLiteral("Indique se o documento comercial deve ser finalizado ou fica em preparação."),
           QStringLiteral("FATFINALIZA"), Lista::SimNao}}},
        {QStringLiteral("Recibos"),
         QStringLiteral("Configuração do documento de Recibos a usar na importação"),
         {{1012, TipoDocumento, TipoDocumentoDescricao, QStringLiteral("RECTIPODOCUM"), Lista::TiposDoc},
          {1013, Serie, Serie, QStringLiteral("RECSERIE"), Lista::Series},
          {1014, Sector, SectorDescricao, QStringLiteral("RECSECTOR"), Lista::Sectores}}},
        {QStringLiteral("Recebimentos por Conta"),
         QStringLiteral("Configuração do documento de Recebimentos por Conta a usar na importação"),
         {{1015, TipoDocumento, TipoDocumentoDescricao, QStringLiteral("RPCTIPODOCUM"), Lista::TiposDoc},
          {1016, Serie, Serie, QStringLiteral("RPCSERIE"), Lista::Series},
          {1017, Sector, SectorDescricao, QStringLiteral("RPCSECTOR"), Lista::Sectores}}},
        {QStringLiteral("Artigos"),
         QStringLiteral("Configuração dos artigos a usar"),
         {{1004, QStringLiteral("Artigo a usar para 'Fare'"), ArtigoDescricao, QStringLiteral("ARTIGOFARE"),
           Lista::Artigos},
          {1005, QStringLiteral("Artigo a usar para Taxas"), ArtigoDescricao, QStringLiteral("ARTIGOTAXAS"),
           Lista::Artigos},
          {1006, QStringLiteral("Artigo a usar para 'Ticket Service Fee'"), ArtigoDescricao,
           QStringLiteral("ARTIGOSERVICEFEE"), Lista::Artigos},
          {1008, QStringLiteral("Armazém"), QStringLiteral("Código do armazém onde movimentar os artigos"),
           QStringLiteral("ARMAZEM"), Lista::Armazens},
          {1007, QStringLiteral("Código da Isenção de IVA"), QStringLiteral("Código da Isenção de IVA"),
           QStringLiteral("ARTIGOISENCAOIVA"), Lista::MotivosIsencao}}},
        {QStringLiteral("Base dados origem"),
         QStringLiteral("Configuração da Base dados (Access) origem a usar"),
         {{1009, QStringLiteral("Nome"), QStringLiteral("Nome e percurso da Base de Dados origem"),
           QStringLiteral("BDNOME"), Lista::Texto, ui::PropertyItemHasEdit | ui::PropertyItemHasButton},
          {1010, QStringLiteral("Utilizador"), QStringLiteral("Código do utilizador para aceder à Base de Dados"),
           QStringLiteral("BDUSER"), Lista::Texto},
          {1011, QStringLiteral("Password"), QStringLiteral("Password utilizador para aceder à Base de Dados"),
           QStringLiteral("BDPASSW"), Lista::Texto, 0, true}}},
    };
}

}  // namespace

const std::vector<CategoriaLayout>& layoutConfiguracao() {
    static const std::vector<CategoriaLayout> layout = construir();
    return layout;
}

const ItemLayout* itemLayout(std::int32_t id) {
    for (const CategoriaLayout& categoria : layoutConfiguracao())
        for (const ItemLayout& item : categoria.items)
            if (item.id == id) return &item;
    return nullptr;
}

}  // namespace tvx::configuracao
