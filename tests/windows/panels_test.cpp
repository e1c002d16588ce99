#include "skin/controls/panels.h"

#include "skin/controls/control_registry.h"
#include "skin/core/colour_answers.h"
#include "skin/core/containers.h"
#include "skin/core/skin_object.h"
#include "tests/windows/control_test_support.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace pantrove {
namespace {

using testing_support::difference;
using testing_support::over;
using testing_support::pump;
using testing_support::RecordingProcedure;
using testing_support::window_pixel;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
// The background colour the painters below use, given to skin_panel as the key.
constexpr COLORREF kPainterKey = RGB(12, 180, 90);
// Where the painters draw a black square of their own.
constexpr RECT kSquare{5, 5, 25, 25};

void paint_face(HWND control, HDC dc) {
    RECT client{};
    GetClientRect(control, &client);
    testing_support::fill(dc, client.right, client.bottom, kPainterKey);
    HBRUSH black = CreateSolidBrush(kBlack);
    FillRect(dc, &kSquare, black);
    DeleteObject(black);
}

// A control that paints its face into the DC it is given with WM_PAINT, or on the screen when given none,
// as the common controls do.
class DcPainter {
public:
    explicit DcPainter(HWND control) {
        SetPropW(control, kClassProcedure,
                 reinterpret_cast<HANDLE>(
                     SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DcPainter::procedure))));
    }

private:
    static constexpr wchar_t kClassProcedure[] = L"test_painter_class_procedure";

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        if (message == WM_PAINT) {
            PAINTSTRUCT paint{};
            HDC dc = wparam ? reinterpret_cast<HDC>(wparam) : BeginPaint(window, &paint);
            paint_face(window, dc);
            if (!wparam)
                EndPaint(window, &paint);
            return 0;
        }
        const auto next = reinterpret_cast<WNDPROC>(GetPropW(window, kClassProcedure));
        return CallWindowProcW(next, window, message, wparam, lparam);
    }
};

// A window class that paints its face on the screen only, whatever WM_PAINT carries.
constexpr wchar_t kScreenPainterClass[] = L"PantroveScreenPainter";

LRESULT CALLBACK screen_painter_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(window, &paint);
        paint_face(window, dc);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

void register_screen_painter() {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = screen_painter_proc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = kScreenPainterClass;
    RegisterClassW(&window_class);
}

class PanelsTest : public testing_support::SkinnedWindowTest {
protected:
    void SetUp() override {
        SkinnedWindowTest::SetUp();
        register_screen_painter();
    }

    int entry_number(HWND panel) { return record().panel_list.find_handle(panel); }
    PanelEntry& entry(HWND panel) { return record().panel_list[entry_number(panel)]; }

    static void repaint(HWND panel) {
        InvalidateRect(panel, nullptr, TRUE);
        UpdateWindow(panel);
    }

    // The window's image under the point of the panel, veiled as translucent controls are.
    static COLORREF veiled(HWND panel, int x, int y) { return over(behind(panel, x, y), kWhite, control_alpha); }
};

TEST_F(PanelsTest, APanelIsRegisteredOnceWithItsKeyAndItsOwnProperties) {
    HWND panel = child(window, L"Static", 0, 10, 10, 120, 80);
    const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(panel, GWLP_WNDPROC));
    EXPECT_EQ(skin->skin_panel(panel), 0); // no children: nothing else to skin
    ASSERT_EQ(entry_number(panel), 1);
    EXPECT_EQ(entry(panel).key_colour, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(entry(panel).previous_proc, previous);
    EXPECT_TRUE(is_subclassed_with(panel, panel_proc));
    EXPECT_EQ(props::get_int(panel, props::kPanelNumber), 1);
    EXPECT_EQ(props::get_int(panel, props::kPanelWindowNumber), number);
    EXPECT_EQ(props::get_proc(panel, props::kPanelPreviousProc), previous);
    EXPECT_EQ(GetPropW(panel, props::kOwnNumber), nullptr);
    EXPECT_EQ(GetPropW(panel, props::kPreviousProc), nullptr);

    // Again: the first registration stays, and panel_proc does not become its own previous procedure.
    EXPECT_EQ(skin->skin_panel(panel, kPainterKey), 0);
    EXPECT_EQ(record().panel_list.count(), 1);
    EXPECT_EQ(entry(panel).key_colour, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(props::get_proc(panel, props::kPanelPreviousProc), previous);
    SendMessageW(panel, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"still answers"));

    HWND keyed = child(window, L"Static", 0, 140, 10, 120, 80);
    skin->skin_panel(keyed, kPainterKey);
    EXPECT_EQ(entry_number(keyed), 2);
    EXPECT_EQ(entry(keyed).key_colour, kPainterKey);
}

