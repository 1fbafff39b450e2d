#include "DeckVariants.h"

#include "BuildError.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace necpattern {

namespace {

// The amateur bands of IARU Region 1 (band plans for HF and for VHF, UHF and
// microwaves), which the program's band list follows.
constexpr std::array<AmateurBand, 17> bands{{{1.81, 2.0},
                                             {3.5, 3.8},
                                             {5.3515, 5.3665},
                                             {7.0, 7.2},
                                             {10.1, 10.15},
                                             {14.0, 14.35},
                                             {18.068, 18.168},
                                             {21.0, 21.45},
                                             {24.89, 24.99},
                                             {28.0, 29.7},
                                             {50.0, 52.0},
                                             {144.0, 146.0},
                                             {430.0, 440.0},
                                             {1240.0, 1300.0},
                                             {2300.0, 2450.0},
                                             {5650.0, 5850.0},
                                             {10000.0, 10500.0}}};

enum class Kind { Scale, Droop, Move, Card };

struct Variation {
    Kind kind = Kind::Scale;
    std::array<bool, 3> axes{}; // SCALE: x, y, z
    int firstTag = 0;           // SCALE, DROOP: the wires varied
    int lastTag = -1;           // below firstTag: every wire
    QStringList templateFields; // CARD: the card, "{}" where the value goes
    QStringList values;
};

struct Dimension {
    std::vector<Variation> together; // one value index for all
    int count = 0;
};

QStringList fieldsOf(const QString& card) {
    return card.simplified().replace(',', ' ').split(' ', Qt::SkipEmptyParts);
}

double numberOf(const QString& text, const QString& where) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw BuildError{where + "\"" + text + "\" is no number"};
    return value;
}

QString numberText(double value) {
    return QString::number(value, 'g', 10);
}

// "TAGS A-B" at the end of a VARY card, removed from the fields.
void takeTags(QStringList& fields, Variation& v, const QString& where) {
    if (fields.size() < 2 || fields[fields.size() - 2].toUpper() != "TAGS")
        return;
    const QStringList range = fields.back().split('-');
    v.firstTag = static_cast<int>(numberOf(range.front(), where));
    v.lastTag = static_cast<int>(numberOf(range.back(), where));
    fields.remove(fields.size() - 2, 2);
}

void checkValues(const QStringList& values, const QString& where) {
    if (values.isEmpty())
        throw BuildError{where + "a variation needs at least one value"};
    for (const QString& value : values)
        numberOf(value, where);
}

Variation cardVariation(const QString& card, const QString& where) {
    const qsizetype open = card.indexOf('{');
    const qsizetype close = card.indexOf('}');
    if (open < 0 || close < open || card.indexOf('{', open + 1) >= 0)
        throw BuildError{where + "VARY CARD needs one {V1 V2 ...} in its card"};
    Variation v;
    v.kind = Kind::Card;
    v.values = fieldsOf(card.mid(open + 1, close - open - 1));
    checkValues(v.values, where);
    v.templateFields = fieldsOf(card.left(open) + " {} " + card.mid(close + 1));
    if (v.templateFields.size() < 3 || v.templateFields.indexOf("{}") < 3)
        throw BuildError{where + "VARY CARD: the value cannot be the mnemonic or the first two fields"};
    return v;
}

