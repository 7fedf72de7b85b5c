#include "forms/random.h"

#include <chrono>
#include <deque>
#include <random>

namespace forms {

namespace {
// All windows share one generator, as they shared one Rnd: seeding it once
// fixes every draw that follows. Only the UI thread draws, so no locking.
struct Source
{
    // A fixed start, so a run that never calls Randomize repeats itself.
    std::mt19937 engine{5489u};
    std::deque<float> scripted;
};

Source &source()
{
    static Source instance;
    return instance;
}
} // namespace

float Rnd()
{
    Source &s = source();
    if (!s.scripted.empty()) {
        const float value = s.scripted.front();
        s.scripted.pop_front();
        return value;
    }
    // Exactly 24 random bits fit a float's significand, so the product is
    // exact: a multiple of 2^-24 no larger than 1 - 2^-24. Converting a wider
    // fraction to float could round up to 1.0f.
    return static_cast<float>(s.engine() >> 8) * 0x1p-24f;
}

void Randomize()
{
    const auto wall = static_cast<quint64>(
            std::chrono::system_clock::now().time_since_epoch().count());
    const auto mono = static_cast<quint64>(
            std::chrono::steady_clock::now().time_since_epoch().count());
    // seed_seq spreads the few changing clock bits over the whole state, so
    // two calls a moment apart still give unrelated sequences.
    std::seed_seq seq{static_cast<quint32>(wall), static_cast<quint32>(wall >> 32),
                      static_cast<quint32>(mono), static_cast<quint32>(mono >> 32)};
    source().engine.seed(seq);
}

namespace Random {

void seed(quint32 value)
{
    source().engine.seed(value);
}

void script(const QList<float> &values)
{
    // Scripted values do not consume draws: once they are used up, the
    // generator continues exactly where it was.
    auto &queue = source().scripted;
    queue.insert(queue.end(), values.cbegin(), values.cend());
}

void clearScript()
{
    source().scripted.clear();
}

} // namespace Random

} // namespace forms
