// The calendar hall's windows as the shell reaches them.
#include <QWidget>

#include "app/PlaceholderView.h"
#include "app/WindowHooks.h"

// Template 3's view: the old/new calendar list (COldNewSimpleListView).
QWidget* CreateCalendarView(CKirokanDoc* /*doc*/) { return new CPlaceholderView; }
