#include "general/ListItemSearch.h"

#include "general/StringComparison.h"
#include "general/TextRoutines.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace STD {

namespace {

// Up to and including the first blank, trimmed: empty without a blank.
QString FirstWord(const QString& item)
{
    const qsizetype blank = item.indexOf(u' ');
    return blank < 0 ? QString() : TrimText(item.left(blank + 1));
}

bool MatchesExactly(const QString& item, const QString& searchText, bool wholeItem)
{
    return wholeItem ? item == searchText : item.contains(searchText);
}

bool MatchesByDistance(const QString& item, const QString& searchText, bool wholeItem,
                       quint8 tolerance)
{
    // Both distances are taken for every item, so a long item fails the
    // search in either mode.
    const quint8 firstWordDistance = EditDistance(FirstWord(item), TrimText(searchText));
    const quint8 wholeDistance = EditDistance(item, searchText);
    return (wholeItem ? wholeDistance : firstWordDistance) <= tolerance;
}

} // namespace

qint32 FindListItem(const ItemList& listControl, QString searchText, bool wholeItem, bool matchCase,
                    quint8 tolerance, double startIndex)
{
    const int count = listControl.ListCount();
    if (startIndex >= count)
        return -1;
    if (!matchCase)
        searchText = searchText.toLower();

    // No caller passes a negative or fractional start; such a start begins
    // at the first whole position it covers.
    const int first = int(std::max(0.0, std::ceil(startIndex)));
    for (int position = first; position < count; ++position) {
        QString item = listControl.List(position);
        if (!matchCase)
            item = item.toLower();
        const bool matches = tolerance == 0
                                 ? MatchesExactly(item, searchText, wholeItem)
                                 : MatchesByDistance(item, searchText, wholeItem, tolerance);
        if (matches)
            return position;
    }
    return -1;
}

} // namespace STD
