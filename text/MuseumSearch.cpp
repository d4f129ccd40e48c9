#include "text/MuseumSearch.h"
