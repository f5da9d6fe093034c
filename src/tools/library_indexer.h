// Looks at the deck library's folder on a thread of its own, so the window keeps answering
// while thousands of files are read. One look runs at a time; asking for another meanwhile
// starts it as soon as the running one ends. Each look starts from the index of the one
// before, so it reads only files that are new or changed. The index lives in memory.
#pragma once

#include <QObject>
#include <QThread>
#include <atomic>
#include <filesystem>
#include <memory>
#include <optional>

#include "carddb/card_database.h"
#include "tools/deck_library.h"

class QTimer;

namespace zemlo {

class LibraryIndexer : public QObject {
    Q_OBJECT
public:
    // The database must not change while the indexer lives.
    explicit LibraryIndexer(const CardDatabase& db, QObject* parent = nullptr);
    // Cancels a running look and waits for its thread.
    ~LibraryIndexer() override;

    // Starts a look at folder (or queues it behind the running one).
    void Look(const std::filesystem::path& folder);
    // Asks the running look to stop; what it read so far becomes the index.
    void Cancel();

    bool Looking() const { return thread_ != nullptr; }
    // The latest finished look; empty before the first.
    const LibraryIndex& Index() const { return *index_; }
    // The same, kept alive for whoever holds it after the next look.
    std::shared_ptr<const LibraryIndex> Shared() const { return index_; }

    // Files looked at and files found by the running look.
    int FilesLookedAt() const { return progress_.filesLookedAt; }
    int FilesFound() const { return progress_.filesFound; }

signals:
    void lookStarted();
    // Now and then while a look runs.
    void progressed(int lookedAt, int found);
    // Index() holds the new look.
    void lookFinished();

private:
    void Start(const std::filesystem::path& folder);
    void Finished();

    const CardDatabase& db_;
    std::shared_ptr<const LibraryIndex> index_;
    // Written by the look's thread only, read here once it has ended.
    std::unique_ptr<LibraryIndex> result_;
    QThread* thread_ = nullptr;
    IndexProgress progress_;
    std::atomic<bool> cancel_{false};
    std::optional<std::filesystem::path> queued_;
    QTimer* progressTimer_;
};

}  // namespace zemlo
