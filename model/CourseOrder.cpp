#include "model/CourseOrder.h"

#include "general/TextRoutines.h"

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

bool OutOfOrder(const Termin& first, const Termin& second, SortKey key)
{
    switch (key) {
    case SortKey::Priority:
        return first.Priority < second.Priority;
    case SortKey::Alphabet:
        // QString compares UTF-16 code units, case and accents distinct.
        return first.Caption > second.Caption;
    case SortKey::None:
        break;
    }
    return false;
}

} // namespace

bool OutOfOrder(const Termin& first, const Termin& second, const QString& key)
{
    return OutOfOrder(first, second, KeyNamed(key));
}

void SortCollection(CourseCollection& courses, const QString& key,
                    const std::function<void(int first, int second)>& swapped)
{
    // The key is read once; the comparisons below are the hot loop.
    const SortKey sortKey = KeyNamed(key);
    const int count = courses.Count();
    for (int i = 0; i <= count - 2; ++i) {
        for (int j = i + 1; j <= count - 1; ++j) {
            if (!OutOfOrder(courses[i], courses[j], sortKey))
                continue;
            courses.SwapRecords(i, j);
            if (swapped)
                swapped(i, j);
        }
    }
}
