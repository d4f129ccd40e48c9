#include "calendar/DateConverter.h"
