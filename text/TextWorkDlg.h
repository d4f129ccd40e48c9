#pragma once
// The text-work window: the index of one sectioned TxtData file on the
// left (15 rows, its own scroll bar), the hovered section's text on the
// right; a click shows part 3 or opens the haiku card, by kind.
#include <QDialog>

#include "text/TextWork.h"

class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class CDrawnPane;

class CTextWorkDlg : public QDialog {
    Q_OBJECT
public:
    explicit CTextWorkDlg(QWidget* parent = nullptr);

    // 1 when the kind's file loaded (the window may be run), else -1.
    int SetKind(int kind);
    // Scrolls the index to a section (from 0) and shows it as a mouse resting
    // on its title would: the title red, its text in the box. Nothing for a
    // section the file does not have.
    void ShowSection(int section);

    text::CTextWork& Work() { return m_work; }
    QWidget* IndexPane() const;
    QScrollBar* IndexScrollBar() const { return m_scroll; }
    QPlainTextEdit* TextBox() const { return m_text; }
    // Rows of the text box for a fetched text (46-byte rows).
    static QString BoxText(const std::string& text);

private:
    void PaintIndex(QPainter& painter);
    void OnMouseMove(QPoint p);
    void OnLeftClick(QPoint p);
    void OnScrollAction(int action);
    void OnScrollReleased();
    void SetBoxText(const std::string& text);

    text::CTextWork m_work;
    CDrawnPane* m_index = nullptr;
    QScrollBar* m_scroll = nullptr;
    QPlainTextEdit* m_text = nullptr;
};
