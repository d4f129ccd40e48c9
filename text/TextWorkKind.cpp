#include "text/TextWorkKind.h"

namespace text {
namespace {

constexpr TextWorkKind kKinds[kTextWorkKindCount] = {
    {TextWorkId::Okuno, "okuno.txt", "おくのほそ道", TextWorkClick::ShowPart3},
    {TextWorkId::Monuments, "kuhi.txt", "キロノの句碑", TextWorkClick::OpenHaikuCard},
    {TextWorkId::Chronology, "life.txt", "キロノの略年譜", TextWorkClick::Beep},
    {TextWorkId::Friends, "friend.txt", "キロノの弟子・友人", TextWorkClick::Beep},
    {TextWorkId::Collection, "work.txt", "キロノの作品集", TextWorkClick::Beep},
    {TextWorkId::Nature, "nature.txt", "キロノが詠む動植物", TextWorkClick::OpenHaikuCard},
    {TextWorkId::Memorials, "kinenkan.txt", "キロノの記念館", TextWorkClick::Beep},
    {TextWorkId::Glossary, "goi.txt", "語彙", TextWorkClick::OpenHaikuCard},
    {TextWorkId::Sarasina, "sarasina.txt", "更科紀行", TextWorkClick::Beep},
    {TextWorkId::Nozarasi, "nozarasi.txt", "野ざらし紀行", TextWorkClick::Beep},
    {TextWorkId::Kasima, "kasima.txt", "鹿島詣", TextWorkClick::Beep},
    {TextWorkId::Kobumi, "kobumi.txt", "笈の小文", TextWorkClick::Beep},
    {TextWorkId::Saga, "saga.txt", "嵯峨日記", TextWorkClick::Beep},
};

// A row stands at its work's kind number.
constexpr bool RowsInKindOrder() {
    for (int k = 0; k < kTextWorkKindCount; ++k)
        if (KindOf(kKinds[k].id) != k) return false;
    return true;
}
static_assert(RowsInKindOrder(), "each text work's row stands at its kind number");

}  // namespace

const TextWorkKind* FindTextWorkKind(int kind) {
    if (kind < 0 || kind >= kTextWorkKindCount) return nullptr;
    return &kKinds[kind];
}

}  // namespace text
