// The program's message boxes through Qt: modal boxes whose text Ctrl+C
// copies, the file dialogs, and starting another program. The window uses
// them through its own interfaces, so tests can replace them with recorders.
#pragma once

#include <QString>
#include <string>

#include "settings/message_box.h"

class QWidget;

namespace talvoro {

// The title every box carries unless it is given one.
inline constexpr char16_t kApplicationTitle[] = u"Talvoro";

// `title`, or the application's title when it is empty.
QString titleOrDefault(const std::u16string& title);

// A QMessageBox with an OK button, parented to the window.
class QtMessageBox : public MessageBox {
public:
    explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void showMessage(const std::u16string& text, const std::u16string& title) override;

private:
    QWidget* parent_;
};

// A file to open or to save, chosen in a dialog that starts in `startFolder`
// (empty: where the dialog likes); empty when cancelled.
QString chooseOpenFile(QWidget* parent, const QString& filter, const QString& startFolder = {});
QString chooseSaveFile(QWidget* parent, const QString& filter);
// A Yes/No question and an information box, with the application's title.
bool askYesNo(QWidget* parent, const QString& text);
void showInformation(QWidget* parent, const QString& text);
// Starts `commandLine` without waiting for it; false if it cannot start.
bool startDetached(const QString& commandLine);

}  // namespace talvoro
