// SPDX-License-Identifier: MIT
#include "behaviour_json.h"

#include "form2_behaviour.h"
#include "json_writer.h"

#include <iterator>
#include <vector>

namespace zirev1 {
namespace {

// The names the page's driver reads, in the order of each enum's values (the acts' and the
// targets' are the behaviour's own).
constexpr std::string_view LOCALES_NAMES[] = {"any", "point", "comma"};
constexpr std::string_view FRONT_END_NAMES[] = {"qt", "win32", "page"};
static_assert(std::size(LOCALES_NAMES) == static_cast<std::size_t>(Locales::Comma) + 1);
static_assert(std::size(FRONT_END_NAMES) == static_cast<std::size_t>(FrontEnd::Page) + 1);

template <typename Enum, std::size_t N>
std::string_view nameOf(Enum value, const std::string_view (&names)[N]) {
    return names[static_cast<std::size_t>(value)];
}

} // namespace

std::string behaviourJson() {
    std::vector<std::string> scenarios;
    for (const Scenario& scenario : FORM2_BEHAVIOUR) {
        std::vector<std::string> steps;
        for (const Step& step : scenario.steps) {
            json::Object object;
            object.text("act", nameOf(step.act));
            if (step.target != Target::None) {
                object.text("target", nameOf(step.target));
            }
            // Acts whose text may be empty say so.
            if (!step.text.empty() || step.act == Act::Set || step.act == Act::Results ||
                step.act == Act::FieldHolds || step.act == Act::Message ||
                step.act == Act::Marked) {
                object.text("text", step.text);
            }
            steps.push_back(object.json());
        }
        scenarios.push_back(json::Object()
                                .text("name", scenario.name)
                                .text("locales", nameOf(scenario.locales, LOCALES_NAMES))
                                .add("steps", json::array(steps, ",\n    "))
                                .json());
    }
    std::vector<std::string> deviations;
    for (const KnownDeviation& deviation : FORM2_KNOWN_DEVIATIONS) {
        deviations.push_back(json::Object()
                                 .text("frontEnd", nameOf(deviation.frontEnd, FRONT_END_NAMES))
                                 .text("scenario", deviation.scenario)
                                 .text("reason", deviation.reason)
                                 .json());
    }
    std::vector<std::string> keys;
    for (const std::string_view key : BEHAVIOUR_KEYS) {
        keys.push_back(json::quoted(key));
    }
    return json::Object()
        .add("keys", json::array(keys))
        .add("scenarios", json::array(scenarios, ",\n  "))
        .add("knownDeviations", json::array(deviations))
        .json();
}

} // namespace zirev1
