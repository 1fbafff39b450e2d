#pragma once

#include <QStringList>
#include <array>
#include <cstdint>
#include <string_view>

// The fixed lists of the Power and Test points pages: each item's text
// together with the values it stands for, in the order the list shows them,
// so that an item index reads text and values from the same row.
namespace kovex {

// Whole-MHz band edges. The 12 m band's upper edge is 24 and the 10 m band's
// 30: the edges only select the field limit and the loss figures.
struct BandRow {
    const char* text;
    std::int32_t freqMinMHz;
    std::int32_t freqMaxMHz;
};
inline constexpr std::array<BandRow, 14> kBands{{
    {"30 m : 10.000 - 10.150 MHz", 10, 10},
    {"20 m : 14.000 - 14.350 MHz", 14, 14},
    {"17 m : 18.068 - 18.168 MHz", 18, 18},
    {"15 m : 21.000 - 21.450 MHz", 21, 21},
    {"12 m : 24.890 - 24.990 MHz", 24, 24},
    {"10 m : 28.000 - 29.700 MHz", 28, 30},
    {"  6 m : 50 - 52 MHz", 50, 52},
    {"  2 m : 144 - 146 MHz", 144, 146},
    {"70 cm : 430 - 440 MHz", 430, 440},
    {"23 cm : 1240 - 1300 MHz", 1240, 1300},
    {"13 cm : 2300 - 2450 MHz", 2300, 2450},
    {"  6 cm : 5650 - 5850 MHz", 5650, 5850},
    {"3 band HF : 10 m + 15 m + 20 m", 14, 30},
    {"10 + 12 + 15 + 17 + 20 + 30 m ", 10, 30},
}};

struct FactorRow {
    const char* text;
    double factor;
};

// The share of the peak envelope power that a mode transmits on average.
inline constexpr std::array<FactorRow, 13> kModes{{
    {"CW (A1A)", 0.4},
    {"SSB (J3E)", 0.2},
    {"SSB + compressor", 0.5},
    {"CW and SSB", 0.5},
    {"FM (F3E)", 1.0},
    {"CW , SSB and FM", 1.0},
    {"AM (m = 100%)", 0.3},
    {"AM (m = 50 %)", 0.5},
    {"ATV AM (C3F)", 0.6},
    {"ATV FM (F3F)", 1.0},
    {"Packet Radio", 1.0},
    {"Digital Mode", 1.0},
    {"any other ", 1.0},
}};

// The share of any 6-minute interval spent transmitting, never below 0.5.
// 0.8333 and 0.6666 are the stored figures, not 5/6 and 2/3.
inline constexpr std::array<FactorRow, 5> kTimes{{
    {"6 minutes", 1.0},
    {"5 minutes", 0.8333},
    {"4 minutes", 0.6666},
    {"3 minutes", 0.5},
    {"less than 3 minutes ", 0.5},
}};

// The attenuation of the obstacle between antenna and test point, in dB
// (zero or negative), below and above 1000 MHz.
struct WallRow {
    const char* text;
    double belowGHzdB;
    double aboveGHzdB;
};
inline constexpr std::array<WallRow, 10> kWallTypes{{
    {"wall with window(s)", -2, -2},
    {"brick wall", -3, -5},
    {"concrete wall", -7, -7},
    {"metal wall", -12, -12},
    {"concrete ceiling", -6, -7.8},
    {"car penetration", -3, -3},
    {"(none)", 0, 0},
    {"normal roof", -2, -2},
    {"wall corner > 40 cm (microcell)", -12, -12},
    {"wall corner > 20 cm (microcell)", -7, -7},
}};

template <typename Row, std::size_t N>
constexpr int indexOfText(const std::array<Row, N>& rows, std::string_view text) {
    for (std::size_t i = 0; i < N; ++i)
        if (std::string_view(rows[i].text) == text)
            return static_cast<int>(i);
    return -1;
}

// The wall type of an empty slot.
inline constexpr int kNoWallType = indexOfText(kWallTypes, "(none)");
static_assert(kNoWallType >= 0);

template <typename Row, std::size_t N> QStringList itemTexts(const std::array<Row, N>& rows) {
    QStringList texts;
    for (const Row& row : rows)
        texts << QString::fromLatin1(row.text);
    return texts;
}

} // namespace kovex
