#include "storage/PictureLookup.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

class PictureLookupTest : public ::testing::Test {
protected:
    void touch(const std::string& name) { std::ofstream(dir_ / name) << "BM"; }

    TempDir temp_;
    const std::filesystem::path& dir_ = temp_.path();
};

} // namespace

TEST_F(PictureLookupTest, PhotoNumberGivesThreeDigitName) {
    EXPECT_EQ(photoFileName(7), "tenis007.bmp");
    EXPECT_EQ(photoFileName(123), "tenis123.bmp");
    touch("tenis045.bmp");
    const PictureLookup found = lookupPicture(dir_, 45, 1);
    EXPECT_EQ(found.fileName, "tenis045.bmp");
    EXPECT_TRUE(found.found);
}

TEST_F(PictureLookupTest, MissingPhotoFallsBackToTheDefaultBySexFlag) {
    touch("tenisman.bmp");
    touch("teniswmn.bmp");
    EXPECT_EQ(lookupPicture(dir_, 0, 1).fileName, "teniswmn.bmp");
    EXPECT_EQ(lookupPicture(dir_, 0, 0).fileName, "tenisman.bmp");
    // A resting participant's status code (10 or 11) selects the female default.
    EXPECT_EQ(lookupPicture(dir_, 3, 10).fileName, "teniswmn.bmp");
    EXPECT_EQ(lookupPicture(dir_, 3, 11).fileName, "teniswmn.bmp");
}

TEST_F(PictureLookupTest, NamesAreFoundWithoutRegardToCase) {
    touch("TENIS046.BMP");
    touch("TenisWmn.Bmp");
    EXPECT_EQ(lookupPicture(dir_, 46, 0).fileName, "TENIS046.BMP");
    EXPECT_TRUE(lookupPicture(dir_, 46, 0).found);
    EXPECT_EQ(lookupPicture(dir_, 47, 1).fileName, "TenisWmn.Bmp");
    EXPECT_TRUE(lookupPicture(dir_, 47, 1).found);
}

TEST_F(PictureLookupTest, NoDefaultMeansNotFound) {
    EXPECT_FALSE(lookupPicture(dir_, 5, 0).found);
}
