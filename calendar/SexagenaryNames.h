#pragma once
// The sexagenary cycle (干支): 60 names and their readings, index 0 = 甲子.
// Texts are Shift-JIS, NUL-terminated.

class CSexagenaryNames {
public:
    static constexpr int kCycleLength = 60;

    CSexagenaryNames();

    // Cycle index of a Western year: (year - 4) mod 60, always 0..59.
    int GetYearCycle(int year) const;
    // n of 0..59 is a cycle index; n of 60 or more is a Western year, whose
    // cycle name results. A negative n has no name (empty text).
    const char* GetCycleName(int n) const;
    // The reading of cycle index i (0..59); empty text otherwise.
    const char* GetCycleReading(int i) const;

private:
    char m_names[kCycleLength][5];
    char m_readings[kCycleLength][25];
};
