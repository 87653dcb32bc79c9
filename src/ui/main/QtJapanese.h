#pragma once

class QCoreApplication;

// Loads Qt's own Japanese texts (the standard buttons of message boxes, the
// file and print dialogs) from Qt's translations folder, whatever the
// user's locale, so they match the program's Japanese messages. Returns
// false when the translations are not installed; Qt's texts then stay
// English.
bool loadQtJapanese(QCoreApplication& app);
