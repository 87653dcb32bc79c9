#include "ProgramFixture.h"

#include "app/SupportFiles.h"

#include <fstream>
#include <iterator>

using SupportFilesTest = ProgramFixture;

TEST_F(SupportFilesTest, MissingHelpPagesAndPicturesAreCopiedIntoTheWorkingFolder) {
    const std::filesystem::path source = dir_ / "share";
    std::filesystem::create_directories(source / "html");
    std::ofstream(source / "html" / "TENIS5.htm") << "new";
    std::ofstream(source / "html" / "RLY_MM.htm") << "new";
    std::ofstream(source / "html" / "help.css") << "css";
    std::ofstream(source / "html" / "notes.txt") << "x";
    std::ofstream(source / "tenisman.bmp") << "BM";
    std::filesystem::create_directories(dir_ / "html");
    std::ofstream(dir_ / "html" / "RLY_MM.htm") << "club's own";

    copyMissingSupportFiles(dir_,
                            {{dir_ / "nowhere", dir_ / "nowhere"}, {source / "html", source}});

    const auto read = [](const std::filesystem::path& file) {
        std::ifstream in(file);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(read(dir_ / "html" / "TENIS5.htm"), "new");
    EXPECT_EQ(read(dir_ / "html" / "RLY_MM.htm"), "club's own");
    EXPECT_EQ(read(dir_ / "html" / "help.css"), "css");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "html" / "notes.txt"));
    EXPECT_EQ(read(dir_ / "tenisman.bmp"), "BM");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "teniswmn.bmp"));
}
