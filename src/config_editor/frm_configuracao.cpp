#include "config_editor/frm_configuracao.h"

#include "config_editor/layout_configuracao.h"
#include "config_editor/reraise_chained.h"
#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "platform/ui/error_box.h"
#include "runs/field_values.h"
#include "settings/dal_comandos.h"

#include <array>
#include <utility>

namespace tvx {

using configuracao::ItemLayout;
using configuracao::Lista;
using configuracao::reraiseChained;

const QString FrmConfiguracao::DesignCaption = QStringLiteral("Configuração");
const QString FrmConfiguracao::cmdConfCaption = QStringLiteral("&Confirmar");
const QString FrmConfiguracao::cmdCancelCaption = QStringLiteral("C&ancelar");
const QString FrmConfiguracao::cmdSairCaption = QStringLiteral("&Sair");

namespace {

const QString CrLf = QStringLiteral("\r\n");

// The three documents of the grid: the type item, the series item of its
// category, and the category's series record set.
struct Documento {
    std::int16_t tipo;
    std::int16_t serie;
    ListasConfiguracao::RecordsetRef ListasConfiguracao::*series;
};
const std::array<Documento, 3> Documentos = {{
    {1000, 1001, &ListasConfiguracao::m_rsSeriesFat},
    {1012, 1013, &ListasConfiguracao::m_rsSeriesRec},
    {1015, 1016, &ListasConfiguracao::m_rsSeriesRpc},
}};

const Documento& documentoDoItem(std::int16_t id) {
    for (const Documento& d : Documentos)
        if (d.tipo == id || d.serie == id) return d;
    err::raise(err::InvalidCall);
}

// The first row of a new table: texts empty, numbers 0, in this order.
const std::array<std::pair<const char*, bool>, 18> PrimeiraLinha = {{
    {"FATTIPODOCUM", true},
    {"FATSECTOR", true},
    {"FATSERIE", false},
    {"FATFINALIZA", false},
    {"RECTIPODOCUM", true},
    {"RECSECTOR", true},
    {"RECSERIE", false},
    {"RPCTIPODOCUM", true},
    {"RPCSECTOR", true},
    {"RPCSERIE", false},
    {"ARMAZEM", true},
    {"ARTIGOFARE", true},
    {"ARTIGOTAXAS", true},
    {"ARTIGOSERVICEFEE", true},
    {"ARTIGOISENCAOIVA", true},
    {"BDNOME", true},
    {"BDUSER", true},
    {"BDPASSW", true},
}};

// A series number as stored, Null as 0.
std::int16_t serieOuZero(const Variant& v) { return v.isNull() ? 0 : CInt(v); }

// The record set moved to the entry the item holds; that row's `coluna`.
Variant valorNaPosicao(const ListasConfiguracao::RecordsetRef& rs, const ui::PropertyGridItem& item,
                       const QString& coluna) {
    if (!rs) err::raise(err::ObjectNotSet);
    rs->setAbsolutePosition(CLng(item.Value()));
    return rs->value(coluna);
}

// The window's buttons by control name, their captions and the handler of each.
struct Botao {
    const char16_t* control;
    const QString& caption;
    void (FrmConfiguracao::*click)();
};
const std::array<Botao, 3> Botoes = {{
    {u"cmdConf", FrmConfiguracao::cmdConfCaption, &FrmConfiguracao::cmdConf_Click},
    {u"cmdCancel", FrmConfiguracao::cmdCancelCaption, &FrmConfiguracao::cmdCancel_Click},
    {u"cmdSair", FrmConfiguracao::cmdSairCaption, &FrmConfiguracao::cmdSair_Click},
}};

constexpr std::int16_t ItemNomeBaseDados = 1009;

}  // namespace

FrmConfiguracao::FrmConfiguracao(FrmConfiguracaoControls controls, DalComandos& comandos)
    : c_(controls), comandos_(comandos), listas_(comandos) {
    c_.window.SetCaption(DesignCaption);
    for (const auto& [control, caption, click] : Botoes) {
        c_.window.SetControlCaption(QString::fromUtf16(control), caption);
        c_.window.OnClick(QString::fromUtf16(control), [this, click = click] { (this->*click)(); });
    }
    c_.wndPropertyGrid.OnValueChanged([this](ui::PropertyGridItem& i) { wndPropertyGrid_ValueChanged(i); });
    c_.wndPropertyGrid.OnInplaceButtonDown([this](ui::PropertyGridItem& i) { wndPropertyGrid_InplaceButtonDown(i); });
}

FrmConfiguracao::~FrmConfiguracao() {
    Form_Unload();
    // The window and its grid may outlive the logic: their events must not reach it any more.
    for (const auto& botao : Botoes) c_.window.OnClick(QString::fromUtf16(botao.control), {});
    c_.wndPropertyGrid.OnValueChanged({});
    c_.wndPropertyGrid.OnInplaceButtonDown({});
}

void FrmConfiguracao::Form_Unload() {
    listas_.pForeignKeyTablesClose();
    tryIgnoringError([this] { pParametrosClose(); });
}

ado::Recordset& FrmConfiguracao::parametros() const {
    if (!m_rsParametros) err::raise(err::ObjectNotSet);
    return *m_rsParametros;
}

ui::PropertyGridItem& FrmConfiguracao::item(std::int16_t id) const {
    ui::PropertyGridItem* found = c_.wndPropertyGrid.FindItem(id);
    if (!found) err::raise(err::ObjectNotSet);
    return *found;
}

void FrmConfiguracao::Editar() {
    try {
        listas_.pForeignKeyTablesOpenLoad();
        pParametrosOpen();
        pFrmPropBuild();
        pFrmPropSetValues();
    } catch (...) {
        ui::showError(c_.messages, currentError(), QString(), ui::vbExclamation);
        return;
    }
    c_.window.ShowModal();
}

void FrmConfiguracao::pParametrosOpen() {
    reraiseChained(QStringLiteral("pParametrosOpen"), [&] {
        m_rsParametros = comandos_.HlpDb_ParametrosGet();
        ado::Recordset& rs = parametros();
        m_sUtilizadorGuardado.clear();
        if (rs.RecordCount() != 0) {
            m_sUtilizadorGuardado = textoOuVazio(rs.value(QStringLiteral("BDUSER")));
            return;
        }
        // A new table: its first row, in memory until "Confirmar" saves it.
        rs.AddNew();
        for (const auto& [coluna, texto] : PrimeiraLinha)
            rs.setValue(QLatin1String(coluna), texto ? Variant(QString()) : Variant(std::int32_t(0)));
        rs.Update();
    });
}

void FrmConfiguracao::pParametrosClose() {
    reraiseChained(QStringLiteral("pParametrosClose"), [&] { m_rsParametros.reset(); });
}

void FrmConfiguracao::pParametrosSave() {
    reraiseChained(QStringLiteral("pParametrosSave"), [&] {
        // Taken before the save is tried: a failed save still hands the command on.
        m_sComando = textoOuVazio(parametros().value(QStringLiteral("BDUSER")));
        comandos_.HlpDb_ParametrosSave(m_rsParametros);
    });
}

void FrmConfiguracao::pFrmPropBuild() {
    reraiseChained(QStringLiteral("pFrmPropBuild"), [&] {
        ui::PropertyGrid& grid = c_.wndPropertyGrid;
        grid.SetAppearance(2);
        for (const configuracao::CategoriaLayout& categoria : configuracao::layoutConfiguracao()) {
            ui::PropertyGridCategory& cat = grid.AddCategory(categoria.caption);
            cat.SetDescription(categoria.description);
            cat.Expand();
            for (const ItemLayout& layout : categoria.items) {
                ui::PropertyGridItem& novo = cat.AddChildItem(
                    layout.isText() ? ui::PropertyItemText : ui::PropertyItemList, layout.caption, Variant(QString()));
                novo.SetId(layout.id);
                novo.SetDescription(layout.description);
                if (layout.flags != 0) novo.SetFlags(layout.flags);
                if (layout.masked) novo.SetPasswordMask(true);
                pListaConstruir(novo, layout);
            }
        }
    });
}

void FrmConfiguracao::pListaConstruir(ui::PropertyGridItem& novo, const ItemLayout& layout) {
    switch (layout.lista) {
        case Lista::TiposDoc:
            listas_.pFrmPropSetConstraintsTpDocum(novo);
            break;
        case Lista::Series:
            listas_.pFrmPropSetConstraintsSeries(novo, listas_.*documentoDoItem(layout.id).series, QString());
            break;
        case Lista::Sectores:
            listas_.pFrmPropSetConstraintsSector(novo);
            break;
        case Lista::SimNao:
            ListasConfiguracao::pFrmPropSetConstraintSimNao(novo);
            break;
        case Lista::Artigos:
            listas_.pFrmPropSetConstraintsDescritores(novo);
            break;
        case Lista::Armazens:
            listas_.pFrmPropSetConstraintsArmazens(novo);
            break;
        case Lista::MotivosIsencao:
            listas_.pFrmPropSetConstraintGeneric(listas_.m_rsMotivosIsencao, QStringLiteral("DESCRICAO"), novo,
                                                 QStringLiteral("CODIGO"));
            break;
        case Lista::Texto:
            break;
    }
}

void FrmConfiguracao::pFrmPropSetValues() {
    reraiseChained(QStringLiteral("pFrmPropSetValues"), [&] {
        for (const configuracao::CategoriaLayout& categoria : configuracao::layoutConfiguracao())
            for (const ItemLayout& layout : categoria.items) {
                if (layout.lista == Lista::Series)
                    pSeriesMostrar(layout.id);
                else
                    item(layout.id).SetValue(pValorMostrado(item(layout.id), layout));
            }
    });
}

Variant FrmConfiguracao::pValorMostrado(ui::PropertyGridItem& alvo, const ItemLayout& layout) {
    const Variant v = parametros().value(layout.column);
    const QString texto = textoOuVazio(v);
    switch (layout.lista) {
        case Lista::TiposDoc:
            return Variant(listas_.pFrmPropSetConstraintsTpDocumValue(texto));
        case Lista::Sectores:
            return Variant(listas_.pFrmPropSetConstraintsSectorValue(texto));
        case Lista::SimNao:
            return Variant(std::int32_t(v.isNull() || CLng(v) == 0 ? 0 : 1));
        case Lista::Artigos:
            return Variant(listas_.pFrmPropSetConstraintsDescritoresValue(texto));
        case Lista::Armazens:
            return Variant(listas_.pFrmPropSetConstraintsArmazensValue(texto));
        case Lista::MotivosIsencao:
            return Variant(
                listas_.pFrmPropSetConstraintValueGeneric(listas_.m_rsMotivosIsencao, QStringLiteral("CODIGO"), texto));
        case Lista::Series:
            return alvo.Value();  // shown by pSeriesMostrar
        case Lista::Texto:
            break;
    }
    return Variant(texto);
}

void FrmConfiguracao::pSeriesMostrar(std::int16_t idSerie) {
    const Documento& documento = documentoDoItem(idSerie);
    ListasConfiguracao::RecordsetRef& series = listas_.*documento.series;
    ado::Recordset& rs = parametros();
    const QString sTipo = textoOuVazio(rs.value(configuracao::itemLayout(documento.tipo)->column));
    ui::PropertyGridItem& alvo = item(idSerie);
    listas_.pFrmPropSetConstraintsSeries(alvo, series, sTipo);
    const std::int16_t iSerie = serieOuZero(rs.value(configuracao::itemLayout(idSerie)->column));
    alvo.SetValue(Variant(listas_.pFrmPropSetConstraintsSeriesValue(series, iSerie)));
}

void FrmConfiguracao::pValorAlterado(ui::PropertyGridItem& alterado) {
    const ItemLayout* layout = configuracao::itemLayout(std::int32_t(alterado.Id()));
    if (!layout) return;
    ado::Recordset& rs = parametros();
    const QString& coluna = layout->column;
    const QString codigo = QStringLiteral("CODIGO");
    switch (layout->lista) {
        case Lista::TiposDoc:
            rs.setValue(coluna, valorNaPosicao(listas_.m_rsTiposDoc, alterado, codigo));
            rs.Update();
            // The category's series list follows the new type; the stored series
            // stays, and is shown where the new list has it (or not at all).
            pSeriesMostrar(documentoDoItem(layout->id).serie);
            return;
        case Lista::Series:
            rs.setValue(coluna,
                        valorNaPosicao(listas_.*documentoDoItem(layout->id).series, alterado, QStringLiteral("SERIE")));
            break;
        case Lista::Sectores:
            rs.setValue(coluna, valorNaPosicao(listas_.m_rsSectores, alterado, codigo));
            break;
        case Lista::SimNao:
            rs.setValue(coluna, Variant(CLng(alterado.Value())));
            break;
        case Lista::Artigos:
            rs.setValue(coluna, valorNaPosicao(listas_.m_rsArtigos, alterado, codigo));
            break;
        case Lista::MotivosIsencao:
            rs.setValue(coluna, valorNaPosicao(listas_.m_rsMotivosIsencao, alterado, codigo));
            break;
        case Lista::Armazens:
            rs.setValue(coluna, valorNaPosicao(listas_.m_rsArmazens, alterado, codigo));
            break;
        case Lista::Texto:
            rs.setValue(coluna, Variant(alterado.ValueText()));
            break;
    }
    rs.Update();
}

void FrmConfiguracao::pErroMostrar(const AutomationError& error) {
    ui::showError(c_.messages, error, error.source() + CrLf + CrLf, ui::vbExclamation, DesignCaption);
}

void FrmConfiguracao::wndPropertyGrid_ValueChanged(ui::PropertyGridItem& alterado) {
    try {
        pValorAlterado(alterado);
    } catch (...) {
        pErroMostrar(currentError());
        // The row kept its value (a text too long for its column, say): the
        // item shows it again rather than an entry that "Confirmar" would not save.
        tryIgnoringError([&] { pValorRepor(alterado); });
    }
}

void FrmConfiguracao::pValorRepor(ui::PropertyGridItem& alvo) {
    const ItemLayout* layout = configuracao::itemLayout(std::int32_t(alvo.Id()));
    if (!layout) return;
    if (parametros().EditMode() == ado::adEditInProgress) parametros().CancelUpdate();
    if (layout->lista == Lista::Series)
        pSeriesMostrar(layout->id);
    else
        alvo.SetValue(pValorMostrado(alvo, *layout));
}

void FrmConfiguracao::wndPropertyGrid_InplaceButtonDown(ui::PropertyGridItem& alvo) {
    if (alvo.Id() != ItemNomeBaseDados) return;
    ui::CommonDialog& dialogo = c_.CommonDialog;
    // A cancelled dialog writes back the name it was given: the item's own.
    runIgnoringErrors({
        [&] {
            dialogo.FileName = alvo.ValueText();
            dialogo.FilterIndex = 1;
            dialogo.DialogTitle = QStringLiteral("Selecção de ficheiro a importar");
            dialogo.Filter = QStringLiteral("Microsoft Access (*.accdb)|*.accdb");
            dialogo.Flags = ui::cdlOFNFileMustExist + ui::cdlOFNHideReadOnly;
        },
        [&] { dialogo.ShowOpen(); },
        [&] { alvo.SetValue(Variant(dialogo.FileName)); },
        [&] { pValorAlterado(alvo); },
    });
}

void FrmConfiguracao::pClick(const std::function<void()>& command) {
    try {
        command();
    } catch (...) {
        pErroMostrar(currentError());
    }
}

void FrmConfiguracao::cmdConf_Click() {
    pClick([this] {
        pParametrosSave();
        c_.window.Hide();
    });
}

void FrmConfiguracao::cmdCancel_Click() {
    pClick([this] {
        pParametrosClose();
        pParametrosOpen();
        pFrmPropSetValues();
    });
}

void FrmConfiguracao::cmdSair_Click() {
    pClick([this] { c_.window.Hide(); });
}

}  // namespace tvx
