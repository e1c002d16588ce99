#include "skin/controls/buttons.h"
#include "skin/core/owner_buttons.h"
#include "skinned_frame_support.h"
#include "control_test_support.h"
#include "text/wide_text.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <ostream>

namespace pantrove {
namespace {

using testing_support::difference;
using testing_support::MemoryImage;
using testing_support::Snapshot;

constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kPictureRed = RGB(255, 0, 0);

// Buttons in windows skinned by skin_window, over a plain grey body.
class ButtonPictureSkinTest : public testing_support::SkinnedFrameTest {
protected:
    void SetUp() override {
        SkinnedFrameTest::SetUp();
        skin_picture.clear();
        back_colour = kGrey;
        window = top_window(360, 240, false, 120, 80, testing_support::kFrameTestClass);
    }

    // Skins the window with the buttons made so far; returns its number.
    int skin_it() {
        skin->skin_window(window);
        return find_window_number(window);
    }

    HWND button(int x, int y, const wchar_t* text = L"", DWORD style = BS_PUSHBUTTON, HWND parent = nullptr) {
        HWND made = child(parent ? parent : window, L"Button", style, x, y, 80, 30);
        SetWindowTextW(made, text);
        return made;
    }

    static WNDPROC procedure_of(HWND control) {
        return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_WNDPROC));
    }

    static ButtonEntry* entry_of(int number, HWND control) {
        SkinnedWindow& r = record(number);
        const int found = r.button_list.find_handle(control);
        return found ? &r.button_list[found] : nullptr;
    }

    // The button as its painter of the kind composes it in the owner-draw state.
    static Snapshot painted(HWND control, UINT state) {
        MemoryImage image(80, 30);
        const RECT rect{0, 0, 80, 30};
        if (entry_of(find_window_record(control), control)->kind == ButtonKind::state)
            paint_state_button(control, image.dc(), state, rect);
        else
            paint_picture_button(control, image.dc(), state, rect);
        return testing_support::snapshot(image.dc(), 80, 30);
    }

    HWND window = nullptr;
};

const auto is_red = [](COLORREF c) { return difference(c, kPictureRed) <= 30; };

TEST_F(ButtonPictureSkinTest, APushButtonSkinnedAlreadyTurnsIntoAPictureButtonWithoutASecondSubclass) {
    HWND b = button(20, 60);
    const int number = skin_it();
    ASSERT_GE(number, 1);
    ASSERT_NE(entry_of(number, b), nullptr);
    const WNDPROC skinned_procedure = procedure_of(b);
    ASSERT_EQ(skinned_procedure, &button_proc);
    const auto previous = props::get_proc(b, props::kPreviousProc);
    const int entries = record(number).button_list.count();
    show(window);
    testing_support::pump();
    EXPECT_EQ(testing_support::snapshot(b).count(is_red), 0);

    EXPECT_EQ(skin->skin_picture_button(b, testing_support::plain_picture(16, 16, kPictureRed)), 1);
    EXPECT_EQ(procedure_of(b), skinned_procedure);
    EXPECT_EQ(props::get_proc(b, props::kPreviousProc), previous);
    EXPECT_EQ(record(number).button_list.count(), entries);
    EXPECT_EQ(entry_of(number, b)->kind, ButtonKind::picture);
    // Its next paint shows the picture: the button has no caption, so it stands in the middle, 24 pixels square.
    testing_support::pump();
    const Snapshot shown = testing_support::snapshot(b);
    const RECT picture = shown.bounds(is_red);
    // Stretched from 16 pixels, its edges may blend with the face.
    EXPECT_NEAR(picture.right - picture.left, 24, 2);
    EXPECT_NEAR(picture.bottom - picture.top, 24, 2);
    EXPECT_NEAR(picture.left, 28, 1);
    EXPECT_NEAR(picture.top, 3, 1);

    // Messages pass through one layer to the button's own procedure; a second would hand them on to itself.
    EXPECT_EQ(SendMessageW(b, WM_GETTEXTLENGTH, 0, 0), 0);
}

