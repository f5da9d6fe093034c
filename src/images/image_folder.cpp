#include "images/image_folder.h"

#include <QFile>
#include <QFileSystemWatcher>
#include <QTimer>

#include "platform/path_text.h"
#include "settings/image_settings.h"
#include "settings/library_settings.h"

namespace zemlo {
namespace {

// Folders watched at most; a larger tree is looked at again when the player asks.
constexpr int kMaxWatchedFolders = 1000;
// Copying a folder of images changes it hundreds of times: one look after the burst.
constexpr int kChangeDelayMs = 500;

}  // namespace

ImageFolder::ImageFolder(SettingsStore& settings, const std::filesystem::path& programDir,
                         QObject* parent)
    : QObject(parent), settings_(settings), index_(std::make_shared<ImageIndex>()) {
    const std::u16string chosen = LoadImageFolder(settings_);
    folder_ = chosen.empty() ? programDir / "images" : PathOfText(chosen);
    watcher_ = new QFileSystemWatcher(this);
    changeDelay_ = new QTimer(this);
    changeDelay_->setSingleShot(true);
    changeDelay_->setInterval(kChangeDelayMs);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, changeDelay_,
            qOverload<>(&QTimer::start));
    connect(changeDelay_, &QTimer::timeout, this, &ImageFolder::Look);
}

ImageFolder::~ImageFolder() {
    StopLooking();
}

void ImageFolder::StopLooking() {
    cancel_ = true;
    if (looker_.joinable()) looker_.join();
    cancel_ = false;
}

void ImageFolder::Start() {
    Look();
}

void ImageFolder::Look() {
    if (looking_) {
        lookAgain_ = true;
        return;
    }
    if (looker_.joinable()) looker_.join();  // ended already: its result came in
    cancel_ = false;
    looking_ = true;
    lookAgain_ = false;
    looker_ = std::thread([this, folder = folder_] {
        auto index = std::make_shared<const ImageIndex>(IndexImages(folder, &cancel_));
        QMetaObject::invokeMethod(
            this, [this, index = std::move(index)] { LookFinished(index); }, Qt::QueuedConnection);
    });
}

void ImageFolder::LookFinished(std::shared_ptr<const ImageIndex> index) {
    looking_ = false;
    if (lookAgain_) {
        Look();
        return;
    }
    index_ = std::move(index);
    Watch();
    emit indexChanged();
}

void ImageFolder::Watch() {
    const QStringList watched = watcher_->directories();
    if (!watched.isEmpty()) watcher_->removePaths(watched);
    QStringList folders;
    for (const std::filesystem::path& folder : index_->folders) {
        if (folders.size() == kMaxWatchedFolders) break;
        // Qt watches only folders whose names it can hold.
        if (IsUtf8(folder.native())) folders << QFile::decodeName(folder.c_str());
    }
    // A missing folder: the folder above it tells when it is made.
    if (folders.isEmpty() && folder_.has_parent_path() && IsUtf8(folder_.parent_path().native())) {
        const QString above = QFile::decodeName(folder_.parent_path().c_str());
        if (QFile::exists(above)) folders << above;
    }
    if (!folders.isEmpty()) watcher_->addPaths(folders);
}

bool ImageFolder::ChooseFolder(const std::filesystem::path& folder) {
    folder_ = folder;
    // A name that is no UTF-8 would read back as another folder: not remembered either.
    const std::u16string text = PathText(folder);
    const bool holds = IsUtf8(folder.native()) && SettingsCanHold(text);
    // A failed write is told by the settings store; the folder is used all the same.
    if (holds) (void)SaveImageFolder(settings_, text);
    if (looking_) {
        cancel_ = true;  // the running look is of the old folder
        lookAgain_ = true;
    } else {
        Look();
    }
    return holds;
}

}  // namespace zemlo
