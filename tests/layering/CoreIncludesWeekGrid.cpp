// Must not build: the week grid belongs to the window side of the search.
#include "search/Distribution.h"
#include "search/WeekGrid.h"
