// The one value type of the engine. Its tag is VBScript's VarType code, so
// VarType() is a field read and TypeName() a table lookup. A Variant is 16
// bytes: a 2-byte tag and an 8-byte payload; strings, arrays and objects live
// on the heap behind intrusive reference counts so that copying a Variant is
// a tag copy plus, at most, one increment.
#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/text.h"

namespace vbs {

// VBScript's VarType codes. `Array` is what VarType answers for every array
// we make (vbArray + vbVariant = 8204): all our arrays hold Variants.
enum class VarType : uint16_t {
    Empty = 0,
    Null = 1,
    Integer = 2,   // 16-bit signed
    Long = 3,      // 32-bit signed
    Single = 4,    // 32-bit float
    Double = 5,    // 64-bit float
    Currency = 6,  // 64-bit integer scaled by 10,000
    Date = 7,      // days since 30 December 1899, as a double
    String = 8,
    Object = 9,    // also Nothing (a null object pointer)
    Error = 10,
    Boolean = 11,
    Variant = 12,
    Byte = 17,
    Array = 0x2000 | 12,
    // Engine-internal: a reference to another Variant (a ByRef parameter or
    // a slot being passed along). Never visible to scripts: reading through
    // `deref()` always yields the referenced value.
    Ref = 0x4000,
};

class Object;
struct ArrayData;
struct StringData;

// The longest string the engine makes, in UTF-16 units (128 MB of text).
// Far beyond what a calculator script needs, and small enough that a runaway
// `String(2^30, "x")` or doubling loop stops with "Out of memory" at once
// instead of swapping the machine for half a minute first.
constexpr size_t kMaxStringLength = size_t{1} << 26;

// Reference-counted heap string (UTF-16). Nothing but `Variant` and the
// helpers below touch the count.
struct StringData {
    uint32_t refs = 1;
    // The byte functions (LeftB, ChrB) make texts of an odd number of bytes:
    // their last byte, past the whole characters of `text`, is kept here
    // (-1: none). Only the byte functions see it; to everything else the
    // text is its whole characters, as Len counts them.
    int16_t trailingByte = -1;
    std::u16string text;
    explicit StringData(std::u16string s) : text(std::move(s)) {}
};

class Variant {
public:
    Variant() noexcept : tag_(VarType::Empty) { u_.i64 = 0; }
    ~Variant() { release(); }

    Variant(const Variant& o) noexcept : tag_(o.tag_), u_(o.u_) { retain(); }
    Variant(Variant&& o) noexcept : tag_(o.tag_), u_(o.u_) { o.tag_ = VarType::Empty; }
    // The old value is released only after the new one is in place: its
    // release may run a Class_Terminate that reads this variable, or frees
    // the array or object this Variant lives in.
    Variant& operator=(const Variant& o) noexcept {
        if (this != &o) {
            o.retainCopy();
            replaceWith(o);
        }
        return *this;
    }
    Variant& operator=(Variant&& o) noexcept {
        if (this != &o) {
            replaceWith(o);
            o.tag_ = VarType::Empty;
        }
        return *this;
    }

