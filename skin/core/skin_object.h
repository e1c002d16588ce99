// SkinObject: the one skin engine object of the process, `skin`. Every skin operation of the application
// goes through it. It is created at start-up and destroyed at exit, which gives back the program icon and
// shuts GDI+ down.
#pragma once

#include <windows.h>

#include <memory>

namespace pantrove {

class SkinObject {
public:
    // Reads the body colour of skinned windows (the system's button face colour) into back_colour.
    SkinObject();
    // Destroys app_icon and shuts GDI+ down when it was started.
    ~SkinObject();
    // One object serves every skinned window: it is never copied.
    SkinObject(const SkinObject&) = delete;
    SkinObject& operator=(const SkinObject&) = delete;

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
