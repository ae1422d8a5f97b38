#pragma once
// The progress window of the long runs: which row of how many is being
// processed. Loaded and shown when a run starts, updated once per row (with
// one turn of the message loop so that it repaints), hidden and unloaded at
// the end.
#include "platform/ui/message_loop.h"
#include "platform/ui/progress_window.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace tvx {

class FrmProgressoImport {
public:
    static const QString DesignCaption;  // "Importação de Movimentos"

    // Loading: the window gets its design-time caption.
    FrmProgressoImport(std::unique_ptr<ui::ProgressWindow> window, ui::MessageLoop& messageLoop);

    // A run's own caption, over the design-time one.
    void SetCaption(const QString& sCaption);
    void start();  // shown, not modal
    void update(std::int32_t lLinha, std::int32_t lTotal);
    // A label of the run's own, and the bar at `valor` on its way from
    // `minimo` to `maximo` (a run over a range of numbers).
    void update(const QString& sLegenda, std::int64_t valor, std::int64_t minimo, std::int64_t maximo);
    void end();  // hidden, then unloaded
    // The user asked the run to stop (the window's own cancel).
    bool cancelado() const { return window_ && window_->CancelRequested(); }

    // "A importar: linha 3  de 10": the count is written without a leading blank.
    static QString lblPaginaCaption(std::int32_t lLinha, std::int32_t lTotal);

private:
    std::unique_ptr<ui::ProgressWindow> window_;
    ui::MessageLoop& messageLoop_;
};

}  // namespace tvx
