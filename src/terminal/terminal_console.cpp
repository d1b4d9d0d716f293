#include "terminal/terminal_console.h"

#include <iostream>
#include <string>

#include <unistd.h>

#include "console/line_editor.h"
#include "terminal/console_session.h"
#include "terminal/terminal_keys.h"
#include "settings/program_paths.h"

namespace talvoro {

namespace {

class StreamTranscript : public Transcript {
public:
    explicit StreamTranscript(std::ostream& out) : out_(out) {}
    // A terminal ends lines with LF alone.
    void AppendLine(const std::u16string& line) override { out_ << vbs::toUtf8(line) << '\n'; }
    void SetToTop() override { out_.flush(); }

private:
    std::ostream& out_;
};

// Shows the input line being typed on the terminal's last line.
void redrawInputLine(std::ostream& out, const LineEditor& editor) {
    out << "\r\x1b[K> " << vbs::toUtf8(editor.text()) << std::flush;
}

int runInteractive(ConsoleSession& session, std::ostream& out) {
    RawTerminalMode raw(STDIN_FILENO);
    auto nextByte = [] {
        unsigned char byte = 0;
        return ::read(STDIN_FILENO, &byte, 1) == 1 ? static_cast<int>(byte) : -1;
    };
    LineEditor& editor = session.editor();
    redrawInputLine(out, editor);
    while (true) {
        KeyPress press = readKey(nextByte);
        switch (press.key) {
        case TerminalKey::EndOfInput: out << "\r\x1b[K" << std::flush; return 0;
        case TerminalKey::Text: for (char16_t c : press.text) editor.typeChar(c); break;
        case TerminalKey::Backspace: editor.backspace(); break;
        case TerminalKey::Up: editor.up(); break;
        case TerminalKey::Down: editor.down(); break;
        case TerminalKey::Enter:
            out << "\r\x1b[K" << std::flush;  // the echo line in the transcript replaces it
            session.pressEnter();
            break;
        case TerminalKey::Ignored: break;
        }
        redrawInputLine(out, editor);
    }
}

}  // namespace

int runTerminalConsole(const std::string& programDir, std::istream& in, std::ostream& out,
                       std::ostream& diagnostics) {
    StreamTranscript transcript(out);
    ConsoleSession session(programDir, transcript, diagnostics);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        session.enterLine(vbs::toU16(line));
    }
    out.flush();
    return 0;
}

int runTerminalConsole() {
    if (::isatty(STDIN_FILENO) && ::isatty(STDOUT_FILENO)) {
        StreamTranscript transcript(std::cout);
        ConsoleSession session(programDirectory(), transcript, std::cerr);
        return runInteractive(session, std::cout);
    }
    return runTerminalConsole(programDirectory(), std::cin, std::cout, std::cerr);
}

}  // namespace talvoro
