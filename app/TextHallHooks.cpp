// The text works', help and tips windows as the shell reaches them.
#include <QWidget>
#include <string>

#include "app/WindowHooks.h"
#include "text/OnePointDlg.h"
#include "text/SimpleHelpDlg.h"
#include "text/TextWorkDlg.h"

// The text-work window (CTextWorkDlg): SetKind(kind); run modally only when
// that returned a positive value, with the section (unless -1) shown as if
// hovered.
void ShowTextWorkDialog(QWidget* owner, int kind, int section) {
    CTextWorkDlg dialog(owner);
    if (dialog.SetKind(kind) != 1) return;
    if (section >= 0) dialog.ShowSection(section);
    RunModalDialog(&dialog);
}

// The one-point tips window (COnePointDlg), run modally. When the tips file
// cannot be read the window closes at once (and stores 0 as the next tip).
void ShowOnePointTipsDialog(QWidget* owner) {
    COnePointDlg dialog(owner);
    if (!dialog.InitDialog()) {
        dialog.done(0);
        return;
    }
    RunModalDialog(&dialog);
}

// The help browser (CSimpleHelpDlg) on path with its caption suffix and
// start topic, run modally.
void RunHelpBrowser(QWidget* owner, const std::string& path, const std::string& captionSuffix,
                    const std::string& startTopic) {
    CSimpleHelpDlg dialog(owner);
    dialog.SetFilePath(path);
    dialog.SetCaptionSuffix(captionSuffix);
    dialog.SetStartTopic(startTopic);
    if (!dialog.Create()) return;
    RunModalDialog(&dialog);
}
