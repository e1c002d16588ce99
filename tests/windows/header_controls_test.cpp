#include "skin/controls/header_controls.h"

#include "skin/controls/buttons.h"
#include "skin/controls/hover_tracking.h"
#include "tests/windows/list_test_support.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace pantrove {
namespace {

using testing_support::difference;
using testing_support::over;
using testing_support::paint_marker;
using testing_support::pump;
using testing_support::Snapshot;
using testing_support::snapshot;
using testing_support::window_pixel;
using testing_support::window_size;

constexpr COLORREF kWhite = RGB(255, 255, 255);

class HeaderTest : public testing_support::ListWindowTest {
protected:
    // A stand-alone header at (20, 20), 300 × 24, with columns of the given widths and titles.
    HWND header(DWORD style, std::initializer_list<std::pair<const wchar_t*, int>> columns) {
        HWND made = control(WC_HEADERW, style, 20, 20, 300, 24);
        int index = 0;
        for (const auto& [title, width] : columns)
            insert_column(made, index++, title, width);
        return made;
    }

    static void insert_column(HWND made, int index, const wchar_t* title, int width, int format = HDF_LEFT,
                              int image = -1) {
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | (image >= 0 ? HDI_IMAGE : 0);
        item.pszText = const_cast<wchar_t*>(title);
        item.cxy = width;
        item.fmt = format | HDF_STRING | (image >= 0 ? HDF_IMAGE : 0);
        item.iImage = image;
        SendMessageW(made, HDM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    }

    int entry_number(HWND made) { return record().header_list.find_handle(made); }
    HeaderEntry& entry(HWND made) { return record().header_list[entry_number(made)]; }

    void move(HWND made, int x) { SendMessageW(made, WM_MOUSEMOVE, 0, testing_support::point(x, 10)); }

    // The pixels of a column's cell (x from `left`, `width` wide) as the header shows them.
    static Snapshot cell(HWND made, int left, int width) {
        const Snapshot whole = snapshot(made);
        Snapshot part{width, whole.height, {}};
        for (int y = 0; y < whole.height; ++y) {
            for (int x = left; x < left + width; ++x)
                part.pixels.push_back(whole.at(x, y));
        }
        return part;
    }
};

TEST_F(HeaderTest, HeadersOfTheirOwnAndOfListViewsAreRegisteredWithTheirFontsAndImages) {
    HWND own = header(HDS_BUTTONS, {{L"名称", 80}});
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
    SendMessageW(own, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    HWND list = report_list(20, 60, 300, 150, 2);
    HFONT font = CreateFontW(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"宋体");
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    HWND list_header = FindWindowExW(list, nullptr, WC_HEADERW, nullptr);
    const auto list_header_proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(list_header, GWLP_WNDPROC));
    // Not a list control of the skin (sorted), but its header is skinned all the same.
    HWND sorted = report_list(20, 220, 300, 60, 0, LVS_SORTASCENDING);

    skin_headers(number, window);

    ASSERT_EQ(entry_number(own), 1);
    EXPECT_TRUE(entry(own).has_buttons);
    EXPECT_EQ(entry(own).image_list, images);
    EXPECT_FALSE(entry(own).font_face.empty()) << "a header of its own has a font to draw with";
    EXPECT_GT(entry(own).font_size, 0);

    ASSERT_EQ(entry_number(list_header), 2);
    const HeaderEntry& of_list = entry(list_header);
    EXPECT_EQ(of_list.has_buttons, (GetWindowLongPtrW(list_header, GWL_STYLE) & HDS_BUTTONS) != 0);
    const ControlFont read = read_control_font(list);
    EXPECT_EQ(of_list.font_face, read.face);
    EXPECT_EQ(of_list.font_size, 13);
    EXPECT_EQ(of_list.font_style & Gdiplus::FontStyleBold, Gdiplus::FontStyleBold);
    EXPECT_EQ(of_list.previous_proc, list_header_proc);
    EXPECT_TRUE(is_subclassed_with(list_header, header_proc));
    EXPECT_EQ(props::get_int(list_header, props::kWindowNumber), number);
    EXPECT_EQ(entry_number(FindWindowExW(sorted, nullptr, WC_HEADERW, nullptr)), 3);

    // Once only: header_proc must never become its own previous procedure.
    skin_headers(number, window);
    EXPECT_EQ(record().header_list.count(), 3);
    EXPECT_NE(props::get_proc(own, props::kPreviousProc), &header_proc);
    DestroyWindow(list);
    DeleteObject(font);
    ImageList_Destroy(images);
}

struct HitCase {
    const char* name;
    int x;
    int column;
};

void PrintTo(const HitCase& c, std::ostream* out) {
    *out << c.name;
}

class HeaderHitTest : public HeaderTest, public testing::WithParamInterface<HitCase> {};

// Columns 0..60 and 60..140: the 5 pixels at both edges of each column are divider zones.
TEST_P(HeaderHitTest, TheInsideOfAColumnHitsItAndItsDividerZonesHitNone) {
    HWND made = header(HDS_BUTTONS, {{L"序号", 60}, {L"网址", 80}});
    skin_headers(number, window);
    EXPECT_EQ(header_hit_test(number, entry_number(made), testing_support::point(GetParam().x, 10)), GetParam().column);
}

INSTANTIATE_TEST_SUITE_P(Points, HeaderHitTest,
                         testing::Values(HitCase{"LeftEdgeZone", 4, 0}, HitCase{"FirstInside", 5, 1},
                                         HitCase{"FirstLastInside", 55, 1}, HitCase{"DividerLeft", 56, 0},
                                         HitCase{"DividerRight", 64, 0}, HitCase{"SecondInside", 65, 2},
                                         HitCase{"SecondLastInside", 135, 2}, HitCase{"RightEdgeZone", 136, 0},
                                         HitCase{"BeyondTheColumns", 250, 0}, HitCase{"LeftOfTheHeader", -10, 0}),
                         [](const testing::TestParamInfo<HitCase>& info) { return std::string(info.param.name); });

TEST_F(HeaderTest, HitTestingAnUnknownHeaderFindsNoColumn) {
    EXPECT_EQ(header_hit_test(number, 5, testing_support::point(10, 10)), 0);
    EXPECT_EQ(header_hit_test(number + 1, 1, testing_support::point(10, 10)), 0);
}

class HeaderHoverTest : public HeaderTest {
protected:
    void SetUp() override {
        HeaderTest::SetUp();
        made = header(HDS_BUTTONS, {{L"序号", 60}, {L"网址", 80}});
        skin_headers(number, window);
        pump();
        normal_first = cell(made, 0, 60);
        normal_second = cell(made, 60, 80);
    }

