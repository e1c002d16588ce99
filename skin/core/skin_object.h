// SkinObject: the one skin engine object of the process, `skin`. Every skin operation of the application
// goes through it. It is created at start-up and destroyed at exit, which gives back the program icon and
// shuts GDI+ down.
#pragma once

#include "skin/core/skinned_window.h"
#include "text/text_types.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace pantrove {

namespace gdiplus {
class Graphics;
}

// The theme value of set_skin_picture that makes the accent colour follow the body colour.
inline constexpr COLORREF kThemeFromBack = 0xFFFFFFFF;
inline constexpr COLORREF kDefaultThemeColour = 0xDDCA22;

// How skin_window skins a window. Omitted options take the defaults noted.
struct SkinWindowOptions {
    std::optional<int> caption_height; // at least 25 (an omitted height counts as 0, so 25)
    std::optional<bool> framed;        // border, caption and title buttons; true
    std::optional<bool> resizable;     // true
    std::optional<bool> help_button;   // false
    std::optional<bool> menu_button;   // false
    std::optional<bool> show_caption;  // true
    std::optional<bool> caption_gloss; // false
    ByteArray picture;                 // the window's own background picture; empty for none
    std::optional<int> picture_mode;   // the shared picture mode
    // A status bar of this height when 1 or more, with these panes left to right (one over the whole bar when
    // there are none).
    int status_height = 0;
    std::vector<StatusPane> status_panes;
};

// How the panes of a status bar draw their texts (set_status_style). Name and size stay as they are when
// omitted.
struct StatusStyle {
    bool inverse = true; // every text in the complement of the body colour, whatever the pane's colour
    bool glow = false;   // texts in glow_text_colour over a soft glow of glow_colour (draw_glow_text)
    COLORREF glow_text_colour = 0x000000;
    COLORREF glow_colour = 0xFFFFFF;
    std::optional<TextValue> font_name = std::nullopt;
    std::optional<int> font_size = std::nullopt; // pixels
};

class SkinObject {
public:
    // Reads the body colour of skinned windows (the system's button face colour) into back_colour.
    SkinObject();
    // Destroys app_icon and shuts GDI+ down when it was started.
    ~SkinObject();
    // One object serves every skinned window: it is never copied.
    SkinObject(const SkinObject&) = delete;
    SkinObject& operator=(const SkinObject&) = delete;

    // Skins a top-level window: builds its record and title buttons and installs frame_window_proc. A window
    // that is skinned already is left as it is.
    void skin_window(HWND window, const SkinWindowOptions& options = {});

    // The window procedure of every skinned top-level window.
    static LRESULT CALLBACK frame_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    // Runs the command of title button `button` (close, maximise/restore, minimise, menu, help or custom).
    void run_title_button(int number, int button);
    // Frees the records of the window, which is being destroyed, and renumbers the remaining ones.
    void release_window(HWND window);
    // 1 when the client point packed in lparam lies over the title-button strip.
    [[nodiscard]] int hit_title_strip(int number, LPARAM lparam) const;

    // Frame rendering. A window's client area is composed in its background_dc and copied to the screen.

    // Renders window `number` completely into its background_dc and, with `present`, copies it to the window.
    // paint_dc is not drawn into.
    void paint_window(int number, HDC paint_dc, bool present);
    // Copies the composed image to paint_dc, around the opaque visible children.
    void present_window(int number, HDC paint_dc);
    void paint_border(int number, gdiplus::Graphics& graphics);
    // Copy a rectangle (client coordinates, right and bottom exclusive) of the saved caption or status-bar
    // background back into background_dc.
    void restore_caption_rect(int number, const RECT& rect);
    void restore_status_rect(int number, const RECT& rect);

