// The card image window as the player meets it: it follows the card shown, never shows
// another card's picture, tells a picture it cannot read, keeps its place and the folder
// chosen, and finds images added to the folder; the pictures over the card lists.
#include "images/card_image_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTest>

#include "carddb/entry_roles.h"
#include "images/card_image_view.h"
#include "images/image_folder.h"
#include "images/image_limits.h"
#include "images/image_loader.h"
#include "images/image_tool_tips.h"
#include "settings/image_settings.h"
#include "support/card_builder.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"
#include "test_images.h"

namespace zemlo::test {
namespace {

const QColor kRed(210, 30, 30);
const QColor kBlue(30, 40, 200);

class CardImageWindowTest : public ::testing::Test {
protected:
    CardImageWindowTest() {
        AddCard(db_.units, "ZM0001", {{unit_field::UnitName, "ガルダ"}});
        AddCard(db_.units, "ZM0002", {{unit_field::UnitName, "ベイル"}});
        AddCard(db_.units, "ZM0003", {{unit_field::UnitName, "ロウガ"}});
        std::filesystem::create_directories(dir_ / "images/scans");
        WriteImage(dir_ / "images/ZM0001.png", kRed, QSize(126, 176));
        WriteImage(dir_ / "images/scans/ZM0003.JPG", kBlue, QSize(126, 176), "JPEG");
        folder_.Start();
        WaitForLook();
    }

    void WaitForLook() {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !folder_.Looking(); }));
    }

    // The colour in the middle of the picture area.
    QRgb Middle() const {
        const QImage shot = window_.view->grab().toImage();
        return shot.pixel(shot.width() / 2, shot.height() / 2);
    }

    TempDir dir_;
    CardDatabase db_;
    SettingsStore settings_{dir_.Path()};
    ImageFolder folder_{settings_, dir_.Path()};
    ImageLoader loader_{kImageCacheBytes};
    QWidget main_;
    CardImageWindow window_{db_, folder_, loader_, settings_, &main_};
};

TEST_F(CardImageWindowTest, FollowsTheShownCardAndNeverShowsAnotherCardsPicture) {
    ASSERT_EQ(folder_.Index().Cards(), 2u);
    window_.Follow(CardKind::Unit, QStringLiteral("ZM0001"));
    window_.Open();
    // The card's text at once, its picture when it is decoded.
    EXPECT_EQ(window_.cardLabel->text(), QStringLiteral("ZM0001  ガルダ"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window_.view->ShowsPicture(); }));
    EXPECT_TRUE(Near(Middle(), kRed));

    window_.Follow(CardKind::Unit, QStringLiteral("ZM0002"));
    EXPECT_FALSE(window_.view->ShowsPicture());
    EXPECT_EQ(window_.view->Note(), QStringLiteral("画像なし"));
    EXPECT_EQ(window_.cardLabel->text(), QStringLiteral("ZM0002  ベイル"));

    // Stepping on faster than pictures decode: whatever arrives late, the picture shown in
    // the end is the last card's.
    for (int step = 0; step < 20; ++step) {
        window_.Follow(CardKind::Unit, QString::fromLatin1(step % 2 == 0 ? "ZM0003" : "ZM0001"));
    }
    window_.Follow(CardKind::Unit, QStringLiteral("ZM0003"));
    const ImageFile* red = folder_.Find(u"ZM0001");
    ASSERT_NE(red, nullptr);
    // A late picture of the card before is not taken for this one's.
    const QByteArray lateKey = ImageLoader::KeyOf(*red, window_.view->PictureBox(), true);
    emit loader_.imageReady(lateKey, LoadImageFile(red->path, window_.view->PictureBox(), true));
    EXPECT_FALSE(window_.view->ShowsPicture() && Near(Middle(), kRed));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return loader_.Pending() == 0 && window_.view->ShowsPicture(); }));
    EXPECT_TRUE(Near(Middle(), kBlue));
}

TEST_F(CardImageWindowTest, APictureThatCannotBeReadShowsTheFaceWithTheReason) {
    WriteBytes(dir_ / "images/ZM0002.png", std::string("\x89PNG\r\n\x1a\nbroken", 14));
    folder_.Look();
    WaitForLook();
    window_.Follow(CardKind::Unit, QStringLiteral("ZM0002"));
    window_.Open();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return window_.view->Note().startsWith(QStringLiteral("画像を読めません")); }));
    EXPECT_FALSE(window_.view->ShowsPicture());
    EXPECT_EQ(window_.cardLabel->text(), QStringLiteral("ZM0002  ベイル"));
}

