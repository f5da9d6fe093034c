// The deck lists' models as Qt's model tester sees them while the deck goes through every
// kind of change, and as views see them: rows inserted and removed, never a reset.
#include "deck/deck_list_model.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "carddb/entry_roles.h"
#include "deck/deck_edit.h"
#include "support/model_checks.h"

namespace zemlo {
namespace {

using test::CheckedModel;

QStringList Rows(const DeckListModel& model) {
    QStringList rows;
    for (int r = 0; r < model.rowCount(); ++r) rows << model.index(r).data().toString();
    return rows;
}

QStringList Texts(const std::vector<DeckEntry>& entries) {
    QStringList texts;
    for (const auto& entry : entries) texts << QStringView(entry.Text()).toString();
    return texts;
}

DeckEntry UnitEntry(int n) {
    const std::string number = std::to_string(1000 + n);
    return DeckEntry(CardKind::Unit, u"ZM" + std::u16string(number.begin(), number.end()), u"U");
}

TEST(DeckListModel, FollowsEveryKindOfChangeAsTheModelTesterExpects) {
    Deck deck;
    deck.Fill({UnitEntry(5), UnitEntry(1)});
    std::vector<std::unique_ptr<DeckListModel>> models;
    std::vector<std::unique_ptr<CheckedModel>> testers;
    std::vector<std::unique_ptr<QSignalSpy>> resets;
    for (CardKind kind : kDeckKinds) {
        models.push_back(std::make_unique<DeckListModel>(deck, kind));
        testers.push_back(std::make_unique<CheckedModel>(models.back().get()));
        resets.push_back(
            std::make_unique<QSignalSpy>(models.back().get(), &QAbstractItemModel::modelReset));
    }
    auto expectMirrors = [&](const char* step) {
        for (CardKind kind : kDeckKinds) {
            EXPECT_EQ(Rows(*models[static_cast<size_t>(kind)]), Texts(deck.Entries(kind))) << step;
        }
    };
    expectMirrors("start");

    deck.Add(UnitEntry(3));
    deck.Add(DeckEntry(CardKind::Character, u"CH0000001", u"C"));
    expectMirrors("added");
    // The pictures and marks over a list ask for an entry's whole card number by its role.
    EXPECT_EQ(CardNoAt(models[2]->index(0)), u"CH0000001");
    deck.RemoveAt(CardKind::Unit, 0);
    expectMirrors("removed");
    std::vector<DeckEntry> many;
    for (int n = 0; n < 300; ++n) many.push_back(UnitEntry(n % 7 * 3));
    deck.Fill(many);
    expectMirrors("filled");
    Deck other;
    other.Fill({DeckEntry(CardKind::Mission, u"MI0001", u"M"),
                DeckEntry(CardKind::Mission, u"MI0002", u"N")});
    const DeckEdit replace = ReplaceDeckEdit(deck, other);
    ASSERT_TRUE(ApplyDeckEdit(deck, replace, true));
    expectMirrors("replaced");
    ASSERT_TRUE(ApplyDeckEdit(deck, replace, false));
    expectMirrors("replacement taken back");
    deck.Clear(CardKind::Unit);
    deck.ClearAll();
    expectMirrors("cleared");

    for (const auto& spy : resets) EXPECT_EQ(spy->count(), 0);
}

// A list that counts fewer than no rows: the tester's complaint fails the test.
class NegativeRows : public QAbstractListModel {
public:
    int rowCount(const QModelIndex&) const override { return -1; }
    QVariant data(const QModelIndex&, int) const override { return {}; }
};

TEST(CheckedModel, AComplaintOfTheTesterFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            NegativeRows model;
            CheckedModel checked(&model);
        },
        "");
}

}  // namespace
}  // namespace zemlo
