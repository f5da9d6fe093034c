#include "images/image_index.h"

#include <array>
#include <cctype>
#include <cerrno>

#include "platform/code_page.h"
#include "platform/folder_walk.h"

namespace zemlo {
namespace {

constexpr std::array<std::string_view, 6> kImageExtensions = {".png",  ".jpg", ".jpeg",
                                                              ".webp", ".bmp", ".gif"};

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (std::tolower(x) != std::tolower(y)) return false;
    }
    return true;
}

std::u16string Number(std::size_t value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace

const ImageFile* ImageIndex::Find(std::u16string_view cardNo) const {
    if (cardNo.empty() || byCardNo.empty()) return nullptr;
    const auto found = byCardNo.find(ToUtf8(cardNo));
    return found == byCardNo.end() ? nullptr : &found->second;
}

std::string_view ImageCardNo(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return {};
    const std::string_view extension = fileName.substr(dot);
    for (std::string_view known : kImageExtensions) {
        if (EqualsIgnoringAsciiCase(extension, known)) return fileName.substr(0, dot);
    }
    return {};
}

ImageIndex IndexImages(const std::filesystem::path& folder, const std::atomic<bool>* cancel) {
    ImageIndex index;
    index.folder = folder;
    FolderWalk walk = WalkFolder(
        folder,
        [](const std::filesystem::path& name) { return !ImageCardNo(name.native()).empty(); },
        cancel);
    index.status = walk.status;
    index.foldersNotEntered = walk.foldersNotEntered;
    index.loopingLinks = walk.loopingLinks;
    index.linksOut = walk.linksOut;
    index.unreadableFiles = walk.unreadableFiles;
    index.cancelled = walk.cancelled;
    index.folders = std::move(walk.folders);
    index.imageFiles = walk.files.size();
    index.byCardNo.reserve(walk.files.size());
    for (FoundFile& found : walk.files) {
        const std::string& path = found.path.native();
        std::string cardNo(ImageCardNo(std::string_view(path).substr(path.rfind('/') + 1)));
        const auto at = index.byCardNo.find(cardNo);
        if (at == index.byCardNo.end()) {
            index.byCardNo.emplace(std::move(cardNo),
                                   ImageFile{std::move(found.path), found.size, found.modified});
            continue;
        }
        ++index.secondImages;
        if (found.path < at->second.path) {
            at->second = ImageFile{std::move(found.path), found.size, found.modified};
        }
    }
    return index;
}

std::u16string ImageIndexSummary(const ImageIndex& index) {
    if (index.status.error == ENOENT || index.status.error == ENOTDIR)
        return u"画像のﾌｫﾙﾀﾞがありません";
    if (!index.status) return u"画像のﾌｫﾙﾀﾞを読めません: " + FileErrorText(index.status);
    std::u16string text = u"画像 " + Number(index.Cards()) + u" 枚";
    std::u16string passed;
    const auto add = [&passed](std::u16string_view what, std::size_t count) {
        if (count == 0) return;
        if (!passed.empty()) passed += u"、";
        passed += what;
        passed += u" ";
        passed += Number(count);
    };
    add(u"同じｶｰﾄﾞの2枚目以降", index.secondImages);
    add(u"読めないﾌｧｲﾙ", static_cast<std::size_t>(index.unreadableFiles));
    add(u"入れないﾌｫﾙﾀﾞ", static_cast<std::size_t>(index.foldersNotEntered));
    add(u"ﾙｰﾌﾟするﾘﾝｸ", static_cast<std::size_t>(index.loopingLinks));
    add(u"ﾌｫﾙﾀﾞの外へのﾘﾝｸ", static_cast<std::size_t>(index.linksOut));
    if (!passed.empty()) text += u"（" + passed + u"）";
    if (index.cancelled) text += u" 中止";
    return text;
}

}  // namespace zemlo
