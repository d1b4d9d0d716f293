#include "window/qt_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>

namespace talvoro {

namespace {

QString titleOrDefault(const std::u16string& title) {
    return QString::fromStdU16String(title.empty() ? std::u16string(kApplicationTitle) : title);
}

}  // namespace

void QtMessageBox::showMessage(const std::u16string& text, const std::u16string& title) {
    QMessageBox box(QMessageBox::NoIcon, titleOrDefault(title), QString::fromStdU16String(text), QMessageBox::Ok,
                    parent_);
    box.exec();
}

QString QtWindowDialogs::chooseScriptFile(const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, QString(), QString(), filter);
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
    return QMessageBox::question(parent_, QString::fromStdU16String(kApplicationTitle), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void QtWindowDialogs::showMessage(const QString& text) {
    QMessageBox::information(parent_, QString::fromStdU16String(kApplicationTitle), text);
}

}  // namespace talvoro
