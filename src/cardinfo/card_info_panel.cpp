#include "cardinfo/card_info_panel.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "cardinfo/card_info_text.h"
#include "platform/control_name.h"
#include "platform/twips.h"

namespace zemlo {

namespace {

// Geometry inside a frame, in twips; the panel is 4710 x 10275 in the normal view and
// 3245 x 8355 in the compact one, where the rows stand closer together.
struct FrameGeometry {
    int width;
    int height;
    int firstRowTop;
    int rowGap;
    int labelLeft;
    int boxLeft;
    int rightMargin;
    int valueBoxWidth;
    int valueBoxGap;
};
constexpr FrameGeometry kNormalFrame = {4710, 10275, 300, 15, 90, 1050, 105, 480, 60};
constexpr FrameGeometry kCompactFrame = {3245, 8355, 240, 0, 60, 960, 60, 420, 45};

constexpr int kLine = 285;
constexpr int kTwoLines = 540;

// A row's height in the compact view.
int CompactHeight(int height) {
    if (height == kLine) return 240;
    if (height == kTwoLines) return 450;
    return height * 4 / 5;
}

QWidget* MakeBox(bool longText, QWidget* parent) {
    if (longText) {
        auto* box = new QPlainTextEdit(parent);
        box->setReadOnly(true);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        return box;
    }
    auto* box = new QLineEdit(parent);
    box->setReadOnly(true);
    return box;
}

void SetBoxText(QWidget* box, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
        line->setCursorPosition(0);  // show the beginning of a value wider than the box
    } else if (auto* area = qobject_cast<QPlainTextEdit*>(box)) {
        area->setPlainText(text);
    }
}

}  // namespace

CardInfoPanel::CardInfoPanel(const CardDatabase& db, QWidget* parent) : QWidget(parent), db_(db) {
    setObjectName("CardInfoPanel");
    QFont panelFont = font();
    panelFont.setPointSize(9);
    setFont(panelFont);

    BuildFrame(CardKind::Unit, "txtCardInfU", "lblCIU",
               {{"No", kLine, false},
                {"形式番号", kLine, false},
                {"名称", kLine, false},
                {"所属", kLine, false},
                {"ロール", kLine, false},
                {"ＨＰ", kLine, false},
                {"地形適正", kLine, false},
                {"開発系統1", kLine, false},
                {"開発系統2", kLine, false},
                {"開発系統3", kLine, false},
                {"ﾕﾆｯﾄ系統1", kLine, false},
                {"ﾕﾆｯﾄ系統2", kLine, false},
                {"設計条件1", kLine, false},
                {"設計条件2", kLine, false},
                {"近距離武器", kTwoLines, true, true},
                {"遠距離武器", kTwoLines, true, true},
                {"特殊能力1", kTwoLines, true},
                {"特殊能力2", kTwoLines, true},
                {"特殊機能1", kTwoLines, true},
                {"特殊機能2", kTwoLines, true},
                {"補足1", kTwoLines, true},
                {"補足2", kTwoLines, true},
                {"テキスト", 840, true},
                {"コード", kLine, false}});
    BuildFrame(CardKind::Mission, "txtCardInfM", "lblCIM",
               {{"No", kLine, false},
                {"名称", kLine, false},
                {"獲得戦果", kLine, false},
                {"必要ﾕﾆｯﾄ数", kLine, false},
                {"地形適正", kLine, false},
                {"勝利条件", 2400, true},
                {"効果", 2400, true},
                {"テキスト", 2400, true}});
    BuildFrame(CardKind::Character, "txtCardInfC", "lblCIC",
               {{"No", kLine, false},
                {"名称", kLine, false},
                {"所属", kLine, false},
                {"損失戦果", kLine, false},
                {"使用ﾀｲﾐﾝｸﾞ", kLine, false},
                {"使用条件", 2100, true},
                {"効果", 2400, true},
                {"テキスト", 2400, true},
                {"コード", kLine, false}});
    LayOut(false);
    // The unit frame is in front until a card is shown.
    BringToFront(CardKind::Unit);
}

void CardInfoPanel::LayOut(bool compact) {
    const FrameGeometry& g = compact ? kCompactFrame : kNormalFrame;
    const int boxRight = g.width - g.rightMargin;
    for (int k = 0; k < 3; ++k) {
        PlaceTwips(kindFrames[k], 0, 0, g.width, g.height);
        int top = g.firstRowTop;
        for (const PlacedRow& placed : rows_[k]) {
            const int height = compact ? CompactHeight(placed.row.height) : placed.row.height;
            const int line = compact ? CompactHeight(kLine) : kLine;
            PlaceTwips(placed.label, g.labelLeft, top, g.boxLeft - g.labelLeft, line);
            int left = g.boxLeft;
            if (placed.value) {
                PlaceTwips(placed.value, left, top, g.valueBoxWidth, line);
                left += g.valueBoxWidth + g.valueBoxGap;
            }
            PlaceTwips(placed.box, left, top, boxRight - left, height);
            top += height + g.rowGap;
        }
    }
}

