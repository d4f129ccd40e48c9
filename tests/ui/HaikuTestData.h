#pragma once
// A data directory for the haiku windows' tests: TxtData/kirono.txt written
// in Shift-JIS with notes for every registered haiku (every fifth without a
// season word), and the settings store pointed at it.
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <string>

#include "app/SettingsStore.h"
#include "platform/Codec.h"

namespace halltest {

inline std::string Sjis(const char* utf8) { return platform::Utf8ToCp932(utf8); }

inline std::string Section(int n) {
    static const char* const kKana[] = {"あ", "い", "う", "え", "お", "か", "き", "く", "け", "こ"};
    std::string reading;
    for (int v = n * 7 + 3; v > 0; v /= 10) reading += kKana[v % 10];
    std::string s = "[" + std::to_string(n) + "]\n";
    s += "1:前書" + std::to_string(n) + "\n";
    s += "2:" + reading + " " + reading + "の " + "よみ" + std::to_string(n % 10) + "\n";
    s += std::string("3:") + (n % 2 ? "春" : "秋") + "\n";
    s += "4:" + (n % 5 == 0 ? std::string() : "季語" + reading) + "\n";
    s += "5:出典" + std::to_string(n % 7) + "\n";
    s += "6:解釈" + std::to_string(n) + "。\n続きの行\n";
    return s;
}

class DataDir {
public:
    DataDir() {
        QDir(dir_.path()).mkpath(QStringLiteral("TxtData"));
        std::string all;
        for (int n = 1; n <= 1017; ++n) all += Section(n) + "\n";
        QFile file(dir_.path() + QStringLiteral("/TxtData/kirono.txt"));
        if (file.open(QIODevice::WriteOnly)) file.write(Sjis(all.c_str()).c_str());
        CSettingsStore::Instance().Init(dir_.path().toStdString(), "kirokan");
    }
    QString Path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

}  // namespace halltest
