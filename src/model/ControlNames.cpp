#include "model/ControlNames.h"

#include <array>
#include <unordered_map>

namespace kovex {

namespace {

// The families of up to this many members keep their names made.
constexpr int kMostSlots = 16;

} // namespace

// The names are the program's own literals, so the text at a pointer never
// changes and the pointer can stand for it.
QString nameText(const char* text) {
    thread_local std::unordered_map<const char*, QString> made;
    const auto found = made.find(text);
    if (found != made.end())
        return found->second;
    return made.emplace(text, QString::fromLatin1(text)).first->second;
}

QString slotNameText(const char* base, int k) {
    if (k >= kMostSlots)
        return QString::fromLatin1(base) + QString::number(k);
    thread_local std::unordered_map<const char*, std::array<QString, kMostSlots>> made;
    QString& name = made[base][static_cast<std::size_t>(k)];
    if (name.isNull())
        name = QString::fromLatin1(base) + QString::number(k);
    return name;
}

} // namespace kovex