TEST_F(ButtonPictureSkinTest, ANewButtonIsRegisteredOwnerDrawnAndSubclassedOnce) {
    const int number = skin_it();
    // Made after the window was skinned: no entry yet, and the list's first entry is still free.
    HWND b = button(20, 60, L"图片");
    ASSERT_EQ(entry_of(number, b), nullptr);
    const WNDPROC own = procedure_of(b);
    ASSERT_EQ(skin->skin_picture_button(b, testing_support::plain_picture(16, 16, kPictureRed), true), 1);
    ASSERT_EQ(record(number).button_list.count(), 1);
    const ButtonEntry* entry = entry_of(number, b);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(record(number).button_list.find_handle(b), 1);
    EXPECT_EQ(entry->kind, ButtonKind::picture);
    EXPECT_TRUE(entry->picture_beside_caption);
    EXPECT_EQ(entry->caption, "图片");
    EXPECT_EQ(entry->previous_proc, own);
    EXPECT_EQ(procedure_of(b), &button_proc);
    EXPECT_EQ(props::get_proc(b, props::kPreviousProc), own);
    EXPECT_EQ(props::get_int(b, props::kWindowNumber), number);
    EXPECT_EQ(props::get_int(b, props::kOwnNumber), 1);
    EXPECT_EQ(GetWindowLongPtrW(b, GWL_STYLE) & 0xF, BS_OWNERDRAW);

    // Again, as a state button: the same entry, the same single subclass layer.
    ASSERT_EQ(skin->skin_state_button(b, testing_support::plain_picture(16, 16, kPictureRed)), 1);
    EXPECT_EQ(record(number).button_list.count(), 1);
    EXPECT_EQ(entry_of(number, b)->kind, ButtonKind::state);
    EXPECT_EQ(props::get_proc(b, props::kPreviousProc), own);
}

TEST_F(ButtonPictureSkinTest, ButtonsOutsideEverySkinnedWindowAreLeftAlone) {
    skin_it();
    HWND elsewhere = top_window(200, 100);
    HWND b = child(elsewhere, L"Button", BS_PUSHBUTTON, 10, 10, 80, 30);
    const WNDPROC own = procedure_of(b);
    const LONG_PTR style = GetWindowLongPtrW(b, GWL_STYLE);
    const ByteArray picture = testing_support::plain_picture(8, 8, kPictureRed);
    EXPECT_EQ(skin->skin_picture_button(b, picture, false, "提示"), 0);
    EXPECT_EQ(skin->skin_state_button(b, picture), 0);
    EXPECT_EQ(skin->skin_picture_button(nullptr, picture), 0);
    EXPECT_EQ(skin->skin_state_button(reinterpret_cast<HWND>(0x12345), picture), 0);
    EXPECT_EQ(procedure_of(b), own);
    EXPECT_EQ(GetWindowLongPtrW(b, GWL_STYLE), style);
    EXPECT_EQ(GetPropW(b, props::kOwnNumber), nullptr);
}

// The tool of a button's tooltip: how many there are and the text of tool 1.
struct ToolState {
    LRESULT count = 0;
    TextValue text;
};

ToolState tools_of(HWND tooltip, HWND owner) {
    wchar_t text[80] = {};
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = owner;
    info.uId = 1;
    info.lpszText = text;
    SendMessageW(tooltip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info));
    return {SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), narrow(text)};
}

TEST_F(ButtonPictureSkinTest, ATooltipGivenAgainChangesTheTextOfTheOneTool) {
    HWND b = button(20, 60);
    const int number = skin_it();
    const ByteArray picture = testing_support::plain_picture(8, 8, kPictureRed);
    ASSERT_EQ(skin->skin_picture_button(b, picture, false, "第一"), 1);
    HWND tooltip = entry_of(number, b)->tooltip.window();
    ASSERT_NE(tooltip, nullptr);
    EXPECT_EQ(tools_of(tooltip, b).count, 1);
    EXPECT_EQ(tools_of(tooltip, b).text, "第一");

    ASSERT_EQ(skin->skin_state_button(b, picture, {}, {}, {}, "第二"), 1);
    EXPECT_EQ(entry_of(number, b)->tooltip.window(), tooltip);
    EXPECT_EQ(tools_of(tooltip, b).count, 1);
    EXPECT_EQ(tools_of(tooltip, b).text, "第二");

    // No text: the tooltip stays as it is.
    ASSERT_EQ(skin->skin_picture_button(b, picture), 1);
    EXPECT_EQ(entry_of(number, b)->tooltip.window(), tooltip);
    EXPECT_EQ(tools_of(tooltip, b).text, "第二");
}

TEST_F(ButtonPictureSkinTest, AButtonWithoutTooltipTextGetsNoTooltip) {
    HWND b = button(20, 60);
    const int number = skin_it();
    ASSERT_EQ(skin->skin_state_button(b, testing_support::plain_picture(8, 8, kPictureRed)), 1);
    EXPECT_EQ(entry_of(number, b)->tooltip.window(), nullptr);
}

