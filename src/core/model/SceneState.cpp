#include "core/model/SceneState.h"

#include <set>

namespace {

template <class Map>
void overlayGroup(Map& into, const Map& from) {
    for (const auto& [name, value] : from) into.insert_or_assign(name, value);
}

template <class Map>
void collectDifferences(const Map& a, const Map& b, std::set<std::string>& names) {
    for (const auto& [name, value] : a) {
        const auto other = b.find(name);
        if (other == b.end() || !(other->second == value)) names.insert(name);
    }
    for (const auto& [name, value] : b)
        if (!a.count(name)) names.insert(name);
}

template <class Map>
void copyChanged(const Map& before, const Map& after, Map& into) {
    for (const auto& [name, value] : after) {
        const auto old = before.find(name);
        if (old == before.end() || !(old->second == value)) into.emplace(name, value);
    }
}

// Calls f with the matching groups of every state given, group by group.
template <class F, class... States>
void forEachGroup(F f, States&... s) {
    f(s.texts...);
    f(s.checks...);
    f(s.colours...);
    f(s.choices...);
    f(s.fonts...);
    f(s.outputs...);
    f(s.view...);
    f(s.parameters...);
}

}  // namespace

void SceneState::overlay(const SceneState& other) {
    forEachGroup([](auto& into, const auto& from) { overlayGroup(into, from); }, *this, other);
}

int SceneState::size() const {
    int n = 0;
    forEachGroup([&n](const auto& group) { n += int(group.size()); }, *this);
    return n;
}

std::vector<std::string> SceneState::differingNames(const SceneState& other) const {
    std::set<std::string> names;
    forEachGroup([&names](const auto& a, const auto& b) { collectDifferences(a, b, names); }, *this, other);
    return {names.begin(), names.end()};
}

const std::string& SceneState::text(const std::string& name) const {
    static const std::string empty;
    const auto it = texts.find(name);
    return it == texts.end() ? empty : it->second;
}

bool SceneState::checked(const std::string& name) const {
    const auto it = checks.find(name);
    return it != checks.end() && it->second;
}

Colour SceneState::colour(const std::string& name, Colour fallback) const {
    const auto it = colours.find(name);
    return it == colours.end() ? fallback : it->second;
}

SceneState changedEntries(const SceneState& before, const SceneState& after) {
    SceneState changed;
    forEachGroup([](const auto& from, const auto& to, auto& into) { copyChanged(from, to, into); }, before, after,
                 changed);
    return changed;
}
