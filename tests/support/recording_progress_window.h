#pragma once
// A progress window that logs, in order, everything it is told:
// "caption X", "label X", "max N", "value N", "show", "hide", and "unload"
// when it goes. Given a line, it asks the run to stop once its bar shows it.
#include "platform/ui/progress_window.h"

#include <QStringList>

namespace tvx::testing {

class RecordingProgressWindow : public ui::ProgressWindow {
public:
    explicit RecordingProgressWindow(QStringList& log, int pararNaLinha = 0) : log_(log), parar_(pararNaLinha) {}
    ~RecordingProgressWindow() override { log_ << QStringLiteral("unload"); }
    void SetCaption(const QString& caption) override { log_ << QStringLiteral("caption ") + caption; }
    void SetLabelCaption(const QString& caption) override { log_ << QStringLiteral("label ") + caption; }
    void SetBarMax(int max) override { log_ << QStringLiteral("max %1").arg(max); }
    void SetBarValue(int value) override {
        log_ << QStringLiteral("value %1").arg(value);
        valor_ = value;
    }
    bool CancelRequested() override { return parar_ > 0 && valor_ >= parar_; }
    void Show() override { log_ << QStringLiteral("show"); }
    void Hide() override { log_ << QStringLiteral("hide"); }

private:
    QStringList& log_;
    int parar_;
    int valor_ = 0;
};

}  // namespace tvx::testing
