// The GDI+ flat interface as the mingw-w64 headers offer it. Every wrapper includes this instead of
// <gdiplus.h>: those headers need <objidl.h> first (PROPID, IStream), and they declare the flat functions
// inside Gdiplus::DllExports.
#pragma once

#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

namespace pantrove::gdiplus {

namespace flat = Gdiplus::DllExports;

using Gdiplus::ARGB;
using Gdiplus::PointF;
using Gdiplus::RectF;
using Gdiplus::SizeF;
using Gdiplus::Status;

using Gdiplus::GpBitmap;
using Gdiplus::GpBrush;
using Gdiplus::GpFont;
using Gdiplus::GpFontFamily;
using Gdiplus::GpGraphics;
using Gdiplus::GpImage;
using Gdiplus::GpLineGradient;
using Gdiplus::GpMatrix;
using Gdiplus::GpPath;
using Gdiplus::GpPathGradient;
using Gdiplus::GpPen;
using Gdiplus::GpRegion;
using Gdiplus::GpSolidFill;
using Gdiplus::GpStringFormat;

} // namespace pantrove::gdiplus