    // Caption. Changes the caption style of a skinned window (omitted values stay) and redraws the caption;
    // 0 when the window is not skinned.
    int set_caption_style(HWND window, std::optional<std::string_view> font_name = std::nullopt,
                          std::optional<int> font_size = std::nullopt,
                          std::optional<COLORREF> text_colour = std::nullopt,
                          std::optional<COLORREF> halo_colour = std::nullopt, std::optional<bool> bold = std::nullopt);
    // Draws icon and caption text (the window's own text unless given) into background_dc; unless no_present,
    // opens graphics on background_dc itself, restores the caption box first and copies it to the screen.
    void paint_caption(int number, gdiplus::Graphics& graphics, bool no_present,
                       std::optional<std::string_view> text = std::nullopt);

    // Title-button drawing. Unless no_present (always, for the pressed look), the button opens graphics on
    // background_dc itself and copies its rectangle to the screen.
    void draw_title_button(int number, int button, gdiplus::Graphics& graphics, bool no_present,
                           std::optional<int> pressed = std::nullopt, std::optional<int> opacity = std::nullopt);
    // The hover face at the opacity (0: invisible, only the background under the button is restored).
    void draw_button_face(gdiplus::Graphics& graphics, int number, int button,
                          std::optional<int> opacity = std::nullopt);
    void paint_button_separators(int number, int button, gdiplus::Graphics& graphics);
    // Replaces the pictures of the minimise, maximise/restore and close buttons (omitted ones stay) and
    // redraws the strip; 0 when the window is not skinned or has no buttons.
    int set_system_button_pictures(HWND window, const std::optional<ByteArray>& minimise = std::nullopt,
                                   const std::optional<ByteArray>& maximise = std::nullopt,
                                   const std::optional<ByteArray>& restore = std::nullopt,
                                   const std::optional<ByteArray>& close = std::nullopt);

    // Title-bar buttons. Buttons are numbered from 1, left to right; tooltip tool ids equal the numbers.
    // Operations that take a window handle do nothing (or return 0) for a window that is not skinned.

    // Adds a custom button at the left end of the strip; 1 when added.
    int add_title_button(HWND window, const ByteArray& picture, std::string_view tooltip,
                         std::function<void()> routine);
    // Places the strip at the right end of the client area and every button's hit rectangle and tooltip.
    void layout_title_buttons(int number);
    // The button under the client point (strict edges), 0 for none.
    int hit_title_button(int number, int x, int y) const;
    int find_maximize_button(int number) const;
    RECT get_title_buttons_rect(HWND window) const;
    void set_help_handler(HWND window, std::function<void()> routine);
    void set_menu_handler(HWND window, std::function<void()> routine);

    // Frame mouse handling: a press in the caption drags the window, one on an edge sizes it (the system's
    // loops do the work). Returns 1 when the press was over the title-button strip.
    int on_frame_mouse_down(int number, LPARAM lparam, const RECT& client);
    // Shows the sizing cursor of the edge zone under the pointer of a resizable window.
    void set_frame_cursor(int number, LPARAM lparam, const RECT& client) const;
    // Sets the background shared by every skinned window: the picture (from the file when one is named, the
    // bytes then being ignored), the body colour (the picture's average colour unless given), the accent colour
    // and the picture mode (4, a mirrored strip along the top, unless given); then re-renders every visible
    // skinned window. The accent becomes theme, or the default when theme is omitted, on every call;
    // kThemeFromBack makes it the body colour. With neither picture nor back colour only the accent changes;
    // with only a back colour the shared picture is dropped and the mode kept.
    void set_skin_picture(std::optional<std::string_view> file_name = std::nullopt, const ByteArray& picture = {},
                          std::optional<COLORREF> back = std::nullopt, std::optional<COLORREF> theme = std::nullopt,
                          std::optional<int> mode = std::nullopt);

    // Sets how child controls are skinned from now on. Giving the alpha switches translucent control backgrounds
    // on at that opacity; omitting it switches them off and restores the opacity 160.
    void set_control_options(int skin_controls, std::optional<int> alpha = std::nullopt, int trackbar = 1);

    // Gives one skinned window its own background picture, which wins over the shared one for its picture and
    // body colour, and schedules a render. False, changing nothing, when the window is not skinned or the
    // picture is empty. An omitted mode keeps the window's mode.
    bool set_window_picture(HWND window, const ByteArray& picture, std::optional<int> mode = std::nullopt);

