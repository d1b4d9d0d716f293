#include "host/dotnet_values.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <numeric>

#include "engine/conversions.h"
#include "engine/error_table.h"
#include "host/culture_text_order.h"

namespace talvoro::host::dotnet {

using vbs::VarType;
using vbs::Variant;

namespace {

// Where the class library's errors come from, as Err.Source shows it.
constexpr char16_t kErrorSource[] = u"mscorlib";

// The kinds of value that Equals and CompareTo keep apart.
enum class Kind : uint8_t { Empty, Null, Number, Text, Boolean, Date, Object, Array, Error };

Kind kindOf(const Variant& v) {
    switch (v.type()) {
    case VarType::Empty: return Kind::Empty;
    case VarType::Object:
        // Nothing crosses to .NET as no object at all, as Empty does.
        return v.isNothing() ? Kind::Empty : Kind::Object;
    case VarType::Null: return Kind::Null;
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency: return Kind::Number;
    case VarType::String: return Kind::Text;
    case VarType::Boolean: return Kind::Boolean;
    case VarType::Date: return Kind::Date;
    case VarType::Error: return Kind::Error;
    default: return Kind::Array;
    }
}

double numberOf(const Variant& v) {
    switch (v.type()) {
    case VarType::Byte: return v.asByte();
    case VarType::Integer: return v.asInteger();
    case VarType::Long: return v.asLong();
    case VarType::Single: return v.asSingle();
    case VarType::Currency: return static_cast<double>(v.asCurrencyScaled()) / 10000.0;
    case VarType::Date: return v.asDate();
    default: return v.asDouble();
    }
}

template <typename T>
int threeWay(const T& a, const T& b) {
    return a < b ? -1 : b < a ? 1 : 0;
}

std::u16string describeKey(const Variant& key) {
    std::u16string text;
    if (key.isObject()) return u"System.__ComObject";
    if (vbs::ops::toInvariantString(key, text) != 0) text.clear();
    return text;
}

}  // namespace

int32_t fail(vbs::CallContext& ctx, const ClassFailure& failure) {
    return ctx.fail(failure.number, failure.text, kErrorSource);
}

int32_t failDuplicateKey(vbs::CallContext& ctx, const Variant& key) {
    std::u16string text = describeKey(key);
    return ctx.fail(kArgumentError,
                    u"Item has already been added. Key in dictionary: '" + text + u"'  Key being added: '" + text + u"'",
                    kErrorSource);
}

bool sameItem(const Variant& a, const Variant& b) {
    Kind kind = kindOf(a);
    if (kind != kindOf(b)) return false;
    switch (kind) {
    case Kind::Empty:
    case Kind::Null: return true;
    case Kind::Number:
    case Kind::Date: return numberOf(a) == numberOf(b);
    case Kind::Text: return a.asString() == b.asString();
    case Kind::Boolean: return a.asBoolean() == b.asBoolean();
    case Kind::Object: return a.asObject() == b.asObject();
    case Kind::Error: return a.asError() == b.asError();
    case Kind::Array: return false;
    }
    return false;
}

size_t itemHash(const Variant& v) {
    Kind kind = kindOf(v);
    size_t seed = static_cast<size_t>(kind) * 0x9E3779B97F4A7C15ull;
    switch (kind) {
    case Kind::Number:
    case Kind::Date: {
        double number = numberOf(v);
        if (number == 0) number = 0;  // -0 and 0 are the same item
        return seed ^ std::hash<uint64_t>{}(std::bit_cast<uint64_t>(number));
    }
    case Kind::Text: return seed ^ std::hash<std::u16string>{}(v.asString());
    case Kind::Boolean: return seed ^ static_cast<size_t>(v.asBoolean());
    case Kind::Object: return seed ^ std::hash<const void*>{}(v.asObject());
    case Kind::Error: return seed ^ static_cast<size_t>(v.asError());
    default: return seed;
    }
}

Ordering compareItems(const Variant& a, const Variant& b) {
    Kind kind = kindOf(a), other = kindOf(b);
    // Empty stands for no object, which sorts before everything.
    if (kind == Kind::Empty || other == Kind::Empty) return {true, threeWay(kind != Kind::Empty, other != Kind::Empty)};
    if (kind != other) return {false, 0};
    // The class library's comparer finds a value equal to itself before it
    // asks the value how it orders: the one Null, the same object twice.
    if (kind == Kind::Null) return {true, 0};
    if (kind == Kind::Object && a.asObject() == b.asObject()) return {true, 0};
    switch (kind) {
    case Kind::Number:
    case Kind::Date: return {true, threeWay(numberOf(a), numberOf(b))};
    case Kind::Text: return {true, compareCultureText(a.asString(), b.asString())};
    case Kind::Boolean: return {true, threeWay(a.asBoolean(), b.asBoolean())};
    default: return {false, 0};
    }
}

bool sortItems(std::vector<Variant>& items) {
    if (items.size() < 2) return true;
    // Every value but Empty must compare with the first of them (and so
    // with itself: Null and objects do not).
    const Variant* reference = nullptr;
    for (const Variant& item : items) {
        if (isNullReference(item)) continue;
        if (!reference) reference = &item;
        if (!compareItems(*reference, item).compared) return false;
    }
    std::vector<size_t> order(items.size());
    std::iota(order.begin(), order.end(), size_t{0});
    bool texts = std::any_of(items.begin(), items.end(), [](const Variant& v) { return v.isString(); });
    if (texts) {
        // Each text's key is made once, not at every comparison.
        std::vector<std::vector<uint32_t>> keys(items.size());
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i].isString()) keys[i] = cultureSortKey(items[i].asString());
        std::stable_sort(order.begin(), order.end(), [&](size_t x, size_t y) {
            bool emptyX = isNullReference(items[x]), emptyY = isNullReference(items[y]);
            if (emptyX || emptyY) return emptyX && !emptyY;
            return keys[x] < keys[y];
        });
    } else {
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t x, size_t y) { return compareItems(items[x], items[y]).order < 0; });
    }
    std::vector<Variant> sorted;
    sorted.reserve(items.size());
    for (size_t i : order) sorted.push_back(std::move(items[i]));
    items = std::move(sorted);
    return true;
}

Variant arrayOf(std::vector<Variant> items) {
    auto* data = new vbs::ArrayData;
    data->counts.push_back(static_cast<uint32_t>(items.size()));
    data->elems = std::move(items);
    return Variant::adoptArray(data);
}

bool itemsOfCollection(const Variant& collection, vbs::CallContext& ctx, std::vector<Variant>& items, int32_t& error) {
    error = 0;
    if (collection.isArray()) {
        items = collection.asArray()->elems;
        return true;
    }
    if (!collection.isObject() || collection.isNothing()) return false;
    auto* source = static_cast<vbs::Dispatch*>(collection.asObject());
    error = source->enumerate(items, ctx);
    return error != vbs::err::NotACollection;
}

}  // namespace talvoro::host::dotnet
