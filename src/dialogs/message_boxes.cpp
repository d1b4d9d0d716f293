#include "dialogs/message_boxes.h"

#include <QApplication>
#include <QFileDialog>
#include <QProcess>

#include "dialogs/copyable_message_box.h"

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

QString chooseOpenFile(QWidget* parent, const QString& filter, const QString& startFolder) {
    return QFileDialog::getOpenFileName(parent, QString(), startFolder, filter);
}

QString chooseSaveFile(QWidget* parent, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, QString(), QString(), filter);
}

bool askYesNo(QWidget* parent, const QString& text) {
    CopyableMessageBox box(QMessageBox::NoIcon, QString::fromStdU16String(kApplicationTitle), text,
                           QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

void showInformation(QWidget* parent, const QString& text) {
    CopyableMessageBox box(QMessageBox::Information, QString::fromStdU16String(kApplicationTitle), text,
                           QMessageBox::Ok, parent);
    box.exec();
}

bool startDetached(const QString& commandLine) {
    QStringList parts = QProcess::splitCommand(commandLine);
    if (parts.isEmpty()) return false;
    const QString program = parts.takeFirst();
    return QProcess::startDetached(program, parts);
}

}  // namespace talvoro
