#include "res/TextWindowTexts.h"

namespace res {

const char* const kTextWorkOk = "OK";

const char* const kOnePointCheck = "起動時にワンポイントを表示(&S)";
const char* const kOnePointNext = "次を表示(&N)";
const char* const kOnePointPrev = "前を表示(&B)";
const char* const kOnePointClose = "閉じる(&C)";
const char* const kOnePointCaptionFormat = "%s - ワンポイント";

const char* const kHelpSearchLabel = "検索";
const char* const kHelpReferenceLabel = "参照";
const char* const kHelpContentsTopic = "目次";
const char* const kHelpTopicsFile = "Topics.txt";

}  // namespace res
