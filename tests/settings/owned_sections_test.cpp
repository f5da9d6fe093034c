// The sections whose owners sit above the settings: the deck sheet's player, the deck
// library's folder and the recent deck files.
#include <gtest/gtest.h>

#include "settings/image_settings.h"
#include "settings/collection_settings.h"
#include "settings/library_settings.h"
#include "settings/recent_files.h"
#include "settings/sheet_settings.h"
#include "support/card_builder.h"
#include "support/temp_dir.h"

namespace zemlo::test {
namespace {

TEST(SheetSettings, PlayerAndEventAreKeptAsOneLineEachOnlyOnceGiven) {
    TempDir dir;
    SettingsStore store(dir.Path());
    EXPECT_EQ(LoadSheetSettings(store).player, u"");
    ASSERT_TRUE(SaveSheetSettings(store, {U("山田\r\n[RECENT]"), u""}));
    EXPECT_EQ(LoadSheetSettings(store).player, U("山田  [RECENT]"));
    EXPECT_EQ(store.ReadSetting(u"SHEET", u"PLAYER"), U("山田  [RECENT]"));
    // No event named: no key for it in the file.
    EXPECT_EQ(ReadBytes(dir / "ZEMLO.ini").find("EVENT"), std::string::npos);
    ASSERT_TRUE(SaveSheetSettings(store, {U("山田  [RECENT]"), U("冬季大会\n予選")}));
    EXPECT_EQ(LoadSheetSettings(store).event, U("冬季大会 予選"));
}

TEST(LibrarySettings, AFolderIsRememberedOnlyWhereTheSettingsFileHoldsItUnchanged) {
    TempDir dir;
    SettingsStore store(dir.Path());
    EXPECT_EQ(LoadLibrarySettings(store).folder, u"");
    const std::u16string folder = u"/home/player/デッキ置き場/大会用";
    ASSERT_EQ(SaveLibrarySettings(store, {folder}), LibrarySave::Saved);
    EXPECT_EQ(LoadLibrarySettings(store).folder, folder);

    const std::u16string longest = u"/" + std::u16string(253, u'a');
    EXPECT_TRUE(SettingsCanHold(longest));
    for (const std::u16string& cannot : {
             longest + u"a",                  // longer than a value may be
             std::u16string(u"/tmp/波〜線"),  // U+301C has no place in the code page
             std::u16string(u"/tmp/e\u0301"),
             std::u16string(u"/tmp/trailing "),
             std::u16string(u"\"/tmp/quoted\""),
             std::u16string(u"/tmp/line\nbreak"),
         }) {
        EXPECT_FALSE(SettingsCanHold(cannot)) << U8(cannot);
        EXPECT_EQ(SaveLibrarySettings(store, {cannot}), LibrarySave::CannotHold);
    }
    EXPECT_EQ(LoadLibrarySettings(store).folder, folder);
}

TEST(ImageSettings, TheImageWindowsPlaceAndTheChosenFolderReadBack) {
    TempDir dir;
    SettingsStore store(dir.Path());
    EXPECT_FALSE(LoadImageWindowPlace(store).Known());
    EXPECT_EQ(LoadImageFolder(store), u"");

    const ImageWindowPlace place{-40, 25, 360, 520, true};
    ASSERT_TRUE(SaveImageWindowPlace(store, place));
    ASSERT_TRUE(SaveImageFolder(store, U("/home/player/カード画像")));
    EXPECT_EQ(LoadImageWindowPlace(store), place);
    EXPECT_EQ(LoadImageFolder(store), U("/home/player/カード画像"));
    EXPECT_EQ(store.ReadSetting(u"IMAGES", u"ONTOP"), u"1");

    // Hand-edited values: text reads as 0, numbers beyond 16 bits are clamped.
    ASSERT_TRUE(store.WriteSetting(u"IMAGES", u"WIDTH", u"wide"));
    ASSERT_TRUE(store.WriteSetting(u"IMAGES", u"LEFT", u"99999"));
    const ImageWindowPlace edited = LoadImageWindowPlace(store);
    EXPECT_FALSE(edited.Known());
    EXPECT_EQ(edited.left, 32767);
}

TEST(RecentFiles, MostRecentFirstFourAtMostKeptInTheSettings) {
    RecentFiles files;
    for (const char16_t* path :
         {u"/d/a.htm", u"/d/b.htm", u"/d/c.htm", u"/d/a.htm", u"/d/d.htm", u"/d/e.htm"}) {
        files.Add(path);
    }
    using Paths = std::vector<std::u16string>;
    EXPECT_EQ(files.Paths(), Paths({u"/d/e.htm", u"/d/d.htm", u"/d/a.htm", u"/d/c.htm"}));
    // Paths the settings file would not give back unchanged are not kept.
    for (const char16_t* path : {u"", u" /d/x.htm", u"/d/\u00e9.htm", u"/d/a\nb.htm"}) {
        files.Add(path);
    }
    files.Add(std::u16string(255, u'p'));
    files.Remove(u"/d/c.htm");
    EXPECT_EQ(files.Paths(), Paths({u"/d/e.htm", u"/d/d.htm", u"/d/a.htm"}));

    TempDir dir;
    SettingsStore store(dir.Path());
    ASSERT_TRUE(SaveRecentFiles(store, files));
    EXPECT_EQ(store.ReadSetting(u"RECENT", u"FILE1"), u"/d/e.htm");
    EXPECT_EQ(store.ReadSetting(u"RECENT", u"FILE3"), u"/d/a.htm");
    // Places beyond the list are written empty, so no older path stays behind.
    EXPECT_NE(ReadBytes(store.File()).find("FILE4=\r\n"), std::string::npos);
    EXPECT_EQ(LoadRecentFiles(store).Paths(), files.Paths());

    // Places the file holds twice, or could not give back unchanged, are passed over.
    WriteCp932(store.File(), "[RECENT]\nFILE1=/d/b.htm\nFILE2= \nFILE3=/d/b.htm\nFILE4=/d/c.htm\n");
    EXPECT_EQ(LoadRecentFiles(store).Paths(), Paths({u"/d/b.htm", u"/d/c.htm"}));
}

TEST(CollectionSettings, TheChosenFileAndTheViewOptionAreKeptApart) {
    TempDir dir;
    SettingsStore store(dir.Path());
    EXPECT_EQ(LoadCollectionSettings(store).file, u"");
    EXPECT_FALSE(LoadCollectionSettings(store).show);
    ASSERT_EQ(SaveCollectionFile(store, u"/home/player/所持/cards.csv"), CollectionFileSave::Saved);
    ASSERT_TRUE(SaveCollectionShow(store, true));
    EXPECT_EQ(LoadCollectionSettings(store).file, u"/home/player/所持/cards.csv");
    EXPECT_TRUE(LoadCollectionSettings(store).show);
    EXPECT_EQ(store.ReadSetting(u"COLLECTION", u"SHOW"), u"1");
    EXPECT_EQ(SaveCollectionFile(store, u"/tmp/波〜線.csv"), CollectionFileSave::CannotHold);
    EXPECT_EQ(LoadCollectionSettings(store).file, u"/home/player/所持/cards.csv");
}

}  // namespace
}  // namespace zemlo::test
