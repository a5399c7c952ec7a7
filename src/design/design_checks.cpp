#include "design/design_checks.h"

#include <cctype>

#include "core/records/terminal_texts.h"
#include "design/design_terms.h"
#include "design/design_usage.h"
#include "design/flow_checks.h"
#include "design/settings_checks.h"
#include "editors/field_types.h"
#include "reader/code_id_dialog_model.h"

namespace tessel {
namespace {

constexpr Byte kCarriageReturn = 13;
constexpr Byte kLineFeed = 10;

// The Startup page's groups that hold the settings text lines, and where.
constexpr int kSettingsGroup = 6;
constexpr int kMiscContinuousGroup = 25;
constexpr std::size_t kBuzzerTextLine = 1;  // the Settings group's seventh line
constexpr int kBuzzerGroupLine = 6;
constexpr int kMiscFirstSettingsLine = 3;

constexpr FindingLocation kBarcodePage{DesignPage::Barcode};
constexpr FindingLocation kStartupPage{DesignPage::Startup};

// The Startup page shows text block b as group b - 2; block 1 is on no page.
FindingLocation textLineLocation(int block, std::size_t line) {
    constexpr int kFirstGroupBlock = 2;
    if (block < kFirstGroupBlock) return {};
    return {DesignPage::Startup, block - kFirstGroupBlock, static_cast<int>(line)};
}

// The settings text lines: the second is the Settings group's buzzer line,
// the others follow the three lines of "Misc - continuous ".
FindingLocation settingsLineLocation(std::size_t line) {
    if (line == kBuzzerTextLine) return {DesignPage::Startup, kSettingsGroup, kBuzzerGroupLine};
    const int shift = line == 0 ? 0 : -1;
    return {DesignPage::Startup, kMiscContinuousGroup, kMiscFirstSettingsLine + static_cast<int>(line) + shift};
}

std::string count(std::size_t n, std::string_view noun) {
    return std::to_string(n) + " " + std::string(noun) + (n == 1 ? "" : "s");
}

class DesignChecker {
public:
    DesignChecker(const Definition& definition, const Strings& strings, std::vector<Finding>& findings)
        : d_(definition), strings_(strings), findings_(findings) {}

    void checkForms() {
        for (std::size_t f = 0; f < kFormCount; ++f) {
            if (!formInUse(d_.forms[f])) continue;
            checkFormLookup(f);
            for (std::size_t i = 0; i < kFieldsPerForm; ++i)
                if (d_.forms[f].fieldType[i] != kFieldNone) checkField(f, i);
            checkStampDelimiters(f);
        }
    }

    void checkMenus() {
        for (std::size_t m = 0; m < kMenuCount; ++m)
            if (menuInUse(d_.menus[m])) checkMenuScreen(m);
    }

    void checkLookups() {
        for (std::size_t l = 0; l < kLookupCount; ++l) {
            const auto& lookup = d_.lookups[l];
            if (!lookupInUse(lookup) || lookup.delimiter == 0) continue;
            checkDelimiterCharacter({DesignPage::Lookup, static_cast<int>(l)}, lookupPlace(l) + ", delimiter",
                                    lookup.delimiter);
        }
    }

    void checkTexts() {
        for (int block = 1; block <= kTextBlockCount; ++block) {
            const auto lines = d_.texts.block(block);
            for (std::size_t line = 0; line < lines.size(); ++line)
                checkScreenWidth(textLineLocation(block, line), textLinePlace(block, line, strings_), "", lines[line]);
        }
        for (std::size_t line = 0; line < kSettingsTextLines; ++line)
            checkScreenWidth(settingsLineLocation(line), "settings, text line " + std::to_string(line + 1), "",
                             d_.settings.textLines[line]);
    }

    void checkFieldDelimiters() {
        checkDelimiterCharacter(kStartupPage, "settings, field delimiter 1", d_.settings.fieldDelimiter1);
        checkDelimiterCharacter(kStartupPage, "settings, field delimiter 2", d_.settings.fieldDelimiter2);
        checkReaderCharacters();
    }

private:
    void add(FindingLocation location, std::string place, std::string problem) {
        findings_.push_back({std::move(place), std::move(problem), location});
    }

