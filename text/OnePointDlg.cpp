#include <QCheckBox>
#include <QFontMetrics>
#include <QPainter>
#include <QPushButton>

#include "app/SettingsStore.h"
#include "platform/DialogBuilder.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/QtCodec.h"
#include "res/DialogTemplates.h"
#include "res/Strings.h"
#include "res/TextWindowTexts.h"
#include "text/OnePointDlg.h"

namespace {

QRect ToQRect(const text::PixelRect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

// A white rectangle with a 1-pixel black border.
QRect DrawSelectColor(QPainter& painter, const text::PixelRect& box) {
    painter.save();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    const QRect r = ToQRect(box);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    painter.restore();
    return r;
}

}  // namespace

COnePointDlg::COnePointDlg(QWidget* parent) : QDialog(parent) {
    platform::BuildDialog(this, res::kOnePointDialogTemplate);
    m_panel = platform::ControlById(this, res::IDC_ONEPOINT_PANEL);
    // The heading and body boxes are drawn from x = 87 on; with a wide
    // dialog font the panel is kept clear of them.
    QRect panel = m_panel->geometry();
    if (panel.right() > 84) panel.setRight(84);
    m_panel->setGeometry(panel);
    m_panel->setAutoFillBackground(true);
    QPalette grey = m_panel->palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    m_panel->setPalette(grey);
    m_check = platform::ControlById<QCheckBox>(this, res::IDC_ONEPOINT_CHECK);
    m_prev = platform::ControlById<QPushButton>(this, res::IDC_ONEPOINT_PREV);
    m_next = platform::ControlById<QPushButton>(this, res::IDC_ONEPOINT_NEXT);
    m_close = platform::ControlById<QPushButton>(this, res::IDC_ONEPOINT_CLOSE);

    // A tips file that has become unreadable closes the window, as at opening.
    connect(m_next, &QPushButton::clicked, this, [this] {
        if (m_tips.Next() < 0) return reject();
        update();
    });
    connect(m_prev, &QPushButton::clicked, this, [this] {
        if (m_tips.Previous() < 0) return reject();
        update();
    });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_check, &QCheckBox::clicked, this, [this] {
        m_check->setChecked(m_tips.ToggleView() != 0);
    });
}

bool COnePointDlg::InitDialog() {
    m_check->setChecked(CSettingsStore::Instance().GetOnePointView() != 0);
    std::string caption = res::kOnePointCaptionFormat;
    caption.replace(caption.find("%s"), 2, res::LoadString(res::IDS_APP_TITLE));
    setWindowTitle(platform::ToQString(caption));
    return m_tips.Open() >= 0;
}

void COnePointDlg::done(int result) {
    if (!m_closed) {
        m_closed = true;
        platform::CWaitCursor wait;
        m_tips.Close();
    }
    QDialog::done(result);
}

text::TipsLayout COnePointDlg::Layout() const {
    const QFontMetrics heading(platform::FixedGothicFont(text::COnePointTips::kHeadingFontHeight));
    return text::COnePointTips::Layout(width(), m_panel->height(), heading.height());
}

void COnePointDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const text::TipsLayout l = Layout();
    painter.setPen(Qt::black);

    DrawSelectColor(painter, l.headingBox);
    painter.save();
    painter.setClipRect(ToQRect(l.headingText));
    painter.setFont(platform::FixedGothicFont(text::COnePointTips::kHeadingFontHeight));
    painter.drawText(ToQRect(l.headingText), Qt::AlignLeft | Qt::AlignTop,
                     platform::ToQString(m_tips.GetHeading()));
    painter.restore();

    DrawSelectColor(painter, l.bodyBox);
    painter.save();
    const QRect body = ToQRect(l.bodyText);
    painter.setClipRect(body);
    painter.setFont(platform::FixedGothicFont(l.bodyFontHeight));
    const std::string& text = m_tips.GetBody();
    int y = body.top();
    std::size_t start = 0;
    while (start <= text.size() && y < body.bottom()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        painter.drawText(QRect(body.left(), y, body.width(), l.bodyFontHeight * 2), Qt::AlignLeft | Qt::AlignTop,
                         platform::ToQString(std::string_view(text).substr(start, end - start)));
        y += l.bodyFontHeight;
        start = end + 1;
    }
    painter.restore();
}
