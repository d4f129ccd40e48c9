#include <QLabel>

#include "app/AboutDlg.h"
#include "platform/DialogBuilder.h"
#include "platform/QtCodec.h"
#include "platform/ResourceImages.h"
#include "res/ResourceIds.h"
#include "res/Strings.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    platform::BuildDialog(this, res::kAboutDialogTemplate);
    setWindowIcon(platform::ResourceIcon(res::IDR_MAINFRAME));
    // The design-time text of 1000 gives way to the program title.
    if (auto* title = platform::ControlById<QLabel>(this, res::IDC_ABOUT_TITLE))
        title->setText(platform::ToQString(res::LoadString(res::IDS_APP_TITLE)));
}
