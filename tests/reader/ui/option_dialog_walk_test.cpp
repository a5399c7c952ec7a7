// Walks every option dialog's table through the generic dialog: each control
// is set on its own through its widget, and OK must change exactly the bits
// its row names (with the bits the dialog clears on OK and those a rule ties
// to the row); Cancel after setting every control must leave every byte.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "core/project.h"
#include "editors/ui/widget_binding.h"
#include "reader/ui/option_dialog.h"
#include "support/projects.h"
#include "support/widgets.h"

namespace tessel {
namespace {

// Lengths everywhere: two lengths of 20 and 10 in 2D, fixed 20 and 10 in 1D,
// and two MSI check digits, so that every control of every dialog is enabled.
Definition walkStart() {
    Definition definition = test::newProject(kFamily4760).definition;
    for (const OptionDialogTable& table : optionDialogs()) {
        OptionDialogModel model(table, test::builtinStrings(), definition);
        for (std::size_t index = 0; index < model.size(); ++index) {
            switch (model.control(index).role) {
                case OptionRole::LengthOption: model.setChoice(index, 2); break;
                case OptionRole::LengthMode:  // fixed lengths
                    model.setChoice(index, 0);
                    break;
                case OptionRole::CheckDigits:  // two check digits
                    model.setChoice(index, 1);
                    break;
                case OptionRole::Length1: model.setNumber(index, "20"); break;
                case OptionRole::Length2: model.setNumber(index, "10"); break;
                default: break;
            }
        }
        model.accept();
    }
    return definition;
}

// Sets a control to a value other than the one it shows, through its widget.
void change(QDialog& dialog, const OptionDialogModel& model, std::size_t index) {
    const OptionControl& control = model.control(index);
    const QString name = toQString(control.name);
    switch (control.kind) {
        case OptionKind::Check: test::child<QCheckBox>(&dialog, name.toUtf8())->click(); break;
        case OptionKind::Choice: {
            const int next = (model.value(index) + 1) % static_cast<int>(control.entries.size());
            if (control.look == ChoiceLook::List) {
                test::child<QComboBox>(&dialog, name.toUtf8())->setCurrentIndex(next);
            } else {
                test::child<QRadioButton>(&dialog, (name + QString::number(next)).toUtf8())->click();
            }
            break;
        }
        case OptionKind::Number: {
            auto* edit = test::child<QLineEdit>(&dialog, name.toUtf8());
            edit->selectAll();
            QTest::keyClicks(edit, control.role == OptionRole::Length1 ? "30" : "5");
            break;
        }
        case OptionKind::Separator: {
            auto* code = test::child<QLineEdit>(&dialog, (name + "Code").toUtf8());
            QTest::keyClicks(code, "44");
            break;
        }
    }
}

// The bits a row may change: its own, and those a rule ties to it.
std::vector<BlockBits> rowBits(const OptionDialogTable& table, const OptionControl& row) {
    std::vector<BlockBits> bits{row.field};
    const auto add = [&](std::initializer_list<OptionRole> roles) {
        for (const OptionControl& other : table.controls) {
            if (std::find(roles.begin(), roles.end(), other.role) != roles.end()) bits.push_back(other.field);
        }
    };
    switch (row.role) {
        case OptionRole::LengthOption:  // a new option sets the enabled lengths to 0
            add({OptionRole::Length1, OptionRole::Length2});
            break;
        case OptionRole::Length1:  // lengths that make no length fall back to any length
        case OptionRole::Length2: add({OptionRole::LengthOption}); break;
        case OptionRole::CheckDigits:  // one check digit clears the algorithm
            add({OptionRole::CheckAlgorithm});
            break;
        case OptionRole::ConvertToEan13: add({OptionRole::TransmitChecksum, OptionRole::VerifyRule}); break;
        case OptionRole::TransmitChecksum:
        case OptionRole::VerifyRule: add({OptionRole::ConvertToEan13}); break;
        default: break;
    }
    bits.insert(bits.end(), table.clearedOnOk.begin(), table.clearedOnOk.end());
    return bits;
}

// The bits of each reader byte that differ between two definitions.
struct ChangedBits {
    std::vector<BlockBits> changed;
    ChangedBits(const Definition& before, const Definition& after) {
        for (const ReaderBlock block : {ReaderBlock::Symbology, ReaderBlock::Reader, ReaderBlock::Settings}) {
            const std::size_t size = block == ReaderBlock::Symbology ? sizeof(SymbologyBlock)
                                     : block == ReaderBlock::Reader  ? sizeof(ReaderSettings)
                                                                     : sizeof(SystemSettings);
            for (std::size_t byte = 0; byte < size; ++byte) {
                const unsigned diff = blockByte(before, block, byte) ^ blockByte(after, block, byte);
                if (diff != 0) changed.push_back({block, byte, diff});
            }
        }
    }
    // Whether every changed bit lies within `allowed`.
    bool within(const std::vector<BlockBits>& allowed) const {
        for (const BlockBits& bits : changed) {
            unsigned uncovered = bits.mask;
            for (const BlockBits& a : allowed) {
                if (a.block == bits.block && a.byte == bits.byte) uncovered &= ~a.mask;
            }
            if (uncovered != 0) return false;
        }
        return true;
    }
    bool touches(const BlockBits& row) const {
        return std::any_of(changed.begin(), changed.end(), [&](const BlockBits& bits) {
            return bits.block == row.block && bits.byte == row.byte && (bits.mask & row.mask) != 0;
        });
    }
};

TEST(OptionDialogTables, EachControlChangesExactlyItsBits) {
    const Definition start = walkStart();
    for (const OptionDialogTable& table : optionDialogs()) {
        for (std::size_t index = 0; index < table.controls.size(); ++index) {
            const OptionControl& row = table.controls[index];
            SCOPED_TRACE(std::string(table.templateName) + " " + std::string(row.name));
            Definition definition = start;
            OptionDialog dialog(table, test::builtinStrings(), definition);
            ASSERT_TRUE(dialog.model().enabled(index));
            change(dialog, dialog.model(), index);
            dialog.accept();
            const ChangedBits changed(start, definition);
            EXPECT_TRUE(changed.touches(row.field));
            EXPECT_TRUE(changed.within(rowBits(table, row)));
        }
    }
}

TEST(OptionDialogTables, CancelAfterEveryChangeLeavesEveryByte) {
    const Definition start = walkStart();
    for (const OptionDialogTable& table : optionDialogs()) {
        SCOPED_TRACE(std::string(table.templateName));
        Definition definition = start;
        OptionDialog dialog(table, test::builtinStrings(), definition);
        for (std::size_t index = 0; index < table.controls.size(); ++index) {
            if (dialog.model().enabled(index)) change(dialog, dialog.model(), index);
        }
        dialog.reject();
        const auto before = recordBytes(start);
        const auto after = recordBytes(definition);
        EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin()));
    }
}

}  // namespace
}  // namespace tessel