Variation parseVariation(const QString& rest, const QString& where) {
    QStringList fields = fieldsOf(rest);
    const QString kind = fields.value(0).toUpper();
    if (kind == "CARD")
        return cardVariation(rest.mid(rest.indexOf(QStringLiteral("CARD"), 0, Qt::CaseInsensitive) + 4),
                             where);
    Variation v;
    takeTags(fields, v, where);
    fields.removeFirst();
    if (kind == "SCALE") {
        v.kind = Kind::Scale;
        const QString axes = fields.value(0).toLower();
        for (int i = 0; i < 3; ++i)
            v.axes[static_cast<std::size_t>(i)] = axes.contains(QChar('x' + i));
        if (axes.isEmpty() || axes.count(QRegularExpression(QStringLiteral("[^xyz]"))) > 0)
            throw BuildError{where + "VARY SCALE needs the axes to scale (x, y, z)"};
        fields.removeFirst();
    } else if (kind == "DROOP") {
        v.kind = Kind::Droop;
        if (v.lastTag < v.firstTag)
            throw BuildError{where + "VARY DROOP needs TAGS A-B"};
    } else if (kind == "MOVE") {
        v.kind = Kind::Move;
    } else {
        throw BuildError{where + "VARY " + kind + " is none of SCALE, DROOP, MOVE, CARD"};
    }
    checkValues(fields, where);
    v.values = fields;
    return v;
}

std::vector<Dimension> dimensionsOf(const QStringList& lines, const QString& name) {
    std::vector<Dimension> dimensions;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString card = lines[i].trimmed();
        const QStringList fields = fieldsOf(card);
        if (fields.size() < 2 || fields[0].left(2).toUpper() != "CM" ||
            !fields[1].toUpper().startsWith("VARY"))
            continue;
        const QString where = name + ":" + QString::number(i + 1) + ": ";
        const bool joined = fields[1].toUpper() == "VARY+";
        if (!joined && fields[1].toUpper() != "VARY")
            throw BuildError{where + "\"" + fields[1] + "\" is neither VARY nor VARY+"};
        const qsizetype at = card.indexOf(fields[1]) + fields[1].size();
        const Variation v = parseVariation(card.mid(at), where);
        const int count = static_cast<int>(v.values.size());
        if (joined) {
            if (dimensions.empty() || dimensions.back().count != count)
                throw BuildError{where + "VARY+ needs a variation before it with as many values"};
            dimensions.back().together.push_back(v);
        } else {
            dimensions.push_back(Dimension{{v}, count});
        }
    }
    return dimensions;
}

bool tagged(const Variation& v, int tag) {
    return v.lastTag < v.firstTag || (tag >= v.firstTag && tag <= v.lastTag);
}

void scaleWire(QStringList& f, const Variation& v, double factor) {
    for (int axis = 0; axis < 3; ++axis) {
        if (!v.axes[static_cast<std::size_t>(axis)])
            continue;
        for (int end : {3, 6})
            f[end + axis] = numberText(f[end + axis].toDouble() * factor);
    }
}

void droopWire(QStringList& f, double droopDeg) {
    const double dx = f[6].toDouble() - f[3].toDouble();
    const double dy = f[7].toDouble() - f[4].toDouble();
    const double dz = f[8].toDouble() - f[5].toDouble();
    const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
    const double across = std::hypot(dx, dy);
    const double angle = droopDeg * std::numbers::pi / 180;
    const double ux = across > 0 ? dx / across : 1, uy = across > 0 ? dy / across : 0;
    f[6] = numberText(f[3].toDouble() + length * std::cos(angle) * ux);
    f[7] = numberText(f[4].toDouble() + length * std::cos(angle) * uy);
    f[8] = numberText(f[5].toDouble() - length * std::sin(angle));
}

bool sameCard(const QStringList& card, const QStringList& pattern) {
    return card.size() >= 3 && card[0].left(2).toUpper() == pattern[0].left(2).toUpper() &&
           card[1] == pattern[1] && card[2] == pattern[2];
}

// One variation at one value on one card of the deck.
void vary(QStringList& f, const Variation& v, const QString& value) {
    const QString mnemonic = f.value(0).left(2).toUpper();
    if (v.kind == Kind::Card) {
        if (!sameCard(f, v.templateFields))
            return;
        f = v.templateFields;
        f[f.indexOf("{}")] = value;
    } else if (v.kind == Kind::Move) {
        if (mnemonic == "GM" && f.size() >= 10)
            for (int i = 6; i <= 8; ++i) // XS YS ZS
                f[i] = numberText(f[i].toDouble() * value.toDouble());
    } else if (mnemonic == "GW" && f.size() >= 10 && tagged(v, f[1].toInt())) {
        if (v.kind == Kind::Scale)
            scaleWire(f, v, value.toDouble());
        else
            droopWire(f, value.toDouble());
    }
}

