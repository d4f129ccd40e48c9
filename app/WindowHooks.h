#pragma once
// The windows other halls supply, reached through replaceable hooks so that
// tests can record what a command asks for instead of running a modal
// window. Each default lives in the file of its hall:
//   app/HaikuHallHooks.cpp     CreateHaikuListView, ShowHaikuCardDialog
//   app/CalendarHallHooks.cpp  CreateCalendarView
//   app/TextHallHooks.cpp      ShowTextWorkDialog, ShowOnePointTipsDialog, RunHelpBrowser
// A window opens the haiku card or a text work only through OpenHaikuCard
// and OpenTextWork.
// Every modal dialog should run through RunModalDialog.
#include <QString>
#include <functional>
#include <string>

class QDialog;
class QWidget;
class CKirokanDoc;

struct WindowHooks {
    // The view of a document window of template 2 (haiku list) or 3
    // (old/new calendar list).
    std::function<QWidget*(CKirokanDoc*)> createHaikuListView;
    std::function<QWidget*(CKirokanDoc*)> createCalendarView;
    // Modal windows owned by owner. A text work of kind (text/TextWorkKind.h)
    // with section (from 0) shown as if the mouse rested on its title, or
    // none for -1; the haiku card at an order and position.
    std::function<void(QWidget* owner, int kind, int section)> showTextWork;
    std::function<void(QWidget* owner, int order, int position)> showHaikuCard;
    std::function<void(QWidget* owner)> showOnePointTips;
    // path: Topics.txt; captionSuffix and startTopic are Shift-JIS.
    std::function<void(QWidget* owner, const std::string& path, const std::string& captionSuffix,
                       const std::string& startTopic)>
        runHelpBrowser;
    // Runs a modal dialog and returns its result (QDialog::exec by default).
    std::function<int(QDialog*)> runModal;
    // The open command's file dialog: a path, or empty when cancelled.
    std::function<QString(QWidget* owner)> getOpenFileName;
};

// The hooks in force (initialised with the defaults below).
WindowHooks& GetWindowHooks();
// Restores every default.
void ResetWindowHooks();

// Qt's own open dialog with every column of its detail view wide enough for
// its entries (a native dialog has no such view and is left as it is).
class QFileDialog;
void FitFileDialogColumns(QFileDialog* dialog);

// Runs dialog modally through the hook.
int RunModalDialog(QDialog* dialog);

// The one way to open the haiku card and a text work: through the hooks.
void OpenHaikuCard(QWidget* owner, int order, int position);
void OpenTextWork(QWidget* owner, int kind, int section = -1);

// The defaults.
QWidget* CreateHaikuListView(CKirokanDoc* doc);
QWidget* CreateCalendarView(CKirokanDoc* doc);
void ShowTextWorkDialog(QWidget* owner, int kind, int section);
void ShowHaikuCardDialog(QWidget* owner, int order, int position);
void ShowOnePointTipsDialog(QWidget* owner);
void RunHelpBrowser(QWidget* owner, const std::string& path, const std::string& captionSuffix,
                    const std::string& startTopic);
