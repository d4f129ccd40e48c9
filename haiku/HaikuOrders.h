#pragma once
// The five haiku orders: labels (also list-window titles) and counts.
#include <string_view>

namespace haiku {

constexpr int kOrderCount = 5;

// "登録全句", "キロノ全句集(桜楓社)", ... (Shift-JIS); empty outside 0..4.
const char* GetOrderLabel(int order);
// 1017, 983, 980, 365, 981; 0 outside 0..4.
int GetOrderCount(int order);
// The first order whose label equals title byte for byte, or -1.
int OrderFromTitle(std::string_view title);

}  // namespace haiku
