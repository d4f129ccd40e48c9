#include "res/Strings.h"

#include <algorithm>
#include <iterator>

namespace res {
namespace {

struct StringEntry {
    int id;
    const char* text;
};

// Sorted by id.
constexpr StringEntry kStrings[] = {
    {IDR_MAINFRAME, "『キロノ』博物館 V1.08"},
    {IDS_SEARCH_BAR, "検索\n検索"},
    {IDS_APP_TITLE, "『キロノ』博物館 V1.08"},
    {IDS_IDLE_MESSAGE, "ﾍﾙﾌﾟを表示するには [F1] を押してください。"},
};

const StringEntry* Find(int id) {
    auto it = std::find_if(std::begin(kStrings), std::end(kStrings),
                           [id](const StringEntry& e) { return e.id == id; });
    return it == std::end(kStrings) ? nullptr : &*it;
}

}  // namespace

std::string LoadString(int id) {
    const StringEntry* e = Find(id);
    return e ? std::string(e->text) : std::string();
}

bool HasString(int id) { return Find(id) != nullptr; }

}  // namespace res
