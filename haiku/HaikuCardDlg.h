#pragma once
// The haiku card (dialog 131 "キロノの俳句"): one haiku of an order with its
// notes; steps with an up-down control, switches the order, sets whether it
// opens at start-up, and stores order and position when it closes. Every
// control carries its resource id as its object name. Run it modally.
#include <QDialog>
#include <memory>

#include "haiku/HaikuCard.h"

class QCheckBox;
class QComboBox;

class CHaikuCardDlg : public QDialog {
    Q_OBJECT
public:
    explicit CHaikuCardDlg(QWidget* parent = nullptr);
    ~CHaikuCardDlg() override;

    // Callers set the order first, then the position (clamped to the order).
    void SetOrder(int order);
    void SetPosition(int position);
    // Rebuilds the table, reads the notes and refreshes every field.
    void ShowHaiku();

    const CHaikuCard& Card() const { return *m_card; }
    // The control with that resource id, or nullptr.
    QWidget* Control(int id) const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnInitDialog();
    void Refresh();
    void OnStep(int step);
    void OnOrderSelected(int index);
    void OnStartupClicked();
    void Store();

    std::unique_ptr<CHaikuCard> m_card;
    QComboBox* m_orderBox = nullptr;
    QCheckBox* m_startupBox = nullptr;
    bool m_initialised = false;
    bool m_stored = false;
};
