#include "engine/values/byte_text.h"

namespace vbs {

std::string bytesOfText(const std::u16string& text) {
    std::string bytes;
    bytes.reserve(2 * text.size() + 1);
    for (char16_t c : text) { bytes += static_cast<char>(c & 0xFF); bytes += static_cast<char>(c >> 8); }
    return bytes;
}

std::string bytesOfString(const Variant& text) {
    std::string bytes = bytesOfText(text.asString());
    if (text.trailingByte() >= 0) bytes += static_cast<char>(text.trailingByte());
    return bytes;
}

Variant textOfBytes(const std::string& bytes) {
    std::u16string s;
    s.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        s += static_cast<char16_t>(static_cast<uint8_t>(bytes[i]) | (static_cast<uint8_t>(bytes[i + 1]) << 8));
    if (bytes.size() % 2) return Variant::oddByteString(std::move(s), static_cast<uint8_t>(bytes.back()));
    return Variant::string(std::move(s));
}

}  // namespace vbs
