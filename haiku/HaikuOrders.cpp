#include "haiku/HaikuOrders.h"

namespace haiku {
namespace {

constexpr const char* kLabels[kOrderCount] = {
    "登録全句",
    "キロノ全句集(桜楓社)",
    "キロノ句集(新潮社)",
    "キロノ一日一句(近代文芸社)",
    "キロノ年譜大成(角川書店)",
};

constexpr int kCounts[kOrderCount] = {1017, 983, 980, 365, 981};

}  // namespace

const char* GetOrderLabel(int order) {
    return order >= 0 && order < kOrderCount ? kLabels[order] : "";
}

int GetOrderCount(int order) {
    return order >= 0 && order < kOrderCount ? kCounts[order] : 0;
}

int OrderFromTitle(std::string_view title) {
    for (int i = 0; i < kOrderCount; ++i)
        if (title == kLabels[i]) return i;
    return -1;
}

}  // namespace haiku
