#pragma once
// A window's placement kept under the keys "Maximised", "Left", "Top",
// "Width" and "Height" of some store (a section of a profile file), saved as
// the window stands and restored inside the screen. cInifile keeps the
// add-in's forms this way, and the host program its own windows.
#include "platform/ui/window_placement.h"

#include <QString>
#include <cstdint>

namespace tvx::ui {

class FormPositionKeys {
public:
    virtual ~FormPositionKeys() = default;
    // The key's text; when the key is missing, any text that is not a number.
    virtual QString read(const QString& key) = 0;
    virtual void write(const QString& key, const QString& text) = 0;
};

// A minimised window saves nothing; a maximised one only "Maximised", so that
// its last normal placement stays.
void saveFormPosition(const WindowPlacement& window, FormPositionKeys& keys);
// Moves the window where the keys say (its own placement for a missing key),
// at least the minimum size, kept a few pixels inside the screen by moving
// first and shrinking next; then maximises it when "Maximised" is not 0.
// The store's and the window's errors are raised.
void loadFormPosition(WindowPlacement& window, FormPositionKeys& keys, std::int32_t minWidth, std::int32_t minHeight);

}  // namespace tvx::ui
