// A main window built in a temporary program directory, with recorders in
// place of every dialog, so the widget tests never wait for a person.
#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "engine/values/ops.h"
#include "window/main_window.h"

namespace talvoro::testing {

class RecordingBox : public MessageBox {
public:
    void showMessage(const std::u16string& text, const std::u16string&) override {
        texts.push_back(QString::fromStdU16String(text));
    }
    std::vector<QString> texts;
};

class FakeEditor : public EditorLauncher {
public:
    QString chooseScriptFile(const QString& filter, const QString& startFolder) override {
        filters.push_back(filter);
        startFolders.push_back(startFolder);
        return chosen;
    }
    bool startDetached(const QString& commandLine) override {
        commands.push_back(commandLine);
        return starts;
    }
    QString chosen;
    bool starts = true;
    std::vector<QString> filters;
    std::vector<QString> startFolders;
    std::vector<QString> commands;
};

class SilentQuickDialogs : public QuickPanelDialogs {
public:
    QString chooseSaveFile(const QString&) override { return {}; }
    QString chooseOpenFile(const QString&) override { return {}; }
    bool askYesNo(const QString&) override { return false; }
    void showMessage(const QString&) override {}
};

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class WindowRig {
public:
    // `script`: the main script file's text; a null array writes no file.
    explicit WindowRig(const QByteArray& script, const QByteArray& defaults = {}) {
        if (!script.isNull()) writeFile(path("scripts.tvo"), script);
        if (!defaults.isNull()) writeFile(path("defaults.txt"), defaults);
        MainWindowOptions options;
        options.programDir = dir.path().toStdString();
        options.messageBox = &box;
        options.editor = &editor;
        options.quickDialogs = &quick;
        window = std::make_unique<MainWindow>(options);
    }

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // The transcript's lines, without the empty one after the last CR LF.
    QStringList lines() const {
        QString text = QString::fromStdU16String(window->txt_output()->Text());
        QStringList all = text.split(QStringLiteral("\r\n"));
        if (!all.isEmpty() && all.last().isEmpty()) all.removeLast();
        return all;
    }

    QString inputText() const { return QString::fromStdU16String(window->txt_input()->text()); }

    // Types `text` into the input line and presses Enter.
    void enter(const QString& text) {
        QTest::keyClicks(window->txt_input(), text);
        QTest::keyClick(window->txt_input(), Qt::Key_Return);
    }

    // Runs one statement as a script on the main engine, as the input line's
    // "!" command does; the error description, or empty.
    QString run(const QString& statement) {
        try {
            window->scr_main().ExecuteStatement(statement.toStdU16String());
            return {};
        } catch (const vbs::ScriptException& e) {
            return QString::fromStdU16String(e.error().description);
        }
    }

    QVariant eval(const QString& expression) {
        vbs::Variant v = window->scr_main().Eval(expression.toStdU16String());
        std::u16string text;
        vbs::ops::toString(v.deref(), text);
        return QString::fromStdU16String(text);
    }

    QTemporaryDir dir;
    RecordingBox box;
    FakeEditor editor;
    SilentQuickDialogs quick;
    std::unique_ptr<MainWindow> window;
};

}  // namespace talvoro::testing
