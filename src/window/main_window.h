// frm_calc, the calculator's main window: the console column (transcript,
// input line, first button row), the quick script band below it and the
// drawing surface to its right. The window shows more or less of this fixed
// layout by changing its own outer size (normal/extended width, quick band
// hidden/shown). It owns the main script engine scr_main and is "MainForm"
// to the scripts that run on it.
#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "engine/script_engine.h"
#include "scripts/object_model.h"
#include "scripts/script_library.h"
#include "window/console_panes.h"
#include "dialogs/message_boxes.h"
#include "window/window_dialogs.h"

namespace talvoro {

class DrawingSurface;
class QuickPanel;
class ScriptRunMonitor;
class BlockedCloseRequests;
class CompletionModel;
class TypingHelp;

// What a window is built with. Tests give a temporary program directory and
// recorders for the dialogs; the program passes nothing and gets the real ones.
struct MainWindowOptions {
    std::string programDir;                  // empty: the executable's directory
    MessageBox* messageBox = nullptr;        // nullptr: QMessageBox
    EditorLauncher* editor = nullptr;        // nullptr: QFileDialog + QProcess
    QuickPanelDialogs* quickDialogs = nullptr;  // nullptr: Qt's dialogs
    // Sets up the main engine before the start-up loads anything into it;
    // tests choose the engine's mode here. Empty: the engine as it comes.
    std::function<void(vbs::ScriptEngine&)> prepareEngine;
};

class MainWindow : public QWidget, public MainFormHost {
    Q_OBJECT

public:
    explicit MainWindow(MainWindowOptions options = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    // ---- the controls (tests and the quick panel reach them) --------------------
    TranscriptPane* txt_output() const { return txt_output_; }
    InputPane* txt_input() const { return txt_input_; }
    QCheckBox* chk_ontop() const { return chk_ontop_; }
    QPushButton* Command1() const { return Command1_; }
    QPushButton* cmd_funcs() const { return cmd_funcs_; }
    QPushButton* cmd_quick() const { return cmd_quick_; }
    QPushButton* Command2() const { return Command2_; }
    QCheckBox* chk_lock() const { return chk_lock_; }
    QPushButton* cmd_clipboard() const { return cmd_clipboard_; }
    DrawingSurface* pic_draw() const { return pic_draw_; }
    QuickPanel* quickPanel() const { return quick_.get(); }
    QTimer* tmr_clear() const { return tmr_clear_; }
    QTimer* tmr_scan() const { return tmr_scan_; }
    vbs::ScriptEngine& scr_main() { return scr_main_; }
    ScriptRunMonitor& runMonitor() const { return *monitor_; }
    // Help while typing in the input line and in the quick panel.
    TypingHelp& inputHelp() const { return *inputHelp_; }
    TypingHelp& quickHelp() const { return *quickHelp_; }

    // ---- MainForm ---------------------------------------------------------------
    MainFormVariables& variables() override { return vars_; }
    void ExtendWindow() override;
    void NormalWindow() override;
    int32_t DrawLine(const vbs::Variant& x1, const vbs::Variant& y1, const vbs::Variant& x2,
                     const vbs::Variant& y2) override;
    int32_t DrawDot(const vbs::Variant& x1, const vbs::Variant& y1) override;
    int32_t DrawCircle(const vbs::Variant& x, const vbs::Variant& y, const vbs::Variant& r) override;
    void OPrint(const std::u16string& text) override;
    void SetToTop() override;
    int32_t LoadScriptFromScript(const std::u16string& path, vbs::CallContext& ctx) override;
    void LoadSettings() override;
    bool ProcedureExists(std::u16string_view name) override;
    vbs::Variant GetIVal(const vbs::Variant& message) override;
    std::u16string GetIStr(const vbs::Variant& message) override;

    // From the window's own code (not from scripts).
    void EvaluateInput();
    void LoadScriptFile();
    void LoadScripts(const std::u16string& path);

    // ---- event handlers ------------------------------------------------------------
    void Command1_Click();       // "Reload"
    void cmd_funcs_Click();      // "Functions"
    void Command2_Click();       // ">"
    void cmd_quick_Click();      // "Q"
    void chk_ontop_Click();      // "On Top"
    void cmd_clipboard_Click();  // "Output to Clipboard"
    void tmr_clear_Timer();

    // The outer size (frame included) the window is set to; applied again
    // once the window system knows its frame.
    QSize outerSizeTarget() const { return outerTarget_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void createButtonRow();
    void setTabOrder();
    void connectHandlers();
    void runFormLoad();
    void setOuterWidth(int width);
    void setOuterHeight(int height);
    void applyOuterSize();
    void focusInputLine();
    void closeOnceTheScriptHasStopped();
    int settingNumber(const char16_t* key) const;

    MainWindowOptions options_;
    std::string programDir_;
    QtMessageBox qtBox_;
    QtWindowDialogs qtDialogs_;
    MessageBox& box_;
    EditorLauncher& editor_;

    MainFormVariables vars_;

    TranscriptPane* txt_output_ = nullptr;
    InputPane* txt_input_ = nullptr;
    std::unique_ptr<LineEditor> lineEditor_;  // the rules of txt_input_
    QCheckBox* chk_ontop_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QPushButton* cmd_funcs_ = nullptr;
    QPushButton* cmd_quick_ = nullptr;
    QPushButton* Command2_ = nullptr;
    QCheckBox* chk_lock_ = nullptr;
    QPushButton* cmd_clipboard_ = nullptr;
    DrawingSurface* pic_draw_ = nullptr;
    std::unique_ptr<QuickPanel> quick_;
    QTimer* tmr_clear_ = nullptr;
    QTimer* tmr_scan_ = nullptr;

    std::unique_ptr<ObjectModel> objects_;
    std::unique_ptr<ScriptLibrary> library_;
    // The engine is destroyed before the objects it was given: the end of a
    // script runs Class_Terminate, which may still use MainForm and the rest.
    vbs::ScriptEngine scr_main_;
    std::unique_ptr<ScriptRunMonitor> monitor_;  // goes before the engine it polls
    std::unique_ptr<BlockedCloseRequests> blockedClose_;
    bool formLoading_ = false;
    QSize outerTarget_;
    QMargins appliedFrame_;  // the frame the last sizing took off
    // Last, so they go first: they watch controls and read the engine.
    std::unique_ptr<CompletionModel> completion_;
    std::unique_ptr<TypingHelp> inputHelp_;
    std::unique_ptr<TypingHelp> quickHelp_;
};

}  // namespace talvoro