// `choice` holds per dimension the value index, 0 for the deck as written.
DeckVariant variantOf(const QStringList& lines, const std::vector<Dimension>& dimensions,
                      const std::vector<int>& choice) {
    DeckVariant variant;
    QStringList labels;
    QStringList out;
    for (const QString& line : lines) {
        QStringList f = fieldsOf(line);
        if (f.isEmpty() || f[0].left(2).toUpper() == "CM" || f[0].left(2).toUpper() == "CE") {
            out << line;
            continue;
        }
        const QStringList before = f;
        for (std::size_t d = 0; d < dimensions.size(); ++d) {
            if (choice[d] == 0)
                continue;
            for (const Variation& v : dimensions[d].together)
                vary(f, v, v.values[choice[d] - 1]);
        }
        out << (f == before ? line : f.join(' '));
    }
    for (std::size_t d = 0; d < dimensions.size(); ++d)
        if (choice[d] != 0)
            labels << dimensions[d].together.front().values[choice[d] - 1];
    variant.label = labels.isEmpty() ? QStringLiteral("as written") : "values " + labels.join(' ');
    variant.text = out.join('\n');
    return variant;
}

} // namespace

std::vector<DeckVariant> deckVariants(const QString& deckText, const QString& name) {
    const QStringList lines = deckText.split('\n');
    const std::vector<Dimension> dimensions = dimensionsOf(lines, name);
    std::vector<DeckVariant> variants;
    std::vector<int> choice(dimensions.size(), 0);
    // Counts through every combination, the deck as written first.
    while (true) {
        DeckVariant variant = variantOf(lines, dimensions, choice);
        const bool seen = std::any_of(variants.begin(), variants.end(),
                                      [&](const DeckVariant& v) { return v.text == variant.text; });
        if (!seen)
            variants.push_back(std::move(variant));
        std::size_t d = 0;
        while (d < dimensions.size() && ++choice[d] > dimensions[d].count)
            choice[d++] = 0;
        if (d == dimensions.size())
            break;
    }
    return variants;
}

AmateurBand amateurBand(double mhz, const QString& where) {
    for (const AmateurBand& band : bands)
        if (mhz >= band.lowMHz && mhz <= band.highMHz)
            return band;
    throw BuildError{where + QString::number(mhz) + " MHz lies in no amateur band"};
}

static bool atOwnFrequency(const QStringList& lines) {
    return std::any_of(lines.begin(), lines.end(), [](const QString& line) {
        return line.simplified().compare(QStringLiteral("CM BAND OWN FREQUENCY"), Qt::CaseInsensitive) == 0;
    });
}

QString acrossBand(const QString& deckText, const QString& name) {
    QStringList out;
    const QStringList lines = deckText.split('\n');
    if (atOwnFrequency(lines))
        return deckText;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList f = fieldsOf(lines[i]);
        if (f.size() < 6 || f[0].left(2).toUpper() != "FR") {
            out << lines[i];
            continue;
        }
        const QString where = name + ":" + QString::number(i + 1) + ": ";
        const double own = numberOf(f[5], where);
        const AmateurBand band = amateurBand(own, where);
        std::vector<double> frequencies{band.lowMHz, (band.lowMHz + band.highMHz) / 2, band.highMHz};
        if (std::none_of(frequencies.begin(), frequencies.end(),
                         [own](double mhz) { return std::abs(mhz - own) < 1e-9; }))
            frequencies.push_back(own);
        for (double mhz : frequencies) {
            QStringList card = f;
            card[5] = numberText(mhz);
            out << card.join(' ');
        }
    }
    return out.join('\n');
}

} // namespace necpattern
