#include "layout/KeyNavigation.h"

#include <cstdlib>
#include <limits>

namespace {
// Keys share a row with `key` when their middles lie within its height.
bool SameRow(const QRect& key, const QRect& other)
{
    return std::abs(other.center().y() - key.center().y()) * 2 < key.height();
}

int Along(const QVector<QRect>& keys, int from, KeyNavigation::Move move)
{
    const QRect& here = keys.at(from);
    int best = from;
    for (int i = 0; i < keys.size(); i++) {
        const QRect& key = keys.at(i);
        if (i == from || !SameRow(here, key))
            continue;
        const int x = key.center().x();
        const int bestX = keys.at(best).center().x();
        const bool better = [&] {
            switch (move) {
            case KeyNavigation::Move::Left:
                return x < here.center().x() && (best == from || x > bestX);
            case KeyNavigation::Move::Right:
                return x > here.center().x() && (best == from || x < bestX);
            case KeyNavigation::Move::RowStart:
                return x < here.center().x() && (best == from || x < bestX);
            default:
                return x > here.center().x() && (best == from || x > bestX);
            }
        }();
        if (better)
            best = i;
    }
    return best;
}

int Across(const QVector<QRect>& keys, int from, bool up)
{
    const QRect& here = keys.at(from);
    auto beyond = [&](const QRect& key) {
        const int dy = key.center().y() - here.center().y();
        return !SameRow(here, key) && (up ? dy < 0 : dy > 0);
    };
    // The nearest row that way, then in it the key whose middle is nearest (the left one on a tie).
    int nearestDy = std::numeric_limits<int>::max();
    for (const QRect& key : keys) {
        if (beyond(key))
            nearestDy = std::min(nearestDy, std::abs(key.center().y() - here.center().y()));
    }
    int best = from;
    int bestDx = std::numeric_limits<int>::max();
    for (int i = 0; i < keys.size(); i++) {
        const QRect& key = keys.at(i);
        if (!beyond(key) || std::abs(key.center().y() - here.center().y()) * 2 >= nearestDy * 2 + here.height())
            continue;
        const int dx = std::abs(key.center().x() - here.center().x());
        if (dx < bestDx || (dx == bestDx && key.center().x() < keys.at(best).center().x())) {
            bestDx = dx;
            best = i;
        }
    }
    return best;
}
} // namespace

int KeyNavigation::Next(const QVector<QRect>& keys, int from, Move move)
{
    if (from < 0 || from >= keys.size())
        return from;
    if (move == Move::Up || move == Move::Down)
        return Across(keys, from, move == Move::Up);
    return Along(keys, from, move);
}
