#pragma once
// A progress window that logs, in order, everything it is told:
// "caption X", "label X", "max N", "value N", "show", "hide", and "unload"
// when it goes.
#include "platform/ui/progress_window.h"

#include <QStringList>

namespace tvx::testing {

class RecordingProgressWindow : public ui::ProgressWindow {
public:
    explicit RecordingProgressWindow(QStringList& log) : log_(log) {}
    ~RecordingProgressWindow() override { log_ << QStringLiteral("unload"); }
    void SetCaption(const QString& caption) override { log_ << QStringLiteral("caption ") + caption; }
    void SetLabelCaption(const QString& caption) override { log_ << QStringLiteral("label ") + caption; }
    void SetBarMax(int max) override { log_ << QStringLiteral("max %1").arg(max); }
    void SetBarValue(int value) override { log_ << QStringLiteral("value %1").arg(value); }
    void Show() override { log_ << QStringLiteral("show"); }
    void Hide() override { log_ << QStringLiteral("hide"); }

private:
    QStringList& log_;
};

}  // namespace tvx::testing
