#include "calendar/SexagenaryNames.h"

#include "platform/ShiftJis.h"

namespace {

const char* const kNames[CSexagenaryNames::kCycleLength] = {
    "甲子", "乙丑", "丙寅", "丁卯", "戊辰", "己巳", "庚午", "辛未", "壬申", "癸酉",
    "甲戌", "乙亥", "丙子", "丁丑", "戊寅", "己卯", "庚辰", "辛巳", "壬午", "癸未",
    "甲申", "乙酉", "丙戌", "丁亥", "戊子", "己丑", "庚寅", "辛卯", "壬辰", "癸巳",
    "甲午", "乙未", "丙申", "丁酉", "戊戌", "己亥", "庚子", "辛丑", "壬寅", "癸卯",
    "甲辰", "乙巳", "丙午", "丁未", "戊申", "己酉", "庚戌", "辛亥", "壬子", "癸丑",
    "甲寅", "乙卯", "丙辰", "丁巳", "戊午", "己未", "庚申", "辛酉", "壬戌", "癸亥",
};

const char* const kReadings[CSexagenaryNames::kCycleLength] = {
    "きのえ・ね", "きのと・うし", "ひのえ・とら", "ひのと・う", "つちのえ・たつ",
    "つちのと・み", "かのえ・うま", "かのと・ひつじ", "みずのえ・さる", "みずのと・とり",
    "きのえ・いぬ", "きのと・い", "ひのえ・ね", "ひのと・うし", "つちのえ・とら",
    "つちのと・う", "かのえ・たつ", "かのと・み", "みずのえ・うま", "みずのと・ひつじ",
    "きのえ・さる", "きのと・とり", "ひのえ・いぬ", "ひのと・い", "つちのえ・ね",
    "つちのと・うし", "かのえ・とら", "かのと・う", "みずのえ・たつ", "みずのと・み",
    "きのえ・うま", "きのと・ひつじ", "ひのえ・さる", "ひのと・とり", "つちのえ・いぬ",
    "つちのと・い", "かのえ・ね", "かのと・うし", "みずのえ・とら", "みずのと・う",
    "きのえ・たつ", "きのと・み", "ひのえ・うま", "ひのと・ひつじ", "つちのえ・さる",
    "つちのと・とり", "かのえ・いぬ", "かのと・い", "みずのえ・ね", "みずのと・うし",
    "きのえ・とら", "きのと・う", "ひのえ・たつ", "ひのと・み", "つちのえ・うま",
    "つちのと・ひつじ", "かのえ・さる", "かのと・とり", "みずのえ・いぬ", "みずのと・い",
};

}  // namespace

CSexagenaryNames::CSexagenaryNames() {
    for (int i = 0; i < kCycleLength; ++i) {
        platform::CopyToField(m_names[i], sizeof m_names[i], kNames[i]);
        platform::CopyToField(m_readings[i], sizeof m_readings[i], kReadings[i]);
    }
}

// The year cycle counts from 4 CE as 甲子, as every 60th year after it:
// 1684, the year the era was changed to 貞享 for its being a 甲子 year.
int CSexagenaryNames::GetYearCycle(int year) const {
    const int r = (year - 4) % kCycleLength;
    return r < 0 ? r + kCycleLength : r;
}

const char* CSexagenaryNames::GetCycleName(int n) const {
    if (n < 0) return "";
    return m_names[n < kCycleLength ? n : GetYearCycle(n)];
}

const char* CSexagenaryNames::GetCycleReading(int i) const {
    if (i < 0 || i >= kCycleLength) return "";
    return m_readings[i];
}
