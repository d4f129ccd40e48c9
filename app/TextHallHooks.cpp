// The text works', help and tips windows as the shell reaches them.
#include <QWidget>
#include <string>

#include "app/WindowHooks.h"

// The text-work window (CTextWorkDlg): SetKind(kind); run modally only when
// that returned a positive value.
void RunTextWork(QWidget* /*owner*/, int /*kind*/) {}

// The one-point tips window (COnePointDlg), run modally.
void RunOnePointTips(QWidget* /*owner*/) {}

// The help browser (CSimpleHelpDlg) on path with its caption suffix and
// start topic, run modally.
void RunHelpBrowser(QWidget* /*owner*/, const std::string& /*path*/, const std::string& /*captionSuffix*/,
                    const std::string& /*startTopic*/) {}