    // Containers and panels. Operations that take a control do nothing (or return 0) for one outside every
    // skinned window.

    // Registers a group box or panel of a skinned window as a container: it is painted from the window's
    // image (unless skinned is false), tinted with fill_colour (0: no fill) at fill_alpha and outlined when
    // asked (a group box always is), and the controls inside it are skinned. 1 when registered now, 0 for one
    // registered already.
    int skin_container(HWND container, bool skinned = true, COLORREF fill_colour = 0, int fill_alpha = 255,
                       bool draw_outline = false);
    // Changes the fill opacity (the low 8 bits of alpha) of a registered container with a fill, and repaints
    // it. Anything else is left alone.
    void set_container_alpha(HWND container, int alpha);
    // Makes a control show the window's picture wherever it paints key_colour (the button face colour unless
    // given); it keeps painting itself. A panel with children is also registered as an unskinned container
    // with the fill given, and the result is skin_container's; else 0, as for a panel registered already.
    int skin_panel(HWND panel, std::optional<COLORREF> key_colour = std::nullopt, COLORREF fill_colour = 0,
                   int fill_alpha = 255);
    // Sets the colour a control's text is drawn with from its next paint on. A combo box's colour goes to
    // its edit box when it has one.
    void set_control_text_colour(HWND control, COLORREF colour);

    // Status bar: a strip along the bottom of the client area, frame_margin in from the edges, split into panes
    // that show an optional small picture and a text over the window background.

    // Gives window `number` a bar of the height with the panes (width -1: the remaining width); without panes,
    // one pane over the whole bar.
    void add_status_bar(int number, int height, std::span<const StatusPane> panes = {});
    // Places the bar and its panes along the bottom of the current client area.
    void layout_status_bar(int number);
    // Draws pane `pane` (1-based) into background_dc; unless no_present, opens graphics on background_dc
    // itself, restores the pane's background first and copies the pane to the screen.
    void paint_status_pane(int number, gdiplus::Graphics& graphics, bool no_present, int pane = 1);
    // Changes a pane's text (and its picture and colour when given) and redraws that pane alone. 0 when the
    // window is not skinned or has no such pane.
    int set_status_pane(HWND window, int pane, std::string_view text,
                        const std::optional<ByteArray>& picture = std::nullopt,
                        std::optional<COLORREF> colour = std::nullopt);
    // Sets how the panes draw their texts from the next pane paint on; 0 when the window is not skinned.
    int set_status_style(HWND window, const StatusStyle& style = {});

    // Picture and state buttons: push buttons of a skinned window (or of a container in one) drawn with
    // pictures. The button is registered in its window's button_list and subclassed once; calling again
    // replaces its look and pictures. A tooltip text makes or updates the button's tooltip (tool 1). 0 for a
    // button outside every skinned window.

    // A picture beside the caption, or above it, or alone in the middle when the button has no caption.
    int skin_picture_button(HWND button, const ByteArray& picture, bool picture_beside_caption = false,
                            std::string_view tooltip = {});
    // One picture per state; a state without its picture shows a face of its own.
    int skin_state_button(HWND button, const ByteArray& normal, const ByteArray& hover = {},
                          const ByteArray& pressed = {}, const ByteArray& disabled = {}, std::string_view tooltip = {});

    // Fits the docked children of window `number` between their top and the status bar, at full width.
    void layout_window(int number);

    // The body colour as stored (its top byte may be 0xFF).
    [[nodiscard]] COLORREF get_back_colour() const;

    // Paints the body of window `number` into its frame image: magenta outside the rounded body, the body
    // colour and picture inside it, and the caption gloss. The rounded body stays the clip of graphics.
    void paint_background(gdiplus::Graphics& graphics, int number);

    // Gap between the frame's left or right edge and the title-button strip or the status bar.
    int frame_margin = 0;
    // The title button found by the latest hit test, shared by all windows.
    int hot_hit = 0;
};

// The process's skin object; null before create_skin and after destroy_skin.
inline std::unique_ptr<SkinObject> skin;

void create_skin();
void destroy_skin();

} // namespace pantrove
