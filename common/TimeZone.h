// The local time zone, looked up once for the life of the process.
#pragma once

// Call at the start of main, before any thread starts: without TZ set, glibc
// looks at the time zone file again on every conversion to or from local
// time, and the archive reader converts each entry's DOS time, so a large
// directory cost a file lookup per entry. Naming the same file the system
// uses keeps the zone exactly as it was; a TZ the user set is left alone.
void PinTimeZone();
