#include "images/image_loader.h"

#include <QMetaObject>

namespace zemlo {

ImageLoader::ImageLoader(std::size_t cacheBytes, QObject* parent)
    : QObject(parent), cache_(cacheBytes) {
    LimitImageAllocation();
    worker_ = std::thread([this] { Work(); });
}

ImageLoader::~ImageLoader() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        viewerJob_.reset();
        toolTipJob_.reset();
        proxyJobs_.clear();
    }
    wake_.notify_all();
    worker_.join();
}

QByteArray ImageLoader::KeyOf(const ImageFile& file, QSize box, bool enlarge) {
    QByteArray key = QByteArray::fromStdString(file.path.native());
    key += '\0';
    key += QByteArray::number(static_cast<qulonglong>(file.size)) + '/' +
           QByteArray::number(static_cast<qlonglong>(file.modified)) + '/' +
           QByteArray::number(box.width()) + 'x' + QByteArray::number(box.height()) +
           (enlarge ? "+" : "");
    return key;
}

const DecodedImage* ImageLoader::Cached(const QByteArray& key) {
    return cache_.Find(key);
}

void ImageLoader::Request(ImageUse use, const ImageFile& file, QSize box, bool enlarge) {
    Job job{use, KeyOf(file, box, enlarge), file.path, box, enlarge};
    {
        const std::lock_guard lock(mutex_);
        switch (use) {
            case ImageUse::Viewer:
            case ImageUse::ToolTip: {
                std::optional<Job>& waiting = use == ImageUse::Viewer ? viewerJob_ : toolTipJob_;
                if (waiting && waiting->key == job.key) return;
                if (waiting) pending_.erase(pending_.find(waiting->key));
                // The cache's pictures, and one on its way, come without another decode.
                const bool onItsWay = pending_.count(job.key) > 0;
                if (onItsWay || cache_.Find(job.key) != nullptr) {
                    waiting.reset();
                    if (onItsWay) return;
                    break;
                }
                pending_.insert(job.key);
                waiting = std::move(job);
                break;
            }
            case ImageUse::Proxy:
                pending_.insert(job.key);
                proxyJobs_.push_back(std::move(job));
                break;
        }
    }
    wake_.notify_one();
}

void ImageLoader::Forget(ImageUse use) {
    const std::lock_guard lock(mutex_);
    const auto drop = [this](const Job& job) { pending_.erase(pending_.find(job.key)); };
    switch (use) {
        case ImageUse::Viewer:
            if (viewerJob_) drop(*viewerJob_);
            viewerJob_.reset();
            break;
        case ImageUse::ToolTip:
            if (toolTipJob_) drop(*toolTipJob_);
            toolTipJob_.reset();
            break;
        case ImageUse::Proxy:
            for (const Job& job : proxyJobs_) drop(job);
            proxyJobs_.clear();
            break;
    }
}

std::size_t ImageLoader::Pending() const {
    const std::lock_guard lock(mutex_);
    return pending_.size();
}

void ImageLoader::Work() {
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] {
                return stopping_ || viewerJob_ || toolTipJob_ || !proxyJobs_.empty();
            });
            if (stopping_) return;
            // The picture the player looks at first, then the one under the mouse.
            if (viewerJob_) {
                job = std::move(*viewerJob_);
                viewerJob_.reset();
            } else if (toolTipJob_) {
                job = std::move(*toolTipJob_);
                toolTipJob_.reset();
            } else {
                job = std::move(proxyJobs_.front());
                proxyJobs_.pop_front();
            }
        }
        DecodedImage result = LoadImageFile(job.path, job.box, job.enlarge);
        QMetaObject::invokeMethod(
            this,
            [this, use = job.use, key = job.key, result = std::move(result)] {
                Finished(use, key, result);
            },
            Qt::QueuedConnection);
    }
}

void ImageLoader::Finished(ImageUse use, const QByteArray& key, const DecodedImage& result) {
    {
        const std::lock_guard lock(mutex_);
        const auto found = pending_.find(key);
        if (found != pending_.end()) pending_.erase(found);
    }
    if (use != ImageUse::Proxy) {
        const std::size_t bytes =
            static_cast<std::size_t>(result.image.sizeInBytes()) + result.error.size() * 2 + 64;
        cache_.Put(key, result, bytes);
    }
    emit imageReady(key, result);
}

}  // namespace zemlo
