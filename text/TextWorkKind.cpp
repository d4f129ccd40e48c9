#include "text/TextWorkKind.h"

namespace text {
namespace {

constexpr TextWorkKind kKinds[kTextWorkKindCount] = {
    {"okuno.txt", "おくのほそ道", TextWorkClick::ShowPart3},
    {"kuhi.txt", "キロノの句碑", TextWorkClick::OpenHaikuCard},
    {"life.txt", "キロノの略年譜", TextWorkClick::Beep},
    {"friend.txt", "キロノの弟子・友人", TextWorkClick::Beep},
    {"work.txt", "キロノの作品集", TextWorkClick::Beep},
    {"nature.txt", "キロノが詠む動植物", TextWorkClick::OpenHaikuCard},
    {"kinenkan.txt", "キロノの記念館", TextWorkClick::Beep},
    {"goi.txt", "語彙", TextWorkClick::OpenHaikuCard},
    {"sarasina.txt", "更科紀行", TextWorkClick::Beep},
    {"nozarasi.txt", "野ざらし紀行", TextWorkClick::Beep},
    {"kasima.txt", "鹿島詣", TextWorkClick::Beep},
    {"kobumi.txt", "笈の小文", TextWorkClick::Beep},
    {"saga.txt", "嵯峨日記", TextWorkClick::Beep},
};

}  // namespace

const TextWorkKind* FindTextWorkKind(int kind) {
    if (kind < 0 || kind >= kTextWorkKindCount) return nullptr;
    return &kKinds[kind];
}

}  // namespace text
