#pragma once
// What cInifile needs of a window to store and restore its placement. Positions
// and sizes are in twips, as the platform's forms give them.
#include <cstdint>

namespace tvx::ui {

class WindowPlacement {
public:
    virtual ~WindowPlacement() = default;

    virtual bool isMinimised() const = 0;
    virtual bool isMaximised() const = 0;
    virtual std::int32_t left() const = 0;
    virtual std::int32_t top() const = 0;
    virtual std::int32_t width() const = 0;
    virtual std::int32_t height() const = 0;
    virtual void move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) = 0;
    virtual void maximise() = 0;

    // The screen the window is on.
    virtual std::int32_t screenWidth() const = 0;
    virtual std::int32_t screenHeight() const = 0;
    virtual std::int32_t twipsPerPixelX() const = 0;
    virtual std::int32_t twipsPerPixelY() const = 0;
};

}  // namespace tvx::ui
