// The records of skinned controls, one type per family. Every entry begins with the control and the window
// procedure its registration replaced.
#pragma once

#include "gdiplus/tooltip_window.h"
#include "text/text_types.h"

#include <windows.h>

#include <commctrl.h>

namespace pantrove {

struct ControlEntryBase {
    HWND handle = nullptr;
    WNDPROC previous_proc = nullptr;
};

// What a button of button_list is and who paints it: push, picture and state buttons are owner-drawn and
// painted on their parent's WM_DRAWITEM; radio buttons and check boxes are painted by button_proc.
enum class ButtonKind : int {
    push = 0,
    picture = 1,
    state = 3,
    radio = 4,
    check_box = 5,
};

struct ButtonEntry : ControlEntryBase {
    ButtonKind kind = ButtonKind::push;
    // Picture and state buttons: the normal picture (the only one of a picture button) and the pictures of
    // the hover, pressed and disabled states. Empty pictures are drawn with a fallback face.
    ByteArray normal_picture;
    ByteArray hover_picture;
    ByteArray pressed_picture;
    ByteArray disabled_picture;
    // Picture buttons: the picture sits left of the caption, else above it.
    bool picture_beside_caption = false;
    TextValue caption; // follows WM_SETTEXT
    bool focused = false;
    bool checked_at_setup = false; // radio buttons and check boxes; not used for drawing
    HWND parent = nullptr;         // radio buttons and check boxes: the window they were found in
    TooltipWindow tooltip;         // picture and state buttons
    TextValue font_face;
    int font_size = 0;  // pixels
    int font_style = 0; // GDI+ FontStyle bits
};

struct EditEntry : ControlEntryBase {
    bool focused = false;
    // Read by the frame painter when no hot state is given; the edit procedure draws the hot look on its own,
    // so it stays false.
    bool hot = false;
    bool button_down = false; // between WM_LBUTTONDOWN and WM_LBUTTONUP
};

struct ComboEntry : ControlEntryBase {
    bool focused = false;
};

// The classes of list_control_list; each is painted and prepared in its own way.
enum class ListControlKind : int {
    list_box,
    combo_list, // the list of a combo box ("ComboLBox")
    list_view,
    tree_view,
    ip_address,
    date_time,
};

struct ListControlEntry : ControlEntryBase {
    ListControlKind kind = ListControlKind::list_box;
    bool focused = false;
    bool hot = false;
    bool arrow_key_down = false; // from WM_KEYDOWN of an arrow key to the next WM_KEYUP
};

struct HeaderEntry : ControlEntryBase {
    bool hot = false;
    int hot_item = 0;       // 1-based column under the pointer, 0 for none
    int drawn_hot_item = 0; // the column last drawn hot
    bool has_buttons = false;
    int pressed_item = 0; // the column under the pointer when the button went down, 0 after its release
    bool button_down = false;
    TextValue font_face;
    int font_style = 0;              // GDI+ FontStyle bits
    int font_size = 0;               // pixels
    HIMAGELIST image_list = nullptr; // the header's at registration
};

// Where a trackbar's ticks are, read from its style: the hot thumb sits closer to the ticks' side.
enum class TickPlacement : int {
    top_or_left = 0,
    bottom_or_right = 1,
    both = 2,
    none = 3,
};

struct TrackbarEntry : ControlEntryBase {
    bool vertical = false;
    TickPlacement tick_placement = TickPlacement::bottom_or_right;
    bool hot = false;
    bool has_selection = false; // TBS_ENABLESELRANGE: a thinner channel with the selection drawn in it
};

struct ProgressEntry : ControlEntryBase {
    bool vertical = false;
};

struct UpDownEntry : ControlEntryBase {
    bool hot = false;
    int hot_part = 0; // the half under the pointer at the last hot repaint: 0 up or left, 1 down or right
    bool button_down = false;
    bool horizontal = false;
    LPARAM mouse_position = 0; // as packed in mouse messages, client coordinates
};

// A panel's pixels of key_colour show the window's picture.
struct PanelEntry : ControlEntryBase {
    COLORREF key_colour = 0;
};

} // namespace pantrove
