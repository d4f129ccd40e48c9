#pragma once
// Qt's own dialogs and menus (the open and print dialogs, an edit field's
// context menu, a document window's system menu) speak the user's language:
// under a Japanese locale Qt's Japanese translations are installed.
class QLocale;

namespace platform {

// Installs Qt's translations for the locale when it is Japanese; true when
// they were found and installed. Call once, after the application object
// exists.
bool InstallQtTranslations(const QLocale& locale);

}  // namespace platform
