#pragma once
// The configuration window's logic: shows the one row of qrl_PARAMETROS in
// the property grid wndPropertyGrid, five categories of pick lists and texts;
// edits go into the row in memory at once and reach the company database at
// "Confirmar", which also takes the "Utilizador" text as the command text
// that the add-in examines once the window is gone. "Cancelar" shows the
// stored row again; "Sair" leaves without saving. It reaches the screen only
// through its controls.
#include "config_editor/listas_configuracao.h"
#include "platform/ui/common_dialog.h"
#include "platform/ui/form_window.h"
#include "platform/ui/message_box.h"
#include "platform/ui/property_grid.h"

#include <QString>
#include <functional>
#include <memory>

namespace tvx {

class DalComandos;
class AutomationError;

namespace configuracao {
struct ItemLayout;
}

struct FrmConfiguracaoControls {
    ui::FormWindow& window;  // with the buttons cmdConf, cmdCancel and cmdSair
    ui::PropertyGrid& wndPropertyGrid;
    ui::CommonDialog& CommonDialog;  // the window's own, for the agency file's path
    ui::MessageBox& messages;
};

class FrmConfiguracao {
public:
    using RecordsetRef = std::shared_ptr<ado::Recordset>;

    static const QString DesignCaption;  // "Configuração"
    static const QString cmdConfCaption;
    static const QString cmdCancelCaption;
    static const QString cmdSairCaption;

    // Loading the form: the window gets its captions and sends its buttons'
    // clicks and its grid's events here.
    FrmConfiguracao(FrmConfiguracaoControls controls, DalComandos& comandos);
    // Unloading it (Form_Unload).
    ~FrmConfiguracao();
    FrmConfiguracao(const FrmConfiguracao&) = delete;
    FrmConfiguracao& operator=(const FrmConfiguracao&) = delete;

    // Opens the catalogues, reads the row, builds the grid, shows the values
    // and shows the window modally; returns once it is hidden or closed. A
    // failure before the show is reported (its chain of sources as text, its
    // source as title) and the window is not shown.
    void Editar();

    // The command text (m_sComando): the "Utilizador" value taken when
    // "Confirmar" was pressed (even when the save then failed); empty otherwise.
    const QString& Comando() const { return m_sComando; }
    // BDUSER as last read from the database ("" for a new table): what the
    // "Utilizador" item held before a command was typed into it.
    const QString& UtilizadorGuardado() const { return m_sUtilizadorGuardado; }

    // The grid's events. A failure of the value-changed handling is reported
    // as the buttons report theirs, the item shows the row's value again, and
    // the window stays.
    void wndPropertyGrid_ValueChanged(ui::PropertyGridItem& item);
    void wndPropertyGrid_InplaceButtonDown(ui::PropertyGridItem& item);
    // Button clicks; a failure is reported ("Configuração": its source, two
    // line breaks and its description) and the window stays.
    void cmdConf_Click();
    void cmdCancel_Click();
    void cmdSair_Click();
    void Form_Unload();

private:
    void pParametrosOpen();
    void pParametrosClose();
    void pParametrosSave();
    void pFrmPropBuild();
    void pFrmPropSetValues();
    // The value-changed handling itself: the item's column of the row ← the
    // picked entry's code or the typed text.
    void pValorAlterado(ui::PropertyGridItem& item);
    // The item shows the row's value again, after a change the row refused.
    void pValorRepor(ui::PropertyGridItem& item);

    void pListaConstruir(ui::PropertyGridItem& item, const configuracao::ItemLayout& layout);
    Variant pValorMostrado(ui::PropertyGridItem& item, const configuracao::ItemLayout& layout);
    // The category's series list rebuilt for its type column's code, its
    // value the stored series' position in it.
    void pSeriesMostrar(std::int16_t idSerie);
    ado::Recordset& parametros() const;
    ui::PropertyGridItem& item(std::int16_t id) const;
    void pErroMostrar(const AutomationError& error);
    void pClick(const std::function<void()>& command);

    FrmConfiguracaoControls c_;
    DalComandos& comandos_;
    ListasConfiguracao listas_;
    RecordsetRef m_rsParametros;
    QString m_sComando;
    QString m_sUtilizadorGuardado;
};

}  // namespace tvx
