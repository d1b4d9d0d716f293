#include "window/window_dialogs.h"

#include "dialogs/message_boxes.h"

namespace talvoro {

QString QtWindowDialogs::chooseScriptFile(const QString& filter, const QString& startFolder) {
    return talvoro::chooseOpenFile(parent_, filter, startFolder);
}

bool QtWindowDialogs::startDetached(const QString& commandLine) { return talvoro::startDetached(commandLine); }

QString QtWindowDialogs::chooseSaveFile(const QString& filter) { return talvoro::chooseSaveFile(parent_, filter); }

QString QtWindowDialogs::chooseOpenFile(const QString& filter) { return talvoro::chooseOpenFile(parent_, filter); }

bool QtWindowDialogs::askYesNo(const QString& text) { return talvoro::askYesNo(parent_, text); }

void QtWindowDialogs::showMessage(const QString& text) { showInformation(parent_, text); }

}  // namespace talvoro
