#include "text/SearchText.h"
