#pragma once
// A window on a 1024 x 768 pixel screen at 15 twips per pixel, that keeps
// where it was put and can be made to refuse a move.
#include "platform/automation/automation_error.h"
#include "platform/ui/window_placement.h"

namespace tvx::testing {

struct FakeWindowPlacement : ui::WindowPlacement {
    bool minimised = false, maximised = false, failOnMove = false;
    std::int32_t l = 1500, t = 1200, w = 6000, h = 4500;
    int moves = 0;

    bool isMinimised() const override { return minimised; }
    bool isMaximised() const override { return maximised; }
    std::int32_t left() const override { return l; }
    std::int32_t top() const override { return t; }
    std::int32_t width() const override { return w; }
    std::int32_t height() const override { return h; }
    void move(std::int32_t nl, std::int32_t nt, std::int32_t nw, std::int32_t nh) override {
        if (failOnMove) throw err::make(err::InvalidCall);
        l = nl, t = nt, w = nw, h = nh;
        ++moves;
    }
    void maximise() override { maximised = true; }
    std::int32_t screenWidth() const override { return 1024 * 15; }
    std::int32_t screenHeight() const override { return 768 * 15; }
    std::int32_t twipsPerPixelX() const override { return 15; }
    std::int32_t twipsPerPixelY() const override { return 15; }
};

}  // namespace tvx::testing
