// The folder of card images and its index. The folder is the one the player chose (kept in
// ZEMLO.ini, IMAGES / FOLDER) or images/ in the program folder. It is looked through on a
// thread of its own, once at the start and again half a second after anything in it
// changes: a file system watcher watches every folder the last look entered (the first
// thousand), or, while the folder is missing, the folder above it, so a folder made later is
// found too. The GUI thread only swaps the finished index in.
#pragma once

#include <QObject>
#include <atomic>
#include <filesystem>
#include <memory>
#include <thread>

#include "images/image_index.h"
#include "settings/settings_store.h"

class QFileSystemWatcher;
class QTimer;

namespace zemlo {

class ImageFolder : public QObject {
    Q_OBJECT
public:
    ImageFolder(SettingsStore& settings, const std::filesystem::path& programDir,
                QObject* parent = nullptr);
    // Stops a running look and waits for it.
    ~ImageFolder() override;

    // The first look, in the background.
    void Start();
    // Looks again now (or as soon as the running look ends).
    void Look();

    const std::filesystem::path& Folder() const { return folder_; }
    // Looks at folder from now on and keeps it in the settings file. False when the file
    // cannot hold its name unchanged: it is then used for this run only.
    bool ChooseFolder(const std::filesystem::path& folder);

    // The image of the card numbered cardNo in the latest finished look, or nullptr.
    const ImageFile* Find(std::u16string_view cardNo) const { return index_->Find(cardNo); }
    const ImageIndex& Index() const { return *index_; }
    bool Looking() const { return looking_; }

signals:
    // A look finished: Index() holds it.
    void indexChanged();

private:
    void LookFinished(std::shared_ptr<const ImageIndex> index);
    void Watch();
    void StopLooking();

    SettingsStore& settings_;
    std::filesystem::path folder_;
    std::shared_ptr<const ImageIndex> index_;
    std::thread looker_;
    std::atomic<bool> cancel_{false};
    bool looking_ = false;
    bool lookAgain_ = false;
    QFileSystemWatcher* watcher_;
    QTimer* changeDelay_;
};

}  // namespace zemlo
