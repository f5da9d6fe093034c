#include "images/proxy_sheet.h"

#include <algorithm>

namespace zemlo {
namespace {

constexpr double kBlockLeft = (kPaperWidthMm - kProxyColumns * kProxyWidthMm) / 2;
constexpr double kBlockTop = (kPaperHeightMm - kProxyRows * kProxyHeightMm) / 2;

}  // namespace

std::vector<ProxyCard> ProxyCards(const Deck& deck) {
    std::vector<ProxyCard> cards;
    for (CardKind kind : kDeckKinds) {
        for (const DeckEntry& entry : deck.Entries(kind)) {
            cards.push_back(ProxyCard{kind, std::u16string(entry.CardNo())});
        }
    }
    return cards;
}

std::size_t ProxyPageCount(std::size_t count) {
    return (count + kProxiesPerPage - 1) / kProxiesPerPage;
}

PaperRect ProxyPlace(std::size_t slot) {
    const auto column = static_cast<double>(slot % kProxyColumns);
    const auto row = static_cast<double>(slot / kProxyColumns);
    return {kBlockLeft + column * kProxyWidthMm, kBlockTop + row * kProxyHeightMm, kProxyWidthMm,
            kProxyHeightMm};
}

std::vector<PaperLine> ProxyCutMarks(std::size_t count) {
    count = std::clamp<std::size_t>(count, 1, kProxiesPerPage);
    const std::size_t columns = std::min<std::size_t>(count, kProxyColumns);
    const std::size_t rows = (count + kProxyColumns - 1) / kProxyColumns;
    const double right = kBlockLeft + static_cast<double>(columns) * kProxyWidthMm;
    const double bottom = kBlockTop + static_cast<double>(rows) * kProxyHeightMm;
    const double near = kCutMarkGapMm;
    const double far = kCutMarkGapMm + kCutMarkLengthMm;
    std::vector<PaperLine> marks;
    for (std::size_t c = 0; c <= columns; ++c) {
        const double x = kBlockLeft + static_cast<double>(c) * kProxyWidthMm;
        marks.push_back({x, kBlockTop - far, x, kBlockTop - near});
        marks.push_back({x, bottom + near, x, bottom + far});
    }
    for (std::size_t r = 0; r <= rows; ++r) {
        const double y = kBlockTop + static_cast<double>(r) * kProxyHeightMm;
        marks.push_back({kBlockLeft - far, y, kBlockLeft - near, y});
        marks.push_back({right + near, y, right + far, y});
    }
    return marks;
}

}  // namespace zemlo
