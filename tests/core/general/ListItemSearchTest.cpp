#include "general/ListItemSearch.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// The one mode the window uses: the first item equal to the whole text,
// case and blanks included, from the first item on.
TEST(FindListItem, FindsTheFirstItemEqualToTheWholeText)
{
    const QStringList courses = {u"Analysis"_s, u"Algebra"_s, u"Analysis"_s, u"Physik"_s};
    const std::pair<QString, int> cases[] = {{u"Analysis"_s, 0}, {u"Physik"_s, 3},
                                             {u"analysis"_s, -1}, {u"Physik "_s, -1},
                                             {u"Ana"_s, -1},      {u""_s, -1}};
    const STD::StringListItems items(courses);
    for (const auto& [text, found] : cases)
        EXPECT_EQ(STD::FindListItem(items, text, true, true, 0, 0), found) << text.toStdString();
}

} // namespace
