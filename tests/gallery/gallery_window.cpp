#include "tests/gallery/gallery_window.h"

#include "resources/embedded.h"
#include "skin/core/skin_object.h"
#include "text/wide_text.h"

#include <commctrl.h>

#include <string>

namespace pantrove::gallery {
namespace {

constexpr wchar_t kWindowClass[] = L"PantroveGallery";
constexpr wchar_t kEndsLoop[] = L"PantroveGalleryEndsLoop";

LRESULT CALLBACK gallery_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY && GetPropW(window, kEndsLoop)) {
        RemovePropW(window, kEndsLoop);
        PostQuitMessage(0);
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

bool register_window_class(HINSTANCE instance) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, kWindowClass, &existing))
        return true;
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.style = CS_DBLCLKS;
    window_class.lpfnWndProc = gallery_proc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    window_class.lpszClassName = kWindowClass;
    return RegisterClassExW(&window_class) != 0;
}

void add_column(HWND list, int index, const char* title, int width) {
    std::wstring text = widen(title);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.cx = width;
    column.pszText = text.data();
    column.iSubItem = index;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

void add_row(HWND list, int row, const char* first, const char* second) {
    std::wstring text = widen(first);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = text.data();
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    text = widen(second);
    item.iSubItem = 1;
    item.pszText = text.data();
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

HTREEITEM add_tree_item(HWND tree, HTREEITEM parent, const char* text) {
    std::wstring wide = widen(text);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = wide.data();
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

void add_tab(HWND tabs, int index, const char* title) {
    std::wstring text = widen(title);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

} // namespace

std::unique_ptr<GalleryWindow> GalleryWindow::create(HINSTANCE instance, int x, int y, bool ends_message_loop) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_DATE_CLASSES |
                                                     ICC_INTERNET_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    if (!register_window_class(instance))
        return nullptr;
    std::unique_ptr<GalleryWindow> gallery(new GalleryWindow());
    gallery->window_ = CreateWindowExW(0, kWindowClass, widen("Pantrove 皮肤引擎样例").c_str(),
                                       WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, x, y,
                                       kWidth, kHeight, nullptr, nullptr, instance, nullptr);
    if (!gallery->window_ || !gallery->create_controls(instance))
        return nullptr;
    if (ends_message_loop)
        SetPropW(gallery->window_, kEndsLoop, reinterpret_cast<HANDLE>(1));
    gallery->apply_skin();
    ShowWindow(gallery->window_, SW_SHOWNOACTIVATE);
    UpdateWindow(gallery->window_);
    return gallery;
}

GalleryWindow::~GalleryWindow() {
    if (window_ && IsWindow(window_))
        DestroyWindow(window_);
    if (font_)
        DeleteObject(font_);
}

bool GalleryWindow::create_controls(HINSTANCE instance) {
    font_ = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, widen("宋体").c_str());
    bool made = true;
    int id = 2001;
    const auto make = [&](HWND parent, const wchar_t* window_class, const char* text, DWORD style, DWORD ex_style,
                          int left, int top, int width, int height) {
        HWND control = CreateWindowExW(ex_style, window_class, widen(text).c_str(),
                                       WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, left, top, width, height,
                                       parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), instance, nullptr);
        if (!control)
            made = false;
        else
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        return control;
    };
    GalleryControls& c = controls_;
    HWND w = window_;
    // Buttons.
    c.push_button = make(w, WC_BUTTONW, "按钮", WS_TABSTOP | BS_PUSHBUTTON, 0, 20, 40, 90, 26);
    c.check_box = make(w, WC_BUTTONW, "复选框", WS_TABSTOP | BS_AUTOCHECKBOX, 0, 125, 43, 80, 20);
    c.radio_button = make(w, WC_BUTTONW, "单选框", WS_TABSTOP | BS_AUTORADIOBUTTON, 0, 215, 43, 80, 20);
    c.picture_button = make(w, WC_BUTTONW, "图片按钮", WS_TABSTOP | BS_PUSHBUTTON, 0, 310, 36, 110, 34);
    c.state_button = make(w, WC_BUTTONW, "", WS_TABSTOP | BS_PUSHBUTTON, 0, 435, 40, 40, 26);
    // Text fields.
    c.edit = make(w, WC_EDITW, "文本框", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 20, 82, 200, 24);
    c.combo_box = make(w, WC_COMBOBOXW, "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN, 0, 235, 82, 110, 200);
    c.drop_down_list = make(w, WC_COMBOBOXW, "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 360, 82, 110, 200);
    for (HWND combo : {c.combo_box, c.drop_down_list}) {
        for (const char* item : {".mp3", ".mp4", ".rar", ".zip"})
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(item).c_str()));
        SendMessageW(combo, CB_SETCURSEL, 0, 0);
    }
    c.ip_address = make(w, WC_IPADDRESSW, "", WS_TABSTOP, WS_EX_CLIENTEDGE, 485, 82, 130, 24);
    c.date_time = make(w, DATETIMEPICK_CLASSW, "", WS_TABSTOP, WS_EX_CLIENTEDGE, 485, 40, 130, 24);
    // Lists.
    c.list_box = make(w, WC_LISTBOXW, "", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY, WS_EX_CLIENTEDGE, 20, 122, 140, 130);
    for (const char* item : {"第一项", "第二项", "第三项", "第四项", "第五项", "第六项", "第七项", "第八项", "第九项"})
        SendMessageW(c.list_box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(item).c_str()));
    c.list_view =
        make(w, WC_LISTVIEWW, "", WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE, 175, 122, 300, 130);
    SendMessageW(c.list_view, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
    add_column(c.list_view, 0, "序号", 45);
    add_column(c.list_view, 1, "网址", 230);
    for (int row = 0; row < 6; ++row)
        add_row(c.list_view, row, std::to_string(row + 1).c_str(),
                ("http://example.test/" + std::to_string(row + 1) + ".rar").c_str());
    c.tree_view = make(w, WC_TREEVIEWW, "", WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT,
                       WS_EX_CLIENTEDGE, 490, 122, 210, 130);
    const HTREEITEM root = add_tree_item(c.tree_view, TVI_ROOT, "网盘");
    add_tree_item(c.tree_view, root, "文档");
    add_tree_item(c.tree_view, root, "音乐");
    add_tree_item(c.tree_view, TVI_ROOT, "下载");
    SendMessageW(c.tree_view, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
    // Ranges.
    c.trackbar = make(w, TRACKBAR_CLASSW, "", WS_TABSTOP | TBS_AUTOTICKS, 0, 20, 266, 200, 30);
    SendMessageW(c.trackbar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    SendMessageW(c.trackbar, TBM_SETPOS, TRUE, 40);
    c.progress_bar = make(w, PROGRESS_CLASSW, "", 0, 0, 235, 272, 200, 18);
    SendMessageW(c.progress_bar, PBM_SETRANGE32, 0, 100);
    SendMessageW(c.progress_bar, PBM_SETPOS, 60, 0);
    c.up_down_buddy = make(w, WC_EDITW, "5", ES_NUMBER, WS_EX_CLIENTEDGE, 450, 269, 50, 24);
    c.up_down = make(w, UPDOWN_CLASSW, "", UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS, 0, 0, 0, 0, 0);
    SendMessageW(c.up_down, UDM_SETBUDDY, reinterpret_cast<WPARAM>(c.up_down_buddy), 0);
    SendMessageW(c.up_down, UDM_SETRANGE32, 0, 10);
    SendMessageW(c.up_down, UDM_SETPOS32, 0, 5);
    // A group box with controls of its own, and a tab control as a colour-keyed panel holding a button.
    c.group_box = make(w, WC_BUTTONW, "分组框", BS_GROUPBOX, 0, 20, 310, 300, 140);
    c.group_edit = make(c.group_box, WC_EDITW, "组内文本", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 15, 30, 170, 24);
    c.group_check_box = make(c.group_box, WC_BUTTONW, "组内复选框", BS_AUTOCHECKBOX, 0, 15, 70, 120, 20);
    c.panel = make(w, WC_TABCONTROLW, "", 0, 0, 340, 310, 360, 140);
    add_tab(c.panel, 0, "面板");
    add_tab(c.panel, 1, "选项卡");
    c.panel_button = make(c.panel, WC_BUTTONW, "面板按钮", BS_PUSHBUTTON, 0, 20, 50, 100, 26);
    return made;
}

void GalleryWindow::apply_skin() {
    skin->set_skin_picture(std::nullopt, embedded_bytes(Picture::BackgroundSmall), std::nullopt, 0xC08040, 3);
    skin->set_control_options(1, 90);
    SkinWindowOptions options;
    options.help_button = true;
    options.menu_button = true;
    options.status_height = kStatusHeight;
    // The flexible pane takes all the width left after the panes before it: it goes last.
    options.status_panes = {StatusPane{100, "就绪", {}, 0},
                            StatusPane{120, "60%", embedded_bytes(Picture::CheckMark), 0},
                            StatusPane{-1, "皮肤引擎样例：每种控件各一个", {}, 0x202020}};
    skin->skin_window(window_, options);
    skin->skin_container(controls_.group_box);
    skin->skin_panel(controls_.panel, GetSysColor(COLOR_WINDOW));
    skin->skin_picture_button(controls_.picture_button, embedded_bytes(Picture::MainMenu), true, "图片按钮");
    skin->skin_state_button(controls_.state_button, embedded_bytes(Picture::Help), {}, {}, {}, "状态按钮");
}

} // namespace pantrove::gallery
