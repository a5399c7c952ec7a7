#include "design/flow_checks.h"

#include <set>

#include "design/design_terms.h"
#include "design/design_usage.h"
#include "editors/branch_dialog_model.h"

namespace tessel {
namespace {

constexpr int kNextTargetUndefined = 21;  // offered by the Next list, meaning left to the terminal
// The program start is chosen on the Startup page.
constexpr FindingLocation kProgramStart{DesignPage::Startup};

class FlowChecker {
public:
    FlowChecker(const Definition& definition, const Strings& strings, std::vector<Finding>& findings)
        : d_(definition), strings_(strings), findings_(findings) {}

    void checkFlow() {
        checkStart();
        for (std::size_t f = 0; f < kFormCount; ++f)
            if (formInUse(d_.forms[f])) checkFormTargets(f);
        for (std::size_t m = 0; m < kMenuCount; ++m)
            if (menuInUse(d_.menus[m])) checkMenuTargets(m);
        checkReach();
    }

private:
    void add(FindingLocation location, std::string place, std::string problem) {
        findings_.push_back({std::move(place), std::move(problem), location});
    }

    // The form or menu of a target code 1..20.
    static FindingLocation targetLocation(int code) {
        if (code < kFirstMenuTarget) return formLocation(static_cast<std::size_t>(code - 1));
        return menuLocation(static_cast<std::size_t>(code - kFirstMenuTarget));
    }

    // Where the start leads to nothing, the terminal shows "No executable
    // program" instead of the application: a new, empty design included.
    void checkStart() {
        const bool fromForm = d_.settings.programStart == 0;
        if (startTarget(d_)) {
            if (fromForm && formInUse(d_.forms[0]) && !formTakesInput(d_.forms[0]))
                add(kProgramStart, "start", "form 1 takes no input, so the program starts from menu 1");
            return;
        }
        add(kProgramStart, "start",
            fromForm ? "form 1 takes no input and menu 1 has no items: there is nothing to run"
                     : "menu 1 has no items: there is nothing to run");
    }

    // What is wrong with going to `code`, or nothing.
    std::optional<std::string> targetProblem(int code) const {
        if (code == kMainMenuTarget) return std::nullopt;
        if (code < kFirstMenuTarget) {
            if (formInUse(d_.forms[static_cast<std::size_t>(code - 1)])) return std::nullopt;
            return "leads to " + targetName(code, strings_) + ", which has no fields";
        }
        if (code <= kLastTarget) {
            if (menuInUse(d_.menus[static_cast<std::size_t>(code - kFirstMenuTarget)])) return std::nullopt;
            return "leads to " + targetName(code, strings_) + ", which has no items";
        }
        return "leads past the last menu (target code " + std::to_string(code) + ")";
    }

    void checkTarget(FindingLocation location, const std::string& place, int code) {
        if (auto problem = targetProblem(code)) add(location, place, std::move(*problem));
    }

    void checkFormTargets(std::size_t f) {
        const auto& form = d_.forms[f];
        const auto place = formPlace(f);
        const auto location = formLocation(f);
        checkTarget(location, place + ", esc", form.escTarget);
        if (form.nextTarget != kNextTargetUndefined) checkTarget(location, place + ", next", form.nextTarget);
        if (form.errorAction != 0) checkTarget(location, place + ", if an error occured", form.errorAction - 1);
        for (std::size_t key = 0; key < kFunctionBranches; ++key) {
            const int target = form.branchTarget[key];
            const auto branch = place + ", " + functionKeyPlace(key) + " branch";
            if (target > kBranchDeleteLast) {
                add(location, branch, "is " + std::to_string(target) + ", which no branch choice names");
            } else if (target != kBranchDisabled && target < kBranchRemains) {
                checkTarget(location, branch, target);
            } else if (target == kBranchSummation && form.sumSource[key] < kLookupCount &&
                       !lookupInUse(d_.lookups[form.sumSource[key]])) {
                add(location, branch,
                    "sums the " + listEntry(formLookupEntries(strings_), form.sumSource[key] + 1) +
                        ", which is not defined");
            }
        }
    }

    void checkMenuTargets(std::size_t m) {
        const auto& menu = d_.menus[m];
        checkTarget(menuLocation(m), menuPlace(m) + ", esc", menu.menuEscTarget);
        for (std::size_t item = 0; item < kItemsPerMenu; ++item) {
            if (menuItemInUse(menu, item))
                checkTarget(menuLocation(m, static_cast<int>(item)), itemPlace(m, item), menu.itemTarget[item]);
        }
    }

    // The targets a form or menu leads on to.
    std::vector<int> targetsFrom(int code) const {
        std::vector<int> targets;
        if (code < kFirstMenuTarget) {
            const auto& form = d_.forms[static_cast<std::size_t>(code - 1)];
            targets = {form.escTarget, form.nextTarget};
            if (form.errorAction != 0) targets.push_back(form.errorAction - 1);
            for (const Byte branch : form.branchTarget)
                if (branch != kBranchDisabled && branch < kBranchRemains) targets.push_back(branch);
        } else {
            const auto& menu = d_.menus[static_cast<std::size_t>(code - kFirstMenuTarget)];
            targets.push_back(menu.menuEscTarget);
            for (std::size_t item = 0; item < kItemsPerMenu; ++item)
                if (menuItemInUse(menu, item)) targets.push_back(menu.itemTarget[item]);
        }
        return targets;
    }

    bool targetInUse(int code) const {
        if (code < 1 || code > kLastTarget) return false;
        if (code < kFirstMenuTarget) return formInUse(d_.forms[static_cast<std::size_t>(code - 1)]);
        return menuInUse(d_.menus[static_cast<std::size_t>(code - kFirstMenuTarget)]);
    }

    // Forms and menus in use that neither the start nor any reached form or
    // menu leads to. The main menu only starts the application again.
    void checkReach() {
        const auto start = startTarget(d_);
        if (!start) return;
        std::set<int> reached{*start};
        std::vector<int> pending{*start};
        while (!pending.empty()) {
            const int code = pending.back();
            pending.pop_back();
            for (const int next : targetsFrom(code))
                if (targetInUse(next) && reached.insert(next).second) pending.push_back(next);
        }
        for (int code = 1; code <= kLastTarget; ++code) {
            if (!targetInUse(code) || reached.count(code)) continue;
            const auto place = code < kFirstMenuTarget ? formPlace(static_cast<std::size_t>(code - 1))
                                                       : menuPlace(static_cast<std::size_t>(code - kFirstMenuTarget));
            add(targetLocation(code), place, "neither the start nor any menu or form leads to it");
        }
    }

    const Definition& d_;
    const Strings& strings_;
    std::vector<Finding>& findings_;
};

}  // namespace

void checkFlow(const Definition& definition, const Strings& strings, std::vector<Finding>& findings) {
    FlowChecker(definition, strings, findings).checkFlow();
}

}  // namespace tessel
