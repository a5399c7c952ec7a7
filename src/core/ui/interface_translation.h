#pragma once
// Qt's translations of the desktop's own texts (those without a string id)
// and of Qt's standard texts (the buttons of message boxes, the file dialog),
// for the language the preferences chose. Windows made after a change show
// the new language; the main window rebuilds what it shows itself.
#include <QString>
#include <QTranslator>
#include <memory>

namespace tessel::ui {

class InterfaceTranslation {
public:
    InterfaceTranslation() = default;
    InterfaceTranslation(const InterfaceTranslation&) = delete;
    InterfaceTranslation& operator=(const InterfaceTranslation&) = delete;
    ~InterfaceTranslation();

    // Installs the translations for `code` ("ru"), replacing those in force;
    // an empty code, or one the program has no translation for, leaves the
    // English source texts. Returns whether the program's own texts are
    // translated afterwards.
    bool use(const QString& code);

private:
    void removeInstalled();

    QString code_;
    std::unique_ptr<QTranslator> program_;
    std::unique_ptr<QTranslator> standard_;
};

}  // namespace tessel::ui
