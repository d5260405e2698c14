#include "platform/FrontWindowMatch.h"

#include <algorithm>
#include <utility>

namespace platform {

namespace {

// Beyond the decorations: borders and rounding.
constexpr int outwardSlack = 4;
// Inside the window: the invisible margins a toolkit that draws its own
// frame keeps around it for shadows and resizing (Firefox: 5 pixels).
constexpr int inwardReach = 24;
// The toolkit's device-independent pixels at most this many device pixels.
constexpr double largestScale = 4.0;

// Whether one scale, from device pixels to the largest, puts each edge of
// the extents between the client area's edge drawn in by inwardReach and
// the decorations' edge pushed out by outwardSlack. Right and bottom edges
// are exclusive on both sides.
bool placeFits(const QRect &extents, const FrontWindow &front)
{
    if (extents.isEmpty())
        return false;
    const QRect &client = front.clientArea;
    const QMargins &frame = front.frameExtents;
    struct Edge {
        int at;
        int low;
        int high;
    };
    const Edge edges[] = {
        {extents.x(), client.x() - frame.left() - outwardSlack, client.x() + inwardReach},
        {extents.y(), client.y() - frame.top() - outwardSlack, client.y() + inwardReach},
        {extents.x() + extents.width(), client.x() + client.width() - inwardReach,
         client.x() + client.width() + frame.right() + outwardSlack},
        {extents.y() + extents.height(), client.y() + client.height() - inwardReach,
         client.y() + client.height() + frame.bottom() + outwardSlack},
    };
    double lowest = 1.0;
    double highest = largestScale;
    for (const Edge &edge : edges) {
        if (edge.at == 0) {
            // No scale moves an edge at the origin.
            if (edge.low > 0 || edge.high < 0)
                return false;
            continue;
        }
        double from = double(edge.low) / edge.at;
        double to = double(edge.high) / edge.at;
        if (edge.at < 0)
            std::swap(from, to);
        lowest = std::max(lowest, from);
        highest = std::min(highest, to);
    }
    return lowest <= highest;
}

} // namespace

bool titlesAgree(const QString &title, const QString &name)
{
    if (title.isEmpty() || name.isEmpty())
        return false;
    if (title == name)
        return true;
    const QString &longer = title.size() > name.size() ? title : name;
    const QString &shorter = title.size() > name.size() ? name : title;
    if (longer.startsWith(shorter))
        return !longer.at(shorter.size()).isLetterOrNumber();
    if (longer.endsWith(shorter))
        return !longer.at(longer.size() - shorter.size() - 1).isLetterOrNumber();
    return false;
}

std::optional<qsizetype> matchFrontWindow(const FrontWindow &front,
                                          const QList<AccessibleWindowFacts> &candidates)
{
    // A window without a title cannot be told from the toolkit's unnamed
    // helper windows.
    if (front.title.isEmpty())
        return std::nullopt;
    QList<qsizetype> fitting;
    for (qsizetype i = 0; i < candidates.size(); ++i) {
        const AccessibleWindowFacts &candidate = candidates[i];
        // An iconified window keeps its place, where another may be in front.
        if (!candidate.extents || !placeFits(*candidate.extents, front) ||
            (candidate.iconified && !front.minimised))
            continue;
        fitting << i;
    }
    // The place is the firmer clue: the title changes as a page loads, and
    // the two sides may mark a private window differently.
    if (fitting.size() == 1)
        return fitting.first();
    QList<qsizetype> named;
    for (const qsizetype i : fitting) {
        if (titlesAgree(front.title, candidates[i].name))
            named << i;
    }
    if (named.size() == 1)
        return named.first();
    std::optional<qsizetype> active;
    for (const qsizetype i : named.isEmpty() ? fitting : named) {
        if (!candidates[i].active)
            continue;
        if (active)
            return std::nullopt;
        active = i;
    }
    return active;
}

} // namespace platform
