#include "resources/embedded.h"
#include "skin/core/gdi_objects.h"
#include "skin/services/skin_picture.h"
#include "skinned_frame_support.h"
#include "text/wide_text.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <vector>

namespace pantrove {
namespace {

using testing_support::SkinnedFrameTest;

struct CaptionCase {
    std::optional<int> option;
    int height;
};

void PrintTo(const CaptionCase& c, std::ostream* out) {
    *out << (c.option ? std::to_string(*c.option) : std::string("omitted")) << "_gives_" << c.height;
}

class CaptionHeight : public SkinnedFrameTest, public testing::WithParamInterface<CaptionCase> {};

TEST_P(CaptionHeight, IsTheOptionRaisedTo25) {
    SkinWindowOptions options;
    options.caption_height = GetParam().option;
    const int number = skinned(300, 200, 0, options);
    ASSERT_EQ(number, 1);
    EXPECT_EQ(record(number).caption_height, GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(Options, CaptionHeight,
                         testing::Values(CaptionCase{std::nullopt, 25}, CaptionCase{0, 25}, CaptionCase{10, 25},
                                         CaptionCase{25, 25}, CaptionCase{26, 26}, CaptionCase{40, 40}));

struct StripCase {
    const char* name;
    DWORD boxes;
    bool help, menu;
    std::vector<int> kinds;
    int strip_width; // the buttons' widths, one pixel between neighbours and 3 more
};

void PrintTo(const StripCase& c, std::ostream* out) {
    *out << c.name;
}

class TitleStrip : public SkinnedFrameTest, public testing::WithParamInterface<StripCase> {};

struct ExpectedButton {
    Picture picture;
    const char* tooltip;
};

ExpectedButton expected_button(int kind) {
    switch (kind) {
    case 4:
        return {Picture::Help, "帮助"};
    case 3:
        return {Picture::MainMenu, "主菜单"};
    case 2:
        return {Picture::Minimise, "最小化"};
    case 1:
        return {Picture::Maximise, "最大化"};
    default:
        return {Picture::Close, "关闭"};
    }
}

// The tool of the window's tooltip with this id: its rectangle and text.
std::pair<RECT, TextValue> tool(HWND tooltips, HWND owner, UINT_PTR id) {
    wchar_t text[80] = {};
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = owner;
    info.uId = id;
    info.lpszText = text;
    SendMessageW(tooltips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info));
    return {info.rect, narrow(text)};
}

TEST_P(TitleStrip, HoldsTheBuiltInButtonsInOrderWithTheirPicturesAndTooltips) {
    SkinWindowOptions options;
    options.help_button = GetParam().help;
    options.menu_button = GetParam().menu;
    const int number = skinned(400, 300, GetParam().boxes, options);
    const SkinnedWindow& r = record(number);
    ASSERT_EQ(r.title_button_count(), static_cast<int>(GetParam().kinds.size()));
    EXPECT_EQ(r.strip_width, GetParam().strip_width);
    EXPECT_EQ(r.strip_height, 22);
    EXPECT_EQ(r.strip_x, 400 - GetParam().strip_width + 1); // laid out at the right end
    EXPECT_EQ(r.has_minimize_button, (GetParam().boxes & WS_MINIMIZEBOX) != 0);
    EXPECT_EQ(r.has_maximize_button, (GetParam().boxes & WS_MAXIMIZEBOX) != 0);
    HWND tooltips = r.tooltips.window();
    ASSERT_NE(tooltips, nullptr);
    EXPECT_EQ(SendMessageW(tooltips, TTM_GETTOOLCOUNT, 0, 0), r.title_button_count());
    EXPECT_EQ(r.tooltip_count, r.title_button_count());
    for (int i = 1; i <= r.title_button_count(); ++i) {
        const TitleButton& button = window_record(number)->title_button(i);
        const int kind = GetParam().kinds[static_cast<size_t>(i - 1)];
        SCOPED_TRACE(i);
        EXPECT_EQ(button.kind, kind);
        EXPECT_EQ(button.width, kind == 0 ? 38 : 26);
        EXPECT_EQ(button.height, 18);
        EXPECT_EQ(button.image, embedded_bytes(expected_button(kind).picture));
        EXPECT_EQ(button.alt_image, kind == 1 ? embedded_bytes(Picture::Restore) : ByteArray{});
        EXPECT_EQ(button.tooltip, expected_button(kind).tooltip);
        const auto [rect, text] = tool(tooltips, r.window, static_cast<UINT_PTR>(i));
        EXPECT_EQ(text, expected_button(kind).tooltip);
        EXPECT_EQ(rect.left, static_cast<LONG>(button.hit_rect.x));
        EXPECT_EQ(rect.right - rect.left, kind == 0 ? 40 : 26);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Styles, TitleStrip,
    testing::Values(StripCase{"help_menu_close", 0, true, true, {4, 3, 0}, 95},
                    StripCase{"minimise_maximise_close", WS_MINIMIZEBOX | WS_MAXIMIZEBOX, false, false, {2, 1, 0}, 95},
                    StripCase{"all_five", WS_MINIMIZEBOX | WS_MAXIMIZEBOX, true, true, {4, 3, 2, 1, 0}, 149},
                    StripCase{"maximise_close", WS_MAXIMIZEBOX, false, false, {1, 0}, 68},
                    StripCase{"close_alone", 0, false, false, {0}, 41}),
    [](const testing::TestParamInfo<StripCase>& info) { return std::string(info.param.name); });

TEST_F(SkinnedFrameTest, OmittedOptionsTakeTheirDefaultsAndGivenOnesAreKept) {
    picture_mode = 4;
    const int plain = skinned(300, 200);
    const SkinnedWindow& a = record(plain);
    EXPECT_TRUE(a.framed);
    EXPECT_TRUE(a.resizable);
    EXPECT_TRUE(a.show_caption);
    EXPECT_FALSE(a.caption_gloss);
    EXPECT_FALSE(a.has_help_button);
    EXPECT_FALSE(a.has_menu_button);
    EXPECT_EQ(a.window_picture_mode, 4);
    EXPECT_TRUE(a.window_picture.empty());
    EXPECT_EQ(a.min_track_width, 200);
    EXPECT_EQ(a.min_track_height, 150);
    EXPECT_EQ(a.max_track_width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(a.max_track_height, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_TRUE(a.needs_render);
    EXPECT_NE(GetWindowLongPtrW(a.window, GWL_STYLE) & WS_SYSMENU, 0);
    EXPECT_EQ(skin->frame_margin, 3);

    SkinWindowOptions options;
    options.framed = false;
    options.resizable = false;
    options.show_caption = false;
    options.caption_gloss = true;
    options.picture = testing_support::quadrant_picture(40, 20);
    options.picture_mode = 3;
    const int own = skinned(300, 200, 0, options);
    const SkinnedWindow& b = record(own);
    EXPECT_FALSE(b.framed);
    EXPECT_FALSE(b.resizable);
    EXPECT_FALSE(b.show_caption);
    EXPECT_TRUE(b.caption_gloss);
    EXPECT_EQ(b.window_picture_mode, 3);
    EXPECT_EQ(b.window_picture, options.picture); // modes 2 to 4 keep the bytes as they are
    EXPECT_EQ(b.window_picture_colour, average_colour({}, options.picture));
}

TEST_F(SkinnedFrameTest, APictureOfMode0IsPreparedAgainstItsOwnAverageColour) {
    SkinWindowOptions options;
    options.picture = testing_support::quadrant_picture(50, 40);
    options.picture_mode = 0;
    const SkinnedWindow& r = record(skinned(300, 200, 0, options));
    EXPECT_EQ(r.window_picture, prepare_picture({}, options.picture, r.window_picture_colour, FadeDirection::Right));
    EXPECT_NE(r.window_picture, options.picture);
}

TEST_F(SkinnedFrameTest, InstallsTheFrameProcedureOverTheWindowsOwnAndForwardsToIt) {
    const int number = skinned(300, 200);
    HWND window = handle(number);
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&SkinObject::frame_window_proc));
    const WNDPROC previous = props::get_proc(window, props::kPreviousProc);
    EXPECT_NE(previous, nullptr);
    EXPECT_NE(previous, &SkinObject::frame_window_proc);
    EXPECT_EQ(record(number).old_window_proc, previous);
    EXPECT_EQ(props::get_int(window, props::kOwnNumber), number);
    // What the skin does not take reaches the window's own procedure.
    EXPECT_EQ(SendMessageW(window, WM_APP, 0, 0), testing_support::kOwnAnswer);
}

TEST_F(SkinnedFrameTest, SkinningTwiceLeavesOneRecordAndOneSubclassLayer) {
    SkinWindowOptions first;
    first.caption_height = 40;
    const int number = skinned(300, 200, WS_MAXIMIZEBOX, first);
    HWND window = handle(number);
    const LONG_PTR procedure = GetWindowLongPtrW(window, GWLP_WNDPROC);
    const WNDPROC previous = props::get_proc(window, props::kPreviousProc);
    SkinWindowOptions second;
    second.caption_height = 60;
    second.help_button = true;
    skin->skin_window(window, second);
    EXPECT_EQ(window_count(), 1);
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), procedure);
    EXPECT_EQ(props::get_proc(window, props::kPreviousProc), previous);
    EXPECT_EQ(record(1).caption_height, 40);
    EXPECT_EQ(record(1).title_button_count(), 2);
    EXPECT_EQ(SendMessageW(window, WM_APP, 0, 0), testing_support::kOwnAnswer);
}

// Every handle a skinned window without status bar holds after its first render and after a label was
// answered with a picture brush.
struct HeldHandles {
    std::vector<HGDIOBJ> objects;
    std::vector<HDC> dcs;
};

HeldHandles held_handles(const SkinnedWindow& r, HWND label) {
    HeldHandles held;
    held.dcs = {r.background_dc, r.caption_back_dc};
    held.objects = {r.caption_back_bitmap, props::get_handle<HGDIOBJ>(r.window, props::kComposedBitmap),
                    props::get_handle<HGDIOBJ>(label, props::kColourBrush),
                    props::get_handle<HGDIOBJ>(label, props::kColourBitmap)};
    return held;
}

TEST_F(SkinnedFrameTest, DestroyingTheFirstOfTwoWindowsFreesItsHandlesAndRenumbersTheSecond) {
    skin->set_control_options(1, 0); // labels answered with picture brushes
    const long before = gdi::live_objects();
    const int first = skinned(300, 200);
    HWND label = child(handle(first), L"Static", 0, 10, 40, 100, 20);
    HWND edit = child(handle(first), L"Edit", 0, 10, 70, 100, 20);
    show(handle(first));
    UpdateWindow(label);
    UpdateWindow(edit);
    const HeldHandles held = held_handles(record(first), label);
    for (HDC dc : held.dcs)
        EXPECT_NE(GetObjectType(dc), 0u);
    for (HGDIOBJ object : held.objects)
        EXPECT_NE(GetObjectType(object), 0u);
    EXPECT_NE(props::get_handle<HGDIOBJ>(edit, props::kColourBrush), nullptr);
    const HGDIOBJ edit_brush = props::get_handle<HGDIOBJ>(edit, props::kColourBrush);
    const HGDIOBJ edit_bitmap = props::get_handle<HGDIOBJ>(edit, props::kColourBitmap);
    const long first_share = gdi::live_objects() - before;

    const int second = skinned(300, 200);
    HWND second_window = handle(second);
    show(second_window);
    ASSERT_EQ(second, 2);
    const long with_both = gdi::live_objects();

    DestroyWindow(handle(first));
    EXPECT_EQ(window_count(), 1);
    EXPECT_EQ(props::get_int(second_window, props::kOwnNumber), 1);
    EXPECT_EQ(record(1).window, second_window);
    for (HDC dc : held.dcs)
        EXPECT_EQ(GetObjectType(dc), 0u);
    for (HGDIOBJ object : held.objects)
        EXPECT_EQ(GetObjectType(object), 0u);
    EXPECT_EQ(GetObjectType(edit_brush), 0u);
    EXPECT_EQ(GetObjectType(edit_bitmap), 0u);
    // Only the second window's share is still held.
    EXPECT_EQ(gdi::live_objects(), with_both - first_share);
    // Messages for the second window still find its record.
    SendMessageW(second_window, WM_MOUSEHOVER, 0, 0);
    EXPECT_TRUE(record(1).mouse_inside);
}

} // namespace
} // namespace pantrove
