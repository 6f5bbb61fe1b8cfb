#include "search/SearchSession.h"

#include "search/DistributionSearch.h"

SearchClick SearchSession::Click(const CourseCollection& courses, qint32 bestValue,
                                 qint16 wantedRank)
{
    if (!inputs_.Refresh(courses))
        ranked_.reset();
    const int count = courses.Count();
    SearchClick click{Distribution(count, 0), bestValue, 0};
    if (count == 0)
        return click;
    if (wantedRank < 1) {
        ranked_.reset();
        Distribution working(count, 0);
        FindDistributionAmong(inputs_.Courses(), AllCells, working, click.result, 0,
                              click.bestValue, 0, wantedRank, click.foundCount);
        return click;
    }
    if (!ranked_ || ranked_->StartValue() != bestValue || ranked_->Rank() >= wantedRank)
        ranked_.emplace(inputs_.Courses(), bestValue);
    ranked_->CountTo(wantedRank);
    return {ranked_->Result(), ranked_->BestValue(), ranked_->FoundCount()};
}
