#include "settings/settings_file.h"

#include <cstdio>
#include <string_view>

#include <unistd.h>

#include "common/file_reading.h"
#include "common/text.h"
#include "settings/cvar_number.h"

namespace talvoro {

namespace {

constexpr char kUtf8ByteOrderMark[] = "\xEF\xBB\xBF";

bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }

std::u16string_view trimSpaces(std::u16string_view text) {
    while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
    return text;
}

// True when `bytes` is well-formed UTF-8 (no stray or truncated sequences).
bool isValidUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        unsigned char lead = static_cast<unsigned char>(bytes[i]);
        size_t extra = 0;
        if (lead < 0x80) extra = 0;
        else if ((lead & 0xE0) == 0xC0) extra = 1;
        else if ((lead & 0xF0) == 0xE0) extra = 2;
        else if ((lead & 0xF8) == 0xF0) extra = 3;
        else return false;
        if (i + extra >= bytes.size() && extra > 0) return false;
        for (size_t k = 1; k <= extra; ++k) {
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
        }
        i += extra + 1;
    }
    return true;
}

// A line of the file as text: UTF-8 when it is valid UTF-8, otherwise each
// byte as the Latin-1 character of that code, so no line is lost or mangled
// halfway.
std::u16string decodeLine(std::string_view bytes) {
    if (isValidUtf8(bytes)) return talvoro::toU16(bytes);
    std::u16string latin1;
    for (char b : bytes) latin1.push_back(static_cast<unsigned char>(b));
    return latin1;
}

// The file's lines without their ends. CR LF, a lone LF and a lone CR all end
// a line; a last line without an end is still a line.
std::vector<std::string> fileLines(const std::string& content) {
    std::vector<std::string> lines;
    std::string current;
    for (size_t i = 0; i < content.size(); ++i) {
        char c = content[i];
        if (c != '\r' && c != '\n') { current.push_back(c); continue; }
        if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
        lines.push_back(std::move(current));
        current.clear();
    }
    if (!current.empty()) lines.push_back(std::move(current));
    return lines;
}

// Applies one item to the store. `name` and `value` carry over from the
// previous item: an item without "=" repeats the previous assignment. Returns
// false when the reading must stop (a number too large for a double).
bool applyItem(CvarStore& store, std::u16string_view item, std::u16string& name, std::u16string& value) {
    if (!item.empty() && item.front() == u'/') return true;  // comment
    SplitCvarLine(item, name, value);
    name = std::u16string(trimSpaces(name));
    if (name.empty()) return true;
    if (!store.CvarExists(name)) return true;  // the file cannot add a setting
    if (store.CvarKind(name) == kCvarKindNumber) {
        double number = 0;
        if (!readCvarNumber(value, number)) return false;
        store.SetCvarNum(name, number);
    } else {
        store.SetCvarStr(name, value);
    }
    return true;
}

// Writes `bytes` to a new file at `path`. `created` tells whether a file was
// made there, so that a failure removes only what this save made.
bool writeAll(const std::string& path, const std::string& bytes, bool& created) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    created = file != nullptr;
    if (!file) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
    // The rename must not put a file in place whose data is still only in memory.
    ok = ::fsync(fileno(file)) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    return ok;
}

}  // namespace

void SplitCvarLine(std::u16string_view item, std::u16string& name, std::u16string& value) {
    size_t equals = item.find(u'=');
    if (equals == std::u16string_view::npos) return;
    name = std::u16string(item.substr(0, equals));
    value = std::u16string(item.substr(equals + 1));
}

std::vector<std::u16string> settingsItems(std::u16string_view line) {
    std::vector<std::u16string> items;
    size_t pos = 0;
    while (true) {
        while (pos < line.size() && isBlank(line[pos])) ++pos;
        size_t comma;
        if (pos < line.size() && line[pos] == u'"') {
            size_t close = line.find(u'"', pos + 1);
            if (close == std::u16string_view::npos) close = line.size();
            items.emplace_back(line.substr(pos + 1, close - pos - 1));
            // Whatever stands between the closing quote and the next comma
            // belongs to no item.
            comma = line.find(u',', close);
        } else {
            comma = line.find(u',', pos);
            size_t end = comma == std::u16string_view::npos ? line.size() : comma;
            items.emplace_back(line.substr(pos, end - pos));
        }
        if (comma == std::u16string_view::npos) break;
        pos = comma + 1;
    }
    return items;
}

void LoadCvars(CvarStore& store, const std::string& path) {
    std::string content;
    bool truncated = false;
    if (!readFileBytes(path, content, kMaxSettingsFileBytes, &truncated)) return;
    // Reading fails where the limit cuts the file: the line it cuts into is
    // not applied, the lines before it are (with no line end, none is).
    if (truncated) {
        const size_t lastLineEnd = content.find_last_of("\r\n");
        content.erase(lastLineEnd == std::string::npos ? 0 : lastLineEnd + 1);
    }
    // Editors that mark UTF-8 files put a byte-order mark before the first key.
    if (content.rfind(kUtf8ByteOrderMark, 0) == 0) content.erase(0, std::string_view(kUtf8ByteOrderMark).size());
    std::u16string name, value;
    for (const std::string& line : fileLines(content)) {
        for (const std::u16string& item : settingsItems(decodeLine(line))) {
            if (!applyItem(store, item, name, value)) return;
        }
    }
}

std::u16string settingsLine(const Cvar& cvar) {
    std::u16string valueText = cvar.Kind == kCvarKindNumber ? cvarNumberText(cvar.NumValue) : cvar.StrValue;
    std::u16string line = cvar.Name + u"=" + valueText;
    if (valueText.find(u',') != std::u16string::npos) line = u"\"" + line + u"\"";
    return line;
}

std::string settingsTempPath(const std::string& path) { return path + ".tmp"; }

void SaveCvars(const CvarStore& store, const std::string& path, MessageBox& box) {
    std::string bytes;
    for (const Cvar& cvar : store.Cvars()) bytes += talvoro::toUtf8(settingsLine(cvar)) + "\r\n";
    const std::string temp = settingsTempPath(path);
    bool created = false;
    if (writeAll(temp, bytes, created) && std::rename(temp.c_str(), path.c_str()) == 0) return;
    if (created) std::remove(temp.c_str());
    box.showMessage(kSaveErrorText, kSaveErrorTitle);
}

}  // namespace talvoro
