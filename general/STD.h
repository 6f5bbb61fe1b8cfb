#pragma once

// The general module: small routines shared by the window and the course
// record. None keeps state; an error raised inside one reaches its caller.
#include "general/FileRoutines.h"
#include "general/FileTable.h"
#include "general/ListItemSearch.h"
#include "general/NumericValue.h"
#include "general/StdError.h"
#include "general/StringComparison.h"
#include "general/TextRoutines.h"
#include "general/Windows1252.h"
