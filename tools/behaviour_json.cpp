// SPDX-License-Identifier: MIT
#include "behaviour_json.h"

#include "form2_behaviour.h"
#include "json_writer.h"

#include <vector>

namespace zirev1 {
namespace {

std::string_view actName(Act act) {
    switch (act) {
    case Act::Set:
        return "set";
    case Act::Type:
        return "type";
    case Act::Press:
        return "press";
    case Act::Click:
        return "click";
    case Act::Results:
        return "results";
    case Act::Unchanged:
        return "unchanged";
    case Act::ResultsApart:
        return "resultsApart";
    case Act::Fault:
        return "fault";
    case Act::CloseFault:
        return "closeFault";
    case Act::FieldHolds:
        return "fieldHolds";
    case Act::Focus:
        return "focus";
    }
    return "";
}

std::string_view targetName(Target target) {
    switch (target) {
    case Target::None:
        return "";
    case Target::SideA:
        return "a";
    case Target::SideB:
        return "b";
    case Target::SideC:
        return "c";
    case Target::Calculate:
        return "calculate";
    }
    return "";
}

std::string_view localesName(Locales locales) {
    switch (locales) {
    case Locales::Any:
        return "any";
    case Locales::Point:
        return "point";
    case Locales::Comma:
        return "comma";
    }
    return "any";
}

std::string_view frontEndName(FrontEnd frontEnd) {
    switch (frontEnd) {
    case FrontEnd::Qt:
        return "qt";
    case FrontEnd::Win32:
        return "win32";
    case FrontEnd::Page:
        return "page";
    }
    return "";
}

} // namespace

std::string behaviourJson() {
    std::vector<std::string> scenarios;
    for (const Scenario& scenario : FORM2_BEHAVIOUR) {
        std::vector<std::string> steps;
        for (const Step& step : scenario.steps) {
            json::Object object;
            object.text("act", actName(step.act));
            if (step.target != Target::None) {
                object.text("target", targetName(step.target));
            }
            if (!step.text.empty() || step.act == Act::Results || step.act == Act::FieldHolds) {
                object.text("text", step.text);
            }
            steps.push_back(object.json());
        }
        scenarios.push_back(json::Object()
                                .text("name", scenario.name)
                                .text("locales", localesName(scenario.locales))
                                .add("steps", json::array(steps, ",\n    "))
                                .json());
    }
    std::vector<std::string> deviations;
    for (const KnownDeviation& deviation : FORM2_KNOWN_DEVIATIONS) {
        deviations.push_back(json::Object()
                                 .text("frontEnd", frontEndName(deviation.frontEnd))
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
