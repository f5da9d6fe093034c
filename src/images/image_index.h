// The card images of a folder: image files named by card number ("ZM0001.png") anywhere in
// the folder and its subfolders, found by one walk. A card with several images takes the one
// whose path under the folder comes first, folder name by folder name, byte by byte, so the
// answer never depends on the order the disk lists its files in.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/file_io.h"

namespace zemlo {

struct ImageFile {
    std::filesystem::path path;
    std::uint64_t size = 0;
    // Nanoseconds since 1970; with the path and the size it tells a changed file.
    std::int64_t modified = 0;
};

struct ImageIndex {
    std::filesystem::path folder;
    // Why the folder itself could not be read; the index is then empty.
    FileStatus status;
    // The image of each card number (its bytes as the file name has them, UTF-8).
    std::unordered_map<std::string, ImageFile> byCardNo;
    // Image files found, the ones passed over for an earlier image of their card included.
    std::size_t imageFiles = 0;
    // Images passed over because their card has one that comes first.
    std::size_t secondImages = 0;
    // What the walk passed over: folders it could not enter, links that loop, links that
    // lead out of the folder, and image names that are no regular file (a pipe, a device, a
    // link to nothing); none is opened.
    int foldersNotEntered = 0;
    int loopingLinks = 0;
    int linksOut = 0;
    int unreadableFiles = 0;
    bool cancelled = false;
    // Every folder entered, for watching them.
    std::vector<std::filesystem::path> folders;

    // The image of the card numbered cardNo, or nullptr.
    const ImageFile* Find(std::u16string_view cardNo) const;
    std::size_t Cards() const { return byCardNo.size(); }
};

// The card number an image file's name gives: the name without its extension when the
// extension is one of .png, .jpg, .jpeg, .webp, .bmp, .gif in any letter case; "" for any
// other name.
std::string_view ImageCardNo(std::string_view fileName);

// Walks folder once. cancel, when given, is looked at before every entry.
ImageIndex IndexImages(const std::filesystem::path& folder,
                       const std::atomic<bool>* cancel = nullptr);

// One line for the player: how many cards have an image and, where the walk passed over
// anything, what ("画像 120 枚（入れないﾌｫﾙﾀﾞ 1、ﾙｰﾌﾟするﾘﾝｸ 2）").
std::u16string ImageIndexSummary(const ImageIndex& index);

}  // namespace zemlo
