#include <QAbstractTableModel>

#include "calendar/CalendarYearModel.h"
#include "calendar/CalendarYearRows.h"
#include "platform/QtCodec.h"

CCalendarYearModel::CCalendarYearModel(const CCalendarYearRows& rows, QObject* parent)
    : QAbstractTableModel(parent), m_rows(rows) {}

int CCalendarYearModel::Fill(CCalendarYearRows& rows, int year) {
    beginResetModel();
    const int count = rows.Fill(year);
    endResetModel();
    return count;
}

int CCalendarYearModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows.GetRowCount();
}

int CCalendarYearModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : CCalendarYearRows::kColumnCount;
}

QVariant CCalendarYearModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return platform::ToQString(m_rows.GetCell(index.row(), index.column()));
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    return {};
}

QVariant CCalendarYearModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) return platform::ToQString(CCalendarYearRows::GetHeader(section));
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags CCalendarYearModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
