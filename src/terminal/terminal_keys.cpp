#include "terminal/terminal_keys.h"

#include <unistd.h>

#include "engine/variant.h"

namespace talvoro {

namespace {

constexpr int kCtrlC = 0x03;
constexpr int kCtrlD = 0x04;
constexpr int kBackspace = 0x08;
constexpr int kEscape = 0x1B;
constexpr int kDelete = 0x7F;

// Skips the rest of an escape sequence: ESC [ parameters final-byte.
KeyPress readEscape(const std::function<int()>& nextByte) {
    int b = nextByte();
    if (b != '[' && b != 'O') return {b < 0 ? TerminalKey::EndOfInput : TerminalKey::Ignored, {}};
    do {
        b = nextByte();
    } while (b >= 0 && (b < 0x40 || b > 0x7E));
    if (b == 'A') return {TerminalKey::Up, {}};
    if (b == 'B') return {TerminalKey::Down, {}};
    return {b < 0 ? TerminalKey::EndOfInput : TerminalKey::Ignored, {}};
}

// The rest of a UTF-8 sequence whose lead byte is `lead`.
KeyPress readText(int lead, const std::function<int()>& nextByte) {
    int extra = (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : 0;
    std::string bytes(1, static_cast<char>(lead));
    for (int i = 0; i < extra; ++i) {
        int b = nextByte();
        if (b < 0) break;
        bytes.push_back(static_cast<char>(b));
    }
    return {TerminalKey::Text, vbs::toU16(bytes)};
}

}  // namespace

KeyPress readKey(const std::function<int()>& nextByte) {
    int b = nextByte();
    if (b < 0 || b == kCtrlC || b == kCtrlD) return {TerminalKey::EndOfInput, {}};
    if (b == '\r' || b == '\n') return {TerminalKey::Enter, {}};
    if (b == kBackspace || b == kDelete) return {TerminalKey::Backspace, {}};
    if (b == kEscape) return readEscape(nextByte);
    if (b < 0x20) return {TerminalKey::Ignored, {}};
    return readText(b, nextByte);
}

RawTerminalMode::RawTerminalMode(int fd) : fd_(fd) {
    if (::tcgetattr(fd_, &saved_) != 0) return;
    termios raw = saved_;
    raw.c_lflag &= ~(ICANON | ECHO | ISIG);
    raw.c_iflag &= ~(ICRNL | IXON);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    // TCSANOW: keys typed ahead of the start stay to be read.
    active_ = ::tcsetattr(fd_, TCSANOW, &raw) == 0;
}

RawTerminalMode::~RawTerminalMode() {
    if (active_) ::tcsetattr(fd_, TCSADRAIN, &saved_);
}

}  // namespace talvoro
