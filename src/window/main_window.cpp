#include "window/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

#include "console/command_evaluator.h"
#include "console/command_history.h"
#include "dialogs/input_box.h"
#include "scripts/quick_panel.h"
#include "settings/cvar_store.h"
#include "settings/program_paths.h"
#include "settings/setting_keys.h"
#include "window/blocked_close_requests.h"
#include "window/drawing_surface.h"
#include "window/script_run_monitor.h"
#include "window/typing_help.h"
#include "dialogs/script_dialogs.h"

namespace talvoro {

namespace {

constexpr int kClearIntervalMs = 50;
constexpr int kScanIntervalMs = 200;
// The outer width before the start-up applies WindowNormal: the console
// column with its frame.
constexpr int kDesignOuterWidth = 207;

constexpr char16_t kLockedText[] = u"Calculator is locked from closing";

// A long run shows in the title, with the way out: Enter does nothing
// meanwhile, and without a sign the window would seem to ignore the user.
QString titleFor(bool longRun) {
    QString title = QString::fromStdU16String(kApplicationTitle);
    if (longRun) title += QString::fromUtf16(u" \u2014 running (Esc stops)");
    return title;
}

QPushButton* button(QWidget* parent, const char* caption, QRect place, const char* toolTip = nullptr) {
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setGeometry(place);
    if (toolTip != nullptr) b->setToolTip(QString::fromUtf8(toolTip));
    // Clicking a button leaves the keyboard with the line being typed.
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

QCheckBox* checkBox(QWidget* parent, const char* caption, QRect place, const char* toolTip) {
    auto* c = new QCheckBox(QString::fromLatin1(caption), parent);
    c->setGeometry(place);
    c->setToolTip(QString::fromUtf8(toolTip));
    c->setFocusPolicy(Qt::TabFocus);
    return c;
}

}  // namespace

MainWindow::MainWindow(MainWindowOptions options, QWidget* parent)
    : QWidget(parent),
      options_(options),
      programDir_(options.programDir.empty() ? programDirectory() : options.programDir),
      qtBox_(this),
      qtDialogs_(this),
      box_(options.messageBox != nullptr ? *options.messageBox : qtBox_),
      editor_(options.editor != nullptr ? *options.editor : static_cast<EditorLauncher&>(qtDialogs_)),
      outerTarget_(kDesignOuterWidth, 229) {
    setWindowTitle(titleFor(false));
    scr_main_.SetTimeout(kMainEngineTimeoutMs);
    scr_main_.SetHostHooks(windowDialogHooks(this, [this] { return scr_main_.Stopping(); }));
    monitor_ = std::make_unique<ScriptRunMonitor>(scr_main_, *this);
    connect(monitor_.get(), &ScriptRunMonitor::longRunChanged, this,
            [this](bool longRun) { setWindowTitle(titleFor(longRun)); });
    // A start-up script that runs long shows the window, so that the user
    // sees it working and can interrupt it.
    monitor_->setBeforeEvents([this] {
        if (formLoading_ && !isVisible()) show();
    });
    // A close asked for while the script waits in a dialog it opened (with
    // "Lock" checked it is turned down, and the dialog stays).
    blockedClose_ = std::make_unique<BlockedCloseRequests>(*this, [this] {
        if (scr_main_.Running()) QTimer::singleShot(0, this, [this] { close(); });
    });
    createControls();
    setTabOrder();
    connectHandlers();
    if (options_.prepareEngine) options_.prepareEngine(scr_main_);
    runFormLoad();
}

MainWindow::~MainWindow() = default;

// ---- building the window --------------------------------------------------------

void MainWindow::createControls() {
    txt_output_ = new TranscriptPane(this);
    txt_output_->setGeometry(0, 0, 201, 145);
    txt_input_ = new InputPane(this);
    txt_input_->setGeometry(0, 144, 201, 41);
    txt_output_->setInputLine(txt_input_);
    createButtonRow();

    QuickPanelDialogs& quickDialogs = options_.quickDialogs != nullptr ? *options_.quickDialogs : qtDialogs_;
    quick_ = std::make_unique<QuickPanel>(this, scr_main_, *txt_output_, quickDialogs);
    chk_lock_ = checkBox(this, "Lock", QRect(155, 338, 49, 17), "This locks the calculator from closing");
    cmd_clipboard_ = button(this, "Output to Clipboard", QRect(208, 336, 113, 17),
                            "Takes what's on the output screen and places it the clipboard");
    pic_draw_ = new DrawingSurface(this);
    pic_draw_->setGeometry(203, 0, DrawingSurface::kWidth, DrawingSurface::kHeight);

    tmr_clear_ = new QTimer(this);
    tmr_clear_->setInterval(kClearIntervalMs);
    tmr_scan_ = new QTimer(this);
    tmr_scan_->setInterval(kScanIntervalMs);

    objects_ = std::make_unique<ObjectModel>(
        *this, *txt_output_,
        [this] {
            ScreenFacts facts;
            facts.twipsPerPixelX = 1440.0 / logicalDpiX();
            facts.twipsPerPixelY = 1440.0 / logicalDpiY();
            if (const QScreen* s = screen()) {
                facts.widthPixels = s->geometry().width();
                facts.heightPixels = s->geometry().height();
            }
            return facts;
        },
        AppFacts{QString::fromStdString(programDir_).toStdU16String(), kApplicationTitle,
                 QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdU16String()},
        scr_main_, pic_draw_->scriptObject());
    library_ = std::make_unique<ScriptLibrary>(
        scr_main_, [this](vbs::ScriptEngine& engine) { objects_->registerAll(engine); }, box_,
        windowPopup(this, [this] { return scr_main_.Stopping(); }));

    completion_ = std::make_unique<CompletionModel>(scr_main_);
    inputHelp_ = std::make_unique<TypingHelp>(*txt_input_, *completion_);
    quickHelp_ = std::make_unique<TypingHelp>(*quick_->txt_quick(), *completion_);
    connect(monitor_.get(), &ScriptRunMonitor::stoppedByUser, this, [this] {
        inputHelp_->closePopup();
        quickHelp_->closePopup();
    });
}

void MainWindow::createButtonRow() {
    chk_ontop_ = checkBox(this, "On Top", QRect(0, 186, 57, 17),
                          "This selects wether the window is on top of everything");
    Command1_ = button(this, "Reload", QRect(64, 186, 49, 17), "Reloads the scripts and clears all variables");
    cmd_funcs_ = button(this, "Functions", QRect(112, 186, 57, 17), "Opens notepad to edit the scripts");
    cmd_quick_ = button(this, "Q", QRect(168, 186, 17, 17));
    Command2_ = button(this, ">", QRect(184, 186, 17, 17));
}

// The tab order of the layout: transcript, input, On Top, Functions, Reload,
// ">", surface, Run, "Q", Clear, quick text, Save, Load, Lock, clipboard.
void MainWindow::setTabOrder() {
    QWidget* order[] = {txt_output_,           txt_input_,           chk_ontop_,
                        cmd_funcs_,            Command1_,            Command2_,
                        pic_draw_,             quick_->cmd_quickrun(), cmd_quick_,
                        quick_->cmd_clear(),   quick_->txt_quick(),  quick_->cmd_file(0),
                        quick_->cmd_file(1),   chk_lock_,            cmd_clipboard_};
    for (size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void MainWindow::connectHandlers() {
    lineEditor_ = std::make_unique<LineEditor>(*txt_input_, processHistory(), vars_.AnsIns);
    InputKeyHandlers keys;
    keys.editor = lineEditor_.get();
    keys.evaluate = [this] { EvaluateInput(); };
    keys.refuseEvaluation = [this] { return monitor_->refuse(); };
    txt_input_->setKeyHandlers(std::move(keys));
    quick_->setWindowHooks([this] { return monitor_->refuse(); }, [this] { focusInputLine(); });

    connect(Command1_, &QPushButton::clicked, this, &MainWindow::Command1_Click);
    connect(cmd_funcs_, &QPushButton::clicked, this, &MainWindow::cmd_funcs_Click);
    connect(Command2_, &QPushButton::clicked, this, &MainWindow::Command2_Click);
    connect(cmd_quick_, &QPushButton::clicked, this, &MainWindow::cmd_quick_Click);
    connect(chk_ontop_, &QCheckBox::clicked, this, &MainWindow::chk_ontop_Click);
    connect(cmd_clipboard_, &QPushButton::clicked, this, &MainWindow::cmd_clipboard_Click);
    connect(tmr_clear_, &QTimer::timeout, this, &MainWindow::tmr_clear_Timer);
    connect(tmr_scan_, &QTimer::timeout, this, [] {});  // polls nothing; kept for its interval
    tmr_clear_->start();
    tmr_scan_->start();
}

// Form_Load: the start-up sequence, in its order.
void MainWindow::runFormLoad() {
    formLoading_ = true;
    ResetAnswerList();
    talvoro::LoadSettings(processCvars(), programDir_);
    setOuterHeight(settingNumber(u"NormalHeight"));
    library_->runStartup(processCvars(), [this](const std::u16string& line) { OPrint(line); });
    setOuterWidth(settingNumber(u"WindowNormal"));
    txt_input_->setFocus();
    formLoading_ = false;
}

int MainWindow::settingNumber(const char16_t* key) const {
    return static_cast<int>(processCvars().GetCvarNum(key));
}

// ---- outer size -----------------------------------------------------------------

void MainWindow::setOuterWidth(int width) {
    outerTarget_.setWidth(width);
    applyOuterSize();
}

void MainWindow::setOuterHeight(int height) {
    outerTarget_.setHeight(height);
    applyOuterSize();
}

// The settings give sizes with the frame; Qt resizes the client area, so
// the frame's margins come off first. Before the window is shown they are
// unknown, and showEvent applies the size again.
void MainWindow::applyOuterSize() {
    QMargins frame;
    if (isVisible() && windowHandle() != nullptr) frame = windowHandle()->frameMargins();
    appliedFrame_ = frame;
    resize(outerTarget_.shrunkBy(frame).expandedTo(QSize(1, 1)));
}

// Some window managers tell the frame's size only after the first move; the
// outer size is kept by sizing again when the frame turns out different.
void MainWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (isVisible() && !isMinimized() && windowHandle() != nullptr &&
        windowHandle()->frameMargins() != appliedFrame_)
        applyOuterSize();
}

// Only the program's own show sizes the window: the show that ends a
// minimisation comes from the window system and keeps the size the window had.
void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    applyOuterSize();
    // The frame may become known only once the window system has mapped it.
    QTimer::singleShot(0, this, [this] { applyOuterSize(); });
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A size the window system gives (the user dragged the frame) is the
    // size from now on, kept when the window sizes itself again for a frame.
    if (event->spontaneous() && isVisible() && !isMinimized()) outerTarget_ = size().grownBy(appliedFrame_);
    if (!isMinimized() && quick_) quick_->setPanelWidth(width());
}

// ---- width and height modes ------------------------------------------------------

void MainWindow::ExtendWindow() {
    setOuterWidth(settingNumber(u"WindowExtended"));
    quick_->setPanelWidth(width());
    vars_.WindowExtended = true;
}

void MainWindow::NormalWindow() {
    setOuterWidth(settingNumber(u"WindowNormal"));
    vars_.WindowExtended = false;
}

void MainWindow::Command2_Click() {
    vars_.WindowExtended = !vars_.WindowExtended;
    if (vars_.WindowExtended) ExtendWindow();
    else NormalWindow();
}

void MainWindow::cmd_quick_Click() {
    vars_.QuickVisible = !vars_.QuickVisible;
    if (!vars_.QuickVisible) {
        setOuterHeight(settingNumber(u"NormalHeight"));
        focusInputLine();
    } else {
        setOuterHeight(settingNumber(u"QuickVisibleHeight"));
        quick_->txt_quick()->setFocus();
    }
}

// Stay-on-top through the window system's flag, changed on the native
// window in place: QWidget::setWindowFlag would hide the window.
void MainWindow::chk_ontop_Click() {
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, chk_ontop_->isChecked());
    overrideWindowFlags(flags);
    if (windowHandle() != nullptr) windowHandle()->setFlags(flags);
    focusInputLine();
}

// ---- console ------------------------------------------------------------------------

void MainWindow::EvaluateInput() {
    EvaluationHost host{scr_main_, processHistory(), *txt_input_, *txt_output_, [this] { return vars_.passtr; }, {}};
    talvoro::EvaluateInput(host);
}

void MainWindow::OPrint(const std::u16string& text) { txt_output_->OPrint(text); }

void MainWindow::SetToTop() { txt_output_->SetToTop(); }

void MainWindow::cmd_clipboard_Click() {
    txt_output_->copyAllToClipboard();
    focusInputLine();
}

void MainWindow::tmr_clear_Timer() {
    txt_input_->clearLoneLineBreak();
    pic_draw_->Refresh();
}

// ---- drawing and questions -----------------------------------------------------------

int32_t MainWindow::DrawLine(const vbs::Variant& x1, const vbs::Variant& y1, const vbs::Variant& x2,
                             const vbs::Variant& y2) {
    return pic_draw_->DrawLine(x1, y1, x2, y2);
}

int32_t MainWindow::DrawDot(const vbs::Variant& x1, const vbs::Variant& y1) { return pic_draw_->DrawDot(x1, y1); }

int32_t MainWindow::DrawCircle(const vbs::Variant& x, const vbs::Variant& y, const vbs::Variant& r) {
    return pic_draw_->DrawCircle(x, y, r);
}

// A script being stopped asks nothing more: it ends at its next step.
vbs::Variant MainWindow::GetIVal(const vbs::Variant& message) {
    if (scr_main_.Stopping()) return {};
    return talvoro::GetIVal(message, box_, this);
}

std::u16string MainWindow::GetIStr(const vbs::Variant& message) {
    if (scr_main_.Stopping()) return {};
    return talvoro::GetIStr(message, box_, this);
}

// ---- scripts and settings ------------------------------------------------------------

void MainWindow::LoadScriptFile() { library_->LoadScriptFile(processCvars()); }

void MainWindow::LoadScripts(const std::u16string& path) {
    library_->LoadScripts(QString::fromStdU16String(path).toStdString());
}

int32_t MainWindow::LoadScriptFromScript(const std::u16string& path, vbs::CallContext& ctx) {
    return library_->LoadScriptFromScript(QString::fromStdU16String(path).toStdString(), ctx);
}

void MainWindow::LoadSettings() { talvoro::LoadSettings(processCvars(), programDir_); }

bool MainWindow::ProcedureExists(std::u16string_view name) { return library_->ProcedureExists(name); }

void MainWindow::Command1_Click() {
    if (monitor_->refuse()) return;
    try {
        LoadScriptFile();
    } catch (const std::exception&) {
        // Reload ignores what the loader does not report itself.
    }
    focusInputLine();
}

void MainWindow::cmd_funcs_Click() {
    if (monitor_->refuse()) return;
    // The dialog opens where the main script file is: for an installed
    // program that is a hidden folder of the user's a file dialog would not
    // show on its own.
    const QString mainScript = QString::fromStdU16String(processCvars().GetCvarStr(u"MainScriptFile"));
    const QString path =
        editor_.chooseScriptFile(QString::fromLatin1(kScriptFileFilter), QFileInfo(mainScript).absolutePath());
    if (!path.isEmpty()) {
        const QString command =
            QString::fromStdU16String(processCvars().GetCvarStr(u"TextEditor")) + " \"" + path + "\"";
        if (!editor_.startDetached(command))
            box_.showMessage(u"The text editor could not be started:\r\n" + command.toStdU16String(), {});
    }
    focusInputLine();
}

// ---- closing and focus -------------------------------------------------------------

// Every attempt to close saves the settings; "Lock" turns the attempt down.
// Unlocked, a running script is stopped first and the close then goes on as
// any other. Locked, the attempt is turned down like any other, and the
// script, even one waiting in its input box or a message box, goes on once
// the lock message is answered: a close that will not happen stops nothing.
void MainWindow::closeEvent(QCloseEvent* event) {
    const bool locked = chk_lock_->isChecked();
    if (scr_main_.Running() && !locked) {
        event->ignore();
        monitor_->stop();
        closeOnceTheScriptHasStopped();
        return;
    }
    if (locked) {
        event->ignore();
        box_.showMessage(kLockedText, {});
    } else {
        event->accept();
    }
    SaveSettings(processCvars(), programDir_, box_);
}

// The script ends within a few steps once interrupted; the close waits for
// the engine to return to the event loop (closing again any dialog the
// script was still opening).
void MainWindow::closeOnceTheScriptHasStopped() {
    constexpr int kRetryMs = 10;
    QTimer::singleShot(kRetryMs, this, [this] {
        if (!scr_main_.Running()) {
            close();
            return;
        }
        monitor_->stop();
        closeOnceTheScriptHasStopped();
    });
}

void MainWindow::focusInputLine() { txt_input_->setFocus(); }

// Activation brings the focus back to the input line, except to the quick
// panel that "Q" gave it to: window systems that focus by pointer activate
// the window again while the user is about to type there.
void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && focusWidget() != quick_->txt_quick())
        focusInputLine();
}

// A repaint of the window's own surface brings the focus back when none of
// the window's controls holds it.
void MainWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QWidget* focused = focusWidget();
    if (focused == nullptr || focused == this) focusInputLine();
}

// A typed character that no control took brings the focus back, and a
// printable one goes on to the input line, so the first key typed after a
// click elsewhere is not lost. A lone modifier (Shift before a capital typed
// into the quick panel) is no character and leaves the focus alone.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    QWidget::keyPressEvent(event);
    const QString typed = event->text();
    if (typed.isEmpty()) return;
    focusInputLine();
    if (typed.front().unicode() >= 32 && typed.front().unicode() != 127) {
        QKeyEvent again(event->type(), event->key(), event->modifiers(), typed, event->isAutoRepeat(),
                        static_cast<ushort>(event->count()));
        QApplication::sendEvent(txt_input_, &again);
    }
}

}  // namespace talvoro
