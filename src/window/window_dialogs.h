// The window's conversations with the user, behind interfaces that tests
// replace with recorders, so no dialog has to be answered on screen.
#pragma once

#include <QString>

#include "scripts/quick_panel.h"

class QWidget;

namespace talvoro {

// What the "Functions" button needs: a file to edit, and the editor started.
class EditorLauncher {
public:
    virtual ~EditorLauncher() = default;
    // The chosen file's full path, or empty when the dialog was cancelled.
    // The dialog opens in `startFolder`.
    virtual QString chooseScriptFile(const QString& filter, const QString& startFolder) = 0;
    // Starts `commandLine` without waiting for it; false if it cannot start.
    virtual bool startDetached(const QString& commandLine) = 0;
};

// The real dialogs (dialogs/message_boxes.h).
class QtWindowDialogs : public EditorLauncher, public QuickPanelDialogs {
public:
    explicit QtWindowDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    QString chooseScriptFile(const QString& filter, const QString& startFolder) override;
    bool startDetached(const QString& commandLine) override;

    QString chooseSaveFile(const QString& filter) override;
    QString chooseOpenFile(const QString& filter) override;
    bool askYesNo(const QString& text) override;
    void showMessage(const QString& text) override;

private:
    QWidget* parent_;
};

}  // namespace talvoro
