#include "host/text_codec.h"

#include "engine/variant.h"

namespace talvoro::host {

bool isValidUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        size_t extra;
        char32_t minimum;
        if (lead < 0x80) { ++i; continue; }
        if (lead >= 0xC2 && lead <= 0xDF) { extra = 1; minimum = 0x80; }
        else if ((lead & 0xF0) == 0xE0) { extra = 2; minimum = 0x800; }
        else if (lead >= 0xF0 && lead <= 0xF4) { extra = 3; minimum = 0x10000; }
        else return false;
        if (i + extra >= bytes.size()) return false;
        char32_t cp = lead & (0x3F >> extra);
        for (size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if (cp < minimum || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return false;
        i += extra + 1;
    }
    return true;
}

std::u16string decodeText(std::string_view bytes, TextFormat format) {
    std::u16string text;
    if (format == TextFormat::Unicode) {
        if (bytes.substr(0, 2) == kUtf16Bom) bytes.remove_prefix(2);
        text.reserve(bytes.size() / 2);
        for (size_t i = 0; i + 1 < bytes.size(); i += 2)
            text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                 (static_cast<unsigned char>(bytes[i + 1]) << 8)));
        return text;
    }
    if (bytes.substr(0, 3) == kUtf8Bom) bytes.remove_prefix(3);
    if (isValidUtf8(bytes)) return vbs::toU16(bytes);
    text.reserve(bytes.size());
    for (char byte : bytes) text.push_back(static_cast<unsigned char>(byte));
    return text;
}

std::string encodeText(std::u16string_view text, TextFormat format) {
    if (format == TextFormat::Ascii) return vbs::toUtf8(text);
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

}  // namespace talvoro::host
