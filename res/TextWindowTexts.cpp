#include "res/TextWindowTexts.h"

namespace res {

const char* const kOnePointCaptionFormat = "%s - ワンポイント";

const char* const kHelpContentsTopic = "目次";
const char* const kHelpTopicsFile = "Topics.txt";

}  // namespace res
