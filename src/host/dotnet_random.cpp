// System.Random: whole numbers and fractions drawn evenly from a range.
// Scripts cannot pass the constructor's seed through CreateObject, so each
// object is seeded from the clock (and a count, so two objects made in the
// same instant still differ).
#include <atomic>
#include <chrono>
#include <memory>
#include <random>

#include "host/dotnet_members.h"
#include "host/dotnet_objects.h"

namespace talvoro::host::dotnet {

using vbs::Args;
using vbs::CallContext;
using vbs::HostObject;
using vbs::Variant;

namespace {

// Next() answers 0 up to, not including, the largest Long (2^31 - 1).
constexpr int64_t kNextLimit = 2147483647;

constexpr ClassFailure kMaxNegative = {kArgumentOutOfRange, u"'maxValue' must be greater than zero."};
constexpr ClassFailure kMinAboveMax = {kArgumentOutOfRange, u"'minValue' cannot be greater than maxValue."};

uint64_t clockSeed() {
    static std::atomic<uint64_t> made{0};
    auto ticks = static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    return ticks ^ (++made * 0x9E3779B97F4A7C15ull);
}

// A whole number from first up to, not including, limit (first when they meet).
Variant drawWhole(std::mt19937_64& engine, int64_t first, int64_t limit) {
    if (limit <= first) return Variant::long_(static_cast<int32_t>(first));
    std::uniform_int_distribution<int64_t> range(first, limit - 1);
    return Variant::long_(static_cast<int32_t>(range(engine)));
}

// A fraction in [0, 1): the top 53 bits of a draw, the precision of a
// Double, so it is never 1 (a distribution's rounding could reach it).
double fraction(std::mt19937_64& engine) { return static_cast<double>(engine() >> 11) * 0x1.0p-53; }

int32_t next(std::mt19937_64& engine, Args args, Variant& result, CallContext& ctx) {
    int32_t low = 0, high = 0;
    switch (args.size()) {
    case 0: result = drawWhole(engine, 0, kNextLimit); return 0;
    case 1:
        if (int32_t e = checkArgCount(args, 1)) return e;
        if (int32_t e = vbs::lib::readLong(args, 0, high)) return e;
        if (high < 0) return fail(ctx, kMaxNegative);
        result = drawWhole(engine, 0, high);
        return 0;
    default:
        if (int32_t e = checkArgCount(args, 2)) return e;
        if (int32_t e = vbs::lib::readLong(args, 0, low)) return e;
        if (int32_t e = vbs::lib::readLong(args, 1, high)) return e;
        if (low > high) return fail(ctx, kMinAboveMax);
        result = drawWhole(engine, low, high);
        return 0;
    }
}

}  // namespace

Variant makeRandom() {
    auto engine = std::make_shared<std::mt19937_64>(clockSeed());
    auto* random = new HostObject(u"Random");
    Variant result = Variant::object(random);
    // Next(), Next(max) and Next(min, max) are told apart by their arguments.
    random->method(u"Next", [engine](Args args, Variant& out, CallContext& ctx) { return next(*engine, args, out, ctx); });
    random->method(u"NextDouble", [engine](Args args, Variant& out, CallContext&) -> int32_t {
        if (int32_t e = checkArgCount(args, 0)) return e;
        out = Variant::double_(fraction(*engine));
        return 0;
    });
    return result;
}

}  // namespace talvoro::host::dotnet
