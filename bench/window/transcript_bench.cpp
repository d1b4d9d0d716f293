// How fast the window's transcript takes script output and answers the
// next line, measured on the real main window without a screen (offscreen
// Qt). Each figure runs from the key press that starts the evaluation until
// the lines are in the transcript and it has repainted.
//
//   cmake --build build --target transcript_bench
//   QT_QPA_PLATFORM=offscreen build/bin/transcript_bench
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "window/main_window.h"

namespace {

using talvoro::MainWindow;

class SilentBox : public talvoro::MessageBox {
public:
    void showMessage(const std::u16string&, const std::u16string&) override {}
};

// Types `line` into the input line and presses Enter, then lets the window
// put the output in and repaint. Returns the milliseconds that took.
double evaluate(MainWindow& window, const QString& line) {
    window.txt_input()->setText(line.toStdU16String());
    QElapsedTimer clock;
    clock.start();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(window.txt_input(), &enter);
    QCoreApplication::processEvents();
    window.txt_output()->flushPendingLines();  // in case the event loop had not got to it
    window.txt_output()->viewport()->repaint();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    SilentBox box;
    talvoro::MainWindowOptions options;
    options.programDir = dir.path().toStdString();
    options.messageBox = &box;
    MainWindow window(options);
    window.show();
    QCoreApplication::processEvents();

    const double print100k = evaluate(window, "!For i = 1 To 100000: MainForm.OPrint i: Next");
    const int blocks100k = window.txt_output()->document()->blockCount();
    std::printf("100,000 OPrint lines from one script: %.0f ms (%d lines shown)\n", print100k, blocks100k);

    const double print900k = evaluate(window, "!For i = 1 To 900000: MainForm.OPrint \"line \" & i: Next");
    std::printf("900,000 more, to a transcript of 1,000,000 lines: %.0f ms\n", print900k);

    std::vector<double> answers;
    for (int i = 0; i < 21; ++i) answers.push_back(evaluate(window, QStringLiteral("%1+1").arg(i)));
    std::printf("one more evaluation with %d lines in the transcript: median %.2f ms, slowest %.2f ms\n",
                window.txt_output()->document()->blockCount(), median(answers),
                *std::max_element(answers.begin(), answers.end()));
    return 0;
}
