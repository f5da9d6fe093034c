// Decodes card images on a thread of its own, so the window never waits on one, and keeps
// the pictures shown last in a cache bounded by bytes (kImageCacheBytes). A request names
// the file as the image index found it and the box to fit; its key tells the picture apart
// from any other card's, size's or version's, so a late picture is never taken for the one
// asked for since. The viewer and the tool tips each wait on one picture at a time: a new
// request of theirs drops the one not yet begun. The proxy sheet's requests queue behind.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QSize>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

#include "images/image_decoder.h"
#include "images/image_index.h"
#include "images/recent_cache.h"

namespace zemlo {

enum class ImageUse { Viewer = 0, ToolTip = 1, Proxy = 2 };

class ImageLoader : public QObject {
    Q_OBJECT
public:
    explicit ImageLoader(std::size_t cacheBytes, QObject* parent = nullptr);
    // Drops what waits and waits for the picture in hand.
    ~ImageLoader() override;

    // What names one picture: the file's path, size and time, and the box it is fitted to.
    static QByteArray KeyOf(const ImageFile& file, QSize box, bool enlarge);

    // The picture (or why there is none) under key, when the cache holds it.
    const DecodedImage* Cached(const QByteArray& key);

    // Asks for the picture of file fitted to box; imageReady tells when it is there. A
    // picture the cache holds, or one already on its way, is not decoded again. Viewer and
    // tool tip pictures go into the cache; proxy pictures only to imageReady.
    void Request(ImageUse use, const ImageFile& file, QSize box, bool enlarge);
    // Drops the requests of use that have not begun.
    void Forget(ImageUse use);

    // Requests waiting or being decoded.
    std::size_t Pending() const;
    std::size_t CacheBytes() const { return cache_.Bytes(); }

signals:
    // On the thread the loader lives in, for every request that was not dropped.
    void imageReady(const QByteArray& key, const zemlo::DecodedImage& result);

private:
    struct Job {
        ImageUse use;
        QByteArray key;
        std::filesystem::path path;
        QSize box;
        bool enlarge;
    };
    void Work();
    void Finished(ImageUse use, const QByteArray& key, const DecodedImage& result);

    RecentCache<QByteArray, DecodedImage> cache_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    // One waiting request each for the viewer and the tool tips, any number for proxies.
    std::optional<Job> viewerJob_;
    std::optional<Job> toolTipJob_;
    std::deque<Job> proxyJobs_;
    // Keys waiting or being decoded.
    std::multiset<QByteArray> pending_;
    bool stopping_ = false;
    std::thread worker_;
};

}  // namespace zemlo
