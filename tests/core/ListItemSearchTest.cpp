#include "ErrorExpectations.h"
#include "TempDir.h"

#include "general/ListItemSearch.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// Counts how often the search reads an item.
class CountingItems : public STD::ItemList
{
public:
    explicit CountingItems(QStringList items) : items_(std::move(items)) {}
    int ListCount() const override { return int(items_.size()); }
    QString List(int position) const override
    {
        ++reads;
        return items_.at(position);
    }
    mutable int reads = 0;

private:
    QStringList items_;
};

struct SearchCase
{
    const char* name;
    QStringList items;
    QString searchText;
    bool wholeItem;
    bool matchCase;
    quint8 tolerance;
    double startIndex;
    int found;
};

inline void PrintTo(const SearchCase& c, std::ostream* out)
{
    *out << c.name;
}

class FindListItemTest : public testing::TestWithParam<SearchCase>
{
};

TEST_P(FindListItemTest, FindsTheFirstMatchingItem)
{
    const SearchCase& c = GetParam();
    const CountingItems items(c.items);
    EXPECT_EQ(
        STD::FindListItem(items, c.searchText, c.wholeItem, c.matchCase, c.tolerance, c.startIndex),
        c.found)
        << c.name;
}

const QStringList courses = {u"Analysis"_s, u"Lineare Algebra"_s, u"Analysis"_s, u"Physik"_s};

INSTANTIATE_TEST_SUITE_P(
    Modes, FindListItemTest,
    testing::Values(
        SearchCase{"first of two equal", courses, u"Analysis"_s, true, true, 0, 0, 0},
        SearchCase{"second from past the first", courses, u"Analysis"_s, true, true, 0, 1, 2},
        SearchCase{"case counts", courses, u"analysis"_s, true, true, 0, 0, -1},
        SearchCase{"trailing blank counts", courses, u"Physik "_s, true, true, 0, 0, -1},
        SearchCase{"containment", courses, u"lyse"_s, false, true, 0, 0, -1},
        SearchCase{"containment finds", courses, u"lys"_s, false, true, 0, 0, 0},
        SearchCase{"containment of nothing", courses, u""_s, false, true, 0, 3, 3},
        SearchCase{"lower-cased whole", courses, u"ANALYSIS"_s, true, false, 0, 0, 0},
        SearchCase{"lower-cased containment", courses, u"ALGE"_s, false, false, 0, 0, 1},
        SearchCase{"distance 2 within 2", {u"Analysis"_s}, u"Analyse"_s, true, true, 2, 0, 0},
        SearchCase{"distance 2 beyond 1", {u"Analysis"_s}, u"Analyse"_s, true, true, 1, 0, -1},
        SearchCase{"distance lower-cased", {u"ANALYSIS"_s}, u"analyse"_s, true, false, 2, 0, 0},
        SearchCase{"distance of case", {u"ANALYSIS"_s}, u"analyse"_s, true, true, 2, 0, -1},
        SearchCase{"first word", courses, u"Lineare"_s, false, true, 1, 1, 1},
        SearchCase{"first word trims the text", courses, u"  Lineare "_s, false, true, 1, 1, 1},
        SearchCase{"no blank: empty first word", {u"Analysis"_s}, u"Ma"_s, false, true, 2, 0, 0},
        SearchCase{"empty first word too far", {u"Analysis"_s}, u"Mat"_s, false, true, 2, 0, -1},
        SearchCase{"leading blank: empty word", {u" Algebra x"_s}, u"A"_s, false, true, 1, 0, 0},
        SearchCase{"whole item untrimmed", {u"Physik"_s}, u" Physik"_s, true, true, 1, 0, 0},
        SearchCase{"start at the count", courses, u"Physik"_s, true, true, 0, 4, -1}));

TEST(FindListItem, ReadsNoItemWhenTheStartIsBeyondTheList)
{
    const CountingItems empty({});
    EXPECT_EQ(STD::FindListItem(empty, u""_s, true, true, 0, 0), -1);
    const CountingItems two({u"a"_s, u"b"_s});
    EXPECT_EQ(STD::FindListItem(two, u"a"_s, true, true, 0, 2), -1);
    EXPECT_EQ(STD::FindListItem(two, u"a"_s, true, true, 0, 7.5), -1);
    EXPECT_EQ(two.reads, 0);
}

TEST(FindListItem, DistanceModesPassOnTheErrorsOfEitherDistance)
{
    const QStringList longFirst = {QString(256, u'x'), u"Analysis"_s};
    // The whole item is compared even in the first-word mode, and the first
    // word even in the whole-item mode.
    const STD::StringListItems items(longFirst);
    EXPECT_TRUE(
        RaisesError(STD::Overflow, [&] { STD::FindListItem(items, u"A"_s, false, true, 3, 0); }));
    const QStringList longWord = {QString(257, u'y') + u" z"_s};
    const STD::StringListItems wordItems(longWord);
    EXPECT_TRUE(RaisesError(STD::InvalidArgument,
                            [&] { STD::FindListItem(wordItems, u"A"_s, true, true, 3, 0); }));
    // The exact modes accept texts of any length.
    EXPECT_EQ(STD::FindListItem(items, u"Analysis"_s, true, true, 0, 0), 1);
}

} // namespace
