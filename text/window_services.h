// The window and system services the handlers use: control properties, report list view rows, the message
// box, pending events, the clipboard, the shell and threads. Texts are code page 936.
#pragma once

#include "text/text_types.h"

#include <windows.h>

#include <functional>
#include <string_view>

namespace pantrove::rt {

bool is_visible(HWND control);
void set_visible(HWND control, bool visible);

// Report-style list view rows; rows and columns are 0-based.
int selected_row(HWND list); // -1 when no row is selected
int insert_row(HWND list);   // appends an empty row and returns its index, -1 on failure
void set_cell_text(HWND list, int row, int column, std::string_view text); // no effect on a missing row
TextValue cell_text(HWND list, int row, int column);                       // empty for a missing row
int row_count(HWND list);
void delete_all_rows(HWND list);

// Caption of every message box of the program.
inline constexpr std::string_view kMessageCaption = "信息：";

// A modal box with an OK button, modal to the whole task.
void message_box(HWND owner, std::string_view text);

// Runs the window messages waiting for this thread, so windows repaint during a long handler. A quit
// message is left for the message loop.
void process_pending_events();

// Puts the text on the clipboard as CF_UNICODETEXT and as code page 936 CF_TEXT, with the locale that reads
// it. Returns false when the clipboard could not be taken.
bool set_clipboard_text(HWND owner, std::string_view text);

// Opens the address with the shell's "open" verb, shown normally. Returns false when the shell refused.
bool open_with_shell(std::string_view address);

// Runs the routine on a new thread whose handle is closed at once; false when no thread could be started.
bool start_thread(std::function<void()> routine);

} // namespace pantrove::rt
