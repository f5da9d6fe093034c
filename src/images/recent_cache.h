// The values used most recently, within a bound of bytes: putting one in drops the least
// recently used until the total fits. The cache of decoded card images is one; it holds
// whatever the viewer, the tool tips and the proxy sheet asked for last.
#pragma once

#include <cstddef>
#include <functional>
#include <list>
#include <unordered_map>
#include <utility>

namespace zemlo {

template <typename Key, typename Value, typename Hash = std::hash<Key>>
class RecentCache {
public:
    explicit RecentCache(std::size_t maxBytes) : maxBytes_(maxBytes) {}

    // The value held under key, which becomes the most recent; nullptr when none is held.
    // The pointer stays valid until the next Put or Clear.
    const Value* Find(const Key& key) {
        const auto found = places_.find(key);
        if (found == places_.end()) return nullptr;
        entries_.splice(entries_.begin(), entries_, found->second);
        return &found->second->value;
    }

    // Holds value, bytes large, under key as the most recent, replacing what key held. A
    // value larger than the whole bound is not held.
    void Put(const Key& key, Value value, std::size_t bytes) {
        Remove(key);
        if (bytes > maxBytes_) return;
        entries_.push_front(Entry{key, std::move(value), bytes});
        places_.emplace(key, entries_.begin());
        bytes_ += bytes;
        while (bytes_ > maxBytes_) {
            Remove(entries_.back().key);
        }
    }

    void Remove(const Key& key) {
        const auto found = places_.find(key);
        if (found == places_.end()) return;
        bytes_ -= found->second->bytes;
        entries_.erase(found->second);
        places_.erase(found);
    }

    void Clear() {
        places_.clear();
        entries_.clear();
        bytes_ = 0;
    }

    std::size_t Bytes() const { return bytes_; }
    std::size_t Size() const { return entries_.size(); }
    std::size_t MaxBytes() const { return maxBytes_; }

private:
    struct Entry {
        Key key;
        Value value;
        std::size_t bytes;
    };
    std::size_t maxBytes_;
    std::size_t bytes_ = 0;
    std::list<Entry> entries_;  // the most recent first
    std::unordered_map<Key, typename std::list<Entry>::iterator, Hash> places_;
};

}  // namespace zemlo
