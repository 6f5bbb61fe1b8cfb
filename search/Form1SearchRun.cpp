#include "app/Form1.h"
#include "general/NumericValue.h"
#include "search/SearchButton.h"
#include "search/SearchClick.h"
#include "search/WeekGrid.h"

#include <limits>

using namespace Qt::Literals::StringLiterals;

// The button's caption is the state of the run (search/SearchButton.h).
void Form1::Command2_Click()
{
    const QString caption = Command2->text();
    // With no course there is nothing to search: the grid shows value 0.
    if (Courses.IsEmpty()) {
        ShowDistribution(Distribution(), 0);
        Command2->setText(FreshSearchCaption());
        return;
    }

    if (caption == FreshSearchCaption()) {
        SearchRank = 1;
        SortCourses(u"priority"_s);
        const SearchClick best = search_.Click(Courses, 0, 0);
        ShowDistribution(best.result, best.bestValue);
        Command2->setText(ContinueSearchCaption());
    } else if (caption == ContinueSearchCaption()) {
        // A run of 32767 distributions has no further rank to ask for.
        const bool rankLeft = SearchRank < std::numeric_limits<qint16>::max();
        qint16 foundCount = 0;
        if (rankLeft) {
            ++SearchRank;
            const SearchClick next = search_.Click(Courses, ShownValue(), SearchRank);
            ShowDistribution(next.result, next.bestValue);
            foundCount = next.foundCount;
        }
        if (!rankLeft || foundCount < SearchRank) {
            Command2->setText(FreshSearchCaption());
            MsgBox({.text = u"Keine weiteren Möglichkeiten gefunden."_s,
                    .title = u"Terminverteilung suchen"_s,
                    .buttons = MessageButtons::Ok,
                    .icon = MessageIcon::None});
        }
    }
}

void Form1::Command2_LostFocus()
{
    Command2->setText(FreshSearchCaption());
}

// The value of the run is the one the corner shows after its prefix.
qint32 Form1::ShownValue() const
{
    const QString corner = Label2[WeekGrid::CornerElement]->text();
    return STD::RoundToInt32(STD::NumericValue(corner.mid(WeekGrid::ValuePrefix().size())));
}
