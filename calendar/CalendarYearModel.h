#pragma once
// The rows of one old-calendar year as a table for the calendar list: seven
// centred columns with their headers, texts converted from Shift-JIS as they
// are drawn. The rows themselves stay in the CCalendarYearRows it reads.
#include <QAbstractTableModel>

class CCalendarYearRows;

class CCalendarYearModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CCalendarYearModel(const CCalendarYearRows& rows, QObject* parent = nullptr);

    // Refills the rows for a year, telling the views the whole table changed.
    // Returns the row count, or -1 for a year outside the calendar.
    int Fill(CCalendarYearRows& rows, int year);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const CCalendarYearRows& m_rows;
};
