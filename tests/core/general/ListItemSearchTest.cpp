#include "support/ErrorExpectations.h"

#include "general/ListItemSearch.h"

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(FindListItem, FindsTheFirstMatchInEveryMode)
{
    const QStringList courses = {u"Analysis"_s, u"Lineare Algebra"_s, u"Analysis"_s, u"Physik"_s};
    const struct
    {
        const char* what;
        QString text;
        bool wholeItem, matchCase;
        quint8 tolerance;
        double start;
        int found;
    } cases[] = {
        {"first of two equal", u"Analysis"_s, true, true, 0, 0, 0},
        {"second past the first", u"Analysis"_s, true, true, 0, 1, 2},
        {"case counts", u"analysis"_s, true, true, 0, 0, -1},
        {"trailing blank counts", u"Physik "_s, true, true, 0, 0, -1},
        {"containment", u"lys"_s, false, true, 0, 0, 0},
        {"no containment", u"lyse"_s, false, true, 0, 0, -1},
        {"empty text at the start", u""_s, false, true, 0, 3, 3},
        {"lower-cased whole", u"ANALYSIS"_s, true, false, 0, 0, 0},
        {"lower-cased containment", u"ALGE"_s, false, false, 0, 0, 1},
        {"distance 2 within 2", u"Analyse"_s, true, true, 2, 0, 0},
        {"distance 2 beyond 1", u"Analyse"_s, true, true, 1, 0, -1},
        {"distance lower-cased", u"ANALYSE"_s, true, false, 2, 0, 0},
        {"first word", u"Lineare"_s, false, true, 1, 1, 1},
        {"first word trims the text", u"  Lineare "_s, false, true, 1, 1, 1},
        {"no blank: empty first word", u"Ma"_s, false, true, 2, 0, 0},
        {"empty first word too far", u"Mat"_s, false, true, 2, 0, -1},
        {"whole item untrimmed", u" Physik"_s, true, true, 1, 3, 3},
        // Reading past the last item would give an empty text.
        {"empty whole item", u""_s, true, true, 0, 0, -1},
        {"start at the count", u""_s, false, true, 0, 4, -1},
        {"start far beyond the list", u""_s, false, true, 0, 1e12, -1},
    };
    for (const auto& c : cases) {
        const STD::StringListItems items(courses);
        EXPECT_EQ(STD::FindListItem(items, c.text, c.wholeItem, c.matchCase, c.tolerance, c.start),
                  c.found)
            << c.what;
    }
}

TEST(FindListItem, DistanceModesComputeBothDistancesAndPassOnTheirErrors)
{
    const QStringList longItem = {QString(256, u'x'), u"Analysis"_s};
    const STD::StringListItems items(longItem);
    EXPECT_TRUE(
        RaisesError(STD::Overflow, [&] { STD::FindListItem(items, u"A"_s, false, true, 3, 0); }));
    const QStringList longWord = {QString(257, u'y') + u" z"_s};
    const STD::StringListItems words(longWord);
    EXPECT_TRUE(RaisesError(STD::InvalidArgument,
                            [&] { STD::FindListItem(words, u"A"_s, true, true, 3, 0); }));
    // The exact modes accept texts of any length.
    EXPECT_EQ(STD::FindListItem(items, u"Analysis"_s, true, true, 0, 0), 1);
}

} // namespace
