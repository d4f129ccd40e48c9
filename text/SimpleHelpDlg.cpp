#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QScrollBar>

#include "platform/DialogBuilder.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/QtCodec.h"
#include "res/DialogTemplates.h"
#include "res/TextWindowTexts.h"
#include "text/DrawnPane.h"
#include "text/SimpleHelpDlg.h"

namespace {

// An arrow image: a triangle pointing left (back) or right (forward), black
// when it can be used, grey when not.
QPixmap ArrowPixmap(QSize size, bool forward, bool enabled) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(enabled ? QColor(0, 0, 0) : QColor(160, 160, 160));
    const int w = size.width() - 1, h = size.height() - 1;
    QPolygon triangle;
    if (forward)
        triangle << QPoint(1, 1) << QPoint(w, h / 2) << QPoint(1, h);
    else
        triangle << QPoint(w - 1, 1) << QPoint(0, h / 2) << QPoint(w - 1, h);
    p.drawPolygon(triangle);
    return pixmap;
}

text::ScrollCode CodeOf(int action) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: return text::ScrollCode::LineUp;
    case QAbstractSlider::SliderSingleStepAdd: return text::ScrollCode::LineDown;
    case QAbstractSlider::SliderPageStepSub: return text::ScrollCode::PageUp;
    case QAbstractSlider::SliderPageStepAdd: return text::ScrollCode::PageDown;
    default: return text::ScrollCode::Other;
    }
}

}  // namespace

CSimpleHelpDlg::CSimpleHelpDlg(QWidget* parent) : QDialog(parent) {
    const platform::CDialogUnits du = platform::BuildDialog(this, res::kSimpleHelpDialogTemplate);
    const QFont gothic = platform::FixedGothicFont(12);
    const QFontMetrics metrics(gothic);
    m_browser.SetMeasure(
        [metrics](std::string_view bytes) { return metrics.horizontalAdvance(platform::ToQString(bytes)); });

    for (int k = 0; k < 3; ++k) {
        auto* list = platform::ControlById<QComboBox>(this, res::IDC_HELP_LIST1 + k);
        connect(list, &QComboBox::activated, this, [this, k](int index) {
            m_browser.SelectSearchEntry(k + 1, index);
            ShowCurrent();
        });
        m_lists[static_cast<std::size_t>(k)] = list;
    }
    const QSize arrow = du.Size(9, 10);
    m_images = {ArrowPixmap(arrow, false, true), ArrowPixmap(arrow, false, false), ArrowPixmap(arrow, true, true),
                ArrowPixmap(arrow, true, false)};
    // The image holders keep the four arrow images; the arrows show them.
    const int holders[] = {res::IDC_HELP_BACK_IMAGE, res::IDC_HELP_BACK_GREY_IMAGE, res::IDC_HELP_FORWARD_IMAGE,
                           res::IDC_HELP_FORWARD_GREY_IMAGE};
    for (int i = 0; i < 4; ++i) platform::ControlById<QLabel>(this, holders[i])->setPixmap(m_images[i]);
    m_back = platform::ControlById<QLabel>(this, res::IDC_HELP_BACK);
    m_forward = platform::ControlById<QLabel>(this, res::IDC_HELP_FORWARD);

    m_topic = new CDrawnPane(platform::ControlById(this, res::IDC_HELP_TOPIC));
    m_topic->onPaint = [this](QPainter& p) { PaintTopic(p); };
    m_topic->onMouseMove = [this](QPoint p) {
        if (m_browser.MouseMove(p.x(), p.y())) ShowReference();
    };
    m_topic->onLeftClick = [this](QPoint p) { Click(text::HelpClickTarget::TopicPane, p); };
    m_topicScroll = platform::ControlById<QScrollBar>(this, res::IDC_HELP_TOPIC_SCROLL);
    connect(m_topicScroll, &QAbstractSlider::actionTriggered, this, [this](int a) { OnTopicScroll(a, false); });
    connect(m_topicScroll, &QAbstractSlider::sliderReleased, this, [this] { OnTopicScroll(0, true); });

    for (int k = 0; k < 3; ++k) {
        QLabel* key = platform::ControlById<QLabel>(this, res::IDC_HELP_KEY1 + k);
        key->setFrameStyle(QFrame::Box | QFrame::Sunken);
        key->setWordWrap(false);
        key->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_keys[static_cast<std::size_t>(k)] = key;
    }

    m_reference = new CDrawnPane(platform::ControlById(this, res::IDC_HELP_REFERENCE));
    m_reference->onPaint = [this](QPainter& p) { PaintReference(p); };
    m_refScroll = platform::ControlById<QScrollBar>(this, res::IDC_HELP_REFERENCE_SCROLL);
    m_refScroll->setEnabled(false);
    m_refScroll->setRange(0, 0);
    connect(m_refScroll, &QAbstractSlider::actionTriggered, this, [this](int a) { OnReferenceScroll(a, false); });
    connect(m_refScroll, &QAbstractSlider::sliderReleased, this, [this] { OnReferenceScroll(0, true); });
}

