// Why ExchangeOrder gives exactly the exchange's order.
//
// One pass i of the exchange carries the best course seen so far at i: each
// course after it that is strictly better changes places with it. So the
// pass moves a chain of courses, each the first one strictly better than the
// one before, one link along, and the last of the chain comes to rest at i.
//
// Fix a key and call the courses with a better key B, with that key E, with
// a worse key W. Follow the B and E courses from position i on, in place
// order; W courses do not change what happens to them, since any B or E
// beats a W and joins the chain at the first one after it. If a B comes
// first, a B ends at i and no E course moves. If an E comes first, it is
// moved to the place of the first B after it, whose chain ends at i; with no
// B after it, the E ends at i itself. So while B courses remain, each one
// that comes out rotates the E courses before it left by one and joins them
// to the E courses after it; once none remain, the E courses come out in
// that order. Their order thus depends only on where the B courses stand,
// not on their keys: each key's courses are ordered on their own, from the
// counts of B courses between consecutive E courses.
#include "model/CourseOrder.h"

#include "general/TextRoutines.h"

#include <algorithm>
#include <deque>
#include <numeric>
#include <string_view>

using namespace Qt::Literals::StringLiterals;

namespace {

enum class SortKey
{
    Alphabet,
    Priority,
    None
};

SortKey KeyNamed(const QString& key)
{
    const QString k = STD::TrimText(key).toLower();
    if (k == u"priority")
        return SortKey::Priority;
    if (k == u"alphabet")
        return SortKey::Alphabet;
    return SortKey::None;
}

std::u16string_view CodeUnits(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.constData()), std::size_t(text.size())};
}

bool OutOfOrder(const Termin& first, const Termin& second, SortKey key)
{
    switch (key) {
    case SortKey::Priority:
        return first.Priority < second.Priority;
    case SortKey::Alphabet:
        // By UTF-16 code units, case and accents distinct: the standard
        // library's plain comparison, which beats QString's general one.
        return CodeUnits(first.Caption) > CodeUnits(second.Caption);
    case SortKey::None:
        break;
    }
    return false;
}

// How many of the marked positions lie before a position.
class PositionCounter
{
public:
    explicit PositionCounter(int size) : tree_(size + 1, 0) {}

    void Mark(int position)
    {
        for (int node = position + 1; node < int(tree_.size()); node += node & -node)
            ++tree_[node];
    }

    int MarkedBefore(int position) const
    {
        int count = 0;
        for (int node = position; node > 0; node -= node & -node)
            count += tree_[node];
        return count;
    }

private:
    std::vector<int> tree_;
};

void RotateLeft(std::deque<int>& courses, int steps)
{
    const int size = int(courses.size());
    const int left = steps % size;
    // The shorter way round; a deque turns at either end in O(1).
    if (left <= size / 2) {
        for (int step = 0; step < left; ++step) {
            courses.push_back(courses.front());
            courses.pop_front();
        }
    } else {
        for (int step = left; step < size; ++step) {
            courses.push_front(courses.back());
            courses.pop_back();
        }
    }
}

// The order the exchange leaves the courses of one key in. `sameKey` holds
// their positions in ascending order, `better` marks those of better keys.
std::deque<int> OrderOfEqualKeys(const std::vector<int>& sameKey, const PositionCounter& better,
                                 int betterCount)
{
    std::deque<int> order{sameKey.front()};
    for (std::size_t t = 1; t < sameKey.size(); ++t) {
        RotateLeft(order, better.MarkedBefore(sameKey[t]) - better.MarkedBefore(sameKey[t - 1]));
        order.push_back(sameKey[t]);
    }
    RotateLeft(order, betterCount - better.MarkedBefore(sameKey.back()));
    return order;
}

// The exchange's order where `keyOf` gives each course a key that is smaller
// exactly where the course must come first.
template <typename KeyOf> std::vector<int> OrderOfKeys(const CourseCollection& courses, KeyOf keyOf)
{
    using Key = decltype(keyOf(courses[0]));
    // Keys beside positions: the comparisons read no record.
    std::vector<std::pair<Key, int>> byKey;
    byKey.reserve(courses.Count());
    for (int position = 0; position < courses.Count(); ++position)
        byKey.emplace_back(keyOf(courses[position]), position);
    // Best key first; within a key, ascending positions.
    std::ranges::sort(byKey);

    std::vector<int> order;
    order.reserve(byKey.size());
    PositionCounter betterPositions(int(byKey.size()));
    std::vector<int> sameKey;
    for (auto first = byKey.begin(); first != byKey.end();) {
        sameKey.clear();
        auto last = first;
        for (; last != byKey.end() && last->first == first->first; ++last)
            sameKey.push_back(last->second);
        const std::deque<int> sameKeyOrder =
            OrderOfEqualKeys(sameKey, betterPositions, int(order.size()));
        order.insert(order.end(), sameKeyOrder.begin(), sameKeyOrder.end());
        for (const int position : sameKey)
            betterPositions.Mark(position);
        first = last;
    }
    return order;
}

} // namespace

bool OutOfOrder(const Termin& first, const Termin& second, const QString& key)
{
    return OutOfOrder(first, second, KeyNamed(key));
}

std::vector<int> ExchangeOrder(const CourseCollection& courses, const QString& key)
{
    switch (KeyNamed(key)) {
    case SortKey::Priority:
        return OrderOfKeys(courses, [](const Termin& course) { return -int(course.Priority); });
    case SortKey::Alphabet:
        return OrderOfKeys(courses, [](const Termin& course) { return CodeUnits(course.Caption); });
    case SortKey::None:
        break;
    }
    std::vector<int> unchanged(courses.Count());
    std::iota(unchanged.begin(), unchanged.end(), 0);
    return unchanged;
}

void SortCollection(CourseCollection& courses, const QString& key)
{
    courses.Reorder(ExchangeOrder(courses, key));
}

void SortStepByStep(CourseCollection& courses, const QString& key,
                    const std::function<void(int i, int j)>& exchanged)
{
    // The key is read once; the comparisons below are the hot loop.
    const SortKey sortKey = KeyNamed(key);
    const int count = courses.Count();
    for (int i = 0; i <= count - 2; ++i) {
        for (int j = i + 1; j <= count - 1; ++j) {
            if (!OutOfOrder(courses[i], courses[j], sortKey))
                continue;
            courses.SwapRecords(i, j);
            exchanged(i, j);
        }
    }
}
