// The haiku hall's windows as the shell reaches them.
#include <QWidget>

#include "app/PlaceholderView.h"
#include "app/WindowHooks.h"

// Template 2's view: the haiku list (CHaikuListView).
QWidget* CreateHaikuListView(CKirokanDoc* /*doc*/) { return new CPlaceholderView; }

// The haiku card (CHaikuCardDlg): SetOrder(order), SetPosition(position),
// run modally owned by owner.
void RunHaikuCard(QWidget* /*owner*/, int /*order*/, int /*position*/) {}