bool CSimpleHelpDlg::Create() {
    if (m_browser.Open(m_path, m_start) != 0) return false;
    setWindowTitle(platform::ToQString(text::CHelpBrowser::Caption(m_suffix)));
    Navigate(m_start, text::HelpNavigation::New);
    for (int k = 1; k <= 3; ++k) {
        QComboBox* list = SearchList(k);
        list->clear();
        for (const std::string& entry : m_browser.SearchList(k)) list->addItem(platform::ToQString(entry));
        list->setCurrentIndex(m_browser.SearchSelection(k));
    }
    return true;
}

QWidget* CSimpleHelpDlg::TopicPane() const { return m_topic->Widget(); }
QWidget* CSimpleHelpDlg::ReferencePane() const { return m_reference->Widget(); }

void CSimpleHelpDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_pointerMoved) {
        m_pointerMoved = true;
        QCursor::setPos(TopicPane()->mapToGlobal(QPoint(0, 0)));
    }
}

void CSimpleHelpDlg::Navigate(const std::string& name, text::HelpNavigation mode) {
    m_browser.Navigate(name, mode);
    ShowCurrent();
}

void CSimpleHelpDlg::ShowCurrent() {
    for (int k = 1; k <= 3; ++k) KeyField(k)->setText(platform::ToQString(m_browser.ReferenceKeyField(k)));
    m_refScroll->setEnabled(m_browser.ReferenceShown() && m_browser.ReferenceScrollEnabled());
    // An empty reference pane shows no thumb of an earlier preview.
    if (!m_browser.ReferenceShown()) m_refScroll->setRange(0, 0);
    m_topicScroll->setEnabled(m_browser.TopicScrollEnabled());
    m_topicScroll->setRange(0, m_browser.TopicScrollMax());
    m_topicScroll->setPageStep(text::CHelpBrowser::kTopicRows);
    m_topicScroll->setValue(m_browser.TopicFirst());
    m_back->setPixmap(m_images[m_browser.BackEnabled() ? 0 : 1]);
    m_forward->setPixmap(m_images[m_browser.ForwardEnabled() ? 2 : 3]);
    for (int k = 1; k <= 3; ++k) {
        QComboBox* list = SearchList(k);
        if (list->count() > 0) {
            const QSignalBlocker block(list);
            list->setCurrentIndex(m_browser.SearchSelection(k));
        }
    }
    TopicPane()->update();
    ReferencePane()->update();
    m_topicScroll->setFocus();
}

void CSimpleHelpDlg::ShowReference() {
    for (int k = 1; k <= 3; ++k) KeyField(k)->setText(platform::ToQString(m_browser.ReferenceKeyField(k)));
    m_refScroll->setEnabled(m_browser.ReferenceScrollEnabled());
    m_refScroll->setRange(0, m_browser.ReferenceScrollMax());
    m_refScroll->setPageStep(text::CHelpBrowser::kReferenceRows);
    m_refScroll->setValue(m_browser.ReferenceFirst());
    ReferencePane()->update();
}