    void checkFormLookup(std::size_t f) {
        const auto& form = d_.forms[f];
        if (form.formLookup > kLookupCount) {
            add(formLocation(f), formPlace(f) + ", lookup",
                "names lookup file " + std::to_string(form.formLookup) + ", which does not exist");
            return;
        }
        if (form.formLookup == 0) return;
        const auto& lookup = d_.lookups[form.formLookup - 1];
        const auto lookupName = "the " + listEntry(formLookupEntries(strings_), form.formLookup);
        bool fieldLinked = false;
        for (std::size_t i = 0; i < kFieldsPerForm; ++i) {
            const int type = form.fieldType[i];
            const bool linked = type == kFieldLookup || (form.fieldLink[i] != 0 && rowEnabling(type, true).link);
            if (!linked) continue;
            fieldLinked = true;
            if (!lookupInUse(lookup)) {
                add(formLocation(f, static_cast<int>(i)), fieldPlace(f, i),
                    "linked to " + lookupName + ", which is not defined");
                continue;
            }
            const int link = foldedFieldLink(form.formLookup, type, form.fieldLink[i]);
            const int column = link == 0 ? 0 : (link - 1) % static_cast<int>(kColumnsPerLookup) + 1;
            if (column > lookup.columnCount)
                add(formLocation(f, static_cast<int>(i)), fieldPlace(f, i),
                    "linked to column " + std::to_string(column) + ", but " + lookupName + " has " +
                        count(lookup.columnCount, "column"));
        }
        if (!fieldLinked && !lookupInUse(lookup))
            add(formLocation(f), formPlace(f) + ", lookup", lookupName + " is not defined");
    }

    void checkField(std::size_t f, std::size_t i) {
        const auto& form = d_.forms[f];
        const int type = form.fieldType[i];
        const auto place = fieldPlace(f, i);
        const auto location = formLocation(f, static_cast<int>(i));
        if (type == kFieldLookup && form.formLookup == 0)
            add(location, place, "a lookup field, but the form names no lookup file");
        if (rowEnabling(type, form.formLookup != 0).lengths) {
            if (form.maxLength[i] > kMaxDataLength)
                add(location, place,
                    "max length " + std::to_string(form.maxLength[i]) + " is above " + std::to_string(kMaxDataLength));
            if (form.minLength[i] > form.maxLength[i])
                add(location, place,
                    "min length " + std::to_string(form.minLength[i]) + " is above max length " +
                        std::to_string(form.maxLength[i]));
        }
        if (type != kFieldExtension) checkScreenWidth(location, place, "prompt", form.fieldPrompt[i]);
        if (form.initialValueOn[i] && type != kFieldLookup)
            checkDataText(location, place + ", initial value", cellText(form.initialValue[i]));
        if (form.prefixOn[i]) checkDataText(location, place + ", prefix", cellText(form.prefix[i]));
        if (form.suffixOn[i]) checkDataText(location, place + ", suffix", cellText(form.suffix[i]));
    }

    void checkStampDelimiters(std::size_t f) {
        const auto& form = d_.forms[f];
        if (form.stampPosition == 0) return;
        if (form.stampDateSeparatorOn)
            checkDataText(formLocation(f), formPlace(f) + ", date separator", cellText(form.stampDateSeparator));
        if (form.stampTimeSeparatorOn)
            checkDataText(formLocation(f), formPlace(f) + ", time separator", cellText(form.stampTimeSeparator));
    }

