#include "core/ui/interface_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace tessel::ui {

InterfaceTranslation::~InterfaceTranslation() { removeInstalled(); }

void InterfaceTranslation::removeInstalled() {
    for (auto* translator : {program_.get(), standard_.get()}) {
        if (translator) QCoreApplication::removeTranslator(translator);
    }
    program_.reset();
    standard_.reset();
}

bool InterfaceTranslation::use(const QString& code) {
    if (code == code_) return program_ != nullptr;
    removeInstalled();
    code_ = code;
    if (code.isEmpty()) return false;
    auto program = std::make_unique<QTranslator>();
    if (!program->load(":/translations/tessel_" + code + ".qm")) return false;
    QCoreApplication::installTranslator(program.get());
    program_ = std::move(program);
    // Qt's own texts come from the translations installed with Qt, when
    // the system has them for this language.
    auto standard = std::make_unique<QTranslator>();
    if (standard->load("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(standard.get());
        standard_ = std::move(standard);
    }
    return true;
}

}  // namespace tessel::ui