TEST_F(CardImageWindowTest, PlaceSizeAndStayingOnTopAreKeptOnlyOnceItWasOpened) {
    window_.Follow(CardKind::Unit, QStringLiteral("ZM0001"));
    EXPECT_FALSE(std::filesystem::exists(settings_.File()));

    window_.Open();
    window_.resize(300, 420);
    window_.move(40, 60);
    window_.onTopBox->setChecked(true);
    window_.close();
    const ImageWindowPlace kept = LoadImageWindowPlace(settings_);
    EXPECT_EQ(kept.width, 300);
    EXPECT_EQ(kept.height, 420);
    EXPECT_EQ(kept.left, window_.x());
    EXPECT_EQ(kept.top, window_.y());
    EXPECT_TRUE(kept.onTop);

    CardImageWindow again(db_, folder_, loader_, settings_, &main_);
    again.Open();
    EXPECT_EQ(again.size(), QSize(300, 420));
    EXPECT_TRUE(again.onTopBox->isChecked());
    EXPECT_TRUE(again.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(CardImageWindowTest, AChosenFolderIsLookedAtAndKeptAndNewImagesInItAreFound) {
    TempDir other;
    WriteImage(other / "ZM0002.webp", kBlue, QSize(63, 88), "WEBP");
    FakeDialogs dialogs;
    dialogs.fileAnswers = {QString::fromStdString(other.Path().string())};
    window_.Open();
    window_.browseButton->click();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_TRUE(dialogs.fileRequests[0].folder);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !folder_.Looking() && folder_.Index().folder == other.Path(); }));
    EXPECT_EQ(folder_.Index().Cards(), 1u);
    EXPECT_EQ(LoadImageFolder(settings_), U(other.Path().string()));
    EXPECT_TRUE(window_.folderLabel->text().contains(QStringLiteral("画像 1 枚")));

    // Copied into the folder while the program runs: found without asking.
    WriteImage(other / "ZM0003.bmp", kRed, QSize(63, 88), "BMP");
    ASSERT_TRUE(QTest::qWaitFor([&] { return folder_.Find(u"ZM0003") != nullptr; }, 15000));
    window_.Follow(CardKind::Unit, QStringLiteral("ZM0003"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window_.view->ShowsPicture(); }));
    EXPECT_TRUE(Near(Middle(), kRed));
}

TEST_F(CardImageWindowTest, HoveringAnEntryShowsItsCardsPictureOnlyWhenItHasOne) {
    // The card lists' models hand their views each entry's card number by a role.
    QStandardItemModel entries;
    for (const auto& [cardNo, name] :
         {std::pair{"ZM0001", "ガルダ"}, std::pair{"ZM0002", "ベイル"}}) {
        auto* item = new QStandardItem(QString::fromUtf8(cardNo) + QStringLiteral("   ") +
                                       QString::fromUtf8(name));
        item->setData(QString::fromUtf8(cardNo), kCardNoRole);
        entries.appendRow(item);
    }
    QListView list;
    list.setModel(&entries);
    list.resize(300, 200);
    list.show();
    ImageToolTips tips(folder_, loader_);
    tips.Watch(&list);
    const auto hover = [&list](int row) {
        const QPoint at = list.visualRect(list.model()->index(row, 0)).center();
        QMouseEvent move(QEvent::MouseMove, at, list.viewport()->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list.viewport(), &move);
    };

    hover(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return tips.Shown() != nullptr; }));
    const QSize shown = tips.Shown()->pixmap().size();
    EXPECT_LE(shown.height(), kToolTipImageHeight);
    EXPECT_EQ(shown, QSize(126, 176));  // smaller than the bound: never enlarged

    hover(1);  // no image: the picture goes at once and none comes
    EXPECT_EQ(tips.Shown(), nullptr);
    QTest::qWait(kToolTipDelayMs * 2);
    EXPECT_EQ(tips.Shown(), nullptr);
    EXPECT_EQ(loader_.Pending(), 0u);
}

}  // namespace
}  // namespace zemlo::test
