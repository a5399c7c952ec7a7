#include "core/ui/control_names.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBoxLayout>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QWidget>

namespace tessel::ui {
namespace {

// A control a label can name: one that takes input and has no text of its own.
bool isNamedByLabel(const QWidget* widget) {
    if (qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget)) return false;
    return widget->focusPolicy() != Qt::NoFocus;
}

QWidget* widgetOf(QLayoutItem* item) { return item ? item->widget() : nullptr; }

// A label before a control becomes its buddy; a check box or radio button
// before one (a switch and the value it enables) lends it its text as name.
void pair(QWidget* before, QWidget* control) {
    if (!before || !control || !isNamedByLabel(control)) return;
    QWidget* named = control->focusProxy() ? control->focusProxy() : control;
    if (!named->accessibleName().isEmpty()) return;
    if (auto* label = qobject_cast<QLabel*>(before)) {
        if (!label->buddy() && !nameOfLabel(label->text()).isEmpty()) label->setBuddy(control);
    } else if (auto* button = qobject_cast<QAbstractButton*>(before)) {
        if (button->isCheckable()) named->setAccessibleName(nameOfLabel(button->text()));
    }
}

void pairInGrid(QGridLayout* grid) {
    for (int row = 0; row < grid->rowCount(); ++row) {
        for (int column = 0; column + 1 < grid->columnCount(); ++column) {
            pair(widgetOf(grid->itemAtPosition(row, column)), widgetOf(grid->itemAtPosition(row, column + 1)));
        }
    }
}

void pairInRow(QBoxLayout* row) {
    for (int index = 0; index + 1 < row->count(); ++index)
        pair(widgetOf(row->itemAt(index)), widgetOf(row->itemAt(index + 1)));
}

void pairInForm(QFormLayout* form) {
    for (int row = 0; row < form->rowCount(); ++row) {
        pair(widgetOf(form->itemAt(row, QFormLayout::LabelRole)), widgetOf(form->itemAt(row, QFormLayout::FieldRole)));
    }
}

void pairIn(QLayout* layout) {
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) pairInGrid(grid);
    if (auto* form = qobject_cast<QFormLayout*>(layout)) pairInForm(form);
    if (auto* row = qobject_cast<QBoxLayout*>(layout)) pairInRow(row);
    for (int index = 0; index < layout->count(); ++index) {
        if (QLayout* inner = layout->itemAt(index)->layout()) pairIn(inner);
    }
}

class ShownWindowNaming : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->isWindow()) nameControlsByLabels(widget);
        }
        return false;
    }
};

}  // namespace

QString nameOfLabel(const QString& label) {
    QString name;
    for (qsizetype i = 0; i < label.size(); ++i) {
        // "&&" shows one ampersand; a single one marks the mnemonic.
        if (label[i] == '&' && i + 1 < label.size()) ++i;
        name += label[i];
    }
    name = name.trimmed();
    if (name.endsWith(':')) name.chop(1);
    return name.trimmed();
}

void nameControlsByLabels(QWidget* root) {
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        if (widget->layout()) pairIn(widget->layout());
    }
    for (QLabel* label : root->findChildren<QLabel*>()) {
        QWidget* control = label->buddy();
        if (!control) continue;
        if (control->focusProxy()) control = control->focusProxy();
        if (control->accessibleName().isEmpty()) control->setAccessibleName(nameOfLabel(label->text()));
    }
}

void nameControlsOfShownWindows() {
    static auto* naming = new ShownWindowNaming(qApp);
    qApp->installEventFilter(naming);
}

}  // namespace tessel::ui
