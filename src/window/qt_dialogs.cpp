#include "window/qt_dialogs.h"

#include "window/copyable_message_box.h"

#include <QApplication>
#include <QFileDialog>
#include <QProcess>

namespace talvoro {

QString titleOrDefault(const std::u16string& title) {
    return QString::fromStdU16String(title.empty() ? std::u16string(kApplicationTitle) : title);
}

void QtMessageBox::showMessage(const std::u16string& text, const std::u16string& title) {
    // Over the dialog the user is answering, if any (the input box refusing
    // an answer), so the box is not hidden behind it.
    QWidget* owner = QApplication::activeModalWidget() != nullptr ? QApplication::activeModalWidget() : parent_;
    CopyableMessageBox box(QMessageBox::NoIcon, titleOrDefault(title), QString::fromStdU16String(text),
                           QMessageBox::Ok, owner);
    box.exec();
}

QString QtWindowDialogs::chooseScriptFile(const QString& filter, const QString& startFolder) {
    return QFileDialog::getOpenFileName(parent_, QString(), startFolder, filter);
}

bool QtWindowDialogs::startDetached(const QString& commandLine) {
    QStringList parts = QProcess::splitCommand(commandLine);
    if (parts.isEmpty()) return false;
    const QString program = parts.takeFirst();
    return QProcess::startDetached(program, parts);
}

QString QtWindowDialogs::chooseSaveFile(const QString& filter) {
    return QFileDialog::getSaveFileName(parent_, QString(), QString(), filter);
}

QString QtWindowDialogs::chooseOpenFile(const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, QString(), QString(), filter);
}

bool QtWindowDialogs::askYesNo(const QString& text) {
    CopyableMessageBox box(QMessageBox::NoIcon, QString::fromStdU16String(kApplicationTitle), text,
                           QMessageBox::Yes | QMessageBox::No, parent_);
    return box.exec() == QMessageBox::Yes;
}

void QtWindowDialogs::showMessage(const QString& text) {
    CopyableMessageBox box(QMessageBox::Information, QString::fromStdU16String(kApplicationTitle), text,
                           QMessageBox::Ok, parent_);
    box.exec();
}

}  // namespace talvoro
