#include "telvarix-host/gui/window_positions.h"

#include "platform/automation/automation_error.h"
#include "platform/profile/profile_string.h"
#include "platform/ui/form_position.h"
#include "ui_qt/qt_window_placement.h"

namespace tvx::host_gui {

namespace {

// Minimum size of a restored window, in twips, as the add-in's forms have.
constexpr std::int32_t MinimumSize = 3000;

class SectionKeys : public ui::FormPositionKeys {
public:
    SectionKeys(const QString& file, const QString& section) : file_(file), section_(section) {}

    // An empty section holds no placement: nothing to restore.
    bool empty() const {
        QString names;
        return GetPrivateProfileStringA(section_, NoString, QString(), names, 256, file_) == 0;
    }
    QString read(const QString& key) override {
        QString value;
        const auto n = GetPrivateProfileStringA(section_, key, QString(), value, 255, file_);
        return value.left(n);
    }
    void write(const QString& key, const QString& text) override {
        WritePrivateProfileStringA(section_, key, text, file_);
    }

private:
    const QString& file_;
    const QString& section_;
};

}  // namespace

void WindowPositions::restore(QWidget& window, const QString& section) const {
    SectionKeys keys(file_, section);
    if (keys.empty()) return;
    ui_qt::QtWindowPlacement placement(window);
    tryIgnoringError([&] { ui::loadFormPosition(placement, keys, MinimumSize, MinimumSize); });
}

void WindowPositions::save(QWidget& window, const QString& section) const {
    SectionKeys keys(file_, section);
    ui_qt::QtWindowPlacement placement(window);
    tryIgnoringError([&] { ui::saveFormPosition(placement, keys); });
}

}  // namespace tvx::host_gui
