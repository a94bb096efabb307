#include "BuiltInCaptions.h"
#include "CaptionList.h"
#include "LocalizedCaption.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarnwick::vesk {
namespace {

const std::vector<std::string> keys{
    "Default", "0009", "0406", "0407", "0409", "040C", "0410", "0413", "0415", "0416",
    "0807",    "0809", "080C", "0810", "0C07", "0C09", "0C0C", "1007", "1009", "100C",
    "1407",    "1409", "140C", "1809", "180C", "1C09", "2009", "2809", "2C09"};

std::vector<std::string> KeysOf(const CaptionList& list) {
    std::vector<std::string> result;
    for (const auto& entry : list.Entries())
        result.emplace_back(EntryKey(entry));
    return result;
}

TEST(BuiltInCaptions, HoldTheSameTwentyNineKeysAndTheExactTexts) {
    CaptionList newFolder = CaptionList::FromCommaText(kBuiltInNewFolderCaptions);
    CaptionList label = CaptionList::FromCommaText(kBuiltInLabelCaptions);
    EXPECT_EQ(KeysOf(newFolder), keys);
    EXPECT_EQ(KeysOf(label), keys);
    EXPECT_EQ(newFolder.Entries().front(), "Default=New folder");
    EXPECT_EQ(label.Entries().front(), "Default=Current folder:");

    // The held text reads back to itself: every entry quoted, commas between.
    EXPECT_EQ(newFolder.CommaText(), kBuiltInNewFolderCaptions);
    EXPECT_EQ(label.CommaText(), kBuiltInLabelCaptions);

    EXPECT_EQ(ResolveCaption(newFolder, "0406"), "Ny mappe");
    EXPECT_EQ(ResolveCaption(label, "0406"), "Valgt mappe:");
    EXPECT_EQ(ResolveCaption(newFolder, "0407"), "Neuer Ordner");
    EXPECT_EQ(ResolveCaption(label, "0407"), "Ausgew\xE4hlter Ordner:");
    EXPECT_EQ(ResolveCaption(label, "0C07"), "Ausgew\xE4hlter Ordner:");
    EXPECT_EQ(ResolveCaption(newFolder, "040C"), "Nouveau Dossier");
    EXPECT_EQ(ResolveCaption(label, "180C"), "Dossier Courant:");
    EXPECT_EQ(ResolveCaption(newFolder, "0810"), "Nuova Cartella");
    EXPECT_EQ(ResolveCaption(label, "0410"), "Cartella selezionata:");
    EXPECT_EQ(ResolveCaption(newFolder, "0413"), "Nieuwe map");
    EXPECT_EQ(ResolveCaption(label, "0413"), "Huidige map:");
    EXPECT_EQ(ResolveCaption(newFolder, "0415"), "Nowy folder");
    EXPECT_EQ(ResolveCaption(label, "0415"), std::string("Bie\xBF\xB1") + "cy folder");
    EXPECT_EQ(ResolveCaption(newFolder, "0416"), "Nova Pasta");
    EXPECT_EQ(ResolveCaption(label, "0416"), "Pasta Atual:");
    EXPECT_EQ(ResolveCaption(label, "2C09"), "Current folder:");

    // No fall-back from a sub-language to its language: the "Default" entry.
    EXPECT_EQ(ResolveCaption(newFolder, "0C0A"), "New folder");
    EXPECT_EQ(ResolveCaption(label, "0C0A"), "Current folder:");
    EXPECT_EQ(ResolveCaption(label, "0816"), "Current folder:");
}

TEST(ResolveCaption, LanguageThenDefaultThenFirstEntry) {
    CaptionList list({"0407=Deutsch", "default=Standard",
                      "040c=Fran\xE7"
                      "ais"});
    EXPECT_EQ(ResolveCaption(list, "0407"), "Deutsch");
    EXPECT_EQ(ResolveCaption(list, "040C"), "Fran\xE7"
                                            "ais"); // keys compared without case
    EXPECT_EQ(ResolveCaption(list, "0409"), "Standard");

    EXPECT_EQ(ResolveCaption(CaptionList({"0407=Erster", "0409=Second"}), "0C0A"), "Erster");
    EXPECT_EQ(ResolveCaption(CaptionList(), "0409"), "");
    // An entry without "=" is a text without a key.
    EXPECT_EQ(ResolveCaption(CaptionList({"Just a text"}), "0409"), "Just a text");

    EXPECT_EQ(LanguageCode(0x0407), "0407");
    EXPECT_EQ(LanguageCode(0x0C0A), "0C0A");
    EXPECT_EQ(LanguageCode(0x2C09), "2C09");
}

TEST(CaptionList, CommaTextReadsQuotedAndBareEntries) {
    CaptionList list = CaptionList::FromCommaText(
        "\"Default=New folder\", 0407=Neu,\"Say \"\"hi\"\"=x\" two words,");
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"Default=New folder", "0407=Neu",
                                                        "Say \"hi\"=x", "two", "words", ""}));
    EXPECT_EQ(list.CommaText(),
              "\"Default=New folder\",\"0407=Neu\",\"Say \"\"hi\"\"=x\",\"two\",\"words\",\"\"");
    EXPECT_TRUE(CaptionList::FromCommaText("").Empty());
    EXPECT_TRUE(CaptionList::FromCommaText("   ").Empty());
}

TEST(LocalizedCaption, ChoosesAgainOnlyWhenTheListChanges) {
    LocalizedCaption german("0407", kBuiltInLabelCaptions);
    EXPECT_EQ(german.Caption(), "Ausgew\xE4hlter Ordner:");
    EXPECT_TRUE(german.IsDefault());

    // A list equal to the current one is not taken again.
    EXPECT_FALSE(german.Assign(CaptionList::FromCommaText(kBuiltInLabelCaptions)));
    EXPECT_TRUE(german.IsDefault());

    EXPECT_TRUE(german.Assign(CaptionList({"Default=Pick one:", "0407=W\xE4hle:"})));
    EXPECT_EQ(german.Caption(), "W\xE4hle:");
    EXPECT_FALSE(german.IsDefault());
    EXPECT_FALSE(german.Assign(CaptionList({"Default=Pick one:", "0407=W\xE4hle:"})));

    EXPECT_TRUE(german.Assign(CaptionList()));
    EXPECT_EQ(german.Caption(), "");

    // Given the built-in list back, it is the default again.
    EXPECT_TRUE(german.Assign(CaptionList::FromCommaText(kBuiltInLabelCaptions)));
    EXPECT_TRUE(german.IsDefault());
    EXPECT_EQ(german.Caption(), "Ausgew\xE4hlter Ordner:");

    LocalizedCaption spanish("0C0A", kBuiltInNewFolderCaptions);
    EXPECT_EQ(spanish.Caption(), "New folder");
}

} // namespace
} // namespace tarnwick::vesk
