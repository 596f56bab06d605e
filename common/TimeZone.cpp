#include "TimeZone.h"

#include <cstdlib>

void PinTimeZone() { setenv("TZ", ":/etc/localtime", 0); }
