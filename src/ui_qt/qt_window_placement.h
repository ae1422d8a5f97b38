#pragma once
// A widget's placement as cInifile stores it, in twips: the position of the
// window's frame and the size of its inside, which move() restores exactly;
// the screen is the part of the widget's screen that windows may use.
#include "platform/ui/window_placement.h"

class QWidget;

namespace tvx::ui_qt {

class QtWindowPlacement : public ui::WindowPlacement {
public:
    explicit QtWindowPlacement(QWidget& widget) : widget_(widget) {}

    bool isMinimised() const override;
    bool isMaximised() const override;
    std::int32_t left() const override;
    std::int32_t top() const override;
    std::int32_t width() const override;
    std::int32_t height() const override;
    void move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) override;
    void maximise() override;

    std::int32_t screenWidth() const override;
    std::int32_t screenHeight() const override;
    std::int32_t twipsPerPixelX() const override;
    std::int32_t twipsPerPixelY() const override;

private:
    QWidget& widget_;
};

}  // namespace tvx::ui_qt
