// Must not build: the core knows no window.
#include "app/Form1.h"
#include "model/Termin.h"
