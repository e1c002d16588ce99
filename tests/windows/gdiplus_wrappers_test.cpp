#include "gdiplus/brushes.h"
#include "gdiplus/graphics.h"
#include "gdiplus/image.h"
#include "gdiplus/path.h"
#include "gdiplus/pen.h"
#include "gdiplus/region.h"
#include "gdiplus/text.h"
#include "tests/windows/gdiplus_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>
#include <string>
#include <thread>
#include <type_traits>
#include <vector>

namespace pantrove::gdiplus {
namespace {

using testing_support::Canvas;
using testing_support::close_to;
using testing_support::count_pixels;

constexpr ARGB white = 0xFFFFFFFF;
constexpr ARGB red = 0xFFFF0000;
constexpr ARGB green = 0xFF00FF00;
constexpr ARGB blue = 0xFF0000FF;

// Makes one held object of each wrapper type. Graphics draws on the surface, which outlives it.
template <class T> T make_held(Bitmap& surface);
template <> Graphics make_held<Graphics>(Bitmap& surface) {
    Graphics graphics;
    graphics.create_from_image(surface);
    return graphics;
}
template <> GraphicsPath make_held<GraphicsPath>(Bitmap&) {
    return GraphicsPath(Gdiplus::FillModeAlternate);
}
template <> Pen make_held<Pen>(Bitmap&) {
    return Pen(red, 2);
}
template <> SolidBrush make_held<SolidBrush>(Bitmap&) {
    return SolidBrush(red);
}
template <> LinearGradientBrush make_held<LinearGradientBrush>(Bitmap&) {
    LinearGradientBrush brush;
    brush.create({0, 0}, {10, 0}, red, blue);
    return brush;
}
template <> PathGradientBrush make_held<PathGradientBrush>(Bitmap&) {
    const PointF triangle[] = {{0, 0}, {10, 0}, {5, 10}};
    PathGradientBrush brush;
    brush.create(triangle);
    return brush;
}
template <> FontFamily make_held<FontFamily>(Bitmap&) {
    return FontFamily("宋体");
}
template <> Font make_held<Font>(Bitmap&) {
    Font font;
    font.create("宋体", 12);
    return font;
}
template <> StringFormat make_held<StringFormat>(Bitmap&) {
    StringFormat format;
    format.create();
    return format;
}
template <> Image make_held<Image>(Bitmap&) {
    Bitmap source;
    source.create(2, 2);
    Image image;
    image.load_from_bytes(source.save_to_bytes(image_format::png));
    return image;
}
template <> Bitmap make_held<Bitmap>(Bitmap&) {
    Bitmap bitmap;
    bitmap.create(3, 3);
    return bitmap;
}
template <> Region make_held<Region>(Bitmap&) {
    Region region;
    region.create(RectF(0, 0, 5, 5));
    return region;
}

template <class T> class WrapperOwnership : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(surface_.create(4, 4)); }
    T make() { return make_held<T>(surface_); }

    Bitmap surface_;
};

using WrapperTypes = testing::Types<Graphics, GraphicsPath, Pen, SolidBrush, LinearGradientBrush, PathGradientBrush,
                                    FontFamily, Font, StringFormat, Image, Bitmap, Region>;

struct WrapperNames {
    template <class T> static std::string GetName(int index) {
        const char* names[] = {"Graphics",
                               "GraphicsPath",
                               "Pen",
                               "SolidBrush",
                               "LinearGradientBrush",
                               "PathGradientBrush",
                               "FontFamily",
                               "Font",
                               "StringFormat",
                               "Image",
                               "Bitmap",
                               "Region"};
        return names[index];
    }
};

TYPED_TEST_SUITE(WrapperOwnership, WrapperTypes, WrapperNames);

