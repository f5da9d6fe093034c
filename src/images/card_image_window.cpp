#include "images/card_image_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "images/card_face.h"
#include "images/card_image_view.h"
#include "images/image_folder.h"
#include "images/image_loader.h"
#include "platform/control_name.h"
#include "platform/dialog_service.h"
#include "platform/plain_text.h"
#include "platform/qt_paths.h"
#include "platform/topmost.h"

namespace zemlo {
namespace {

// A resize is decoded anew once the frame stops moving; until then the picture is scaled.
constexpr int kResizeDelayMs = 150;
// Between the main window's frame and this one.
constexpr int kGap = 8;
// Placed beside a main window that leaves no room on the screen, the window is this wide.
constexpr int kNarrowestBeside = 240;

QLabel* PlainLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QString ShownText(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

}  // namespace

CardImageWindow::CardImageWindow(const CardDatabase& db, ImageFolder& folder, ImageLoader& loader,
                                 SettingsStore& settings, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool),
      db_(db),
      folder_(folder),
      loader_(loader),
      settings_(settings),
      mainWindow_(mainWindow) {
    setObjectName("frmCardImage");
    setWindowTitle(QStringLiteral("ｶｰﾄﾞ画像"));
    storedPlace_ = LoadImageWindowPlace(settings_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    view = new CardImageView(this);
    NameControl(view, "imgCard");
    view->setAccessibleName(QStringLiteral("ｶｰﾄﾞ画像"));
    layout->addWidget(view, 1);

    cardLabel = PlainLabel(this);
    NameControl(cardLabel, "lblCardImage");
    layout->addWidget(cardLabel);

    folderLabel = PlainLabel(this);
    NameControl(folderLabel, "lblImageFolder");
    folderLabel->setWordWrap(true);
    // A long path or name is cut at the window's edge instead of widening the window.
    folderLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    cardLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->addWidget(folderLabel);

    auto* row = new QHBoxLayout;
    browseButton = new QPushButton(QStringLiteral("ﾌｫﾙﾀﾞ..."), this);
    NameControl(browseButton, "cmdImageFolder");
    browseButton->setAccessibleName(QStringLiteral("画像のﾌｫﾙﾀﾞを選ぶ"));
    browseButton->setAutoDefault(false);
    onTopBox = new QCheckBox(QStringLiteral("最前面に表示"), this);
    NameControl(onTopBox, "chkImageOnTop");
    onTopBox->setChecked(storedPlace_.onTop);
    row->addWidget(browseButton);
    row->addStretch(1);
    row->addWidget(onTopBox);
    layout->addLayout(row);

    resizeDelay_ = new QTimer(this);
    resizeDelay_->setSingleShot(true);
    resizeDelay_->setInterval(kResizeDelayMs);
    connect(resizeDelay_, &QTimer::timeout, this, &CardImageWindow::ShowShownCard);
    connect(&loader_, &ImageLoader::imageReady, this, &CardImageWindow::ImageReady);
    connect(&folder_, &ImageFolder::indexChanged, this, [this] {
        ShowFolder();
        if (isVisible()) ShowShownCard();
    });
    connect(browseButton, &QPushButton::clicked, this, &CardImageWindow::BrowseFolder);
    connect(onTopBox, &QCheckBox::toggled, this, [this](bool onTop) {
        if (isVisible()) SetTopmost(this, onTop);
    });
    ShowFolder();
}

void CardImageWindow::Open() {
    if (!isVisible()) {
        // A place on a screen that is no longer there is forgotten.
        const QRect stored(storedPlace_.left, storedPlace_.top, storedPlace_.width,
                           storedPlace_.height);
        if (storedPlace_.Known() && QGuiApplication::screenAt(stored.center()) != nullptr) {
            resize(storedPlace_.width, storedPlace_.height);
            move(storedPlace_.left, storedPlace_.top);
        } else {
            PlaceBesideMainWindow();
        }
    }
    hiddenWithMainWindow_ = false;
    SetTopmost(this, onTopBox->isChecked());
    activateWindow();
}

void CardImageWindow::PlaceBesideMainWindow() {
    const QRect main = mainWindow_->frameGeometry();
    const QScreen* screen = mainWindow_->screen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
    // As tall as the main window, as wide as a card of that height with its captions.
    const int height = std::min(main.height(), area.height());
    int width = std::max(minimumSizeHint().width(), (height - 90) * 63 / 88 + 20);
    const int roomRight = area.right() - main.right() - kGap;
    const int roomLeft = main.left() - area.left() - kGap;
    int left = main.right() + 1 + kGap;
    if (roomRight < width && roomLeft >= width) {
        left = main.left() - kGap - width;
    } else if (roomRight < width) {
        // No room on either side: narrower, at the edge of the screen with more room, so it
        // covers as little of the main window as it can.
        width = std::max({kNarrowestBeside, roomRight, roomLeft});
        left = roomRight >= roomLeft ? area.right() + 1 - width : area.left();
    }
    resize(width, height - (frameGeometry().height() - geometry().height()));
    move(left, main.top());
}

void CardImageWindow::Follow(CardKind kind, const QString& cardNo) {
    kind_ = kind;
    cardNo_ = cardNo;
    if (isVisible()) ShowShownCard();
}

void CardImageWindow::ShowShownCard() {
    if (cardNo_.isEmpty()) {
        wanted_.clear();
        view->ShowNothing();
        cardLabel->clear();
        return;
    }
    const std::u16string cardNo = cardNo_.toStdU16String();
    const CardFace face = MakeCardFace(db_, kind_, cardNo, false);
    cardLabel->setText(face.name.empty()
                           ? ShownText(face.cardNo)
                           : ShownText(face.cardNo) + QStringLiteral("  ") + ShownText(face.name));
    const ImageFile* file = folder_.Find(cardNo);
    if (file == nullptr) {
        wanted_.clear();
        shownPath_.clear();
        view->ShowFace(face, QStringLiteral("画像なし"));
        return;
    }
    const QSize box = view->PictureBox();
    wanted_ = ImageLoader::KeyOf(*file, box, true);
    if (const DecodedImage* cached = loader_.Cached(wanted_)) {
        ImageReady(wanted_, *cached);
        return;
    }
    // The card's picture at another size stays while the new size is decoded.
    const bool sameCard =
        view->ShowsPicture() && shownPath_ == QByteArray::fromStdString(file->path.native());
    if (!sameCard) {
        shownPath_.clear();
        view->ShowWaiting(QStringLiteral("読み込み中…"));
    }
    loader_.Request(ImageUse::Viewer, *file, box, true);
}

void CardImageWindow::ImageReady(const QByteArray& key, const DecodedImage& result) {
    if (key != wanted_) return;  // another card's picture, or another size's
    const ImageFile* file = folder_.Find(cardNo_.toStdU16String());
    if (result.image.isNull()) {
        view->ShowFace(MakeCardFace(db_, kind_, cardNo_.toStdU16String(), false), result.error);
        shownPath_.clear();
        return;
    }
    view->ShowPicture(result.image);
    shownPath_ = file != nullptr ? QByteArray::fromStdString(file->path.native()) : QByteArray();
}

void CardImageWindow::ShowFolder() {
    const ImageIndex& index = folder_.Index();
    QString text = ShownPathText(folder_.Folder());
    if (!folder_.Looking() || index.folder == folder_.Folder()) {
        text += QLatin1Char('\n') + ShownText(ImageIndexSummary(index));
    }
    if (!folderNote_.isEmpty()) text += QLatin1Char('\n') + folderNote_;
    folderLabel->setText(text);
    folderLabel->setToolTip(PlainToolTip(ShownPathText(folder_.Folder())));
}

void CardImageWindow::BrowseFolder() {
    FileDialogRequest request;
    request.folder = true;
    request.title = QStringLiteral("ｶｰﾄﾞ画像のﾌｫﾙﾀﾞ");
    request.initialPath = PathQString(folder_.Folder());
    const QString chosen = Dialogs().AskFileName(this, request);
    if (chosen.isEmpty()) return;
    folderNote_ = folder_.ChooseFolder(PathOf(chosen))
                      ? QString()
                      : QStringLiteral(
                            "このﾌｫﾙﾀﾞ名は ZEMLO.ini に書けない長さか文字を含むため、"
                            "次回は覚えていません。");
    ShowFolder();
}

void CardImageWindow::SavePlace() {
    ImageWindowPlace place;
    place.left = x();
    place.top = y();
    place.width = width();
    place.height = height();
    place.onTop = onTopBox->isChecked();
    if (place == storedPlace_) return;
    // A failed write is told by the settings store.
    (void)SaveImageWindowPlace(settings_, place);
    storedPlace_ = place;
}

void CardImageWindow::FollowMainWindow(bool minimised) {
    if (minimised && isVisible()) {
        hiddenWithMainWindow_ = true;
        hide();
    } else if (!minimised && hiddenWithMainWindow_) {
        hiddenWithMainWindow_ = false;
        SetTopmost(this, onTopBox->isChecked());
    }
}

void CardImageWindow::closeEvent(QCloseEvent* event) {
    SavePlace();
    loader_.Forget(ImageUse::Viewer);
    wanted_.clear();
    QWidget::closeEvent(event);
}

void CardImageWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (isVisible()) resizeDelay_->start();
}

void CardImageWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ShowShownCard();
}

}  // namespace zemlo
