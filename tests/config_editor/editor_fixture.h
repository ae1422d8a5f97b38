#pragma once
// The configuration window's logic over fake controls and a generated
// company database (EMPR01, with its parameters table) reached through a
// connection that faults on demand.
#include "config_editor/frm_configuracao.h"
#include "host_api/dal_ligacao.h"
#include "host_api/host_classes.h"
#include "host_erp/host_fixture.h"
#include "platform/ado/recordset.h"
#include "platform/automation/class_registry.h"
#include "settings/dal_comandos.h"
#include "support/fake_common_dialog.h"
#include "support/fake_form_window.h"
#include "support/fake_message_box.h"
#include "support/faulty_dal_ligacao.h"

#include <gtest/gtest.h>
#include <QStringList>

namespace tvx::testing {

class EditorFixture : public host_erp::testing::HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        auto real = std::dynamic_pointer_cast<DalLigacao>(registry::create(host_classes::DalLigacao));
        ASSERT_TRUE(real && real->Abrir(addinConnectionString()));
        ligacao = std::make_shared<FaultyDalLigacao>(real);
        comandos.HlpDb_LigacaoSet(ligacao);
        comandos.HlpDb_ParametrosCreate();
    }

    void sql(const QString& statement) { comandos.HlpDb_Executar(statement); }
    // The demo's row: FT/1/sector 1, receipts RE/1/1, on account RA/1/2, the demo's articles.
    void guardarLinhaDemo() {
        sql(QStringLiteral(
            "INSERT INTO qrl_PARAMETROS (FATTIPODOCUM, FATSECTOR, FATSERIE, FATFINALIZA, ARMAZEM, ARTIGOFARE, "
            "ARTIGOTAXAS, ARTIGOSERVICEFEE, ARTIGOISENCAOIVA, BDNOME, BDUSER, BDPASSW, RECTIPODOCUM, RECSECTOR, "
            "RECSERIE, RPCTIPODOCUM, RPCSECTOR, RPCSERIE) VALUES ('FT', '1', 1, 0, 'A1', 'FARE', 'TAXAS', 'FEE', "
            "'M99', 'agencia.accdb', '', 'segredo', 'RE', '1', 1, 'RA', '2', 1)"));
    }
    // A column of the stored row (Empty when the table has none).
    Variant guardado(const char* coluna) {
        const auto rs = comandos.HlpDb_ParametrosGet();
        return rs->RecordCount() == 0 ? Variant() : rs->value(QLatin1String(coluna));
    }
    int linhasGuardadas() { return comandos.HlpDb_ParametrosGet()->RecordCount(); }

    std::shared_ptr<FaultyDalLigacao> ligacao;
    DalComandos comandos;
};

// The grid's item `id`, failing the test when the grid has none.
inline ui::PropertyGridItem& itemDe(const ui::PropertyGrid& grid, std::int16_t id) {
    ui::PropertyGridItem* item = grid.FindItem(id);
    if (!item) throw std::runtime_error("no item " + std::to_string(id));
    return *item;
}

// The entries of an item as "caption=number".
inline QStringList entradasDe(const ui::PropertyGridItem& item) {
    QStringList entries;
    for (const auto& e : item.Constraints()) entries << QStringLiteral("%1=%2").arg(e.caption).arg(e.data);
    return entries;
}

}  // namespace tvx::testing
