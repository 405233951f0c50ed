#pragma once

#include <QStringView>
#include <cstdint>

// The exercises' own random numbers: splitmix64, seeded from what names an exercise. The
// standard distributions differ between libraries, and an exercise number must bring back
// the same exercise on every computer and in every version, so only integer arithmetic
// decides what is drawn.
class Prng
{
public:
    explicit Prng(std::uint64_t seed) : m_state(seed) { }

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    // 0 .. count − 1 (the tiny bias of the remainder does not matter for a draw).
    std::uint64_t below(std::uint64_t count) { return count == 0 ? 0 : next() % count; }
    bool coin() { return (next() >> 63) != 0; }

    // FNV-1a over UTF-16 units, to mix names into a seed.
    static std::uint64_t hash(QStringView text, std::uint64_t h = 0xcbf29ce484222325ULL)
    {
        for (QChar c : text) {
            h ^= c.unicode();
            h *= 0x100000001b3ULL;
        }
        return h;
    }

private:
    std::uint64_t m_state;
};
