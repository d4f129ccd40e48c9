#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>

#include "app/WindowHooks.h"
#include "platform/DialogBuilder.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/QtCodec.h"
#include "res/DialogTemplates.h"
#include "res/ResourceIds.h"
#include "res/TextWindowTexts.h"
#include "text/BlankFill.h"
#include "text/DrawnPane.h"
#include "text/TextWorkDlg.h"

CTextWorkDlg::CTextWorkDlg(QWidget* parent) : QDialog(parent) {
    platform::BuildDialog(this, res::kTextWorkDialogTemplate);
    m_index = new CDrawnPane(platform::ControlById(this, res::IDC_TEXTWORK_INDEX));
    m_index->onPaint = [this](QPainter& p) { PaintIndex(p); };
    m_index->onMouseMove = [this](QPoint p) { OnMouseMove(p); };
    m_index->onLeave = [this] { OnMouseMove(QPoint(-1, -1)); };
    m_index->onLeftClick = [this](QPoint p) { OnLeftClick(p); };

    m_scroll = platform::ControlById<QScrollBar>(this, res::IDC_TEXTWORK_SCROLL);
    m_scroll->setRange(0, 0);
    connect(m_scroll, &QAbstractSlider::actionTriggered, this, &CTextWorkDlg::OnScrollAction);
    connect(m_scroll, &QAbstractSlider::sliderReleased, this, &CTextWorkDlg::OnScrollReleased);

    m_text = platform::ControlById<QPlainTextEdit>(this, res::IDC_TEXTWORK_TEXT);
    // The rows come cut at 46 bytes: the box never wraps them again. A
    // narrow text margin lets a full row fit; where a font is wider still,
    // the row can be scrolled to.
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->document()->setDocumentMargin(2);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_text->setFont(platform::FixedGothicFont(12));

    m_work.Index().SetPaneSize(IndexPane()->width(), IndexPane()->height());
}

int CTextWorkDlg::SetKind(int kind) {
    const int result = m_work.SetKind(kind);
    if (result != 1) return result;
    setWindowTitle(platform::ToQString(m_work.GetTitle()));
    m_work.Start();
    m_scroll->setRange(0, m_work.Index().ScrollMax());
    m_scroll->setPageStep(std::max(1, m_work.Index().Page()));
    m_scroll->setValue(0);
    return 1;
}

void CTextWorkDlg::ShowSection(int section) {
    text::CTextWorkIndex& index = m_work.Index();
    if (section < 0 || section >= index.Count()) return;
    if (section < index.Top() || section >= index.Top() + index.Page())
        m_scroll->setValue(index.Scroll(text::ScrollCode::ThumbPosition, section));
    const text::PixelRect r = index.SlotRect(section - index.Top());
    OnMouseMove(QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
}

QString CTextWorkDlg::BoxText(const std::string& text) {
    QStringList rows;
    for (const std::string& row : text::SplitRows(text, text::CTextWork::kWrapWidth))
        rows << platform::ToQString(row);
    return rows.join(QLatin1Char('\n'));
}

QWidget* CTextWorkDlg::IndexPane() const { return m_index->Widget(); }

void CTextWorkDlg::SetBoxText(const std::string& text) { m_text->setPlainText(BoxText(text)); }

void CTextWorkDlg::PaintIndex(QPainter& painter) {
    const text::CTextWorkIndex& index = m_work.Index();
    painter.setFont(platform::FixedGothicFont(12));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(palette().color(QPalette::Button));
    // The pane is taller than its fifteen rows: the strip below them is
    // drawn too, or it shows whatever was there before.
    painter.fillRect(IndexPane()->rect(), palette().color(QPalette::Button));
    for (int i = index.Top(); i < index.Top() + index.Page(); ++i) {
        const text::PixelRect r = index.SlotRect(i - index.Top());
        const QRect slot(r.left, r.top, r.right - r.left, r.bottom - r.top);
        painter.fillRect(slot, palette().color(QPalette::Button));
        painter.setPen(i == index.RedSection() ? QColor(255, 0, 0) : QColor(0, 0, 0));
        painter.save();
        painter.setClipRect(slot);
        painter.drawText(slot, Qt::AlignLeft | Qt::AlignTop,
                         platform::ToQString(m_work.Titles()[static_cast<std::size_t>(i)]));
        painter.restore();
    }
}

void CTextWorkDlg::OnMouseMove(QPoint p) {
    const int red = m_work.Index().RedSection();
    const int section = m_work.Index().MouseMove(p.x(), p.y());
    if (section >= 0) SetBoxText(m_work.Texts()[static_cast<std::size_t>(section)]);
    if (section >= 0 || red != m_work.Index().RedSection()) IndexPane()->update();
}

void CTextWorkDlg::OnLeftClick(QPoint p) {
    const text::TextWorkClickResult r = m_work.Click(p.x(), p.y());
    switch (r.action) {
    case text::TextWorkClickResult::Nothing: break;
    case text::TextWorkClickResult::ShowText: SetBoxText(r.text); break;
    case text::TextWorkClickResult::Beep: platform::Beep(); break;
    case text::TextWorkClickResult::OpenHaikuCard:
        // The haiku card on order 0 (all registered haiku) at the named haiku.
        OpenHaikuCard(this, 0, r.position);
        break;
    }
}

void CTextWorkDlg::OnScrollAction(int action) {
    text::ScrollCode code = text::ScrollCode::Other;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: code = text::ScrollCode::LineUp; break;
    case QAbstractSlider::SliderSingleStepAdd: code = text::ScrollCode::LineDown; break;
    case QAbstractSlider::SliderPageStepSub: code = text::ScrollCode::PageUp; break;
    case QAbstractSlider::SliderPageStepAdd: code = text::ScrollCode::PageDown; break;
    case QAbstractSlider::SliderMove:
        // A dragged thumb moves nothing until it is released; the wheel over
        // the bar moves the thumb at once, and the index follows it.
        if (m_scroll->isSliderDown()) return;
        OnScrollReleased();
        return;
    default: break;
    }
    m_scroll->setSliderPosition(m_work.Index().Scroll(code));
    IndexPane()->update();
}

void CTextWorkDlg::OnScrollReleased() {
    m_scroll->setSliderPosition(m_work.Index().Scroll(text::ScrollCode::ThumbPosition, m_scroll->sliderPosition()));
    IndexPane()->update();
}