    // A pixel of the first column's right divider zone, where no title lies.
    bool repainted() { return window_pixel(made, 57, 2) != kMarker; }

    HWND made = nullptr;
    Snapshot normal_first, normal_second;
};

TEST_F(HeaderHoverTest, TheHeaderIsRepaintedOnlyWhenTheColumnUnderThePointerChanges) {
    move(made, 20);
    EXPECT_EQ(entry(made).hot_item, 1);
    EXPECT_EQ(record().hover_family, hover_family::headers);
    EXPECT_EQ(record().hover_id, entry_number(made));
    EXPECT_NE(cell(made, 0, 60), normal_first) << "the first column is hot";
    EXPECT_EQ(cell(made, 60, 80), normal_second);

    paint_marker(made, kMarker);
    move(made, 30);
    move(made, 50);
    EXPECT_FALSE(repainted()) << "moves along one column";

    move(made, 100);
    EXPECT_TRUE(repainted());
    EXPECT_EQ(cell(made, 0, 60), normal_first);
    EXPECT_NE(cell(made, 60, 80), normal_second) << "the second column is hot";

    // Into the divider zone: the hot column is cleared, once.
    move(made, 62);
    EXPECT_EQ(entry(made).hot_item, 0);
    EXPECT_EQ(cell(made, 60, 80), normal_second);
    EXPECT_EQ(cell(made, 0, 60), normal_first);
    paint_marker(made, kMarker);
    move(made, 63);
    EXPECT_FALSE(repainted()) << "nothing hot is left to clear";

    move(made, 20);
    SendMessageW(made, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(record().hover_id, 0);
    EXPECT_FALSE(entry(made).hot);
    EXPECT_EQ(cell(made, 0, 60), normal_first);
}

TEST_F(HeaderHoverTest, WhileTheButtonIsHeldTheHotColumnStaysAndThePressedOneShows) {
    move(made, 20);
    const Snapshot hot_first = cell(made, 0, 60);
    SendMessageW(made, WM_LBUTTONDOWN, MK_LBUTTON, testing_support::point(20, 10));
    EXPECT_EQ(entry(made).pressed_item, 1);
    redraw(made);
    const Snapshot pressed_first = cell(made, 0, 60);
    EXPECT_NE(pressed_first, hot_first);

    move(made, 100);
    EXPECT_EQ(entry(made).drawn_hot_item, 1);
    // Not even a repaint of the header's own moves the hot column while the button is held.
    redraw(made);
    EXPECT_EQ(cell(made, 60, 80), normal_second);
    EXPECT_EQ(cell(made, 0, 60), pressed_first);

    // The release alone takes the pressed look away.
    SendMessageW(made, WM_LBUTTONUP, 0, testing_support::point(100, 10));
    EXPECT_EQ(entry(made).pressed_item, 0);
    EXPECT_FALSE(entry(made).button_down);
    pump();
    EXPECT_NE(cell(made, 0, 60), pressed_first);
}

TEST_F(HeaderTest, AHeaderWithoutButtonsNeverShowsHotOrPressedColumns) {
    HWND made = header(0, {{L"序号", 60}, {L"网址", 80}});
    skin_headers(number, window);
    pump();
    const Snapshot normal = snapshot(made);
    move(made, 20);
    SendMessageW(made, WM_LBUTTONDOWN, MK_LBUTTON, testing_support::point(20, 10));
    redraw(made);
    EXPECT_EQ(snapshot(made), normal);
    SendMessageW(made, WM_LBUTTONUP, 0, testing_support::point(20, 10));
}

TEST_F(HeaderTest, TheCellIsVeiledAndShadedTopToBottomWithADividerAtItsRightEdge) {
    for (const bool transparent : {false, true}) {
        transparent_controls = transparent ? 1 : 0;
        HWND plain = header(0, {{L"", 100}});
        HWND buttons = header(HDS_BUTTONS, {{L"", 100}});
        SetWindowPos(buttons, nullptr, 20, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        skin_headers(number, window);
        pump();
        for (HWND made : {plain, buttons})
            redraw(made);
        const auto cell_at = [&](HWND made, int x, int y) {
            return transparent ? over(behind(made, x, y), kWhite, control_alpha) : kWhite;
        };
        const auto h = static_cast<int>(window_size(plain).cy);
        // The gradients' ends: pixels are sampled at their centres, hence the tolerance.
        EXPECT_LE(difference(window_pixel(plain, 50, 0), over(cell_at(plain, 50, 0), kTheme, 60)), 6);
        EXPECT_LE(difference(window_pixel(plain, 50, h - 1), over(cell_at(plain, 50, h - 1), kTheme, 10)), 6);
        EXPECT_LE(difference(window_pixel(buttons, 50, 0), over(cell_at(buttons, 50, 0), kWhite, 80)), 6);
        EXPECT_LE(difference(window_pixel(buttons, 50, h - 1), over(cell_at(buttons, 50, h - 1), kTheme, 120)), 8);
        // The divider fades from dark at its top.
        EXPECT_LT(testing_support::brightness(window_pixel(plain, 99, 1)) + 30,
                  testing_support::brightness(window_pixel(plain, 97, 1)));
        DestroyWindow(plain);
        DestroyWindow(buttons);
    }
}

class HeaderTitleTest : public HeaderTest {
protected:
    // Whether the first column draws its title as a second, wide column draws the text: the same dark
    // pixels left of the first column's divider.
    bool drawn_as(HWND made, std::wstring text) {
        HDITEMW item{};
        item.mask = HDI_TEXT;
        item.pszText = text.data();
        SendMessageW(made, HDM_SETITEMW, 1, reinterpret_cast<LPARAM>(&item));
        redraw(made);
        const Snapshot cut = cell(made, 0, 90), whole = cell(made, 90, 90);
        for (int y = 0; y < cut.height; ++y) {
            for (int x = 0; x < 88; ++x) {
                if (testing_support::is_dark(cut.at(x, y)) != testing_support::is_dark(whole.at(x, y)))
                    return false;
            }
        }
        return true;
    }
};

TEST_F(HeaderTitleTest, ATitleLongerThanItsColumnEndsInAnEllipsisOnItsOneLine) {
    for (const std::wstring title : {L"一个很长很长很长很长的标题", L"ABCDEFGHIJKLMNOPQRSTUVWXYZ"}) {
        HWND made = header(0, {{title.c_str(), 90}, {L"", 200}});
        skin_headers(number, window);
        redraw(made);
        const RECT text = cell(made, 0, 90).bounds(testing_support::is_dark);
        EXPECT_LT(text.bottom - text.top, 18) << "one line";
        bool found = false;
        for (size_t length = 1; length < title.size() && !found; ++length)
            found = drawn_as(made, title.substr(0, length) + L"…");
        EXPECT_TRUE(found) << "some beginning of the title and an ellipsis";
        EXPECT_FALSE(drawn_as(made, title)) << "not the title cut off short";
        DestroyWindow(made);
    }
}

TEST_F(HeaderTitleTest, ATitleThatFitsIsDrawnWhole) {
    HWND made = header(0, {{L"网址", 90}, {L"", 200}});
    skin_headers(number, window);
    EXPECT_TRUE(drawn_as(made, L"网址"));
    EXPECT_FALSE(drawn_as(made, L"网…"));
}

TEST_F(HeaderTest, TheLastColumnOfAListViewsHeaderReachesTheListViewsRightEdge) {
    HWND list = report_list(20, 60, 320, 150, 2);
    ListView_SetColumnWidth(list, 1, 100);
    skin_headers(number, window);
    HWND made = FindWindowExW(list, nullptr, WC_HEADERW, nullptr);
    redraw(list);
    paint_marker(made, kMarker);
    SendMessageW(made, WM_PAINT, 0, 0);
    RECT client{};
    GetClientRect(list, &client);
    const Snapshot shot = snapshot(made);
    ASSERT_GE(shot.width, client.right);
    for (int x = 145; x < client.right; ++x)
        EXPECT_NE(shot.at(x, 5), kMarker) << x;
    // Beyond the column's own width the cell goes on without divider.
    EXPECT_EQ(shot.at(200, 5), shot.at(client.right - 2, 5));
}

struct AlignCase {
    const char* name;
    int format;
};

void PrintTo(const AlignCase& c, std::ostream* out) {
    *out << c.name;
}

class HeaderAlignTest : public HeaderTest, public testing::WithParamInterface<AlignCase> {};

TEST_P(HeaderAlignTest, TheTitleIsPlacedByTheColumnsFormat) {
    HWND made = header(0, {});
    insert_column(made, 0, L"网址", 200, GetParam().format);
    skin_headers(number, window);
    redraw(made);
    const RECT text = cell(made, 0, 200).bounds(testing_support::is_dark);
    ASSERT_GT(text.right, text.left);
    const int m = static_cast<int>(SendMessageW(made, HDM_GETBITMAPMARGIN, 0, 0));
    // GDI+ leaves some room of its own before the first character.
    switch (GetParam().format) {
    case HDF_RIGHT:
        EXPECT_GT(text.right, 200 - 12);
        break;
    case HDF_CENTER:
        EXPECT_LE(std::abs((text.left + text.right) / 2 - (200 - m) / 2), 8);
        break;
    default:
        EXPECT_LE(text.left, m + 8);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, HeaderAlignTest,
                         testing::Values(AlignCase{"Left", HDF_LEFT}, AlignCase{"Right", HDF_RIGHT},
                                         AlignCase{"Centre", HDF_CENTER}),
                         [](const testing::TestParamInfo<AlignCase>& info) { return std::string(info.param.name); });

TEST_F(HeaderTest, AColumnWithAnImageShowsItsIconBeforeTheTitle) {
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
    HBITMAP red = [] {
        HDC screen = GetDC(nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
        HDC dc = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(dc, bitmap);
        testing_support::fill(dc, 16, 16, RGB(255, 0, 0));
        SelectObject(dc, old);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        return bitmap;
    }();
    ImageList_Add(images, red, nullptr);
    DeleteObject(red);
    HWND made = header(0, {});
    SendMessageW(made, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    insert_column(made, 0, L"网址", 150, HDF_LEFT, 0);
    insert_column(made, 1, L"网址", 150, HDF_LEFT);
    skin_headers(number, window);
    redraw(made);
    const int m = static_cast<int>(SendMessageW(made, HDM_GETBITMAPMARGIN, 0, 0));
    const int h = static_cast<int>(window_size(made).cy);
    EXPECT_EQ(window_pixel(made, m + 8, h / 2), RGB(255, 0, 0));
    const RECT with_icon = cell(made, 0, 150).bounds(testing_support::is_dark);
    const RECT without = cell(made, 150, 150).bounds(testing_support::is_dark);
    EXPECT_EQ(with_icon.left, without.left + 16) << "the title follows the icon";
    ImageList_Destroy(images);
}

TEST_F(HeaderTest, EraseBackgroundErasesNothing) {
    HWND made = header(0, {{L"序号", 60}});
    skin_headers(number, window);
    testing_support::MemoryImage image(8, 8);
    testing_support::fill(image.dc(), 8, 8, kMarker);
    SetBkMode(image.dc(), OPAQUE);
    EXPECT_EQ(SendMessageW(made, WM_ERASEBKGND, reinterpret_cast<WPARAM>(image.dc()), 0), 1);
    EXPECT_EQ(GetBkMode(image.dc()), TRANSPARENT);
    EXPECT_EQ(image.pixel(4, 4), kMarker);
}

TEST(MeasureTextWidth, WidthsGrowWithTheTextAndTheSizeAndAreOneWithoutAFont) {
    const int short_text = measure_text_width("网址", "宋体", 12, 0);
    const int long_text = measure_text_width("网址网址网址", "宋体", 12, 0);
    EXPECT_GT(short_text, 12);
    EXPECT_GT(long_text, 2 * short_text);
    EXPECT_GT(measure_text_width("网址", "宋体", 24, 0), short_text);
    EXPECT_EQ(measure_text_width("", "宋体", 12, 0), 1);
    EXPECT_EQ(measure_text_width("网址", "", 12, 0), 1);
}

} // namespace
} // namespace pantrove