TYPED_TEST(WrapperOwnership, IsMovableButNotCopyable) {
    static_assert(!std::is_copy_constructible_v<TypeParam> && !std::is_copy_assignable_v<TypeParam>);
    static_assert(std::is_nothrow_move_constructible_v<TypeParam> && std::is_nothrow_move_assignable_v<TypeParam>);
}

TYPED_TEST(WrapperOwnership, SecondDestroyReturnsFalseAndCallsNothing) {
    TypeParam object = this->make();
    ASSERT_TRUE(object) << "status " << last_status();
    const long held = live_objects();
    EXPECT_TRUE(object.destroy());
    EXPECT_EQ(live_objects(), held - 1);
    EXPECT_FALSE(object);

    // A refused call leaves a known status behind; a delete that calls nothing keeps it.
    Pen().set_width(3);
    ASSERT_EQ(last_status(), Gdiplus::InvalidParameter);
    EXPECT_FALSE(object.destroy());
    EXPECT_EQ(last_status(), Gdiplus::InvalidParameter);
    EXPECT_EQ(live_objects(), held - 1);
}

TYPED_TEST(WrapperOwnership, MovingHandsOverTheObjectAndAssigningReleasesTheOldOne) {
    TypeParam first = this->make();
    TypeParam second = this->make();
    ASSERT_TRUE(first && second);
    const auto* handle = first.get_native();
    const long held = live_objects();

    TypeParam moved(std::move(first));
    EXPECT_FALSE(first);
    EXPECT_FALSE(first.destroy());
    EXPECT_EQ(moved.get_native(), handle);
    EXPECT_EQ(live_objects(), held);

    second = std::move(moved);
    EXPECT_EQ(second.get_native(), handle);
    EXPECT_EQ(live_objects(), held - 1);
}

TYPED_TEST(WrapperOwnership, GoingOutOfScopeReleasesTheObject) {
    const long before = live_objects();
    {
        TypeParam object = this->make();
        ASSERT_TRUE(object);
        EXPECT_GT(live_objects(), before);
    }
    EXPECT_EQ(live_objects(), before);
}

TEST(WrapperUse, CallsOnEmptyWrappersAreRefusedWithoutHarm) {
    Graphics graphics;
    const Pen pen;
    const SolidBrush brush;
    const GraphicsPath path;
    const Font font;
    EXPECT_FALSE(graphics.clear(white));
    EXPECT_FALSE(graphics.draw_path(pen, path));
    EXPECT_FALSE(graphics.fill_rectangle(brush, 0, 0, 5, 5));
    EXPECT_FALSE(graphics.draw_string("文字", font, RectF(0, 0, 50, 20), brush));
    EXPECT_EQ(last_status(), Gdiplus::InvalidParameter);
    EXPECT_EQ(pen.width(), 0);
    EXPECT_EQ(path.point_count(), 0);
    EXPECT_TRUE(path.points().empty());
    EXPECT_FALSE(Bitmap().set_pixel(0, 0, red));
}

TEST(WrapperUse, CreatingAgainReplacesTheHeldObject) {
    Bitmap source;
    ASSERT_TRUE(source.create(3, 3));
    const ByteArray png = source.save_to_bytes(image_format::png);
    const long objects = live_objects();
    const long streams = live_streams();
    SolidBrush brush(red);
    ASSERT_TRUE(brush.create(blue));
    EXPECT_EQ(brush.colour(), blue);
    EXPECT_EQ(live_objects(), objects + 1);

    Bitmap bitmap;
    ASSERT_TRUE(bitmap.load_from_bytes(png));
    ASSERT_TRUE(bitmap.load_from_bytes(png));
    EXPECT_EQ(live_streams(), streams + 1);
    ASSERT_TRUE(bitmap.create(2, 2));
    EXPECT_EQ(live_streams(), streams);
    EXPECT_EQ(live_objects(), objects + 2);
}

