#include "core/ui/about_box.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QPalette>
#include <QVBoxLayout>

#include "core/desktop.h"

namespace tessel::ui {

LinkLabel::LinkLabel(const QString& text, QString address, Desktop& desktop, QWidget* parent)
    : QLabel(text, parent), address_(std::move(address)), desktop_(desktop) {
    setCursor(Qt::PointingHandCursor);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colours.color(QPalette::Link));
    setPalette(colours);
    setUnderlined(true);
}

void LinkLabel::setUnderlined(bool underlined) {
    QFont shown = font();
    shown.setUnderline(underlined);
    setFont(shown);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    setUnderlined(false);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
    setUnderlined(true);
    QLabel::leaveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    desktop_.openUrl(address_.toStdString());
}

AboutBox::AboutBox(Desktop& desktop, QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle(tr("About Tessel Studio"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* title = new QLabel("<b>Tessel Studio</b>", this);
    auto* version = new QLabel(tr("Version %1").arg(QStringLiteral(TESSEL_VERSION)), this);
    auto* web =
        new LinkLabel(QString::fromUtf8(kProjectWebAddress), QString::fromUtf8(kProjectWebAddress), desktop, this);
    web->setObjectName("webLink");
    const QString support = QString::fromUtf8(kSupportAddress);
    auto* mail = new LinkLabel(support, "mailto:" + support, desktop, this);
    mail->setObjectName("supportLink");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    for (QWidget* widget : std::initializer_list<QWidget*>{title, version, web, mail, buttons})
        layout->addWidget(widget);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutBox::closeEvent(QCloseEvent* event) { event->ignore(); }

}  // namespace tessel::ui