void CSimpleHelpDlg::PaintTopic(QPainter& painter) {
    painter.fillRect(TopicPane()->rect(), Qt::white);
    painter.setFont(platform::FixedGothicFont(12));
    const HelpPage& page = m_browser.CurrentPage();
    const int first = m_browser.TopicFirst();
    const QRect area = TopicPane()->rect().adjusted(2, 2, -2, -2);
    painter.setClipRect(area);
    for (int r = 0; r < m_browser.TopicPageRows(); ++r) {
        const int i = first + r;
        if (i >= static_cast<int>(page.lines.size())) break;
        const int top = text::CHelpBrowser::kInset + text::CHelpBrowser::kRowHeight * r;
        painter.setPen(Qt::black);
        painter.drawText(QRect(text::CHelpBrowser::kInset, top, area.width(), text::CHelpBrowser::kRowHeight),
                         Qt::AlignLeft | Qt::AlignTop, platform::ToQString(page.lines[static_cast<std::size_t>(i)]));
        painter.setPen(QColor(0, 0, 255));
        for (const text::HelpLinkBox& box : m_browser.RowLinks()[static_cast<std::size_t>(r)])
            painter.drawText(QRect(box.rect.left, box.rect.top, box.rect.right - box.rect.left + 12,
                                   text::CHelpBrowser::kRowHeight),
                             Qt::AlignLeft | Qt::AlignTop, platform::ToQString(box.link.text));
    }
    painter.setClipping(false);
}

void CSimpleHelpDlg::PaintReference(QPainter& painter) {
    painter.fillRect(ReferencePane()->rect(), Qt::white);
    if (!m_browser.ReferenceShown()) return;
    painter.setFont(platform::FixedGothicFont(12));
    painter.setPen(Qt::black);
    const QRect area = ReferencePane()->rect().adjusted(2, 2, -2, -2);
    painter.setClipRect(area);
    const HelpPage& page = m_browser.ReferencePage();
    for (int r = 0; r < m_browser.ReferencePageRows(); ++r) {
        const int i = m_browser.ReferenceFirst() + r;
        if (i >= static_cast<int>(page.lines.size())) break;
        painter.drawText(QRect(text::CHelpBrowser::kInset,
                               text::CHelpBrowser::kInset + text::CHelpBrowser::kRowHeight * r, area.width(),
                               text::CHelpBrowser::kRowHeight),
                         Qt::AlignLeft | Qt::AlignTop, platform::ToQString(page.lines[static_cast<std::size_t>(i)]));
    }
    painter.setClipping(false);
}

// A dragged thumb moves nothing until it is released; a move without a drag
// (the wheel over the bar) is taken at once, as a release would be.
void CSimpleHelpDlg::OnTopicScroll(int action, bool released) {
    if (!released && action == QAbstractSlider::SliderMove) {
        if (m_topicScroll->isSliderDown()) return;
        released = true;
    }
    const int pos = released ? m_browser.ScrollTopic(text::ScrollCode::ThumbPosition, m_topicScroll->sliderPosition())
                             : m_browser.ScrollTopic(CodeOf(action));
    m_topicScroll->setSliderPosition(pos);
    TopicPane()->update();
}

void CSimpleHelpDlg::OnReferenceScroll(int action, bool released) {
    if (!released && action == QAbstractSlider::SliderMove) {
        if (m_refScroll->isSliderDown()) return;
        released = true;
    }
    const int pos = released
                        ? m_browser.ScrollReference(text::ScrollCode::ThumbPosition, m_refScroll->sliderPosition())
                        : m_browser.ScrollReference(CodeOf(action));
    m_refScroll->setSliderPosition(pos);
    ReferencePane()->update();
}

void CSimpleHelpDlg::Click(text::HelpClickTarget target, QPoint p) {
    m_browser.Click(target, p.x(), p.y());
    ShowCurrent();
}

void CSimpleHelpDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QDialog::mousePressEvent(event);
    const QPoint p = event->position().toPoint();
    if (m_back->geometry().contains(p))
        Click(text::HelpClickTarget::BackArrow, p);
    else if (m_forward->geometry().contains(p))
        Click(text::HelpClickTarget::ForwardArrow, p);
    else
        Click(text::HelpClickTarget::Elsewhere, p);
}
