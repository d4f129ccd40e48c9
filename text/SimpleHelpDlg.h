#pragma once
// The simple help browser: one topic of Topics.txt with its links in blue,
// a preview of the link under the mouse, three search lists, and back and
// forward arrows over a history of 100 topics.
#include <QDialog>
#include <QPixmap>
#include <array>
#include <string>

#include "text/HelpBrowser.h"

class QComboBox;
class QLabel;
class QScrollBar;
class CDrawnPane;

class CSimpleHelpDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSimpleHelpDlg(QWidget* parent = nullptr);

    // Set by the opener before the window is created.
    void SetFilePath(const std::string& path) { m_path = path; }
    void SetStartTopic(const std::string& name) { m_start = name; }
    void SetCaptionSuffix(const std::string& suffix) { m_suffix = suffix; }

    // Creation: loads the topics and checks the start topic (false: the
    // window is not to be shown), then initialises the window.
    bool Create();

    text::CHelpBrowser& Browser() { return m_browser; }
    QWidget* TopicPane() const;
    QWidget* ReferencePane() const;
    QScrollBar* TopicScrollBar() const { return m_topicScroll; }
    QScrollBar* ReferenceScrollBar() const { return m_refScroll; }
    QComboBox* SearchList(int kind) const { return m_lists[static_cast<std::size_t>(kind - 1)]; }
    QLabel* KeyField(int kind) const { return m_keys[static_cast<std::size_t>(kind - 1)]; }
    QLabel* BackArrow() const { return m_back; }
    QLabel* ForwardArrow() const { return m_forward; }
    // The four arrow images: back, back greyed, forward, forward greyed.
    const QPixmap& ArrowImage(int i) const { return m_images[static_cast<std::size_t>(i)]; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Navigate(const std::string& name, text::HelpNavigation mode);
    void ShowCurrent();
    void ShowReference();
    void PaintTopic(QPainter& painter);
    void PaintReference(QPainter& painter);
    void OnTopicScroll(int action, bool released);
    void OnReferenceScroll(int action, bool released);
    void Click(text::HelpClickTarget target, QPoint p);

    text::CHelpBrowser m_browser;
    std::string m_path;
    std::string m_start;
    std::string m_suffix;
    CDrawnPane* m_topic = nullptr;
    CDrawnPane* m_reference = nullptr;
    QScrollBar* m_topicScroll = nullptr;
    QScrollBar* m_refScroll = nullptr;
    std::array<QComboBox*, 3> m_lists{};
    std::array<QLabel*, 3> m_keys{};
    QLabel* m_back = nullptr;
    QLabel* m_forward = nullptr;
    std::array<QPixmap, 4> m_images;
    bool m_pointerMoved = false;
};
