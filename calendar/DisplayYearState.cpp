#include "calendar/DisplayYearState.h"

#include <algorithm>
#include <cstdio>

CDisplayYearState::CDisplayYearState(int displayYear, int displayMonth, int lowestYear,
                                     int highestYear)
    : m_year(displayYear),
      m_month(displayMonth),
      m_lowestYear(std::min(lowestYear, highestYear)),
      m_highestYear(std::max(lowestYear, highestYear)),
      m_caption{} {
    m_year = std::clamp(m_year, m_lowestYear, m_highestYear);
    std::snprintf(m_caption, sizeof m_caption, "旧暦 <%d～%d>", lowestYear, highestYear);
}

bool CDisplayYearState::Step(int delta) {
    // Widened so that no step can overflow.
    const long long next = static_cast<long long>(m_year) + delta;
    if (delta == 0 || next < m_lowestYear || next > m_highestYear) return false;
    m_year = static_cast<int>(next);
    m_month = 1;
    return true;
}
