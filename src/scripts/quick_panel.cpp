// The quick script panel: run, Tab as three spaces, save / load / clear, and
// the mark on the line a failed run stopped at.
#include "scripts/quick_panel.h"

#include <QColor>
#include <QEvent>
#include <QFile>
#include <QFont>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QWidget>

#include "console/script_block.h"
#include "scripts/vbs_highlighter.h"

namespace talvoro {

namespace {

// Where the panel's controls sit in the window's client area (pixels).
constexpr int kTextLeft = 0;
constexpr int kTextTop = 206;
constexpr int kTextHeight = 129;
constexpr int kDefaultTextWidth = 201;
constexpr int kButtonTop = 336;
constexpr int kButtonHeight = 19;

// Tab is cancelled in the text and this typed instead.
const QString kTabReplacement = QStringLiteral("   ");

// The background of the line a failed run stopped at: a pale red that keeps
// the highlighter's colours readable.
const QColor kFailedLineBackground(255, 220, 220);

QPushButton* makeButton(QWidget* parent, const QString& caption, int left, int width) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(left, kButtonTop, width, kButtonHeight);
    // A click leaves the keyboard where it was: a focused button would take
    // the next key typed, which then never reaches the text.
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

// The panel's text as a file holds it: lines joined by CR LF, in UTF-8.
QByteArray encodeForFile(const QString& panelText) {
    QString text = panelText;
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text.toUtf8();
}

// A file's bytes as panel text. Files are UTF-8 (the decoder drops a leading
// byte-order mark); bytes that are not valid UTF-8 come from an older editor
// that wrote the ANSI code page, read as Latin-1 so that no character is lost.
// CR LF and a lone CR both end a line.
QString decodeFromFile(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) text = QString::fromLatin1(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

std::u16string toU16(const QString& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()));
}

}  // namespace

struct QuickPanel::State {
    State(vbs::ScriptEngine& e, Transcript& t, QuickPanelDialogs& d) : engine(e), transcript(t), dialogs(d) {}

    vbs::ScriptEngine& engine;
    Transcript& transcript;
    QuickPanelDialogs& dialogs;
    // Guarded: the window may delete its children before the panel goes.
    QPointer<QPlainTextEdit> text;
    QPointer<QPushButton> run;
    QPointer<QPushButton> files[2];  // 0 "Save", 1 "Load"
    QPointer<QPushButton> clear;
    VbsHighlighter* highlighter = nullptr;
    std::function<bool()> refuse;
    std::function<void()> afterRun;

    bool refused() const { return refuse && refuse(); }
};

// Catches Tab in the text box before the box would insert a tab character
// or move the focus.
class QuickPanelTabFilter : public QObject {
public:
    explicit QuickPanelTabFilter(QPlainTextEdit* text) : QObject(text), text_(text) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != text_ || event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Shift+Tab arrives as Backtab; it is the same key (Tab) with Shift.
        if (key != Qt::Key_Tab && key != Qt::Key_Backtab) return false;
        text_->textCursor().insertText(kTabReplacement);
        return true;  // the key is cancelled
    }

private:
    QPlainTextEdit* text_;
};

QuickPanel::QuickPanel(QWidget* parent, vbs::ScriptEngine& engine, Transcript& transcript,
                       QuickPanelDialogs& dialogs)
    : QObject(parent), state_(std::make_unique<State>(engine, transcript, dialogs)) {
    State& s = *state_;
    s.text = new QPlainTextEdit(parent);
    s.text->setObjectName(QStringLiteral("txt_quick"));
    s.text->setGeometry(kTextLeft, kTextTop, kDefaultTextWidth, kTextHeight);
    s.text->setLineWrapMode(QPlainTextEdit::NoWrap);
    s.text->setTabChangesFocus(false);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);  // a monospaced stand-in where the face is missing
    font.setPointSizeF(9.75);
    s.text->setFont(font);
    s.text->installEventFilter(new QuickPanelTabFilter(s.text));
    s.highlighter = new VbsHighlighter(s.text->document());

    s.run = makeButton(parent, QStringLiteral("Run"), 0, 41);
    s.run->setObjectName(QStringLiteral("cmd_quickrun"));
    s.files[1] = makeButton(parent, QStringLiteral("Load"), 40, 41);
    s.files[1]->setObjectName(QStringLiteral("cmd_file_1"));
    s.files[0] = makeButton(parent, QStringLiteral("Save"), 80, 41);
    s.files[0]->setObjectName(QStringLiteral("cmd_file_0"));
    s.clear = makeButton(parent, QStringLiteral("Clear"), 120, 33);
    s.clear->setObjectName(QStringLiteral("cmd_clear"));

    // Tab order among the panel's own controls: Run, Clear, the text, Save, Load.
    QWidget::setTabOrder(s.run, s.clear);
    QWidget::setTabOrder(s.clear, s.text);
    QWidget::setTabOrder(s.text, s.files[0]);
    QWidget::setTabOrder(s.files[0], s.files[1]);

    connect(s.run, &QPushButton::clicked, this, [this] { cmd_quickrun_Click(); });
    connect(s.files[0], &QPushButton::clicked, this, [this] { cmd_file_Click(0); });
    connect(s.files[1], &QPushButton::clicked, this, [this] { cmd_file_Click(1); });
    connect(s.clear, &QPushButton::clicked, this, [this] { cmd_clear_Click(); });

    // The failed-line mark stays until the text itself changes; format-only
    // changes (the highlighter's) leave it.
    connect(s.text->document(), &QTextDocument::contentsChange, this,
            [this](int, int removed, int added) {
                if (removed != 0 || added != 0) state_->text->setExtraSelections({});
            });
}

