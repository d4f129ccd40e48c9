#pragma once
// The calendar hall's comparison list: one old-calendar year, one row per day,
// old month, day and the day's cycle name beside the Western year, month, day
// and weekday. It starts at 1644; the display-year window (a right click in
// the rows, or the command 表示年の設定) chooses another year of 1644..1694.
// A left click neither selects nor focuses a row; the keyboard still does.
#include <QTreeView>
#include <functional>
#include <memory>
#include <string>

class CCalendarYearModel;
class CCalendarYearRows;

class COldNewSimpleListView : public QTreeView {
    Q_OBJECT
public:
    static constexpr int kFirstDisplayYear = 1644;
    static constexpr int kLastDisplayYear = 1694;

    // Receives the caption (Shift-JIS) after every fill: the document takes it
    // as its title without entering the recent-document list.
    using TitleSink = std::function<void(const std::string&)>;
    // Opens the tips window after the view has stored the tip to show first.
    using TipsRunner = std::function<void()>;

    explicit COldNewSimpleListView(QWidget* parent = nullptr);
    ~COldNewSimpleListView() override;

    void SetTitleSink(TitleSink sink) { m_titleSink = std::move(sink); }
    void SetTipsRunner(TipsRunner runner) { m_tipsRunner = std::move(runner); }

    // The first fill, after the window's own initial update.
    void OnInitialUpdate();
    // Commands routed to the view; true when the view handled the command.
    bool OnCommand(int id);
    // 表示年の設定: opens the display-year window (modally, through the
    // shell's RunModalDialog); on OK rebuilds the list.
    void OnSetDisplayYear();
    // ワンポイント: the tips from the calendar hall always start at tip 42.
    void OnOnePoint();

    // Shows year (1644..1694) from month 1 as the display-year window would;
    // false, with nothing changed, for any other year.
    bool ShowYear(int year);

    int GetDisplayYear() const { return m_displayYear; }
    int GetDisplayMonth() const { return m_displayMonth; }
    const std::string& GetCaption() const { return m_caption; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void Fill();
    void SetColumnWidths();

    int m_displayYear = kFirstDisplayYear;
    int m_displayMonth = 1;
    std::unique_ptr<CCalendarYearRows> m_rows;
    CCalendarYearModel* m_model;
    std::string m_caption;
    TitleSink m_titleSink;
    TipsRunner m_tipsRunner;
};
