#include "calendar/EraTable.h"
