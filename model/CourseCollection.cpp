#include "model/CourseCollection.h"

#include "general/StdError.h"

#include <utility>

Termin& CourseCollection::Append()
{
    return Append(Termin{});
}

Termin& CourseCollection::Append(Termin course)
{
    if (IsFull())
        STD::Raise(STD::Overflow);
    records_.back() = std::move(course);
    records_.emplace_back();
    return records_[records_.size() - 2];
}

void CourseCollection::RemoveAt(int position)
{
    if (position < 0 || position >= Count())
        STD::Raise(STD::InvalidArgument);
    records_.erase(records_.begin() + position);
}

void CourseCollection::SwapRecords(int first, int second)
{
    if (first < 0 || first >= Count() || second < 0 || second >= Count())
        STD::Raise(STD::InvalidArgument);
    std::swap(records_[first], records_[second]);
}
