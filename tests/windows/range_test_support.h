// Helpers of the trackbar, progress bar and up-down tests: a skinned window with a blue theme colour, which
// stands out against the composed image (whose blue is constant), and the pixels a control shows over it.
#pragma once

#include "skin/controls/control_registry.h"
#include "tests/windows/list_test_support.h"

#include <commctrl.h>

#include <functional>

namespace pantrove::testing_support {

// Pixels of the theme colour drawn nearly opaque: the composed image's blue never exceeds 0x40.
inline bool is_theme_blue(COLORREF c) {
    return GetBValue(c) > 150 && GetRValue(c) < 110 && GetGValue(c) < 110;
}

inline bool is_whitish(COLORREF c) {
    return GetRValue(c) > 140 && GetGValue(c) > 140 && GetBValue(c) > 140;
}

// The smallest rectangle holding every pixel where the two snapshots differ; empty when none does.
inline RECT changed_between(const Snapshot& a, const Snapshot& b) {
    RECT r{a.width, a.height, 0, 0};
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            if (a.at(x, y) != b.at(x, y))
                r = RECT{std::min<LONG>(r.left, x), std::min<LONG>(r.top, y), std::max<LONG>(r.right, x + 1),
                         std::max<LONG>(r.bottom, y + 1)};
        }
    }
    return r.right > r.left ? r : RECT{};
}

class RangeControlTest : public ListWindowTest {
protected:
    static constexpr COLORREF kBlueTheme = RGB(0, 0, 255);

    void SetUp() override {
        ListWindowTest::SetUp();
        theme_colour = kBlueTheme;
    }

    // The smallest rectangle of the control holding every pixel for which test(shown, composed image under it)
    // holds.
    static RECT drawn_where(HWND control, const std::function<bool(COLORREF, COLORREF)>& test) {
        const Snapshot shot = snapshot(control);
        RECT r{shot.width, shot.height, 0, 0};
        for (int y = 0; y < shot.height; ++y) {
            for (int x = 0; x < shot.width; ++x) {
                if (test(shot.at(x, y), behind(control, x, y)))
                    r = RECT{std::min<LONG>(r.left, x), std::min<LONG>(r.top, y), std::max<LONG>(r.right, x + 1),
                             std::max<LONG>(r.bottom, y + 1)};
            }
        }
        return r.right > r.left ? r : RECT{};
    }

    static RECT drawn_where(HWND control, bool (*test)(COLORREF)) {
        return drawn_where(control, [test](COLORREF shown, COLORREF) { return test(shown); });
    }
};

} // namespace pantrove::testing_support
