#include "app/main_window.h"

#include "app/handlers.h"
#include "text/wide_text.h"

#include <commctrl.h>

#include <atomic>

namespace pantrove {
namespace {

constexpr wchar_t kWindowClass[] = L"PantroveMainWindow";

// The combo box is created this much taller than the form's height: the extra is the room of its drop-down
// list. The selection field itself takes the height of its font (20 pixels with 宋体 9 points).
constexpr int kDropDownListHeight = 240;

std::atomic<MainWindow*> live_window{nullptr};

bool register_window_class(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, kWindowClass, &existing))
        return true;
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.style = CS_DBLCLKS;
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    window_class.lpszClassName = kWindowClass;
    return RegisterClassExW(&window_class) != 0;
}

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD ex_style;
};

ControlClass control_class(ControlKind kind) {
    constexpr DWORD child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    switch (kind) {
    case ControlKind::PushButton:
        return {WC_BUTTONW, child | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::TransparentLabel:
        return {WC_STATICW, child | SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX | SS_NOTIFY, 0};
    case ControlKind::ComboBox:
        return {WC_COMBOBOXW, child | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0};
    case ControlKind::EditBox:
        return {WC_EDITW, child | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::ReportListView:
        return {WC_LISTVIEWW, child | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE};
    }
    return {WC_STATICW, child, 0};
}

void fill_suffix_combo(HWND combo) {
    for (std::string_view item : kSuffixItems)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(item).c_str()));
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
}

void add_result_columns(HWND list) {
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    int index = 0;
    for (const ListColumn& column : kResultColumns) {
        std::wstring title = widen(column.title);
        LVCOLUMNW column_info{};
        column_info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column_info.cx = column.width;
        column_info.pszText = title.data();
        column_info.iSubItem = index;
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column_info));
        ++index;
    }
}

} // namespace

std::unique_ptr<MainWindow> MainWindow::create(HINSTANCE instance, bool ends_message_loop) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    if (!register_window_class(instance, window_proc))
        return nullptr;
    std::unique_ptr<MainWindow> main(new MainWindow(ends_message_loop));
    // No system caption or border: the skin draws the frame. The boxes stay so the skin offers them.
    // No minimise or maximise box: the skin's title strip then holds the menu and close buttons only and
    // starts right of the skin button.
    constexpr DWORD style = WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU;
    main->window_ = CreateWindowExW(0, kWindowClass, widen(kMainCaption).c_str(), style, kMainX, kMainY, kMainWidth,
                                    kMainHeight, nullptr, nullptr, instance, main.get());
    if (!main->window_ || !main->create_controls(instance))
        return nullptr;
    live_window = main.get();
    return main;
}

MainWindow::MainWindow(bool ends_message_loop) : ends_message_loop_(ends_message_loop) {}

MainWindow::~MainWindow() {
    MainWindow* self = this;
    live_window.compare_exchange_strong(self, nullptr);
    if (window_ && IsWindow(window_))
        DestroyWindow(window_);
}

MainWindow* MainWindow::current() {
    return live_window.load();
}

bool MainWindow::create_controls(HINSTANCE instance) {
    font_.reset(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, widen("宋体").c_str()));
    int id = 1001; // clear of IDOK and IDCANCEL, which IsDialogMessage sends for Enter and Esc
    for (const FormControl& entry : kMainControls) {
        const ControlClass cls = control_class(entry.kind);
        const int height = entry.kind == ControlKind::ComboBox ? entry.height + kDropDownListHeight : entry.height;
        HWND control =
            CreateWindowExW(cls.ex_style, cls.name, widen(entry.text).c_str(), cls.style, entry.x, entry.y, entry.width,
                            height, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), instance, nullptr);
        if (!control)
            return false;
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        // Each control goes below the ones before it, so the first of the form is the topmost.
        SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        form_.*entry.slot = control;
    }
    fill_suffix_combo(form_.suffix_combo);
    add_result_columns(form_.result_list);
    return true;
}

void MainWindow::on_command(HWND control, int notification) {
    static_assert(BN_CLICKED == STN_CLICKED);
    if (notification != BN_CLICKED)
        return;
    if (control == form_.weiyun_resolve_button || control == form_.baidu_resolve_button) {
        // Listing runs pending events, which can deliver another click: one resolution at a time.
        if (resolving_)
            return;
        resolving_ = true;
        if (control == form_.baidu_resolve_button)
            handle_baidu_resolve(*this);
        else
            handle_weiyun_resolve(*this);
        resolving_ = false;
    } else if (control == form_.skin_button) {
        handle_skin_toggle(*this);
    } else if (control == form_.status_label) {
        handle_status_label_press(*this); // a static with SS_NOTIFY reports the button going down
    }
}

void MainWindow::on_notify(const NMHDR& header) {
    if (header.hwndFrom != form_.result_list)
        return;
    if (header.code == NM_RCLICK)
        handle_result_right_click(*this);
    else if (header.code == NM_DBLCLK)
        handle_result_double_click(*this);
}

LRESULT CALLBACK MainWindow::window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wparam, lparam);
    switch (message) {
    case WM_COMMAND:
        if (lparam)
            self->on_command(reinterpret_cast<HWND>(lparam), HIWORD(wparam));
        return 0;
    case WM_NOTIFY:
        self->on_notify(*reinterpret_cast<const NMHDR*>(lparam));
        return 0;
    case WM_CTLCOLORSTATIC:
        // Labels draw no background of their own: the window shows through.
        SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_DESTROY:
        if (self->ends_message_loop_)
            PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

} // namespace pantrove