TEST(WrapperUse, TheLatestStatusBelongsToTheCallingThread) {
    Pen().set_width(3);
    ASSERT_EQ(last_status(), Gdiplus::InvalidParameter);
    Status seen_there = Gdiplus::GenericError;
    std::thread other([&seen_there] {
        SolidBrush brush(red);
        seen_there = last_status();
    });
    other.join();
    EXPECT_EQ(seen_there, Gdiplus::Ok);
    EXPECT_EQ(last_status(), Gdiplus::InvalidParameter);
}

TEST(WrapperUse, RepeatedPaintingGivesBackEveryObject) {
    Bitmap picture;
    ASSERT_TRUE(picture.create(6, 6));
    const ByteArray png = picture.save_to_bytes(image_format::png);
    const long objects = live_objects();
    const long streams = live_streams();
    for (int i = 0; i < 100; ++i) {
        Canvas canvas(40, 20);
        GraphicsPath path(Gdiplus::FillModeAlternate);
        path.add_rounded_rectangle(0, 0, 39, 19, 20);
        LinearGradientBrush gradient;
        gradient.create({0, 0}, {0, 20}, white, blue);
        canvas.graphics.fill_path(gradient, path);
        canvas.graphics.draw_path(Pen(0xFF000000, 1), path);
        Font font;
        font.create("宋体", 12);
        canvas.graphics.draw_string("按钮", font, RectF(0, 0, 40, 20), SolidBrush(0xFF000000));
        Image image;
        image.load_from_bytes(png);
        canvas.graphics.draw_image(image, 2, 2, 6, 6);
    }
    EXPECT_EQ(live_objects(), objects);
    EXPECT_EQ(live_streams(), streams);
}

// Scaling and rotating about a point, on each object that has a transform.
enum class Target { graphics, pen, linear_gradient, path_gradient };
enum class Operation { scale, rotate };

struct AboutPointCase {
    Target target;
    Operation operation;
    MatrixOrder order;
};

void PrintTo(const AboutPointCase& c, std::ostream* out) {
    const char* targets[] = {"Graphics", "Pen", "LinearGradientBrush", "PathGradientBrush"};
    *out << targets[static_cast<int>(c.target)] << (c.operation == Operation::scale ? "_scale_at" : "_rotate_at")
         << (c.order == MatrixOrderPrepend ? "_prepend" : "_append");
}

// Runs the same steps on whichever object the case names and reads its transform back.
template <class T> std::optional<Transform> apply_about_point(T& object, const AboutPointCase& c, PointF centre) {
    EXPECT_TRUE(object.translate_transform(5, 7));
    const bool done = c.operation == Operation::scale ? object.scale_at(2, 3, centre, c.order)
                                                      : object.rotate_at(30, centre, c.order);
    return done ? object.transform() : std::nullopt;
}

PointF map(const Transform& m, PointF p) {
    return {p.X * m.m11 + p.Y * m.m21 + m.dx, p.X * m.m12 + p.Y * m.m22 + m.dy};
}

class AboutPoint : public testing::TestWithParam<AboutPointCase> {};

