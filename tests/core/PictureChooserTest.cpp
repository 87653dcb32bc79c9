#include "RegistrationFixture.h"

#include "app/PictureChooser.h"

namespace {

class PictureChooserTest : public RegistrationFixture {
protected:
    void SetUp() override {
        RegistrationFixture::SetUp();
        touch("tenis045.bmp");
        touch("TENIS046.BMP");
        touch("photoabc.bmp");
        touch("45.bmp");
        touch("notes.txt");
        std::filesystem::create_directory(dir / "album");
        std::ofstream(dir / "album" / "tenis077.bmp") << "BM";
    }
};

} // namespace

TEST_F(PictureChooserTest, ListsStartAtTheWorkingFolder) {
    PictureChooser chooser(platform, dir);
    EXPECT_EQ(chooser.folder(), dir);
    const std::vector<std::string> expected = {"45.bmp", "TENIS046.BMP", "photoabc.bmp",
                                               "tenis045.bmp"};
    EXPECT_EQ(chooser.files(), expected);
    const std::vector<std::string> folders = {"..", "album"};
    EXPECT_EQ(chooser.folders(), folders);
    chooser.chooseFile("tenis045.bmp");
    EXPECT_EQ(chooser.previewPath(), dir / "tenis045.bmp");
    chooser.chooseFile("notes.txt");
    EXPECT_EQ(chooser.chosenFile(), "");
}

TEST_F(PictureChooserTest, OkReadsTheThreeDigitsBeforeTheExtension) {
    PictureChooser chooser(platform, dir);
    chooser.chooseFile("tenis045.bmp");
    EXPECT_EQ(chooser.ok(), 45);
    chooser.chooseFile("TENIS046.BMP");
    EXPECT_EQ(chooser.ok(), 46);
    EXPECT_EQ(platform.beepCount(), 0);
}

TEST_F(PictureChooserTest, OkRefusesWhatGivesNoPhotoNumber) {
    PictureChooser chooser(platform, dir);
    EXPECT_FALSE(chooser.ok()); // nothing chosen
    chooser.chooseFile("photoabc.bmp");
    EXPECT_FALSE(chooser.ok());
    chooser.chooseFile("45.bmp");
    EXPECT_FALSE(chooser.ok());
    // A photo is looked up by its bare name in the working folder.
    chooser.chooseFolder(dir / "album");
    EXPECT_EQ(chooser.folders().front(), "..");
    chooser.chooseFile("tenis077.bmp");
    EXPECT_EQ(chooser.previewPath(), dir / "album" / "tenis077.bmp");
    EXPECT_FALSE(chooser.ok());
    EXPECT_EQ(platform.beepCount(), 4);
}

TEST_F(PictureChooserTest, ReturningToTheWorkingFolderAllowsOkAgain) {
    PictureChooser chooser(platform, dir);
    chooser.chooseFolder(dir / "album");
    chooser.chooseFolder(chooser.folder() / "..");
    chooser.chooseFile("tenis045.bmp");
    EXPECT_EQ(chooser.ok(), 45);
}
