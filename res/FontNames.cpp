#include "res/FontNames.h"

namespace res {

const char* const kFixedGothicFace = "ＭＳ ゴシック";
const char* const kDialogFace = "ＭＳ Ｐゴシック";

}  // namespace res