TEST_P(AboutPoint, ActsAboutTheCentreInTheSpaceTheOrderNames) {
    const AboutPointCase c = GetParam();
    const PointF centre(10, 20);
    std::optional<Transform> result;
    switch (c.target) {
    case Target::graphics: {
        Canvas canvas(4, 4);
        result = apply_about_point(canvas.graphics, c, centre);
        break;
    }
    case Target::pen: {
        Pen pen(red, 1);
        result = apply_about_point(pen, c, centre);
        break;
    }
    case Target::linear_gradient: {
        LinearGradientBrush brush;
        ASSERT_TRUE(brush.create({0, 0}, {1, 0}, red, blue));
        ASSERT_TRUE(brush.reset_transform());
        result = apply_about_point(brush, c, centre);
        break;
    }
    case Target::path_gradient: {
        const PointF square[] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
        PathGradientBrush brush;
        ASSERT_TRUE(brush.create(square));
        result = apply_about_point(brush, c, centre);
        break;
    }
    }
    if (!result && last_status() == Gdiplus::NotImplemented)
        GTEST_SKIP() << "this GDI+ does not implement the operation";
    ASSERT_TRUE(result.has_value()) << "status " << last_status();

    // The same transform worked out by hand: the translation by (5, 7) applied after the operation about
    // the centre (prepend) or before it (append).
    const double angle = 30 * std::numbers::pi / 180;
    const auto about = [&](PointF p) {
        const double x = p.X - centre.X;
        const double y = p.Y - centre.Y;
        if (c.operation == Operation::scale)
            return PointF(static_cast<float>(centre.X + 2 * x), static_cast<float>(centre.Y + 3 * y));
        return PointF(static_cast<float>(centre.X + x * std::cos(angle) - y * std::sin(angle)),
                      static_cast<float>(centre.Y + x * std::sin(angle) + y * std::cos(angle)));
    };
    const auto shift = [](PointF p) { return PointF(p.X + 5, p.Y + 7); };
    for (const PointF& p : {PointF(0, 0), PointF(10, 20), PointF(-3, 8), PointF(40, -12)}) {
        const PointF expected = c.order == MatrixOrderPrepend ? shift(about(p)) : about(shift(p));
        const PointF actual = map(*result, p);
        EXPECT_NEAR(actual.X, expected.X, 1e-3) << "point " << p.X << "," << p.Y;
        EXPECT_NEAR(actual.Y, expected.Y, 1e-3) << "point " << p.X << "," << p.Y;
    }
}

