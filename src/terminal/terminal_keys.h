// Keys from a terminal in raw mode: the bytes it sends turned into the few
// keys the console's input line knows.
#pragma once

#include <functional>
#include <string>

#include <termios.h>

namespace talvoro {

enum class TerminalKey { Text, Backspace, Up, Down, Enter, EndOfInput, Ignored };

struct KeyPress {
    TerminalKey key = TerminalKey::Ignored;
    std::u16string text;  // the character typed, for TerminalKey::Text
};

// Reads one key from `nextByte` (which answers -1 at the end of the input).
// Enter is CR or LF; Backspace is DEL or BS; Ctrl+C and Ctrl+D end the
// input; the arrow keys come as ESC [ A and ESC [ B; other escape sequences
// and control characters are ignored; text arrives as UTF-8.
KeyPress readKey(const std::function<int()>& nextByte);

// Puts a terminal into raw mode (no line buffering, no echo, Ctrl+C as a
// byte) for its lifetime and restores it afterwards.
class RawTerminalMode {
public:
    explicit RawTerminalMode(int fd);
    ~RawTerminalMode();
    RawTerminalMode(const RawTerminalMode&) = delete;
    RawTerminalMode& operator=(const RawTerminalMode&) = delete;

private:
    int fd_;
    bool active_ = false;
    termios saved_{};
};

}  // namespace talvoro