// The controls go with the panel, so a window can drop the panel on its own.
QuickPanel::~QuickPanel() {
    State& s = *state_;
    delete s.text;
    delete s.run;
    delete s.files[0];
    delete s.files[1];
    delete s.clear;
}

QPlainTextEdit* QuickPanel::txt_quick() const { return state_->text; }
QPushButton* QuickPanel::cmd_quickrun() const { return state_->run; }
QPushButton* QuickPanel::cmd_file(int index) const {
    return (index == 0 || index == 1) ? state_->files[index] : nullptr;
}
QPushButton* QuickPanel::cmd_clear() const { return state_->clear; }

void QuickPanel::setPanelWidth(int width) {
    state_->text->resize(width < 0 ? 0 : width, kTextHeight);
}

void QuickPanel::setWindowHooks(std::function<bool()> refuse, std::function<void()> afterRun) {
    state_->refuse = std::move(refuse);
    state_->afterRun = std::move(afterRun);
}

void QuickPanel::cmd_quickrun_Click() {
    State& s = *state_;
    if (s.refused()) return;
    s.text->setExtraSelections({});
    if (const int failedLine = runScriptBlock(s.engine, s.transcript, toU16(s.text->toPlainText())))
        markFailedLine(failedLine);
    if (s.afterRun) s.afterRun();
}

void QuickPanel::markFailedLine(int line) {
    QPlainTextEdit* text = state_->text;
    QTextBlock block = text->document()->findBlockByNumber(line - 1);
    if (line < 1 || !block.isValid()) return;
    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(block);
    mark.format.setBackground(kFailedLineBackground);
    mark.format.setProperty(QTextFormat::FullWidthSelection, true);
    text->setExtraSelections({mark});
}

void QuickPanel::cmd_file_Click(int index) {
    if (state_->refused()) return;
    const QString filter = QString::fromLatin1(kScriptFilter);
    if (index == 0) {
        const QString path = state_->dialogs.chooseSaveFile(filter);
        if (!path.isEmpty()) saveTo(path);
    } else if (index == 1) {
        const QString path = state_->dialogs.chooseOpenFile(filter);
        if (!path.isEmpty()) loadFrom(path);
    }
}

void QuickPanel::saveTo(const QString& path) {
    QFile file(path);
    const QByteArray bytes = encodeForFile(state_->text->toPlainText());
    // flush() too: a full disk shows only when the buffered bytes go out.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() ||
        !file.flush()) {
        state_->dialogs.showMessage(QStringLiteral("The script could not be saved to \"%1\": %2")
                                        .arg(path, file.errorString()));
    }
}

void QuickPanel::loadFrom(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        state_->dialogs.showMessage(QStringLiteral("The script could not be loaded from \"%1\": %2")
                                        .arg(path, file.errorString()));
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        state_->dialogs.showMessage(QStringLiteral("The script could not be loaded from \"%1\": %2")
                                        .arg(path, file.errorString()));
        return;
    }
    state_->text->setPlainText(decodeFromFile(bytes));
}

void QuickPanel::cmd_clear_Click() {
    if (state_->refused()) return;
    if (state_->dialogs.askYesNo(QStringLiteral("Are you sure you want to clear the box?"))) {
        state_->text->clear();
    }
}

}  // namespace talvoro