struct StateCase {
    const char* name;
    UINT state;
    COLORREF picture; // of that state, when all four are given
};

void PrintTo(const StateCase& c, std::ostream* out) {
    *out << c.name;
}

class StateButtonFaces : public ButtonPictureSkinTest, public testing::WithParamInterface<StateCase> {};

TEST_P(StateButtonFaces, AStateWithoutItsPictureShowsAFaceOfItsOwnNotTheNormalPicture) {
    HWND b = button(20, 60);
    const int number = skin_it();
    show(window);
    testing_support::pump();
    const ByteArray normal = testing_support::plain_picture(16, 16, kPictureRed);
    const COLORREF state_colour = GetParam().picture;
    const auto is_state_colour = [state_colour](COLORREF c) { return difference(c, state_colour) <= 30; };

    ASSERT_EQ(skin->skin_state_button(b, normal, testing_support::plain_picture(16, 16, RGB(0, 0, 255)),
                                      testing_support::plain_picture(16, 16, RGB(0, 255, 0)),
                                      testing_support::plain_picture(16, 16, RGB(255, 255, 0))),
              1);
    EXPECT_GT(painted(b, GetParam().state).count(is_state_colour), 80 * 30 / 2);

    // Given again with the normal picture only: the other pictures are gone.
    ASSERT_EQ(skin->skin_state_button(b, normal), 1);
    const ButtonEntry& entry = *entry_of(number, b);
    EXPECT_TRUE(entry.hover_picture.empty());
    EXPECT_TRUE(entry.pressed_picture.empty());
    EXPECT_TRUE(entry.disabled_picture.empty());
    const Snapshot face = painted(b, GetParam().state);
    EXPECT_EQ(face.count(is_red), 0);
    EXPECT_EQ(face.count(is_state_colour), 0);
    EXPECT_GT(face.count([](COLORREF c) { return difference(c, kGrey) > 8; }), 80);
    // The normal state still shows its picture.
    EXPECT_GT(painted(b, 0).count(is_red), 80 * 30 / 2);
}

INSTANTIATE_TEST_SUITE_P(States, StateButtonFaces,
                         testing::Values(StateCase{"hover", button_state::hot, RGB(0, 0, 255)},
                                         StateCase{"pressed", button_state::pressed, RGB(0, 255, 0)},
                                         StateCase{"disabled", button_state::disabled, RGB(255, 255, 0)}));

TEST_F(ButtonPictureSkinTest, AButtonInsideAChildWindowOfTheSkinnedWindowBelongsToIt) {
    HWND holder = child(window, L"Static", 0, 10, 40, 200, 100);
    HWND b = button(10, 10, L"", BS_PUSHBUTTON, holder);
    const int number = skin_it();
    ASSERT_EQ(skin->skin_picture_button(b, testing_support::plain_picture(8, 8, kPictureRed)), 1);
    EXPECT_NE(entry_of(number, b), nullptr);
    EXPECT_EQ(props::get_int(b, props::kWindowNumber), number);
}

TEST_F(ButtonPictureSkinTest, HundredsOfButtonPaintsGiveBackEveryObject) {
    HWND picture_button = button(20, 60, L"图");
    HWND state_button = button(120, 60, L"状态");
    skin_it();
    show(window);
    testing_support::pump();
    skin->skin_picture_button(picture_button, testing_support::plain_picture(16, 16, kPictureRed), true, "图");
    skin->skin_state_button(state_button, testing_support::plain_picture(16, 16, kPictureRed), {},
                            testing_support::plain_picture(16, 16, RGB(0, 255, 0)), {}, "状态");
    testing_support::pump();
    const long gdi_before = gdi::live_objects();
    const long gdiplus_before = gdiplus::live_objects();
    const UINT states[] = {0, button_state::hot, button_state::pressed, button_state::disabled};
    for (int i = 0; i < 200; ++i) {
        for (HWND b : {picture_button, state_button})
            repaint_button(b, states[i % 4], i % 2 == 0);
        if (i % 40 == 0) {
            InvalidateRect(picture_button, nullptr, FALSE);
            InvalidateRect(state_button, nullptr, FALSE);
            testing_support::pump();
        }
    }
    EXPECT_EQ(gdi::live_objects(), gdi_before);
    EXPECT_EQ(gdiplus::live_objects(), gdiplus_before);
}

} // namespace
} // namespace pantrove
