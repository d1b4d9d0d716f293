// What scripts on the main engine see of the program: six named objects,
// registered in a fixed order after every reset of the engine.
//
//   CalcScreen    the transcript: Text, SelStart, SelLength, SelText
//   MainForm      the window's public variables and methods
//   Screen        TwipsPerPixelX/Y, Width, Height (twips)
//   App           Path, Title, EXEName
//   ScriptObject  the engine's own operations
//   DrawWin       the drawing surface
//
// The members only translate script values; the work is done by the window
// through the interfaces below, so the model can be tested without widgets.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "engine/host_object.h"
#include "engine/script_engine.h"

namespace talvoro {

// The error a script receives for an operation that would pull the engine
// away from under the running script (a reset, or a nested evaluation).
inline constexpr int32_t kCannotDoNow = 17;
inline constexpr char16_t kCannotDoNowText[] =
    u"Can't perform requested operation: not possible while a script is running";

// The window's public variables, plain stored values.
struct MainFormVariables {
    std::u16string passtr;
    std::u16string LastCmd;
    bool WindowExtended = false;
    bool QuickVisible = false;
    bool AnsIns = false;
};

// The window's side of MainForm.
class MainFormHost {
public:
    virtual ~MainFormHost() = default;
    virtual MainFormVariables& variables() = 0;
    virtual void ExtendWindow() = 0;
    virtual void NormalWindow() = 0;
    // 0, or the error number of an argument that is not a number.
    virtual int32_t DrawLine(const vbs::Variant& x1, const vbs::Variant& y1, const vbs::Variant& x2,
                             const vbs::Variant& y2) = 0;
    virtual int32_t DrawDot(const vbs::Variant& x1, const vbs::Variant& y1) = 0;
    virtual int32_t DrawCircle(const vbs::Variant& x, const vbs::Variant& y, const vbs::Variant& r) = 0;
    virtual void OPrint(const std::u16string& text) = 0;
    virtual void SetToTop() = 0;
    // Adds a file's code while the calling script runs; see ScriptLibrary.
    virtual int32_t LoadScriptFromScript(const std::u16string& path, vbs::CallContext& ctx) = 0;
    virtual void LoadSettings() = 0;
    virtual bool ProcedureExists(std::u16string_view name) = 0;
    virtual vbs::Variant GetIVal(const vbs::Variant& message) = 0;
    virtual std::u16string GetIStr(const vbs::Variant& message) = 0;
};

// The transcript's side of CalcScreen, in CR LF coordinates.
class TranscriptAccess {
public:
    virtual ~TranscriptAccess() = default;
    virtual std::u16string Text() const = 0;
    virtual void SetText(const std::u16string& text) = 0;
    virtual int32_t SelStart() const = 0;
    virtual void SetSelStart(int32_t position) = 0;
    virtual int32_t SelLength() const = 0;
    virtual void SetSelLength(int32_t length) = 0;
    virtual std::u16string SelText() const = 0;
    virtual void SetSelText(const std::u16string& text) = 0;
};

struct ScreenFacts {
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;
    int widthPixels = 0;
    int heightPixels = 0;
};

struct AppFacts {
    std::u16string path;     // the program's directory
    std::u16string title;    // "Talvoro"
    std::u16string exeName;  // the program's file name without directory
};

class ObjectModel {
public:
    ObjectModel(MainFormHost& form, TranscriptAccess& transcript, std::function<ScreenFacts()> screen, AppFacts app,
                vbs::ScriptEngine& engine, vbs::Dispatch* drawWin);
    ~ObjectModel();

    // Registers the six objects, in their order, on a freshly reset engine.
    void registerAll(vbs::ScriptEngine& engine);

    vbs::HostObject* mainForm() const { return mainForm_.get(); }

private:
    vbs::HostObjectRef calcScreen_;
    vbs::HostObjectRef mainForm_;
    vbs::HostObjectRef screen_;
    vbs::HostObjectRef app_;
    vbs::HostObjectRef scriptObject_;
    vbs::Dispatch* drawWin_;
};

// The members of each object, added to an empty host object
// (object_model.cpp, script_object.cpp).
void addMainFormMembers(vbs::HostObject& form, MainFormHost& host);
void addCalcScreenMembers(vbs::HostObject& screen, TranscriptAccess& pane);
void addScreenMembers(vbs::HostObject& screen, std::function<ScreenFacts()> facts);
void addAppMembers(vbs::HostObject& app, const AppFacts& facts);
void addScriptObjectMembers(vbs::HostObject& control, vbs::ScriptEngine& engine);

}  // namespace talvoro
