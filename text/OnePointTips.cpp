#include "text/OnePointTips.h"

#include <algorithm>

#include "app/SettingsStore.h"
#include "platform/ShiftJis.h"
#include "platform/TextFile.h"
#include "text/TextWork.h"

namespace text {
namespace {

bool IsSkipped(std::string_view line) { return line.empty() || line.starts_with("//"); }

}  // namespace

bool IsTipHeader(std::string_view line) { return !line.empty() && line.back() == ':'; }

int COnePointTips::ShowTip(int requested) {
    return ShowTipFrom(CSettingsStore::Instance().GetDataFilePath("onepoint.txt"), requested);
}

int COnePointTips::ShowTipFrom(const std::string& path, int requested) {
    m_body = "\n";
    m_heading.clear();
    m_first = false;
    platform::CTextFile reader;
    if (!reader.Open(path)) {
        m_count = 0;
        return m_reporter.ReportUnreadable(path);
    }
    m_reporter.ReportUnconvertible(path, reader.UnconvertibleLine());
    std::string line;
    int count = 0;
    while (reader.ReadPiece(&line, kPieceBytes))
        if (!IsSkipped(line) && IsTipHeader(line) && LeadingInteger(line) >= 1) ++count;
    m_count = count;

    int n = requested;
    if (requested > count)
        n = 1;
    else if (requested <= 0)
        n = count;

    // Start again at the top of the file.
    reader.Close();
    if (!reader.Open(path)) return n;
    bool inTip = false;
    while (reader.ReadPiece(&line, kPieceBytes)) {
        if (IsSkipped(line)) continue;
        if (!inTip) {
            inTip = IsTipHeader(line) && LeadingInteger(line) >= n && LeadingInteger(line) >= 1;
            continue;
        }
        if (IsTipHeader(line)) break;
        AddLine(line);
    }
    return n;
}

int COnePointTips::Open() { return m_current = ShowTip(CSettingsStore::Instance().GetOnePoint()); }

void COnePointTips::Close() { CSettingsStore::Instance().SetOnePoint(m_current + 1); }

int COnePointTips::ToggleView() {
    CSettingsStore& settings = CSettingsStore::Instance();
    const int view = settings.GetOnePointView() ? 0 : 1;
    settings.SetOnePointView(view);
    return view;
}

void COnePointTips::AddLine(std::string_view line) {
    const std::size_t length = line.size();
    if (length <= kLineMax) {
        if (!m_first) {
            if (length <= kHeadingMax) {
                m_heading.assign(line);
                m_heading += '\n';
            } else {
                m_heading = "豆知識...\n";
                m_body.append(line);
                m_body += '\n';
            }
            m_first = true;
        } else {
            m_body.append(line);
            m_body += '\n';
        }
        return;
    }
    std::size_t pos = 0;
    while (length - pos > kPieceMax) {
        // 65 bytes when the 66th would open a double-byte character.
        std::size_t piece = platform::CharBoundaryPrefix(line.substr(pos), kPieceMax);
        if (piece == 0) piece = kPieceMax;
        m_body.append(line.substr(pos, piece));
        m_body += '\n';
        pos += piece;
    }
    m_body.append(line.substr(pos));
    m_body += '\n';
    if (m_first)
        m_body += '\n';
    else
        m_first = true;
}

TipsLayout COnePointTips::Layout(int clientWidth, int panelHeight, int headingLineHeight) {
    TipsLayout l;
    const int right = clientWidth - 10;
    l.headingBox = {87, 11, right, 61};
    l.bodyBox = {87, 60, right, panelHeight + 11};
    // The heading's line ends above the body box's top border, which would
    // otherwise cut the feet of its characters, and starts below the box's own.
    const int top = std::max(l.headingBox.top + 1, std::min(25, l.bodyBox.top - headingLineHeight));
    l.headingText = {89, top, right, l.bodyBox.top};
    l.bodyText = {89, 62, right, panelHeight + 11};
    const int h = (l.bodyBox.bottom - 62) / 13;
    l.bodyFontHeight = h > 0 ? h : 1;
    return l;
}

}  // namespace text