TEST_F(PanelsTest, APanelWithChildrenIsAlsoAnUnskinnedContainerAndItsControlsAreSkinned) {
    HWND panel = child(window, L"Static", 0, 10, 10, 200, 120);
    HWND push = button(panel, BS_PUSHBUTTON, 10, 10, 80, 24);
    EXPECT_EQ(skin->skin_panel(panel, kPainterKey, RGB(1, 2, 3), 90), 1);
    const int container = record().container_list.find_handle(panel);
    ASSERT_GE(container, 1);
    const ContainerEntry& registered = record().container_list[container];
    EXPECT_FALSE(registered.skinned);
    EXPECT_EQ(registered.fill_colour, RGB(1, 2, 3));
    EXPECT_EQ(registered.fill_alpha, 90);
    EXPECT_GE(record().button_list.find_handle(push), 1);
    // The container's procedure goes first, then the panel's.
    EXPECT_TRUE(is_subclassed_with(panel, container_proc));
    EXPECT_EQ(props::get_proc(panel, props::kPreviousProc), &panel_proc);
}

TEST_F(PanelsTest, APanelOutsideEverySkinnedWindowIsLeftAlone) {
    HWND plain = top_window(200, 100);
    HWND panel = child(plain, L"Static", 0, 0, 0, 100, 50);
    const LONG_PTR procedure = GetWindowLongPtrW(panel, GWLP_WNDPROC);
    EXPECT_EQ(skin->skin_panel(panel), 0);
    EXPECT_EQ(GetWindowLongPtrW(panel, GWLP_WNDPROC), procedure);
    EXPECT_EQ(GetPropW(panel, props::kPanelNumber), nullptr);
    EXPECT_EQ(skin->skin_panel(nullptr), 0);
}

struct KeyCase {
    const char* name;
    bool composed; // a class that paints into the DC given, composed off screen
    int skin_controls;
};

void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << c.name;
}

class PanelKeyTest : public PanelsTest, public testing::WithParamInterface<KeyCase> {};

