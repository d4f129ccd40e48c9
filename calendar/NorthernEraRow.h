#pragma once
// One compiled row of the northern court's eras, generated at build time
// from calendar/northern-court-eras.tsv (see its .md for the sources), in
// increasing order of their days.

struct NorthernEraRow {
    bool joins;        // true: the two lines become one again with this era
    const char* name;  // Shift-JIS
    int year;          // old-calendar year
    int month;
    bool leap;
    int day;
};

extern const NorthernEraRow kNorthernEraRows[];
extern const int kNorthernEraRowCount;
