#pragma once
// One compiled haiku row, in the order AddRow takes its arguments.

struct HaikuRow {
    int regNo;
    int chronicleNo;
    int completeNo;
    int collectionNo;
    int dailyNo;
    const char* phrase1;
    const char* phrase2;
    const char* phrase3;
    int year;
    int yearFrom;
    int month;
    int day;
    int creatureClass;
    const char* creatures;
    int reserved1;
    int reserved2;
};

// The compiled rows, in list order (generated at build time).
extern const HaikuRow kHaikuRows[];
extern const int kHaikuRowCount;