    void checkMenuScreen(std::size_t m) {
        const auto& menu = d_.menus[m];
        if (menu.captionOn) checkScreenWidth(menuLocation(m), menuPlace(m), "caption", menu.caption);
        if (menu.captionOn && menu.saveCaption)
            checkDataText(menuLocation(m), menuPlace(m) + ", caption", cellText(menu.caption));
        // The terminal shows the first n items, n being the number of named
        // ones, so a named item after an empty one is never shown.
        std::size_t named = 0;
        for (std::size_t item = 0; item < kItemsPerMenu; ++item) named += menuItemInUse(menu, item) ? 1 : 0;
        const std::size_t rows = kScreenRows - (menu.captionOn ? 1 : 0);
        for (std::size_t item = 0; item < kItemsPerMenu; ++item) {
            if (!menuItemInUse(menu, item)) continue;
            const auto place = itemPlace(m, item);
            const auto location = menuLocation(m, static_cast<int>(item));
            checkScreenWidth(location, place, "name", menu.itemName[item]);
            if (menu.saveSelectedItem) checkDataText(location, place + ", name", cellText(menu.itemName[item]));
            if (item >= named) {
                add(location, place,
                    "never shown: the menu shows its first " + count(named, "item") +
                        " and an item before it is empty");
            } else if (item >= rows) {
                add(location, place,
                    "below the screen: a menu " + std::string(menu.captionOn ? "with" : "without") +
                        " a caption shows " + count(rows, "item"));
            }
        }
    }

    void checkScreenWidth(FindingLocation location, const std::string& place, std::string_view what,
                          const TextCell& cell) {
        const auto text = cellText(cell);
        if (text.size() <= kLineChars) return;
        add(location, what.empty() ? place : place + ", " + std::string(what),
            std::to_string(text.size()) + " characters, longer than the " + std::to_string(kLineChars) +
                "-character screen");
    }

    // Text the terminal writes into a record must not hold a field delimiter.
    void checkDataText(FindingLocation location, const std::string& place, std::string_view text) {
        for (const Byte delimiter : {d_.settings.fieldDelimiter1, d_.settings.fieldDelimiter2}) {
            if (delimiter != 0 && text.find(static_cast<char>(delimiter)) != std::string_view::npos) {
                add(location, place, "holds the field delimiter " + characterName(delimiter));
                return;
            }
        }
    }

    // Characters the reader adds to the data of a scan.
    void checkReaderCharacters() {
        const auto& settings = d_.settings;
        if (settings.codeIdOn) {
            for (std::size_t row = 0; row < kCodeIdSymbologies; ++row)
                checkDataText(kBarcodePage, "settings, code id, " + std::string(CodeIdDialogModel::rowName(row)),
                              cellText(settings.codeId[row]));
        }
        const Byte replacement = settings.fieldSeparatorReplacement;
        if (replacement != 0)
            checkDataText(kBarcodePage, "settings, field separator replacement",
                          std::string(1, static_cast<char>(replacement)));
        const bool rfidJoined = kReaderTypeRfid.get(settings.ReaderType) && kRfidUseDelimiter.get(d_.rfid.options);
        if (rfidJoined && d_.rfid.delimiter != 0)
            checkDataText(kBarcodePage, "RFID, delimiter", std::string(1, static_cast<char>(d_.rfid.delimiter)));
    }

    void checkDelimiterCharacter(FindingLocation location, const std::string& place, Byte delimiter) {
        if (delimiter == kCarriageReturn || delimiter == kLineFeed) {
            add(location, place, characterName(delimiter) + " ends the record line");
        } else if (std::isalnum(delimiter) || delimiter == '-' || delimiter == '.') {
            add(location, place, characterName(delimiter) + " can occur in the data");
        }
    }

    static constexpr std::size_t kScreenRows = 9;

    const Definition& d_;
    const Strings& strings_;
    std::vector<Finding>& findings_;
};

}  // namespace

FindingLocation formLocation(std::size_t form, int field) { return {DesignPage::Form, static_cast<int>(form), field}; }
FindingLocation menuLocation(std::size_t menu, int item) { return {DesignPage::Menu, static_cast<int>(menu), item}; }

std::string findingLine(const Finding& finding) { return finding.place + ": " + finding.problem; }

std::vector<Finding> checkDesign(const Definition& definition, int family, const Strings& strings) {
    std::vector<Finding> findings;
    DesignChecker checker(definition, strings, findings);
    checkFlow(definition, strings, findings);
    checker.checkForms();
    checker.checkMenus();
    checker.checkLookups();
    checker.checkTexts();
    checker.checkFieldDelimiters();
    checkSettingsRanges(definition, family, findings);
    return findings;
}

}  // namespace tessel
