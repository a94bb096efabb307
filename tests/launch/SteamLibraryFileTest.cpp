// Steam's list of library folders, read from text as Steam writes it and as
// a damaged or hostile file may hold it; the folders it names, each once.
#include "DistinctFolders.h"
#include "DoubleByteCodePage.h"
#include "SteamLibraryFile.h"

#include <gtest/gtest.h>

#include <random>

namespace tarnwick {
namespace {

using Paths = std::vector<std::string>;

// As Steam writes it since 2021: one block per library, backslashes doubled.
constexpr char kLibraryFolders[] = R"("libraryfolders"
{
	"0"
	{
		"path"		"C:\\Program Files (x86)\\Steam"
		"label"		""
		"apps"
		{
			"2280"		"4182132012"
			"path"		"C:\\not a library"
		}
	}
	"1"
	{
		"label"		"games"
		"path"		"D:\\SteamLibrary"
	}
}
)";

TEST(SteamLibraryFile, ReadsThePathOfEveryLibrary) {
    EXPECT_EQ(SteamLibraryPaths(kLibraryFolders),
              (Paths{"C:\\Program Files (x86)\\Steam", "D:\\SteamLibrary"}));
    // Escapes resolved; a lone backslash stands; bytes outside quotes (a
    // comment, a bare word) are passed over, and so is a block in the place
    // of a path.
    EXPECT_EQ(
        SteamLibraryPaths("// written by hand\n\"libraryfolders\" { \"0\" { \"path\" "
                          "\"F:\\\\My \\\"Games\\\"\" } junk \"1\" { \"path\" \"G:\\Lib\\new\" } "
                          "\"2\" { \"path\" { } } }"),
        (Paths{"F:\\My \"Games\"", "G:\\Lib\\new"}));
    EXPECT_EQ(SteamLibraryPaths(""), Paths{});
}

TEST(SteamLibraryFile, PassesOverWhatCannotBeRead) {
    const std::string whole = kLibraryFolders;
    const Paths all = SteamLibraryPaths(whole);
    // Cut short anywhere: the libraries read whole so far, never half a path.
    for (std::size_t size = 0; size <= whole.size(); ++size) {
        const Paths read = SteamLibraryPaths(whole.substr(0, size));
        ASSERT_LE(read.size(), all.size()) << size;
        EXPECT_TRUE(std::equal(read.begin(), read.end(), all.begin())) << size;
    }

    // Bytes that are no such file.
    std::mt19937 random(24);
    std::string binary(1 << 20, '\0');
    for (char& byte : binary)
        byte = static_cast<char>(random());
    SteamLibraryPaths(binary);

    // 10 MB of other keys before the last library, and blocks nested 10,000
    // deep, some never closed: the libraries around them are still read.
    std::string big = "\"libraryfolders\" { \"0\" { \"path\" \"C:\\\\A\" }";
    while (big.size() < 10 * 1024 * 1024)
        big += "\"contentid\" \"12345678901234567890\"\n";
    big += "\"1\" { \"path\" \"D:\\\\B\" } }";
    EXPECT_EQ(SteamLibraryPaths(big), (Paths{"C:\\A", "D:\\B"}));
    const std::string deep(10000, '{');
    const std::string first = "\"libraryfolders\" { \"0\" { \"path\" \"C:\\\\A\" ";
    EXPECT_EQ(SteamLibraryPaths(first + deep + std::string(10000, '}') +
                                " } \"1\" { \"path\" \"D:\\\\B\" } }"),
              (Paths{"C:\\A", "D:\\B"}));
    EXPECT_EQ(SteamLibraryPaths(first + deep), (Paths{"C:\\A"}));
    EXPECT_EQ(SteamLibraryPaths(std::string(10000, '}') + kLibraryFolders), all);
}

// A folder named in several spellings is one: its first spelling stays,
// written with "\"; the folders come in the order of their keys. A second byte
// that looks like a separator ends nothing; a root keeps its separator; what
// this program could not use is left out.
TEST(DistinctFolders, TakesEachFolderOnceAsFirstNamed) {
    const Paths named = {"D:/Games/Doom/",
                         "C:\\",
                         "d:\\GAMES\\doom",
                         "\x95\x5C",
                         "d:/games/doom\\",
                         "c:/",
                         "",
                         "\x95\x5C\\",
                         "D:\\Heretic",
                         "C:\\a?b",
                         std::string(247, 'x')};
    EXPECT_EQ(DistinctFolders(testing::JapaneseCodePage(), named),
              (Paths{"C:\\", "D:\\Games\\Doom", "D:\\Heretic", "\x95\x5C"}));
}

} // namespace
} // namespace tarnwick