    // ---- construction -------------------------------------------------
    static Variant null() { Variant v; v.tag_ = VarType::Null; return v; }
    // An Integer is kept widened to 32 bits too, so that asIntOrLong() reads
    // an Integer and a Long alike.
    static Variant integer(int16_t x) { Variant v; v.tag_ = VarType::Integer; v.u_.i32 = x; return v; }
    static Variant long_(int32_t x) { Variant v; v.tag_ = VarType::Long; v.u_.i32 = x; return v; }
    static Variant single(float x) { Variant v; v.tag_ = VarType::Single; v.u_.f32 = x; return v; }
    static Variant double_(double x) { Variant v; v.tag_ = VarType::Double; v.u_.f64 = x; return v; }
    // `scaled` is the amount times 10,000.
    static Variant currency(int64_t scaled) { Variant v; v.tag_ = VarType::Currency; v.u_.i64 = scaled; return v; }
    static Variant date(double days) { Variant v; v.tag_ = VarType::Date; v.u_.f64 = days; return v; }
    static Variant boolean(bool b) { Variant v; v.tag_ = VarType::Boolean; v.u_.i16 = b ? -1 : 0; return v; }
    static Variant byte(uint8_t x) { Variant v; v.tag_ = VarType::Byte; v.u_.u8 = x; return v; }
    static Variant error(int32_t code) { Variant v; v.tag_ = VarType::Error; v.u_.i32 = code; return v; }
    static Variant string(std::u16string s);
    static Variant string(std::u16string_view s) { return string(std::u16string(s)); }
    // A text of an odd number of bytes: `whole` and then the byte `trailing`.
    static Variant oddByteString(std::u16string whole, uint8_t trailing);
    static Variant fromUtf8(std::string_view s);
    // Takes a new reference to `o` (which may be null: Nothing).
    static Variant object(Object* o);
    static Variant nothing() { return object(nullptr); }
    // Takes ownership of one reference already counted in `a`.
    static Variant adoptArray(ArrayData* a);
    static Variant ref(Variant* target) { Variant v; v.tag_ = VarType::Ref; v.u_.ref = target; return v; }

    // ---- inspection ---------------------------------------------------
    VarType type() const { return tag_; }
    bool isEmpty() const { return tag_ == VarType::Empty; }
    bool isNull() const { return tag_ == VarType::Null; }
    bool isString() const { return tag_ == VarType::String; }
    bool isObject() const { return tag_ == VarType::Object; }
    bool isNothing() const { return tag_ == VarType::Object && u_.obj == nullptr; }
    bool isArray() const { return tag_ == VarType::Array; }
    bool isRef() const { return tag_ == VarType::Ref; }
    // Integer, Long, Single, Double, Currency, Byte, Boolean, Date.
    bool isNumeric() const;

    int16_t asInteger() const { return u_.i16; }
    int32_t asLong() const { return u_.i32; }
    int32_t asIntOrLong() const { return u_.i32; }  // an Integer's or a Long's value
    float asSingle() const { return u_.f32; }
    double asDouble() const { return u_.f64; }
    int64_t asCurrencyScaled() const { return u_.i64; }
    double asDate() const { return u_.f64; }
    bool asBoolean() const { return u_.i16 != 0; }
    uint8_t asByte() const { return u_.u8; }
    int32_t asError() const { return u_.i32; }
    const std::u16string& asString() const { return u_.str->text; }
    // The odd last byte of a text the byte functions made, or -1.
    int trailingByte() const { return u_.str->trailingByte; }
    Object* asObject() const { return u_.obj; }
    ArrayData* asArray() const { return u_.arr; }
    Variant* asRef() const { return u_.ref; }

    // Follows Ref tags to the value they name (one level is all we create).
    const Variant& deref() const { return tag_ == VarType::Ref ? *u_.ref : *this; }
    Variant& deref() { return tag_ == VarType::Ref ? *u_.ref : *this; }

    // ---- in-place string growth ----------------------------------------
    // True when this Variant is the only holder of its string, so the string
    // may be changed in place (the `s = s & x` fast path).
    bool ownsStringUniquely() const { return tag_ == VarType::String && u_.str->refs == 1; }
    // Changing the text in place ends it at a whole character.
    std::u16string& mutableString() {
        u_.str->trailingByte = -1;
        return u_.str->text;
    }

    // Array copy-on-write: makes this Variant the only holder of its array
    // (cloning it if shared) and returns it.
    ArrayData* uniqueArray();
    // Fixedness belongs to the variable an array was declared in (Dim a(3)),
    // not to its copies: a copy assigned or passed elsewhere may be resized.
    // Gives this Variant an unmarked array of its own when it holds a fixed
    // one; other values are left alone.
    inline void detachFixedArray();

