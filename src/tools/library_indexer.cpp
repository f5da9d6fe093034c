#include "tools/library_indexer.h"

#include <QTimer>

namespace zemlo {

LibraryIndexer::LibraryIndexer(const CardDatabase& db, QObject* parent)
    : QObject(parent), db_(db), index_(std::make_shared<LibraryIndex>()) {
    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(100);
    connect(progressTimer_, &QTimer::timeout, this,
            [this] { emit progressed(FilesLookedAt(), FilesFound()); });
}

LibraryIndexer::~LibraryIndexer() {
    if (thread_ != nullptr) {
        cancel_ = true;
        thread_->wait();
        delete thread_;
    }
}

void LibraryIndexer::Look(const std::filesystem::path& folder) {
    if (thread_ != nullptr) {
        // A look at another folder makes the running one pointless.
        if (folder != index_->folder) cancel_ = true;
        queued_ = folder;
        return;
    }
    Start(folder);
}

void LibraryIndexer::Cancel() {
    queued_.reset();
    if (thread_ != nullptr) cancel_ = true;
}

void LibraryIndexer::Start(const std::filesystem::path& folder) {
    // The look's thread only reads the tables from here on.
    PrepareCardLookups(db_);
    cancel_ = false;
    progress_.filesFound = 0;
    progress_.filesLookedAt = 0;
    // The look before stays alive for the thread even if the window replaces it meanwhile.
    std::shared_ptr<const LibraryIndex> previous = index_;
    thread_ = QThread::create([this, folder, previous] {
        result_ = std::make_unique<LibraryIndex>(
            IndexLibrary(folder, db_, previous.get(), &progress_, &cancel_));
    });
    connect(thread_, &QThread::finished, this, &LibraryIndexer::Finished, Qt::QueuedConnection);
    thread_->start(QThread::LowPriority);
    progressTimer_->start();
    emit lookStarted();
}

void LibraryIndexer::Finished() {
    if (thread_ == nullptr) return;
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
    progressTimer_->stop();
    if (result_ != nullptr) index_ = std::shared_ptr<const LibraryIndex>(std::move(result_));
    emit lookFinished();
    if (queued_) {
        const std::filesystem::path next = *queued_;
        queued_.reset();
        Start(next);
    }
}

}  // namespace zemlo