void CardInfoPanel::BuildFrame(CardKind kind, const char* boxName, const char* labelName,
                               const std::vector<Row>& rows) {
    static const QString kTitles[3] = {QStringLiteral("カード情報（ユニット）"),
                                       QStringLiteral("カード情報（ミッション）"),
                                       QStringLiteral("カード情報（キャラクター）")};
    const int k = static_cast<int>(kind);
    auto* frame = new QGroupBox(kTitles[k], this);
    NameControl(frame, "frmCardInf", k);
    // The frames overlap; the one in front must hide the others completely.
    frame->setAutoFillBackground(true);
    kindFrames[k] = frame;

    int labelIndex = 0;
    for (const Row& row : rows) {
        const QString caption = QString::fromUtf8(row.label);
        PlacedRow placed{row, new QLabel(caption, frame), nullptr, nullptr};
        NameControl(placed.label, labelName, labelIndex++);
        // A reader hears each box by its row's caption and then its text; unnamed, a box
        // would take the frame's title, the same for every row.
        if (row.withValueBox) {
            placed.value = MakeBox(false, frame);
            static_cast<QLineEdit*>(placed.value)->setAlignment(Qt::AlignCenter);
            NameControl(placed.value, boxName, static_cast<int>(boxes_[k].size()));
            placed.value->setAccessibleName(caption + QStringLiteral(" 威力"));
            boxes_[k].push_back(placed.value);
        }
        placed.box = MakeBox(row.longText, frame);
        NameControl(placed.box, boxName, static_cast<int>(boxes_[k].size()));
        placed.box->setAccessibleName(caption);
        boxes_[k].push_back(placed.box);
        rows_[k].push_back(placed);
    }
    Q_ASSERT(static_cast<int>(boxes_[k].size()) == InfoBoxCount(kind));
}

void CardInfoPanel::ShowCard(CardKind kind, const QString& cardNo) {
    const CardTable& table = db_.Table(kind);
    const int record = table.FindCardNo(cardNo.toStdU16String());
    if (record >= 0) {
        const std::vector<std::u16string> texts = CardInfoTexts(table, kind, record);
        const std::vector<QWidget*>& boxes = boxes_[static_cast<int>(kind)];
        for (size_t i = 0; i < boxes.size() && i < texts.size(); ++i) {
            SetBoxText(boxes[i], QString::fromStdU16String(texts[i]));
        }
        shown_[static_cast<int>(kind)] = cardNo.toStdU16String();
    }
    BringToFront(kind);
    window()->unsetCursor();
}

void CardInfoPanel::ShowEntry(const DeckEntry& entry) {
    ShowCard(entry.Kind(), QStringView(entry.CardNo()).toString());
}

void CardInfoPanel::BringToFront(CardKind kind) {
    kindFrames[static_cast<int>(kind)]->raise();
    emit shownCardChanged(kind, QString::fromStdU16String(shown_[static_cast<int>(kind)]));
}

CardKind CardInfoPanel::FrontKind() const {
    // raise() moves a frame to the end of the stacking order, which children() follows.
    const QObjectList& order = children();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        for (int k = 0; k < 3; ++k) {
            if (*it == kindFrames[k]) return static_cast<CardKind>(k);
        }
    }
    return CardKind::Unit;
}

std::u16string CardInfoPanel::ShownCardNo() const {
    return shown_[static_cast<int>(FrontKind())];
}

CardInfoView CardInfoPanel::View() const {
    CardInfoView view;
    view.front = FrontKind();
    for (int k = 0; k < 3; ++k) view.shown[static_cast<size_t>(k)] = shown_[k];
    return view;
}

void CardInfoPanel::RestoreView(const CardInfoView& view) {
    for (int k = 0; k < 3; ++k) {
        const auto kind = static_cast<CardKind>(k);
        const std::u16string& cardNo = view.shown[static_cast<size_t>(k)];
        const int record = cardNo.empty() ? -1 : db_.Table(kind).FindCardNo(cardNo);
        const std::vector<std::u16string> texts = record >= 0
                                                      ? CardInfoTexts(db_.Table(kind), kind, record)
                                                      : std::vector<std::u16string>();
        for (size_t i = 0; i < boxes_[k].size(); ++i) {
            SetBoxText(boxes_[k][i],
                       i < texts.size() ? QString::fromStdU16String(texts[i]) : QString());
        }
        shown_[k] = record >= 0 ? cardNo : std::u16string();
    }
    BringToFront(view.front);
}

void CardInfoPanel::KeepViewBeforeStep() {
    viewBeforeStep_ = View();
}

void CardInfoPanel::KeepViewAfterStep(int step) {
    stepViews_[step] = StepViews{viewBeforeStep_, View()};
}

void CardInfoPanel::ShowViewOfStep(int step, bool done) {
    const auto at = stepViews_.find(step);
    if (at != stepViews_.end()) RestoreView(done ? at->second.after : at->second.before);
}

void CardInfoPanel::ForgetStep(int step) {
    stepViews_.erase(step);
}

QWidget* CardInfoPanel::Box(CardKind kind, int index) const {
    const std::vector<QWidget*>& boxes = boxes_[static_cast<int>(kind)];
    if (index < 0 || index >= static_cast<int>(boxes.size())) return nullptr;
    return boxes[static_cast<size_t>(index)];
}

QString CardInfoPanel::BoxText(CardKind kind, int index) const {
    QWidget* box = Box(kind, index);
    if (auto* line = qobject_cast<QLineEdit*>(box)) return line->text();
    if (auto* area = qobject_cast<QPlainTextEdit*>(box)) return area->toPlainText();
    return {};
}

}  // namespace zemlo