    void clear() {
        if (holdsHeap()) {
            Variant old(std::move(*this));  // released after this one is Empty, as in operator=
        }
        tag_ = VarType::Empty;
        u_.i64 = 0;
    }

private:
    void copyFixedArrayAway();
    bool holdsHeap() const {
        return tag_ == VarType::String || tag_ == VarType::Object || tag_ == VarType::Array;
    }
    void retain() const;
    void retainCopy() const { retain(); }
    // Takes o's tag and payload (the caller has retained or moved them). A
    // value that owns nothing is simply overwritten; one that does is moved
    // aside and released only once the new value is in place.
    void replaceWith(const Variant& o) noexcept {
        if (!holdsHeap()) {
            tag_ = o.tag_;
            u_ = o.u_;
            return;
        }
        Variant old(std::move(*this));
        tag_ = o.tag_;
        u_ = o.u_;
    }

    void release() {
        if (holdsHeap()) releaseHeap();
    }
    void releaseHeap();

    VarType tag_;
    union Payload {
        int16_t i16;
        int32_t i32;
        int64_t i64;
        uint8_t u8;
        float f32;
        double f64;
        StringData* str;
        Object* obj;
        ArrayData* arr;
        Variant* ref;
    } u_;
};

static_assert(sizeof(Variant) == 16, "Variant must stay 16 bytes");
// asInteger() reads the low half of the 32 bits integer() writes.
static_assert(std::endian::native == std::endian::little, "Integer payloads assume a little-endian machine");

// One dimension of an array: its element count (lower bound is always 0 in
// VBScript, so UBound = count - 1; an empty dynamic array has count 0).
struct ArrayData {
    uint32_t refs = 1;
    std::vector<uint32_t> counts;   // per dimension, outermost first
    std::vector<Variant> elems;     // row-major over `counts`
    bool fixedSize = false;         // Dim a(3): ReDim raises error 10
    uint32_t locks = 0;             // > 0 while For Each walks it (Erase/ReDim raise 10)

    int dims() const { return static_cast<int>(counts.size()); }
};

inline void Variant::detachFixedArray() {
    if (tag_ == VarType::Array && u_.arr->fixedSize) copyFixedArrayAway();
}

// Frees what the last reference to it went from. Freeing a value releases
// what it holds, so a structure nested a million deep would nest a million
// C++ calls; past kMaxNestedReleases levels (deferred_release.cpp) these
// queue what they would free instead, and the outermost release frees the
// queue, so any depth that memory allows is freed on a bounded stack.
class Object;
void releaseLastReference(Object* o);
void releaseLastReference(ArrayData* a);
// Runs the object's destroy() (the release queue's way in).
void destroyObjectNow(Object* o);

// Reference-counted base of every object a script can hold. Every concrete
// object derives from `Dispatch` (object.h), which adds the member interface;
// the engine relies on that when it casts. The count is intrusive so a
// Variant holding an object stays 16 bytes and deterministic destruction
// (Class_Terminate) runs when the last reference goes.
class Object {
public:
    virtual ~Object() = default;
    void addRef() { ++refs_; }
    void releaseRef() {
        if (--refs_ == 0) releaseLastReference(this);
    }
    uint32_t refCount() const { return refs_; }

protected:
    // Called when the count reaches zero. Script classes override it to run
    // Class_Terminate before deleting themselves.
    virtual void destroy() { delete this; }

private:
    friend void destroyObjectNow(Object* o);
    uint32_t refs_ = 0;
};

inline void Variant::retain() const {
    switch (tag_) {
    case VarType::String: ++u_.str->refs; break;
    case VarType::Object: if (u_.obj) u_.obj->addRef(); break;
    case VarType::Array: ++u_.arr->refs; break;
    default: break;
    }
}

// Text helpers shared by the whole engine.
using talvoro::toU16;
using talvoro::toUtf8;

}  // namespace vbs