std::vector<AboutPointCase> about_point_cases() {
    std::vector<AboutPointCase> cases;
    for (Target target : {Target::graphics, Target::pen, Target::linear_gradient, Target::path_gradient}) {
        for (Operation operation : {Operation::scale, Operation::rotate}) {
            for (MatrixOrder order : {MatrixOrderPrepend, MatrixOrderAppend})
                cases.push_back({target, operation, order});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Wrappers, AboutPoint, testing::ValuesIn(about_point_cases()));

TEST(GraphicsTransform, DrawingFollowsARotationAboutTheCentre) {
    Canvas canvas(40, 40);
    ASSERT_TRUE(canvas.graphics.rotate_at(90, {20, 20}));
    PointF corner[] = {{35, 5}};
    ASSERT_TRUE(
        canvas.graphics.transform_points(Gdiplus::CoordinateSpaceDevice, Gdiplus::CoordinateSpaceWorld, corner));
    EXPECT_NEAR(corner[0].X, 35, 1e-3);
    EXPECT_NEAR(corner[0].Y, 35, 1e-3);

    ASSERT_TRUE(canvas.graphics.fill_rectangle(SolidBrush(red), 30, 0, 10, 10));
    const Bitmap& pixels = canvas.pixels();
    EXPECT_EQ(pixels.pixel(35, 35), red);
    EXPECT_EQ(pixels.pixel(35, 5), white);
}

TEST(GraphicsTransform, DrawingFollowsAScaleAboutTheCentre) {
    Canvas canvas(40, 40);
    ASSERT_TRUE(canvas.graphics.scale_at(2, 2, {20, 20}));
    ASSERT_TRUE(canvas.graphics.fill_rectangle(SolidBrush(red), 20, 20, 5, 5));
    const Bitmap& pixels = canvas.pixels();
    EXPECT_EQ(pixels.pixel(28, 28), red);
    EXPECT_EQ(pixels.pixel(32, 32), white);
    EXPECT_EQ(pixels.pixel(18, 18), white);
}

// Rounded rectangles: the corner percentage is clamped to 1..100 and the radii truncated.
struct RoundedCase {
    const char* name;
    float width, height;
    int percent, same_as;
};

void PrintTo(const RoundedCase& c, std::ostream* out) {
    *out << c.name;
}

class RoundedRectangle : public testing::TestWithParam<RoundedCase> {};

std::vector<PointF> rounded_points(float width, float height, int percent) {
    GraphicsPath path(Gdiplus::FillModeAlternate);
    EXPECT_TRUE(path.add_rounded_rectangle(3, 4, width, height, percent)) << "status " << last_status();
    return path.points();
}

TEST_P(RoundedRectangle, HasTheShapeOfTheClampedPercentage) {
    const RoundedCase c = GetParam();
    const std::vector<PointF> actual = rounded_points(c.width, c.height, c.percent);
    const std::vector<PointF> expected = rounded_points(c.width, c.height, c.same_as);
    ASSERT_FALSE(actual.empty());
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_FLOAT_EQ(actual[i].X, expected[i].X) << "point " << i;
        EXPECT_FLOAT_EQ(actual[i].Y, expected[i].Y) << "point " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Wrappers, RoundedRectangle,
                         testing::Values(RoundedCase{"zero_as_one", 200, 100, 0, 1},
                                         RoundedCase{"negative_as_one", 200, 100, -30, 1},
                                         RoundedCase{"above_hundred_as_hundred", 80, 60, 150, 100},
                                         RoundedCase{"radius_truncated", 10, 10, 15, 10}));

TEST(RoundedRectangleShape, FortySevenPercentGivesItsOwnCornersInsideTheRectangle) {
    GraphicsPath path(Gdiplus::FillModeAlternate);
    ASSERT_TRUE(path.add_rounded_rectangle(0, 0, 100, 60, 47));
    const std::vector<PointF> points = path.points();
    ASSERT_FALSE(points.empty());
    // The first arc (47 × 28 box at the top right) starts at its top middle.
    EXPECT_FLOAT_EQ(points.front().X, 100 - 47 / 2.0f);
    EXPECT_FLOAT_EQ(points.front().Y, 0);
    const RectF bounds = path.bounds();
    EXPECT_NEAR(bounds.X, 0, 1e-3);
    EXPECT_NEAR(bounds.Y, 0, 1e-3);
    EXPECT_NEAR(bounds.Width, 100, 1e-3);
    EXPECT_NEAR(bounds.Height, 60, 1e-3);
    // rounded_points draws at (3, 4).
    EXPECT_FLOAT_EQ(rounded_points(100, 60, 46).front().X, 3 + 100 - 46 / 2.0f);
}

TEST(RoundedRectangleShape, CornersUnderAPixelGiveThePlainRectangle) {
    GraphicsPath path(Gdiplus::FillModeAlternate);
    ASSERT_TRUE(path.add_rounded_rectangle(0, 0, 50, 30, 1));
    const RectF bounds = path.bounds();
    EXPECT_FLOAT_EQ(bounds.Width, 50);
    EXPECT_FLOAT_EQ(bounds.Height, 30);
    Canvas canvas(60, 40);
    ASSERT_TRUE(canvas.graphics.fill_path(SolidBrush(blue), path));
    EXPECT_EQ(canvas.pixels().pixel(0, 0), blue);
}

TEST(RoundedRectangleShape, FillsTheBodyAndLeavesTheCorners) {
    Canvas canvas(100, 60);
    GraphicsPath path(Gdiplus::FillModeAlternate);
    ASSERT_TRUE(path.add_rounded_rectangle(0, 0, 100, 60, 47));
    ASSERT_TRUE(canvas.graphics.fill_path(SolidBrush(blue), path));
    const Bitmap& pixels = canvas.pixels();
    EXPECT_EQ(pixels.pixel(50, 30), blue);
    EXPECT_EQ(pixels.pixel(50, 1), blue);
    EXPECT_EQ(pixels.pixel(2, 2), white);
    EXPECT_EQ(pixels.pixel(97, 57), white);
}

// Every brush kind paints what it describes.
struct BrushCase {
    const char* name;
    std::function<bool(Graphics&)> paint;
    std::vector<std::pair<POINT, ARGB>> probes;
};

void PrintTo(const BrushCase& c, std::ostream* out) {
    *out << c.name;
}

class BrushPainting : public testing::TestWithParam<BrushCase> {};

TEST_P(BrushPainting, PaintsTheExpectedColours) {
    Canvas canvas(60, 60);
    ASSERT_TRUE(GetParam().paint(canvas.graphics)) << "status " << last_status();
    const Bitmap& pixels = canvas.pixels();
    for (const auto& [point, colour] : GetParam().probes) {
        const ARGB actual = pixels.pixel(point.x, point.y);
        EXPECT_TRUE(close_to(actual, colour, 40))
            << "at " << point.x << "," << point.y << ": " << std::hex << actual << " expected " << colour;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Wrappers, BrushPainting,
    testing::Values(BrushCase{"solid",
                              [](Graphics& g) {
                                  SolidBrush brush(green);
                                  return brush.colour() == green && g.fill_rectangle(brush, RectF(10, 10, 20, 20));
                              },
                              {{{15, 15}, green}, {{5, 5}, white}}},
                    BrushCase{
                        "linear_gradient",
                        [](Graphics& g) {
                            LinearGradientBrush brush;
                            return brush.create({0, 0}, {60, 0}, red, blue) && g.fill_rectangle(brush, 0, 0, 60, 60);
                        },
                        {{{1, 30}, red}, {{58, 30}, blue}, {{30, 30}, 0xFF800080}}},
                    BrushCase{"preset_blend",
                              [](Graphics& g) {
                                  LinearGradientBrush brush;
                                  const ARGB colours[] = {red, green, blue};
                                  const float positions[] = {0, 0.5f, 1};
                                  return brush.create({0, 0}, {60, 0}, red, blue) &&
                                         brush.set_preset_blend(colours, positions) &&
                                         g.fill_rectangle(brush, 0, 0, 60, 60);
                              },
                              {{{1, 30}, red}, {{30, 30}, green}, {{58, 30}, blue}}},
                    BrushCase{"path_gradient",
                              [](Graphics& g) {
                                  GraphicsPath path(Gdiplus::FillModeAlternate);
                                  PathGradientBrush brush;
                                  const ARGB surround[] = {blue};
                                  return path.add_ellipse(0, 0, 60, 60) && brush.create(path) &&
                                         brush.set_centre_colour(white) && brush.set_centre_point({30, 30}) &&
                                         brush.set_surround_colours(surround) && brush.centre_colour() == white &&
                                         g.fill_path(brush, path);
                              },
                              {{{30, 30}, white}, {{30, 2}, blue}, {{2, 2}, white}}},
                    BrushCase{"pen_of_a_gradient",
                              [](Graphics& g) {
                                  LinearGradientBrush brush;
                                  Pen pen;
                                  return brush.create({0, 0}, {60, 0}, red, blue) && pen.create(brush, 6) &&
                                         pen.width() == 6 && g.draw_line(pen, 0, 30, 60, 30);
                              },
                              {{{1, 30}, red}, {{58, 30}, blue}, {{30, 10}, white}}}));

TEST(Shapes, OutlinesAndFillsFollowTheirShapes) {
    Canvas canvas(100, 40);
    const Pen pen(red, 1);
    ASSERT_TRUE(canvas.graphics.draw_rectangle(pen, 5, 5, 20, 20));
    ASSERT_TRUE(canvas.graphics.draw_ellipse(pen, 35, 5, 20, 20));
    ASSERT_TRUE(canvas.graphics.fill_ellipse(SolidBrush(blue), 65, 5, 20, 20));
    const Bitmap& pixels = canvas.pixels();
    EXPECT_EQ(pixels.pixel(5, 15), red);
    EXPECT_EQ(pixels.pixel(25, 15), red);
    EXPECT_EQ(pixels.pixel(15, 15), white);
    EXPECT_EQ(pixels.pixel(45, 5), red);
    EXPECT_EQ(pixels.pixel(45, 15), white);
    EXPECT_EQ(pixels.pixel(36, 6), white);
    EXPECT_EQ(pixels.pixel(75, 15), blue);
    EXPECT_EQ(pixels.pixel(66, 6), white);
}

// The frame ring of a control: clip to the whole, then exclude the inside by exclusive-or.
TEST(Clipping, ExclusiveOrOfTwoRectanglesLeavesARing) {
    Canvas canvas(40, 40);
    ASSERT_TRUE(canvas.graphics.set_clip_rect(0, 0, 40, 40));
    ASSERT_TRUE(canvas.graphics.set_clip_rect(5, 5, 30, 30, Gdiplus::CombineModeXor));
    ASSERT_TRUE(canvas.graphics.clear(red));
    ASSERT_TRUE(canvas.graphics.reset_clip());
    const Bitmap& pixels = canvas.pixels();
    EXPECT_EQ(pixels.pixel(2, 20), red);
    EXPECT_EQ(pixels.pixel(37, 37), red);
    EXPECT_EQ(pixels.pixel(20, 20), white);
    EXPECT_EQ(pixels.pixel(5, 5), white);
}

TEST(Clipping, APathClipKeepsDrawingInsideThePath) {
    Canvas canvas(40, 40);
    GraphicsPath path(Gdiplus::FillModeAlternate);
    ASSERT_TRUE(path.add_ellipse(0, 0, 40, 40));
    ASSERT_TRUE(canvas.graphics.set_clip_path(path));
    ASSERT_TRUE(canvas.graphics.fill_rectangle(SolidBrush(red), 0, 0, 40, 40));
    const Bitmap& pixels = canvas.pixels();
    EXPECT_EQ(pixels.pixel(20, 20), red);
    EXPECT_EQ(pixels.pixel(1, 1), white);
}

TEST(RegionUse, ARingRegionContainsFillsAndClipsOnlyTheRing) {
    Region ring;
    ASSERT_TRUE(ring.create(RectF(0, 0, 40, 40)));
    ASSERT_TRUE(ring.combine(RectF(10, 10, 20, 20), Gdiplus::CombineModeExclude));
    EXPECT_TRUE(ring.contains(5, 5));
    EXPECT_FALSE(ring.contains(20, 20));
    ASSERT_TRUE(ring.translate(10, 0));
    EXPECT_FALSE(ring.contains(5, 5));
    EXPECT_TRUE(ring.contains(15, 5));

    Canvas canvas(60, 60);
    const RectF bounds = ring.bounds(canvas.graphics);
    EXPECT_FLOAT_EQ(bounds.X, 10);
    EXPECT_FLOAT_EQ(bounds.Width, 40);
    EXPECT_FALSE(ring.is_empty(canvas.graphics));
    Region empty;
    ASSERT_TRUE(empty.create(RectF(0, 0, 10, 10)));
    ASSERT_TRUE(empty.combine(RectF(0, 0, 10, 10), Gdiplus::CombineModeExclude));
    EXPECT_TRUE(empty.is_empty(canvas.graphics));

    ASSERT_TRUE(canvas.graphics.fill_region(SolidBrush(red), ring));
    ASSERT_TRUE(canvas.graphics.set_clip_region(ring));
    ASSERT_TRUE(canvas.graphics.fill_rectangle(SolidBrush(blue), 0, 0, 60, 60));
    const Bitmap& pixels = canvas.pixels();
    EXPECT_EQ(pixels.pixel(15, 5), blue);
    EXPECT_EQ(pixels.pixel(30, 20), white);
    EXPECT_EQ(pixels.pixel(5, 5), white);
    EXPECT_EQ(pixels.pixel(55, 55), white);
}

} // namespace
} // namespace pantrove::gdiplus
