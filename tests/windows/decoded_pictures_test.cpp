#include "skin/services/decoded_pictures.h"
#include "tests/windows/skin_test_support.h"

#include <gtest/gtest.h>

namespace pantrove {
namespace {

using testing_support::quadrant_picture;

class DecodedPicturesTest : public testing_support::SkinTest {};

TEST_F(DecodedPicturesTest, HoldsEveryPixelOfThePicture) {
    const ByteArray bytes = quadrant_picture(30, 20);
    gdiplus::Bitmap reference;
    ASSERT_TRUE(reference.load_from_bytes(bytes));
    const std::shared_ptr<DecodedPicture> picture = decoded_picture(bytes);
    ASSERT_NE(picture, nullptr);
    ASSERT_EQ(picture->width, 30);
    ASSERT_EQ(picture->height, 20);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 30; ++x)
            ASSERT_EQ(picture->pixels[static_cast<size_t>(y * 30 + x)], reference.pixel(x, y)) << x << "," << y;
    }
    const gdiplus::Bitmap over = bitmap_over(*picture);
    EXPECT_EQ(over.pixel(29, 19), reference.pixel(29, 19));
}

TEST_F(DecodedPicturesTest, APictureInUseIsDecodedOnceAndDroppedWhenReplaced) {
    const ByteArray first = quadrant_picture(30, 20);
    const ByteArray second = quadrant_picture(40, 20);
    skin_picture = first;
    std::weak_ptr<DecodedPicture> kept = decoded_picture(first);
    ASSERT_FALSE(kept.expired());
    EXPECT_EQ(decoded_picture(first), kept.lock());

    // A window's own picture is in use too.
    HWND window = top_window(50, 50);
    window_record(add_record(window))->window_picture = second;
    const std::shared_ptr<DecodedPicture> own = decoded_picture(second);
    EXPECT_FALSE(kept.expired());
    EXPECT_EQ(decoded_picture(first), kept.lock());

    skin_picture = second;
    EXPECT_EQ(decoded_picture(second), own);
    EXPECT_TRUE(kept.expired());
}

TEST_F(DecodedPicturesTest, APictureNotInUseIsNotKept) {
    skin_picture.clear();
    std::weak_ptr<DecodedPicture> loose = decoded_picture(quadrant_picture(10, 10));
    EXPECT_FALSE(loose.expired());
    EXPECT_EQ(decoded_picture({}), nullptr);
    EXPECT_TRUE(loose.expired());
    EXPECT_EQ(decoded_picture({'n', 'o'}), nullptr);
}

TEST_F(DecodedPicturesTest, TitleButtonPicturesAreKeptWhileAButtonHoldsThem) {
    skin_picture.clear();
    SkinnedWindow& record = *window_record(add_record(top_window(50, 50)));
    TitleButton button;
    button.image = quadrant_picture(26, 18);
    button.alt_image = quadrant_picture(26, 16);
    record.title_buttons.push_back(button);
    std::weak_ptr<DecodedPicture> image = decoded_picture(button.image);
    std::weak_ptr<DecodedPicture> alt_image = decoded_picture(button.alt_image);
    EXPECT_EQ(decoded_picture(button.image), image.lock());
    EXPECT_EQ(decoded_picture(button.alt_image), alt_image.lock());

    record.title_buttons.clear();
    EXPECT_EQ(decoded_picture({}), nullptr);
    EXPECT_TRUE(image.expired());
    EXPECT_TRUE(alt_image.expired());
}

} // namespace
} // namespace pantrove
