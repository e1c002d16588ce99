#include "skin/core/skin_object.h"

#include "skin/core/skin_state.h"

#include <objidl.h>
#include <gdiplus.h>

namespace pantrove {

SkinObject::SkinObject() {
    back_colour = GetSysColor(COLOR_BTNFACE);
}

SkinObject::~SkinObject() {
    if (app_icon)
        DestroyIcon(app_icon);
    app_icon = nullptr;
    if (gdiplus_token != 0)
        Gdiplus::GdiplusShutdown(gdiplus_token);
    gdiplus_token = 0;
}

void create_skin() {
    skin = std::make_unique<SkinObject>();
}

void destroy_skin() {
    skin.reset();
}

} // namespace pantrove
