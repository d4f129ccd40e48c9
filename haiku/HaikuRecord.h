#pragma once
// One slot of a haiku table: the compiled row of a haiku in the current
// order, plus the notes fields that the notes reader's bulk load fills.
// Texts are Shift-JIS, NUL-terminated; widths include the terminator.

struct HaikuRecord {
    char phrase1[30];
    char phrase2[30];
    char phrase3[30];
    int year;
    int yearFrom;
    int month;
    int day;
    int regNo;
    int chronicleNo;
    int completeNo;
    int collectionNo;
    int dailyNo;
    int reserved1;
    int reserved2;
    char season[6];
    char seasonWord[30];
    char source[80];
    char reading1[30];
    char reading2[30];
    char reading3[30];
    int creatureClass;
    char creatures[32];
};
