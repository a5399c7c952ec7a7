#include "link/ui/translated_advice.h"

#include <QCoreApplication>
#include <QStringList>

namespace tessel::ui {

QString translatedAdvice(const link::Advice& advice) {
    QStringList lines;
    for (const link::AdviceLine& line : advice) {
        QString text = QCoreApplication::translate(link::kAdviceContext, line.text);
        // Each arg() fills the lowest place left, so the places may stand in
        // any order in the translation.
        for (const auto& arg : line.args) text = text.arg(QString::fromStdString(arg));
        lines << text;
    }
    return lines.join('\n');
}

}  // namespace tessel::ui