// Composed classes lay their own pixels over the veiled picture; other classes are corrected on the screen,
// where their key pixels show the picture itself. Either way the panel's own square stays.
TEST_P(PanelKeyTest, TheKeyColourShowsTheWindowsPictureAndTheRestStays) {
    const KeyCase& c = GetParam();
    skin_controls_enabled = c.skin_controls;
    HWND panel = c.composed ? child(window, L"Button", BS_PUSHBUTTON, 40, 30, 150, 100)
                            : child(window, kScreenPainterClass, 0, 40, 30, 150, 100);
    std::optional<DcPainter> painter;
    if (c.composed)
        painter.emplace(panel);
    skin->skin_panel(panel, kPainterKey);
    repaint(panel);
    EXPECT_FALSE(GetUpdateRect(panel, nullptr, FALSE));
    EXPECT_EQ(window_pixel(panel, 10, 10), kBlack);
    for (const POINT p : {POINT{40, 10}, POINT{100, 60}, POINT{149, 99}}) {
        const COLORREF expected = !c.skin_controls ? kPainterKey
                                  : c.composed     ? veiled(panel, p.x, p.y)
                                                   : behind(panel, p.x, p.y);
        EXPECT_LE(difference(window_pixel(panel, p.x, p.y), expected), 2) << p.x << "," << p.y;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PanelKeyTest,
                         testing::Values(KeyCase{"composed_class", true, 1}, KeyCase{"other_class", false, 1},
                                         KeyCase{"composed_class_unskinned", true, 0},
                                         KeyCase{"other_class_unskinned", false, 0}),
                         [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST_F(PanelsTest, AnOnlyPartlyInvalidPanelIsCorrectedWhereItPaintedAndNowhereElse) {
    HWND panel = child(window, kScreenPainterClass, 0, 40, 30, 150, 100);
    skin->skin_panel(panel, kPainterKey);
    repaint(panel);
    testing_support::paint_marker(panel, RGB(250, 0, 0));
    const RECT part{60, 40, 100, 80};
    InvalidateRect(panel, &part, TRUE);
    UpdateWindow(panel);
    EXPECT_LE(difference(window_pixel(panel, 70, 50), behind(panel, 70, 50)), 2);
    EXPECT_EQ(window_pixel(panel, 20, 70), RGB(250, 0, 0));
}

// Controls of the system that paint into a DC they are given (as a static control does under wine) must not
// be handed the off-screen image when they are corrected on the screen: they would paint there, at the wrong
// place, and never validate, so WM_PAINT would come back for ever.
TEST_F(PanelsTest, AStaticPanelIsCorrectedOnTheScreenAndStaysValid) {
    HWND panel = child(window, L"Static", SS_LEFT, 40, 30, 160, 60);
    SetWindowTextW(panel, L"MMMMMMMM");
    skin->skin_panel(panel);
    repaint(panel);
    EXPECT_FALSE(GetUpdateRect(panel, nullptr, FALSE));
    // The static control fills its background with the button face colour, the default key.
    EXPECT_LE(difference(window_pixel(panel, 150, 50), behind(panel, 150, 50)), 2);
    const testing_support::Snapshot shot = testing_support::snapshot(panel);
    EXPECT_GT(shot.count([](COLORREF pixel) { return testing_support::brightness(pixel) < 60; }), 20);
}

// The tab control of this system fills its body in white: with white as the key, the body shows the veiled
// picture while the border and the tab's text stay.
TEST_F(PanelsTest, ATabControlShowsTheVeiledPictureWhereItsBackgroundWasAndKeepsItsTabs) {
    HWND tabs = child(window, WC_TABCONTROLW, 0, 20, 20, 220, 150);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    wchar_t text[] = L"第一页";
    item.pszText = text;
    SendMessageW(tabs, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    UpdateWindow(tabs);
    const testing_support::Snapshot own = testing_support::snapshot(tabs);
    ASSERT_EQ(own.at(110, 90), kWhite);
    skin->skin_panel(tabs, kWhite);
    repaint(tabs);
    const testing_support::Snapshot shot = testing_support::snapshot(tabs);
    EXPECT_EQ(shot.count([&](COLORREF pixel) { return pixel == kWhite; }), 0);
    for (const POINT p : {POINT{110, 90}, POINT{20, 140}, POINT{210, 40}})
        EXPECT_LE(difference(shot.at(p.x, p.y), veiled(tabs, p.x, p.y)), 2) << p.x << "," << p.y;
    // The dark pixels the control drew, its border and the tab's text, stay.
    int kept = 0, others = 0;
    for (int y = 0; y < own.height; ++y) {
        for (int x = 0; x < own.width; ++x) {
            if (testing_support::brightness(own.at(x, y)) >= 450)
                continue;
            ++others;
            kept += own.at(x, y) == shot.at(x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(others, 20);
    EXPECT_EQ(kept, others);
}

struct ScrollCase {
    const char* name;
    const wchar_t* window_class;
    UINT message;
    bool invalidated;
};

void PrintTo(const ScrollCase& c, std::ostream* out) {
    *out << c.name;
}

class RichEditScrollTest : public PanelsTest, public testing::WithParamInterface<ScrollCase> {};

// A rich edit paints what it scrolls at once: the scroll shows as pixels, not as an update region.
TEST_P(RichEditScrollTest, AnAnsiRichEditIsRepaintedWholeWhenScrolled) {
    const ScrollCase& c = GetParam();
    if (!LoadLibraryW(L"riched20.dll"))
        GTEST_SKIP() << "riched20.dll does not load here";
    HWND panel = child(window, c.window_class, ES_MULTILINE, 20, 20, 200, 100);
    ASSERT_NE(panel, nullptr);
    skin->skin_panel(panel);
    UpdateWindow(panel);
    constexpr COLORREF kMarker = RGB(250, 0, 0);
    testing_support::paint_marker(panel, kMarker);
    SendMessageW(panel, c.message, SB_LINEDOWN, 0);
    UpdateWindow(panel);
    RECT client{};
    GetClientRect(panel, &client);
    for (const POINT p :
         {POINT{1, 1}, POINT{client.right / 2, client.bottom / 2}, POINT{client.right - 2, client.bottom - 2}})
        EXPECT_EQ(window_pixel(panel, p.x, p.y) != kMarker, c.invalidated) << p.x << "," << p.y;
}

INSTANTIATE_TEST_SUITE_P(Cases, RichEditScrollTest,
                         testing::Values(ScrollCase{"ansi_vertical", L"RichEdit20A", WM_VSCROLL, true},
                                         ScrollCase{"ansi_horizontal", L"RichEdit20A", WM_HSCROLL, true},
                                         ScrollCase{"unicode_vertical", L"RichEdit20W", WM_VSCROLL, false}),
                         [](const testing::TestParamInfo<ScrollCase>& info) { return std::string(info.param.name); });

class PanelTransparencyTest : public PanelsTest, public testing::WithParamInterface<bool> {};

TEST_P(PanelTransparencyTest, TranslucentControlsEraseNothingAndRepaintWhenMoved) {
    transparent_controls = GetParam() ? 1 : 0;
    HWND panel = child(window, kScreenPainterClass, 0, 20, 20, 100, 60);
    RecordingProcedure own(panel);
    skin->skin_panel(panel, kPainterKey);
    UpdateWindow(panel);
    ValidateRect(panel, nullptr);
    own.forget();
    HDC dc = GetDC(panel);
    SetBkMode(dc, OPAQUE);
    const LRESULT erased = SendMessageW(panel, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    const int mode = GetBkMode(dc);
    ReleaseDC(panel, dc);
    SendMessageW(panel, WM_MOVE, 0, MAKELPARAM(22, 20));
    const bool moved_invalid = GetUpdateRect(panel, nullptr, FALSE) != FALSE;
    EXPECT_TRUE(own.received(WM_MOVE));
    if (GetParam()) {
        EXPECT_EQ(erased, 1);
        EXPECT_EQ(mode, TRANSPARENT);
        EXPECT_FALSE(own.received(WM_ERASEBKGND));
        EXPECT_TRUE(moved_invalid);
    } else {
        EXPECT_TRUE(own.received(WM_ERASEBKGND));
        EXPECT_FALSE(moved_invalid);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PanelTransparencyTest, testing::Bool(), [](const testing::TestParamInfo<bool>& info) {
    return std::string(info.param ? "Translucent" : "Opaque");
});

struct TextColourCase {
    const char* name;
    const wchar_t* window_class;
    DWORD style;
    bool to_edit; // the colour lands on the control's edit box
};

void PrintTo(const TextColourCase& c, std::ostream* out) {
    *out << c.name;
}

class TextColourTest : public PanelsTest, public testing::WithParamInterface<TextColourCase> {};

TEST_P(TextColourTest, TheColourGoesWhereTheTextIsDrawn) {
    const TextColourCase& c = GetParam();
    HWND control = child(window, c.window_class, c.style, 20, 20, 150, 200);
    HWND edit = FindWindowExW(control, nullptr, L"Edit", nullptr);
    skin->set_control_text_colour(control, RGB(10, 20, 30));
    HWND target = c.to_edit ? edit : control;
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(text_colour_of(target), RGB(10, 20, 30));
    EXPECT_EQ(GetPropW(c.to_edit ? control : edit, props::kTextColour), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Controls, TextColourTest,
                         testing::Values(TextColourCase{"edit", L"Edit", 0, false},
                                         TextColourCase{"button", L"Button", 0, false},
                                         TextColourCase{"combo_box_with_edit", L"ComboBox", CBS_DROPDOWN, true},
                                         TextColourCase{"drop_down_list", L"ComboBox", CBS_DROPDOWNLIST, false}),
                         [](const testing::TestParamInfo<TextColourCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(PanelsTest, AComboBoxsEditIsAnsweredInTheColourSetOnTheComboBox) {
    transparent_controls = 1;
    HWND combo = child(window, L"ComboBox", CBS_DROPDOWN, 20, 20, 150, 200);
    skin_child_controls(number, window);
    skin->set_control_text_colour(combo, RGB(10, 20, 30));
    skin->set_control_text_colour(nullptr, RGB(1, 1, 1));
    HWND edit = FindWindowExW(combo, nullptr, L"Edit", nullptr);
    testing_support::MemoryImage image(10, 10);
    SendMessageW(combo, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(image.dc()), reinterpret_cast<LPARAM>(edit));
    EXPECT_EQ(GetTextColor(image.dc()), RGB(10, 20, 30));
}

TEST_F(PanelsTest, HundredsOfPaintsOverContainersAndPanelsGiveBackEveryObject) {
    transparent_controls = 1;
    HWND group = button(window, BS_GROUPBOX | BS_CENTER, 10, 10, 160, 100, L"分组");
    HWND box = child(window, L"Static", 0, 180, 10, 160, 100);
    HWND edit = child(box, L"Edit", WS_BORDER, 10, 10, 100, 22);
    HWND tabs = child(window, WC_TABCONTROLW, 0, 10, 120, 160, 100);
    HWND label = child(window, L"Static", 0, 180, 120, 160, 100);
    SetWindowTextW(label, L"标签");
    skin->skin_container(group, true, RGB(200, 30, 60), 100);
    skin->skin_container(box, true, RGB(30, 60, 200), 160, true);
    skin->skin_panel(tabs);
    skin->skin_panel(label);
    const auto paint_all = [&] {
        for (HWND control : {group, box, edit, tabs, label}) {
            InvalidateRect(control, nullptr, TRUE);
            UpdateWindow(control);
        }
        pump();
    };
    paint_all();
    const long gdi_objects = gdi::live_objects();
    const long gdiplus_objects = gdiplus::live_objects();
    for (int i = 0; i < 300; ++i)
        paint_all();
    EXPECT_EQ(gdi::live_objects(), gdi_objects);
    EXPECT_EQ(gdiplus::live_objects(), gdiplus_objects);
    EXPECT_TRUE(dc_registry.empty());
    // Answers to the edit's colour messages are the window's to give back; a hand-made record never is.
    free_colour_objects(window);
}

} // namespace
} // namespace pantrove
